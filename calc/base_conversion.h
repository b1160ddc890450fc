#pragma once
// Conversion of a whole number between two bases from 2 to 32767, through
// a 32-bit integer. A digit is 0-9, then A-Z in either case (10 to 35); a
// leading "-" makes the number negative. A target base up to 36 writes its
// digits the same way; a larger one writes each digit as its decimal number,
// the digits apart by a blank ("1 40" is 100 in base 60).

#include "runtime/message_sink.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr const char kTargetBaseTooSmall[] = "目标进制必须不小于2";
inline constexpr const char kSourceBaseTooSmall[] = "原数的进制必须不小于2";
inline constexpr const char kBaseNotWhole[] = "进制必须是整数";
inline constexpr const char kNotADigitOfTheBase[] = "原数含有该进制以外的数字";
inline constexpr const char kDigitSeparator[] = " ";

// The result caption for the number, its base and the target base (blanks
// around each allowed; an empty number is 0), or nothing when refused, with
// a box: a base that is not a whole number, below 2 or above 32767 ("溢出"),
// a character that is not a digit of the source base, a value beyond 32 bits
// ("溢出").
std::optional<std::string> Command9_Click(std::string_view number, std::string_view sourceBase,
                                          std::string_view targetBase, runtime::MessageSink& messages);

}  // namespace calc
