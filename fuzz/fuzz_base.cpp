// Base conversion on any three texts.

#include "calc/base_conversion.h"
#include "tests/recording_messages.h"
#include "fuzz_support.h"
#include "runtime/captions.h"

static void checkInput(const uint8_t* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    size_t c1 = all.find('|');
    size_t c2 = c1 == std::string_view::npos ? std::string_view::npos : all.find('|', c1 + 1);
    std::string_view number = all.substr(0, c1);
    std::string_view source = c1 == std::string_view::npos ? "10" : all.substr(c1 + 1, c2 - c1 - 1);
    std::string_view target = c2 == std::string_view::npos ? "2" : all.substr(c2 + 1);

    testing_support::RecordingMessages m;
    auto caption = calc::Command9_Click(number, source, target, m);
    const std::string_view prefix = runtime::kResultFor;
    if (caption) {
        fuzz::require(m.messages.empty(), "messages with a result");
        fuzz::require(caption->rfind(prefix, 0) == 0, "caption prefix", *caption);
        std::string_view digits = std::string_view(*caption).substr(prefix.size());
        if (!digits.empty() && digits[0] == '-') digits.remove_prefix(1);
        fuzz::require(!digits.empty() && digits.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ") == std::string_view::npos,
                      "caption digits", *caption);
    } else {
        fuzz::require(m.messages.size() == 1, "one message when refused");
        const std::string& p = m.messages[0].prompt;
        fuzz::require(p == "溢出" || p == calc::kTargetBaseTooSmall || p == calc::kSourceBaseTooSmall ||
                          p == calc::kBaseNotWhole || p == calc::kNotADigitOfTheBase,
                      "refusal prompt", p);
    }

    // Oracles: decimal digits from base 10 to base 10 come back without
    // their leading zeros, and through base 16 and back unchanged.
    if (number.size() <= 9 && fuzz::isDigits(number)) {
        testing_support::RecordingMessages none;
        auto same = calc::Command9_Click(number, "10", "10", none);
        size_t p = number.find_first_not_of('0');
        std::string expected = std::string(prefix) + (p == std::string_view::npos ? "0" : std::string(number.substr(p)));
        fuzz::require(same && *same == expected, "base 10 round trip", number);
        auto hex = calc::Command9_Click(number, "10", "16", none);
        fuzz::require(hex.has_value(), "base 16", number);
        auto back = calc::Command9_Click(hex->substr(prefix.size()), "16", "10", none);
        fuzz::require(back && *back == expected, "base 16 round trip", *hex);
    }
}


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::withinFrame([&] { checkInput(data, size); });
    return 0;
}
