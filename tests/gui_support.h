#pragma once
// Shared pieces of the window tests: the application's look, a watchdog
// against unexpected modal dialogs, and finding controls by name.

#include "app/lifecycle.h"
#include "tests/recording_messages.h"
#include "runtime/message_sink.h"
#include "ui/look.h"

#include <functional>
#include <memory>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace guitest {

// Fails the running test when a modal dialog appears that nothing expected:
// with the recording message sink in place, no window may show one.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen_ = modal->windowTitle() + QStringLiteral(": ") + modal->objectName();
                modal->close();
            }
        });
        timer_.start();
    }
    // The title of the unexpected dialog seen since the last call, if any.
    QString takeSeen() {
        QString s = seen_;
        seen_.clear();
        return s;
    }

private:
    QTimer timer_;
    QString seen_;
};

template <typename T = QWidget>
T* control(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    if (!w) qWarning("no control %s of the expected kind in %s", name, qPrintable(window->objectName()));
    return w;
}

// A control's place in its window's coordinates, in pixels.
inline QRect placeInWindow(QWidget* control, QWidget* window) {
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

inline QRect twips(int l, int t, int w, int h) { return QRect(l / 15, t / 15, w / 15, h / 15); }

inline std::vector<testing_support::Message> take(testing_support::RecordingMessages& sink) {
    std::vector<testing_support::Message> m;
    m.swap(sink.messages);
    return m;
}

// The program's windows for one test: a fresh lifecycle whose messages are
// recorded, with the main window shown and, optionally, one more opened.
// Fails the test if a modal dialog appeared that nothing expected.
class Harness {
public:
    app::Lifecycle* lifecycle() { return lifecycle_.get(); }
    testing_support::RecordingMessages messages;

    // Call from the test case's initTestCase.
    void setUp() {
        ui::setupApplicationLook();
        watchdog_ = std::make_unique<ModalWatchdog>();
    }
    // Call from init(): `open` is the lifecycle slot of the window under test.
    bool start(void (app::Lifecycle::*open)() = nullptr, std::function<QWidget*(app::Lifecycle&)> window = {}) {
        messages.messages.clear();
        lifecycle_ = std::make_unique<app::Lifecycle>();
        lifecycle_->setMessageSink(&messages);
        lifecycle_->start();
        if (open) (lifecycle_.get()->*open)();
        QWidget* shown = window ? window(*lifecycle_) : &lifecycle_->main();
        return QTest::qWaitForWindowActive(shown);
    }
    // Call from cleanup(): the unexpected dialog seen, if any.
    QString stop() {
        lifecycle_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return watchdog_->takeSeen();
    }
    void tearDown() { watchdog_.reset(); }

private:
    std::unique_ptr<app::Lifecycle> lifecycle_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

// Runs the test classes in order under one application; fails if any failed.
template <typename... Tests>
int runTests(int argc, char** argv) {
    QApplication app(argc, argv);
    int status = 0;
    auto run = [&](auto test) { status |= QTest::qExec(&test, argc, argv); };
    (run(Tests{}), ...);
    return status;
}

inline QList<QWidget*> visibleTopLevels(const QString& name) {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) out.append(w);
    return out;
}

}  // namespace guitest
