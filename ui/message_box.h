#pragma once
// Message boxes of the running program.

#include "runtime/message_sink.h"

#include <functional>

class QMessageBox;
class QString;
class QWidget;

namespace ui {

// Shows each message as a modal box parented to `parent`: the prompt as its
// text, the title as its window title, one OK button and no icon.
class BoxMessages : public runtime::MessageSink {
public:
    explicit BoxMessages(QWidget* parent) : parent_(parent) {}
    void showMessage(std::string_view prompt, std::string_view title) override;

private:
    QWidget* parent_;
};

// The width a box needs so that the window manager can show its whole
// title beside the title bar's icon and buttons.
int titleBarWidth(const QString& title);
// Builds the box the running program shows for a message (not yet shown).
void prepareBox(QMessageBox& box, const QString& prompt, const QString& title);

// Runs a handler's logic. An error that escapes it is shown as a box with
// its description, so no handler ends the program.
void runHandler(runtime::MessageSink& messages, const std::function<void()>& handler);

}  // namespace ui
