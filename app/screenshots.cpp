// Opens every window of the program and writes a picture of each to the
// folder given as the first argument.

#include "app/lifecycle.h"
#include "ui/controls.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace {

bool save(QWidget* window, const QDir& dir) {
    QString path = dir.filePath(window->objectName() + QStringLiteral(".png"));
    bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ui::setupApplicationLook();
    QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    dir.mkpath(QStringLiteral("."));

    app::Lifecycle lifecycle;
    lifecycle.start();
    lifecycle.Command3_Click();
    lifecycle.Command10_Click();
    lifecycle.Command11_Click();
    lifecycle.Command12_Click();

    int failures = 0;
    QTimer::singleShot(500, [&] {
        QWidget* windows[] = {&lifecycle.main(), lifecycle.geometry(), lifecycle.constants(),
                              lifecycle.factorial(), lifecycle.about()};
        for (QWidget* w : windows) failures += save(w, dir) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return failures == 0 ? 0 : 1;
}
