#pragma once
// Message boxes of the running program.

#include "runtime/messages.h"

#include <functional>

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

// Runs a handler's logic. An error that escapes it is shown as a box with
// its description, so no handler ends the program.
void runHandler(runtime::MessageSink& messages, const std::function<void()>& handler);

}  // namespace ui
