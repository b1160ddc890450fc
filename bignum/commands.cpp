#include "bignum/commands.h"

#include "bignum/check.h"
#include "bignum/long_number.h"
#include "runtime/convert.h"
#include "runtime/error.h"

#include <cstdint>
#include <functional>

namespace bignum {

namespace {

using runtime::RuntimeError;

// Shows why a command stopped.
void report(const RuntimeError& e, runtime::MessageSink& messages) {
    const char* prompt = e.number() == runtime::kSubscriptOutOfRange ? kBeyondCapacity
                                                                   : e.description().c_str();
    messages.showMessage(prompt, runtime::kCalculatorTitle);
}

template <typename F>
std::optional<std::string> guarded(runtime::MessageSink& messages, F&& f) {
    try {
        return f();
    } catch (const RuntimeError& e) {
        report(e, messages);
        return std::nullopt;
    }
}

// s = LongMultiply(s, multiplier(j)) for j = 1 .. count. The cells are kept
// from one multiplication to the next while they are whole digits (their
// text would read back into the same cells); otherwise the text is read
// again as the long multiplication does. With `stopWhenUnchanged`, stops at
// the first multiplication that leaves the text as it was: every later one
// would leave it unchanged too.
std::string repeatMultiply(std::string_view start, int64_t count,
                           const std::function<double(int64_t)>& multiplier, bool stopWhenUnchanged) {
    MultiplyCells cells, previous;
    cells.load(start);
    // `exact`: the cells' text is the current text, so the cells can be
    // used again as they are.
    bool exact = start.find_first_not_of("0123456789") == std::string_view::npos;
    std::string text(start);
    for (int64_t j = 1; j <= count; ++j) {
        if (!exact) cells.load(text);
        else if (stopWhenUnchanged) previous = cells;
        cells.multiply(multiplier(j));
        const bool nowExact = cells.allDigits();
        if (exact) {
            if (stopWhenUnchanged && nowExact && cells == previous) break;
            if (!nowExact) text = cells.text();
        } else {
            std::string next = cells.text();
            if (stopWhenUnchanged && next == text) break;
            text = std::move(next);
        }
        exact = nowExact;
    }
    return exact ? cells.text() : text;
}

}  // namespace

std::string mutiply(std::string_view str1, std::string_view str2) {
    return kSumPrefix + LongMultiply(str1, runtime::leadingNumericPrefix(str2));
}

std::optional<std::string> addCommand(std::string_view first, std::string_view second,
                                      runtime::MessageSink& messages) {
    if (!CheckAll({first, second}, messages)) return std::nullopt;
    return guarded(messages, [&] { return kSumPrefix + LongAdd(first, second); });
}

std::optional<std::string> multiplyCommand(std::string_view multiplicand, std::string_view multiplier,
                                           runtime::MessageSink& messages) {
    if (!CheckAll({multiplicand, multiplier}, messages)) return std::nullopt;
    if (multiplicand.empty()) {
        messages.showMessage(kInvalidData, runtime::kApplicationTitle);
        return std::nullopt;
    }
    return guarded(messages, [&] { return mutiply(multiplicand, multiplier); });
}

std::optional<std::string> factorialCommand(std::string_view count, runtime::MessageSink& messages) {
    if (!Check(count, messages)) return std::nullopt;
    return guarded(messages, [&] {
        int32_t k = runtime::toInt32(runtime::leadingNumericPrefix(count));
        return kFactorialPrefix +
               repeatMultiply(count, static_cast<int64_t>(k) - 1,
                              [](int64_t j) { return static_cast<double>(j); }, false);
    });
}

std::optional<std::string> powerCommand(std::string_view base, std::string_view exponent,
                                        runtime::MessageSink& messages) {
    if (!CheckAll({base, exponent}, messages)) return std::nullopt;
    return guarded(messages, [&]() -> std::optional<std::string> {
        int32_t e = runtime::toInt32(runtime::leadingNumericPrefix(exponent));
        if (e < 2) return kFactorialPrefix + std::string(base);
        if (base.empty()) {
            messages.showMessage(kInvalidData, runtime::kApplicationTitle);
            return std::nullopt;
        }
        double m = runtime::leadingNumericPrefix(base);
        return kFactorialPrefix +
               repeatMultiply(base, static_cast<int64_t>(e) - 1, [m](int64_t) { return m; }, true);
    });
}

}  // namespace bignum
