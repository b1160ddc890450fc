#include "bignum/commands.h"

#include "bignum/check.h"
#include "bignum/long_number.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/refusal.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace bignum {

namespace {

using runtime::RuntimeError;

using runtime::kResultFor;
using runtime::kResultIs;

// Runs a command's step; beyond the cells it shows "超出500位的计算范围".
template <typename F>
std::optional<std::string> guarded(runtime::MessageSink& messages, F&& f) {
    return runtime::refusing(messages, runtime::kCalculatorTitle, std::forward<F>(f), [](const RuntimeError& e) {
        return e.number() == runtime::kSubscriptOutOfRange ? std::string(kBeyondCapacity) : e.description();
    });
}

// The long multiplication of a digit text by multiplier(1), multiplier(2),
// ... multiplier(count), one after the other. For whole multipliers from 0
// every cell stays a digit, so the cells are kept from one multiplication to
// the next rather than written out and read again.
// Leading zeros are multiplied as the zeros they are only once, at the end:
// the product is written as wide as the typed text.
std::string repeatMultiply(std::string_view start, int64_t count, const std::function<double(int64_t)>& multiplier) {
    if (start.size() > static_cast<size_t>(kCapacity)) throw RuntimeError(runtime::kSubscriptOutOfRange);
    const size_t significant = std::min(start.find_first_not_of('0'), start.size() - 1);
    MultiplyCells cells;
    cells.load(start.substr(significant));
    for (int64_t j = 1; j <= count; ++j) cells.multiply(multiplier(j));
    std::string product = cells.text();
    if (product.size() < start.size()) product.insert(0, start.size() - product.size(), '0');
    return product;
}

[[noreturn]] void beyondCapacity() { throw RuntimeError(runtime::kSubscriptOutOfRange); }

// A whole-number text taken apart: its sign and its digits as typed.
struct Whole {
    bool negative = false;
    std::string_view digits;
};

Whole wholeParts(std::string_view text) {
    Whole w{!text.empty() && text.front() == '-', text};
    if (w.negative) w.digits.remove_prefix(1);
    return w;
}

bool allZeros(std::string_view digits) { return digits.find_first_not_of('0') == std::string_view::npos; }

// The value of a digit text, or `limit` when it is at least that.
int64_t valueUpTo(std::string_view digits, int64_t limit) {
    int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v >= limit) return limit;
    }
    return v;
}

// 1 written as wide as the typed digits, whose leading zeros stay as they do
// in every other result.
std::string one(size_t width) { return std::string(width > 1 ? width - 1 : 0, '0') + '1'; }

std::string withSign(bool negative, std::string digits) {
    return negative && !allZeros(digits) ? "-" + digits : digits;
}

void refuse(const char* prompt, runtime::MessageSink& messages) {
    messages.showMessage(prompt, runtime::kCalculatorTitle);
}

}  // namespace

std::string mutiply(std::string_view str1, std::string_view str2) {
    const Whole a = wholeParts(str1), b = wholeParts(str2);
    const double m = b.digits.empty() ? 0 : runtime::leadingNumericPrefix(b.digits);
    return kResultIs + withSign(a.negative != b.negative, LongMultiply(a.digits, m));
}

std::optional<std::string> addCommand(std::string_view first, std::string_view second,
                                      runtime::MessageSink& messages) {
    if (!CheckAll({first, second}, messages)) return std::nullopt;
    for (std::string_view t : {first, second}) {
        if (!t.empty() && !isWholeNumber(t, false)) {
            refuse(kEnterNonNegativeWhole, messages);
            return std::nullopt;
        }
    }
    return guarded(messages, [&] {
        std::string sum = LongAdd(first, second);
        return kResultIs + (sum.empty() ? "0" : sum);
    });
}

std::optional<std::string> multiplyCommand(std::string_view multiplicand, std::string_view multiplier,
                                           runtime::MessageSink& messages) {
    if (!CheckAll({multiplicand, multiplier}, messages)) return std::nullopt;
    if (multiplicand.empty()) {
        messages.showMessage(kInvalidData, runtime::kApplicationTitle);
        return std::nullopt;
    }
    if (!isWholeNumber(multiplicand, true) || !(multiplier.empty() || isWholeNumber(multiplier, true))) {
        refuse(kEnterWhole, messages);
        return std::nullopt;
    }
    return guarded(messages, [&] { return mutiply(multiplicand, multiplier); });
}

std::optional<std::string> factorialCommand(std::string_view count, runtime::MessageSink& messages) {
    if (!Check(count, messages)) return std::nullopt;
    if (!isWholeNumber(count, false)) {
        refuse(kEnterNonNegativeWhole, messages);
        return std::nullopt;
    }
    return guarded(messages, [&] {
        // 254! has 503 digits.
        const int64_t k = valueUpTo(count, 254);
        if (k >= 254 || count.size() > static_cast<size_t>(kCapacity)) beyondCapacity();
        if (k == 0) return kResultFor + one(count.size());
        return kResultFor + repeatMultiply(count, k - 1, [](int64_t j) { return static_cast<double>(j); });
    });
}

std::optional<std::string> powerCommand(std::string_view base, std::string_view exponent,
                                        runtime::MessageSink& messages) {
    if (!CheckAll({base, exponent}, messages)) return std::nullopt;
    if (!isWholeNumber(base, true)) {
        refuse(kEnterWhole, messages);
        return std::nullopt;
    }
    if (!isWholeNumber(exponent, false)) {
        refuse(kEnterNonNegativeWhole, messages);
        return std::nullopt;
    }
    return guarded(messages, [&] {
        const Whole b = wholeParts(base);
        if (b.digits.size() > static_cast<size_t>(kCapacity)) beyondCapacity();
        // 2^1661 has 501 digits; only 0 and 1 stay short whatever the exponent.
        const int64_t e = valueUpTo(exponent, 1661);
        const bool odd = (exponent.back() - '0') % 2 == 1;
        if (e == 0) return kResultFor + one(b.digits.size());
        std::string power;
        if (allZeros(b.digits) || valueUpTo(b.digits, 2) == 1) {
            power = std::string(b.digits);
        } else {
            if (e >= 1661) beyondCapacity();
            const double m = runtime::leadingNumericPrefix(b.digits);
            power = repeatMultiply(b.digits, e - 1, [m](int64_t) { return m; });
        }
        return kResultFor + withSign(b.negative && odd, std::move(power));
    });
}

}  // namespace bignum
