#pragma once
// The one way the program's logic shows a message box: a modal box with a
// prompt, a single OK button and a title. The windows show real boxes
// (ui/message_box.h); the tests record them (tests/recording_messages.h).

#include <string_view>

namespace runtime {

// The application's own title, carried by boxes that are given no title.
inline constexpr const char kApplicationTitle[] = "Qorvi数学计算器";

// The title of the calculator's own message boxes.
inline constexpr const char kCalculatorTitle[] = "Qorvi计算器";

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the box and returns once the user has dismissed it.
    virtual void showMessage(std::string_view prompt, std::string_view title) = 0;
};

}  // namespace runtime
