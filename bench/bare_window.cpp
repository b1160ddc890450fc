// An empty Qt Widgets window of the main window's size: what any Qt program
// pays to start.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare-window"));
    window.resize(496, 414);
    window.show();
    return app.exec();
}
