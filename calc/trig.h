#pragma once
// The Tan, Cos and Sin keys of the display, and the degree-to-radian
// converter. Angles are in degrees, divided by 180 / 3.14159265358979.

#include "runtime/elementary.h"
#include "runtime/message_sink.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr const char kTangentUndefined[] = "该角度的正切不存在";

// The keys' functions are the runtime's correctly rounded ones.
using TrigFunction = runtime::Elementary;

// Degrees to radians with the program's stored constant.
double degreesToRadians(double degrees);

// The key's new display text (trimmed), or nothing when the text is refused
// (the check's message or "溢出" has been shown, or for Tan at an odd
// multiple of 90 degrees "该角度的正切不存在").
std::optional<std::string> trigKey(TrigFunction f, std::string_view display,
                                   runtime::MessageSink& messages);

// The converter's radian text for the degree text, untrimmed, or nothing
// when the text is refused.
std::optional<std::string> Command13_Click(std::string_view degrees, runtime::MessageSink& messages);

}  // namespace calc
