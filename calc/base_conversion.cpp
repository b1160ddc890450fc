#include "calc/base_conversion.h"

#include "runtime/captions.h"
#include "runtime/convert.h"
#include "runtime/error.h"

#include <cstdint>
#include <string>
#include <tuple>

namespace calc {

namespace {

constexpr int32_t kLargestBase = 32767;  // the bases are 16-bit integers
constexpr int32_t kLetterBases = 36;     // 0-9 then A-Z

std::string_view trimBlanks(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The value of one typed digit: 0-9, then A-Z in either case; -1 otherwise.
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return -1;
}

enum class BaseRead : uint8_t { Ok, NotWhole, TooSmall, TooLarge };

// A base box: a whole number, blanks around it allowed.
BaseRead readBase(std::string_view text, int32_t& base) {
    text = trimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return text.empty() && !negative ? BaseRead::TooSmall : BaseRead::NotWhole;
    int64_t v = 0;
    for (char c : text) {
        v = v * 10 + (c - '0');
        if (v > kLargestBase) return negative ? BaseRead::TooSmall : BaseRead::TooLarge;
    }
    base = static_cast<int32_t>(negative ? -v : v);
    return base < 2 ? BaseRead::TooSmall : BaseRead::Ok;
}

// The digits of `value`'s magnitude in `base`, the most significant first.
std::string digitsOf(int64_t value, int32_t base) {
    if (value == 0) return "0";
    std::string out;
    while (value != 0) {
        const int64_t d = value % base;
        std::string digit = base <= kLetterBases ? std::string(1, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[d])
                                                 : std::to_string(d);
        out.insert(0, out.empty() || base <= kLetterBases ? digit : digit + kDigitSeparator);
        value /= base;
    }
    return out;
}

}  // namespace

std::optional<std::string> Command9_Click(std::string_view number, std::string_view sourceBase,
                                          std::string_view targetBase, runtime::MessageSink& messages) {
    const std::string overflow = runtime::errorDescription(runtime::kOverflow);
    auto refuse = [&](std::string_view prompt) -> std::optional<std::string> {
        messages.showMessage(prompt, runtime::kCalculatorTitle);
        return std::nullopt;
    };
    int32_t source = 0, target = 0;
    for (auto [text, base, tooSmall] : {std::tuple{sourceBase, &source, kSourceBaseTooSmall},
                                        std::tuple{targetBase, &target, kTargetBaseTooSmall}}) {
        switch (readBase(text, *base)) {
        case BaseRead::Ok: break;
        case BaseRead::NotWhole: return refuse(kBaseNotWhole);
        case BaseRead::TooSmall: return refuse(tooSmall);
        case BaseRead::TooLarge: return refuse(overflow);
        }
    }

    std::string_view digits = trimBlanks(number);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    if (negative && digits.empty()) return refuse(kNotADigitOfTheBase);
    // Read from the left; anything beyond 32 bits is an overflow.
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t value = 0;
    bool beyond = false;
    for (char c : digits) {
        const int d = digitValue(c);
        if (d < 0 || d >= source) return refuse(kNotADigitOfTheBase);
        value = value * source + d;
        if (value > limit) {
            beyond = true;
            value = 0;  // the rest is still checked for digits
        }
    }
    if (beyond) return refuse(overflow);
    return runtime::kResultFor + std::string(negative && value != 0 ? "-" : "") + digitsOf(value, target);
}

}  // namespace calc
