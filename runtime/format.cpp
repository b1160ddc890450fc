#include "runtime/format.h"

#include "runtime/convert.h"
#include "runtime/error.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace runtime {
namespace {

// A value rounded to a number of significant digits: d1.d2...dk x 10^exponent,
// with no trailing zeros. Zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void stripTrailingZeros(std::string& digits) {
    size_t end = digits.find_last_not_of('0');
    digits.resize(end == std::string::npos ? 0 : end + 1);
}

// Adds one unit in the last place of the digits; returns true when the carry
// ran out of the top digit (the digits then read "1000...").
bool incrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    return true;
}

// Rounds the value to `precision` significant digits, a tie of the binary
// value going away from zero.
Decimal toDecimal(double value, int precision) {
    Decimal d;
    if (!std::isfinite(value)) throw RuntimeError(kOverflow);
    if (value == 0) return d;
    d.negative = value < 0;
    double magnitude = std::fabs(value);

    // Whole numbers that fit in the precision: their digits directly.
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(magnitude));
        std::string digits(buf, res.ptr);
        if (static_cast<int>(digits.size()) <= precision) {
            d.exponent = static_cast<int>(digits.size()) - 1;
            stripTrailingZeros(digits);
            d.digits = std::move(digits);
            return d;
        }
    }

    // Forty significant digits are far more than a double needs to tell a
    // true tie at the 16th digit from a value near it.
    char buf[96];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 40);
    std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    size_t e = text.find('e');
    std::string digits;
    digits.reserve(42);
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    bool roundUp = digits[static_cast<size_t>(precision)] >= '5';
    digits.resize(static_cast<size_t>(precision));
    if (roundUp && incrementDigits(digits)) ++exponent;
    stripTrailingZeros(digits);
    d.digits = std::move(digits);
    d.exponent = exponent;
    return d;
}

std::string generalFromDecimal(const Decimal& d, int precision) {
    if (d.digits.empty()) return "0";
    std::string out;
    if (d.negative) out += '-';
    const int k = static_cast<int>(d.digits.size());
    const int x = d.exponent;
    if (x >= 0 && x < precision) {
        if (k <= x + 1) {
            out += d.digits;
            out.append(static_cast<size_t>(x + 1 - k), '0');
        } else {
            out.append(d.digits, 0, static_cast<size_t>(x + 1));
            out += '.';
            out.append(d.digits, static_cast<size_t>(x + 1));
        }
    } else if (x < 0 && k + (-x - 1) <= precision) {
        out += "0.";
        out.append(static_cast<size_t>(-x - 1), '0');
        out += d.digits;
    } else {
        out += d.digits[0];
        if (k > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        out += 'E';
        out += x < 0 ? '-' : '+';
        int ax = std::abs(x);
        if (ax < 10) out += '0';
        out += std::to_string(ax);
    }
    return out;
}

// "0." followed by `places` "#", applied to the significant digits.
std::string patternFromDecimal(Decimal d, bool negative, int places) {
    std::string& digits = d.digits;
    int x = d.exponent;
    if (!digits.empty()) {
        // Number of digits that stay: those down to the last decimal place.
        long long keep = static_cast<long long>(x) + places + 1;
        if (keep < 0) {
            digits.clear();
        } else if (keep < static_cast<long long>(digits.size())) {
            bool roundUp = digits[static_cast<size_t>(keep)] >= '5';
            digits.resize(static_cast<size_t>(keep));
            if (roundUp) {
                if (digits.empty()) {
                    digits.assign(1, '1');
                    x = -places;
                } else if (incrementDigits(digits)) {
                    ++x;
                }
            }
            stripTrailingZeros(digits);
        }
    }

    std::string out;
    if (negative) out += '-';
    const long long k = static_cast<long long>(digits.size());
    if (k == 0 || x < 0) {
        out += '0';
    } else {
        out.append(digits, 0, static_cast<size_t>(std::min<long long>(k, x + 1)));
        if (k < x + 1) out.append(static_cast<size_t>(x + 1 - k), '0');
    }
    out += '.';
    if (k > 0) {
        if (x < 0) {
            out.append(static_cast<size_t>(-x - 1), '0');
            out += digits;
        } else if (k > x + 1) {
            out.append(digits, static_cast<size_t>(x + 1));
        }
    }
    return out;
}

int patternPlaces(std::string_view pattern) {
    if (pattern.size() < 2 || pattern[0] != '0' || pattern[1] != '.')
        throw std::invalid_argument("unsupported number pattern");
    for (size_t i = 2; i < pattern.size(); ++i)
        if (pattern[i] != '#') throw std::invalid_argument("unsupported number pattern");
    return static_cast<int>(pattern.size() - 2);
}

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

}  // namespace

std::string generalText(double value) {
    return generalFromDecimal(toDecimal(value, kDoubleDigits), kDoubleDigits);
}

std::string generalText(float value) {
    return generalFromDecimal(toDecimal(static_cast<double>(value), kSingleDigits), kSingleDigits);
}

std::string signBlankText(double value) {
    std::string text = generalText(value);
    if (text[0] != '-') text.insert(text.begin(), ' ');
    if (text.compare(1, 2, "0.") == 0) text.erase(1, 1);
    return text;
}

std::string signBlankText(std::string_view text) { return signBlankText(strictToDouble(text)); }

std::string formatDecimalPlaces(double value, int places) {
    if (places < 0) throw std::invalid_argument("negative decimal places");
    return patternFromDecimal(toDecimal(value, kDoubleDigits), value < 0, places);
}

std::string formatDecimalPlaces(float value, int places) {
    if (places < 0) throw std::invalid_argument("negative decimal places");
    return patternFromDecimal(toDecimal(static_cast<double>(value), kSingleDigits), value < 0, places);
}

std::string formatPattern(double value, std::string_view pattern) {
    if (pattern.empty()) return generalText(value);
    return formatDecimalPlaces(value, patternPlaces(pattern));
}

std::string formatPattern(float value, std::string_view pattern) {
    if (pattern.empty()) return generalText(value);
    return formatDecimalPlaces(value, patternPlaces(pattern));
}

}  // namespace runtime
