#pragma once
// The high-precision commands: long addition and multiplication on the main
// window, factorial and power on their own window. Each returns the result
// caption, or nothing when it refused its input (a box has been shown and
// the caption stays as it was).

#include "runtime/captions.h"
#include "runtime/message_sink.h"

#include <optional>
#include <string>
#include <string_view>

namespace bignum {


// "结果是:  " followed by the signed long product of two whole-number texts
// (a leading "-" each at most; an empty str2 counts as 0). The multiplicand's
// leading zeros stay where the product does not need their places. Raises
// the runtime's errors: 6 when a column leaves the 32-bit range, 9 beyond 500
// digits.
std::string mutiply(std::string_view str1, std::string_view str2);

// 高精度加法, of two non-negative whole numbers (an empty box counts as 0).
std::optional<std::string> addCommand(std::string_view first, std::string_view second,
                                      runtime::MessageSink& messages);
// 高精度乘法: a whole number times a whole number, either of them signed.
std::optional<std::string> multiplyCommand(std::string_view multiplicand, std::string_view multiplier,
                                           runtime::MessageSink& messages);
// 阶乘 of a non-negative whole number: the typed text multiplied by 1, 2, ...
// up to its value less one; 0! is 1.
std::optional<std::string> factorialCommand(std::string_view count, runtime::MessageSink& messages);
// 乘方: a whole base, signed or not, to a non-negative whole power; the
// typed base multiplied by its value, exponent less one times; x^0 is 1.
std::optional<std::string> powerCommand(std::string_view base, std::string_view exponent,
                                        runtime::MessageSink& messages);

}  // namespace bignum
