#include "app/lifecycle.h"
#include "ui/look.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr int kSettleMs = 100;

#ifndef _WIN32
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
#endif

// Starting leaves much freed heap behind (half a megabyte of one font table
// that Qt reads for the metrics alone): it is given back to the system once
// the main window has been painted and the start has settled. Trimmed any
// sooner, the heap grows back further while the window is shown and painted.
class TrimAfterStart : public QObject {
public:
    explicit TrimAfterStart(QWidget* window) : window_(window) { window->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
#ifdef __GLIBC__
            QTimer::singleShot(kSettleMs, [] { malloc_trim(0); });
#endif
        }
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

int main(int argc, char* argv[]) {
#ifndef _WIN32
    // Without a display Qt would abort with a page of plugin diagnostics.
    // (Windows always has its desktop.)
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !platformGiven(argc, argv)) {
        std::fputs("qorvi-calculator: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "start it from a desktop session\n",
                   stderr);
        return 1;
    }
#endif
#ifdef _WIN32
    // Says that the program runs, for as long as it does: its installer and
    // uninstaller look for this name (app/windows/NSIS.template.in) and ask the
    // user to close the program rather than meet its files in use.
    CreateMutexW(nullptr, FALSE, L"QorviCalculatorRunning");
#endif
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("qorvi-calculator"));
    ui::setupApplicationLook();

    app::Lifecycle lifecycle;
    QObject::connect(&lifecycle, &app::Lifecycle::finished, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    TrimAfterStart trim(&lifecycle.main());
    lifecycle.start();
    return application.exec();
}
