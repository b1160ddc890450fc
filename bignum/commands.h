#pragma once
// The high-precision commands: long addition and multiplication on the main
// window, factorial and power on their own window. Each returns the result
// caption, or nothing when it refused its input (a box has been shown and
// the caption stays as it was).

#include "runtime/messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace bignum {

inline constexpr const char kSumPrefix[] = "结果是:  ";
inline constexpr const char kFactorialPrefix[] = "结果为:";

// "结果是:  " followed by the long product of str1 and the number in str2
// (by the leading-numeric-prefix rule). Raises the runtime's errors.
std::string mutiply(std::string_view str1, std::string_view str2);

// 高精度加法.
std::optional<std::string> addCommand(std::string_view first, std::string_view second,
                                      runtime::MessageSink& messages);
// 高精度乘法.
std::optional<std::string> multiplyCommand(std::string_view multiplicand, std::string_view multiplier,
                                           runtime::MessageSink& messages);
// 阶乘: the typed text multiplied by 1, 2, ... up to its value less one.
std::optional<std::string> factorialCommand(std::string_view count, runtime::MessageSink& messages);
// 乘方: the typed base multiplied by its value, exponent less one times.
std::optional<std::string> powerCommand(std::string_view base, std::string_view exponent,
                                        runtime::MessageSink& messages);

}  // namespace bignum
