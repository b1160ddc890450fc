#pragma once
// The digit-string check every calculator with numeric boxes uses.

#include "runtime/message_sink.h"

#include <initializer_list>
#include <string_view>

namespace bignum {

inline constexpr const char kInvalidData[] = "数据非法";
// The high-precision calculators work on whole numbers only.
inline constexpr const char kEnterNonNegativeWhole[] = "请输入非负整数";
inline constexpr const char kEnterWhole[] = "请输入整数";

// Accepts a text made only of the digits, "." and "-" (the empty text
// included) and shorter than 32,767 characters. Otherwise shows "数据非法"
// in a box with the application's title and returns false.
bool Check(std::string_view str, runtime::MessageSink& messages);

// Checks every text in order, each rejected one with its own box, and
// returns true only when all were accepted.
bool CheckAll(std::initializer_list<std::string_view> texts, runtime::MessageSink& messages);

// One or more digits, after a single leading "-" where `allowSign`.
bool isWholeNumber(std::string_view text, bool allowSign);

// A decimal number: a single leading "-", then digits with at most one ".",
// at least one digit in all ("5", "-0.5", ".5", "5.").
bool isDecimalNumber(std::string_view text);

}  // namespace bignum
