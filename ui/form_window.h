#pragma once
// What every window of the program shares: its message boxes, and telling
// the program when it has been closed.

#include "ui/messages.h"

#include <QWidget>

namespace ui {

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);

    runtime::MessageSink& messages() { return sink_ ? *sink_ : boxes_; }
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

private:
    BoxMessages boxes_{this};
    runtime::MessageSink* sink_ = nullptr;
    static constexpr int kPlacingTime = 300;  // ms
    bool placing_ = false;
};

}  // namespace ui
