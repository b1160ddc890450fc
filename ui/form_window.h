#pragma once
// What every window of the program shares: its message boxes, and telling
// the program when it has been closed.

#include "ui/message_box.h"

#include <QString>
#include <QWidget>

namespace ui {

// Passes every message on to the window's sink, and counts them.
class ShownMessages : public runtime::MessageSink {
public:
    void showMessage(std::string_view prompt, std::string_view title) override;
    runtime::MessageSink* target = nullptr;
    int shown = 0;
};

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);

    runtime::MessageSink& messages() {
        shown_.target = sink_ ? sink_ : &boxes_;
        return shown_;
    }
    // Sends the window's messages to `sink` instead of boxes (nullptr: boxes).
    void setMessageSink(runtime::MessageSink* sink) { sink_ = sink; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Once shown, and framed by the window system, the window is moved
    // wholly onto its screen if it is not.
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // Runs a handler; an error escaping it is shown, never ends the program.
    void handle(const std::function<void()>& handler) { runHandler(messages(), handler); }
    // Runs the handler of `button`, then has a screen reader say what came
    // of it: `outcome()` (what it wrote), unless the handler showed a
    // message, which the reader speaks with its box.
    void handleFrom(QWidget* button, const std::function<QString()>& outcome,
                    const std::function<void()>& handler);

private:
    BoxMessages boxes_{this};
    runtime::MessageSink* sink_ = nullptr;
    ShownMessages shown_;
    static constexpr int kPlacingTime = 300;  // ms
    bool placing_ = false;
};

}  // namespace ui
