#include "calc/base_conversion.h"

#include "calc/four_function.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/format.h"

#include <cstdint>
#include <vector>

namespace calc {

namespace {

using runtime::RuntimeError;

int32_t checkedAdd(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw RuntimeError(runtime::kOverflow);
    return r;
}

int32_t checkedMultiply(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw RuntimeError(runtime::kOverflow);
    return r;
}

int16_t readBase(std::string_view text) { return runtime::toInt16(runtime::leadingNumericPrefix(text)); }

// The value of the number text, read from the right: each character counts
// as the decimal digit it shows, weighted by a power of the source base.
int32_t readNumber(std::string_view text, int16_t base) {
    int32_t weight = 1;
    int32_t value = 0;
    for (size_t i = text.size(); i-- > 0;) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // inside a character
        int32_t digit = (c >= '0' && c <= '9') ? c - '0' : 0;
        value = checkedAdd(value, checkedMultiply(digit, weight));
        weight = checkedMultiply(weight, base);
        // A character outside the basic plane counts twice, as two units.
        if ((c & 0xF8) == 0xF0) weight = checkedMultiply(weight, base);
    }
    return value;
}

}  // namespace

std::optional<std::string> Command9_Click(std::string_view number, std::string_view sourceBase,
                                          std::string_view targetBase, runtime::MessageSink& messages) {
    int32_t value;
    int16_t target;
    try {
        int16_t source = readBase(sourceBase);
        target = readBase(targetBase);
        value = readNumber(number, source);
    } catch (const RuntimeError&) {
        messages.showMessage(kOverflowMessage, runtime::kCalculatorTitle);
        return std::nullopt;
    }
    if (value != 0 && target < 2) {
        messages.showMessage(kTargetBaseTooSmall, runtime::kCalculatorTitle);
        return std::nullopt;
    }

    std::vector<int32_t> digits;  // least significant first
    while (value != 0) {
        digits.push_back(value % target);
        value /= target;
    }
    std::string caption = kBaseResultPrefix;
    for (size_t k = digits.size(); k-- > 0;)
        caption += runtime::signBlankText(static_cast<double>(digits[k])).substr(1);
    return caption;
}

}  // namespace calc
