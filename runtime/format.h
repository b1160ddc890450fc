#pragma once
// Number-to-text rules of the runtime.

#include <string>
#include <string_view>

namespace runtime {

// General number-to-text rule: at most 15 significant digits for a double,
// 7 for a single; no trailing zeros or point; "0" before a leading point;
// exponent form ("1E+15", "-9.99999E-03") when the digits do not fit in the
// type's places.
std::string generalText(double value);
std::string generalText(float value);

// Sign-blank rule: the general double text with a blank before a
// non-negative number and no "0" before a leading point (" .5", "-.25").
std::string signBlankText(double value);
// The same for a text, first read as a number (error 13 if it is none).
std::string signBlankText(std::string_view text);

// Pattern formatting with a pattern "0." followed by any number of "#":
// the value's general text rounded half away from zero to the last place the
// pattern shows; the point is always written. An empty pattern gives the
// general text. Any other pattern is a programming error
// (std::invalid_argument).
std::string formatPattern(double value, std::string_view pattern);
std::string formatPattern(float value, std::string_view pattern);

// Pattern formatting with "0." followed by `places` "#" (places >= 0).
std::string formatDecimalPlaces(double value, int places);
std::string formatDecimalPlaces(float value, int places);

}  // namespace runtime
