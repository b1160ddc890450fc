#pragma once
// Conversion of a whole number between two bases, through a 32-bit integer.
// The number's characters are read from the right, each as the decimal digit
// it shows (any other character as 0, a digit never compared with the base),
// and every output digit is written as its decimal number.

#include "runtime/messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr const char kTargetBaseTooSmall[] = "目标进制必须不小于2";
inline constexpr const char kBaseResultPrefix[] = "结果为:";

// The result caption for the number, its base and the target base, or
// nothing when refused (a box has been shown: "溢出" when a base, the value
// or a place weight leaves its range, "目标进制必须不小于2" for a target
// base below 2 with a value to break up).
std::optional<std::string> Command9_Click(std::string_view number, std::string_view sourceBase,
                                          std::string_view targetBase, runtime::MessageSink& messages);

}  // namespace calc
