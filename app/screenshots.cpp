// Opens every window of the program and writes a picture of each to the
// folder given as the first argument; with --dark, in a dark palette as a
// dark desktop theme gives it.
//   qorvi-screenshots [--dark] [folder]

#include "app/lifecycle.h"
#include "ui/look.h"

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
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark")) > 0) QApplication::setPalette(ui::darkPalette());
    QDir dir(arguments.isEmpty() ? QStringLiteral("screenshots") : arguments.first());
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
