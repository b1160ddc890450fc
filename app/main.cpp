#include "app/lifecycle.h"
#include "ui/controls.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Qt's own -platform option names a platform without the environment.
bool platformGiven(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Without a display Qt would abort with a page of plugin diagnostics.
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !platformGiven(argc, argv)) {
        std::fputs("qorvi-calculator: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "start it from a desktop session\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("qorvi-calculator"));
    ui::setupApplicationLook();

    app::Lifecycle lifecycle;
    QObject::connect(&lifecycle, &app::Lifecycle::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    lifecycle.start();
    return application.exec();
}
