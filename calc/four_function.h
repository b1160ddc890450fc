#pragma once
// The four-function calculator: one text box as entry and display, operator
// keys that complete the pending operation from left to right, and "=".
// Operands are scaled by 10^8 so that decimal sums come out exact.

#include "runtime/message_sink.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr const char kDivideByZero[] = "以零作除数";
inline constexpr const char kOverflowMessage[] = "溢出";

// What a key press does to the display.
struct KeyOutcome {
    bool accepted = false;      // false: refused, the display and state are as before
    std::string display;        // the display's new text when accepted
    bool focusDisplay = false;  // the display takes the focus, its text selected
};

class FourFunctionCalculator {
public:
    enum Op : uint8_t { None = 0, Add = 1, Subtract = 2, Multiply = 3, Divide = 4, AfterEquals = 5 };

    // The window's load step.
    void Form_Load() { AwaitingFirst = true; }

    // Operator key `index` (1 "+", 2 "-", 3 "×", 4 "÷") with the display's text.
    KeyOutcome Command1_Click(int index, std::string_view display, runtime::MessageSink& messages);
    // The equals key.
    KeyOutcome Command8_Click(std::string_view display, runtime::MessageSink& messages);

    double RunningValue = 0;
    double OperandValue = 0;
    bool AwaitingFirst = false;
    uint8_t PendingOp = None;
};

// Cuts a display text after the first zero of its first run of four zeros,
// when that run follows the decimal point ("0.500000000000001" -> "0.50").
// A text in exponent form stays whole.
std::string TrimZeroRun(std::string_view text);

}  // namespace calc
