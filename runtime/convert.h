#pragma once
// Text-to-number and number-to-integer conversions of the runtime.

#include <cmath>
#include <cstdint>
#include <string_view>

namespace runtime {

// Leading-numeric-prefix rule: reads the number at the start of the text.
// Blanks, tabs, carriage returns and line feeds are skipped wherever they
// stand; a sign, digits, one "." and an exponent after E/e/D/d are read up to
// the first character that cannot continue the number; "&H" and "&O" read
// hexadecimal and octal whole numbers. No numeric prefix gives 0.
// A number beyond the double range raises error 6.
double leadingNumericPrefix(std::string_view text);

// Strict conversion: the whole text must be a number (blanks around it, a
// leading or trailing sign, "," as digit-group separator after the first
// digit, "." as the point, an E/e exponent with digits, "&H"/"&O" whole
// numbers). Anything else raises error 13; a number beyond the range of the
// target type raises error 6.
float strictToSingle(std::string_view text);
double strictToDouble(std::string_view text);

// Raises error 6.
[[noreturn]] void raiseOverflow();

// Rounds to the nearest whole number, a half to the even neighbour (the
// default rounding mode, which the program never changes).
inline double roundHalfEven(double value) { return std::nearbyint(value); }

// Integer conversion: to the nearest integer, a half to the even neighbour.
// Out of range (half-open ranges such as -32768.5 <= x < 32767.5) raises
// error 6.
inline int32_t toInt32(double value) {
    // -2147483648.5 rounds to -2147483648 and 2147483647.5 to 2147483648, so
    // the rounded value tells the half-open range.
    double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) raiseOverflow();
    return static_cast<int32_t>(rounded);
}
int16_t toInt16(double value);
uint8_t toByte(double value);

// Rounds a double to the nearest single; a value beyond the single range
// raises error 6.
float roundToSingle(double value);


// Power operation: the exact power rounded once to double. A negative base
// with a fractional exponent, or a zero base with a negative exponent,
// raises error 5.
double power(double base, double exponent);
// The same power rounded on to single, without a test for overflow: a power
// beyond the single range is an infinity.
float powerToSingle(double base, double exponent);

}  // namespace runtime
