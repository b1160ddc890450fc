#include "app/lifecycle.h"
#include "ui/controls.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("qorvi-calculator"));
    ui::setupApplicationLook();

    app::Lifecycle lifecycle;
    QObject::connect(&lifecycle, &app::Lifecycle::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    lifecycle.start();
    return application.exec();
}
