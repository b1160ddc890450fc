// An empty Qt Widgets window of the main window's size: what any Qt program
// pays to start. With --text it also shows a few lines of Chinese in the
// Song face the program uses, the least a window of this program draws.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare-window"));
    window.resize(496, 414);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel(QStringLiteral("简易计算 科学计算\n"
                                                "高精度加法:精确到500位\n"
                                                "高精度乘法:精确到500位\n"
                                                "进制转换(支持任意进制) 结果是: 1234567890"),
                                 &window);
        QFont font(QStringLiteral("AR PL UMing CN"));
        font.setPointSizeF(9);
        font.setHintingPreference(QFont::PreferNoHinting);
        label->setFont(font);
        label->move(16, 16);
    }
    window.show();
    return app.exec();
}
