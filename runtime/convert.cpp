#include "runtime/convert.h"

#include "runtime/elementary.h"
#include "runtime/error.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace runtime {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A whole number read after "&H" or "&O": up to 16 bits it wraps to a signed
// 16-bit value, up to 32 bits to a signed 32-bit value; beyond, error 6.
double wrapRadixValue(uint64_t value, bool tooLong) {
    if (tooLong || value > 0xFFFFFFFFull) throw RuntimeError(kOverflow);
    if (value <= 0xFFFFull) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// Accumulates digits of the given radix; returns false once the value no
// longer fits in 64 bits.
bool addRadixDigit(uint64_t& value, int radix, int digit) {
    if (value > (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) /
                    static_cast<uint64_t>(radix))
        return false;
    value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
    return true;
}

// A decimal number gathered from its parts, converted with correct rounding.
struct DecimalText {
    std::string mantissa;  // digits, with at most one '.'
    bool negative = false;
    bool exponentNegative = false;
    int64_t exponent = 0;  // saturated
    int leadingPlace = 0;  // decimal exponent of the first non-zero digit, plus one
    bool nonZero = false;

    void addExponentDigit(char c) {
        if (exponent < 1000000) exponent = exponent * 10 + (c - '0');
    }

    template <typename T>
    T convert() const {
        if (!nonZero) return negative ? -T(0) : T(0);
        std::string text = mantissa;
        text += 'e';
        if (exponentNegative) text += '-';
        text += std::to_string(exponent);
        T value{};
        auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc::result_out_of_range) {
            int64_t place = leadingPlace + (exponentNegative ? -exponent : exponent);
            if (place > 0) throw RuntimeError(kOverflow);
            value = T(0);  // too small: underflows to zero
        } else if (ec != std::errc() || ptr != text.data() + text.size()) {
            throw RuntimeError(kTypeMismatch);
        }
        if (std::isinf(value)) throw RuntimeError(kOverflow);
        return negative ? -value : value;
    }
};

// Tracks the place of the first non-zero mantissa digit.
struct MantissaScan {
    bool seenPoint = false;
    int integerDigits = 0;  // significant digits before the point
    int zerosAfterPoint = 0;
    bool nonZero = false;

    void digit(char c) {
        if (!nonZero && c == '0') {
            if (seenPoint) ++zerosAfterPoint;
            return;
        }
        nonZero = true;
        if (!seenPoint && integerDigits < 1000000) ++integerDigits;
    }
    int leadingPlace() const { return integerDigits > 0 ? integerDigits : -zerosAfterPoint; }
};

// Plain digits with at most one point: the common case, converted directly.
template <typename T>
bool plainDecimal(std::string_view text, T& value) {
    if (text.empty() || text.size() > 64) return false;
    // Up to nine digits without a point: a whole number, exact in a double
    // and rounded once to the target type.
    if (text.size() <= 9) {
        uint32_t whole = 0;
        size_t i = 0;
        while (i < text.size() && isDigit(text[i])) whole = whole * 10 + static_cast<uint32_t>(text[i++] - '0');
        if (i == text.size()) {
            value = static_cast<T>(static_cast<double>(whole));
            return true;
        }
    }
    bool point = false, digit = false;
    for (char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit) return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && !std::isinf(value);
}

bool isSkippedInPrefix(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// How a conversion reads a number: the strict one the whole text (blanks
// only around it, "," group separators, a trailing sign, an exponent with
// digits), the prefix one what stands at the start (blanks, tabs, CR and
// LF skipped anywhere, D as an exponent letter too, no digits meaning 0).
struct Reading {
    bool strict;
};

// One number read from a text by the one set of rules, both conversions'.
class NumberScanner {
public:
    NumberScanner(std::string_view text, Reading reading) : text_(text), strict_(reading.strict) {}

    // The next character that counts, or '\0' at the end.
    char peek() {
        if (!strict_)
            while (i_ < text_.size() && isSkippedInPrefix(text_[i_])) ++i_;
        return i_ < text_.size() ? text_[i_] : '\0';
    }
    void next() { ++i_; }
    void skipBlanks() {
        while (i_ < text_.size() && text_[i_] == ' ') ++i_;
    }
    bool atEnd() const { return i_ == text_.size(); }

    // A whole number after "&H" or "&O" (the "&" read), or nothing when the
    // letter is neither.
    std::optional<double> radixNumber(bool& anyDigit) {
        const char kind = peek();
        const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
        if (radix == 0) return std::nullopt;
        next();
        uint64_t value = 0;
        bool tooLong = false;
        anyDigit = false;
        for (;;) {
            const int d = hexValue(peek());
            if (d < 0 || d >= radix) break;
            if (!addRadixDigit(value, radix, d)) tooLong = true;
            anyDigit = true;
            next();
        }
        return wrapRadixValue(value, tooLong);
    }

    // A sign, the mantissa and the exponent; false when the rules are not
    // met (no digit, or in the strict reading an exponent without digits).
    bool decimal(DecimalText& number, bool& leadingSign) {
        char c = peek();
        leadingSign = c == '+' || c == '-';
        if (leadingSign) {
            number.negative = c == '-';
            next();
        }
        MantissaScan scan;
        bool anyDigit = false;
        for (;; next()) {
            c = peek();
            if (isDigit(c)) {
                anyDigit = true;
                scan.digit(c);
                number.mantissa += c;
            } else if (c == '.' && !scan.seenPoint) {
                scan.seenPoint = true;
                number.mantissa += c;
            } else if (!(strict_ && c == ',' && anyDigit)) {  // a digit-group separator
                break;
            }
        }
        if (!anyDigit) return false;
        if (c == 'e' || c == 'E' || (!strict_ && (c == 'd' || c == 'D'))) {
            next();
            const char s = peek();
            if (s == '+' || s == '-') {
                number.exponentNegative = s == '-';
                next();
            }
            bool expDigits = false;
            while (isDigit(peek())) {
                number.addExponentDigit(text_[i_]);
                expDigits = true;
                next();
            }
            if (strict_ && !expDigits) return false;
        }
        number.nonZero = scan.nonZero;
        number.leadingPlace = scan.leadingPlace();
        return true;
    }

private:
    std::string_view text_;
    bool strict_;
    size_t i_ = 0;
};

template <typename T>
T strictConvert(std::string_view text) {
    if (T value; plainDecimal(text, value)) return value;
    NumberScanner scan(text, Reading{true});
    auto mismatch = [] { return RuntimeError(kTypeMismatch); };
    scan.skipBlanks();
    if (scan.peek() == '&') {
        scan.next();
        bool anyDigit = false;
        const std::optional<double> value = scan.radixNumber(anyDigit);
        if (!value) throw mismatch();
        scan.skipBlanks();
        if (!anyDigit || !scan.atEnd()) throw mismatch();
        return static_cast<T>(*value);
    }
    DecimalText number;
    bool leadingSign = false;
    if (!scan.decimal(number, leadingSign)) throw mismatch();
    const char c = scan.peek();
    if (!leadingSign && (c == '+' || c == '-')) {
        number.negative = c == '-';
        scan.next();
    }
    scan.skipBlanks();
    if (!scan.atEnd()) throw mismatch();
    return number.convert<T>();
}

}  // namespace

double leadingNumericPrefix(std::string_view text) {
    NumberScanner scan(text, Reading{false});
    if (scan.peek() == '&') {
        scan.next();
        bool anyDigit = false;
        return scan.radixNumber(anyDigit).value_or(0);
    }
    DecimalText number;
    bool leadingSign = false;
    if (!scan.decimal(number, leadingSign)) return 0;
    return number.convert<double>();
}

float strictToSingle(std::string_view text) { return strictConvert<float>(text); }
double strictToDouble(std::string_view text) { return strictConvert<double>(text); }

float roundToSingle(double value) {
    // Values from the largest single up to half a unit beyond it round to it;
    // from there on they would round to infinity.
    constexpr double kLargest = static_cast<double>(std::numeric_limits<float>::max());
    constexpr double kLimit = 0x1.ffffffp127;
    double magnitude = std::fabs(value);
    if (magnitude <= kLargest) return static_cast<float>(value);
    if (magnitude < kLimit) return value < 0 ? -std::numeric_limits<float>::max()
                                             : std::numeric_limits<float>::max();
    throw RuntimeError(kOverflow);
}

void raiseOverflow() { throw RuntimeError(kOverflow); }

int16_t toInt16(double value) {
    if (!(value >= -32768.5 && value < 32767.5)) throw RuntimeError(kOverflow);
    return static_cast<int16_t>(roundHalfEven(value));
}

uint8_t toByte(double value) {
    if (!(value >= -0.5 && value < 255.5)) throw RuntimeError(kOverflow);
    return static_cast<uint8_t>(roundHalfEven(value));
}

namespace {
void checkPowerArguments(double base, double exponent) {
    if (base < 0 && exponent != std::trunc(exponent)) throw RuntimeError(kInvalidArgument);
    if (base == 0 && exponent < 0) throw RuntimeError(kInvalidArgument);
}
}  // namespace

double power(double base, double exponent) {
    checkPowerArguments(base, exponent);
    return exactPow(base, exponent);
}

float powerToSingle(double base, double exponent) {
    checkPowerArguments(base, exponent);
    return powToSingle(base, exponent);
}

}  // namespace runtime
