// The digit check, long addition and long multiplication, with a
// whole-number oracle, and the four high-precision commands.

#include "bignum/check.h"
#include "tests/recording_messages.h"
#include "bignum/commands.h"
#include "bignum/long_number.h"
#include "fuzz_support.h"

#include <algorithm>

namespace {

using u128 = unsigned __int128;

// The value of a digit text of at most 38 digits.
bool smallValue(std::string_view s, u128& v) {
    if (s.size() > 38 || !fuzz::isDigits(s)) return false;
    v = 0;
    for (char c : s) v = v * 10 + static_cast<unsigned>(c - '0');
    return true;
}

std::string text(u128 v) {
    if (v == 0) return "0";
    std::string s;
    while (v) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    return s;
}

std::string stripZeros(const std::string& s) {
    size_t p = s.find_first_not_of('0');
    return p == std::string::npos ? "0" : s.substr(p);
}

const char* const kKnownPrompts[] = {"数据非法", "溢出", "超出500位的计算范围", "请输入非负整数", "请输入整数"};

bool whole(std::string_view s, bool sign) {
    if (sign && !s.empty() && s[0] == '-') s.remove_prefix(1);
    return !s.empty() && fuzz::isDigits(s);
}

// The digits after a caption's prefix, a "-" first where `sign`.
bool signedDigits(const std::string& caption, std::string_view prefix, bool sign) {
    if (caption.rfind(prefix, 0) != 0) return false;
    return whole(std::string_view(caption).substr(prefix.size()), sign);
}

void requireKnownMessages(const testing_support::RecordingMessages& m, bool refused) {
    fuzz::require(refused || m.messages.empty(), "messages on success");
    fuzz::require(!refused || !m.messages.empty(), "refused without a message");
    for (const auto& msg : m.messages) {
        bool known = false;
        for (const char* p : kKnownPrompts) known |= msg.prompt == p;
        fuzz::require(known, "unknown prompt", msg.prompt);
    }
}

}  // namespace

static void checkInput(const uint8_t* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    size_t cut = all.find('|');
    std::string_view a = all.substr(0, cut);
    std::string_view b = cut == std::string_view::npos ? std::string_view() : all.substr(cut + 1);

    testing_support::RecordingMessages m;
    bool accepted = bignum::Check(a, m);
    fuzz::require(accepted == (a.size() < 32767 && a.find_first_not_of("0123456789.-") == std::string_view::npos),
                  "check verdict");
    fuzz::require(m.messages.size() == (accepted ? 0u : 1u), "check messages");

    // Whole-number oracle.
    u128 x, y;
    if (smallValue(a, x) && smallValue(b, y) && a.size() < 38 && b.size() < 38) {
        std::string sum = bignum::LongAdd(a, b);
        fuzz::require(stripZeros(sum) == text(x + y), "long sum", sum);
        // Exactly as many digits as the longer text, one more when the top carries.
        size_t longer = std::max(a.size(), b.size());
        fuzz::require(sum.size() == longer || (sum.size() == longer + 1 && sum[0] == '1'), "sum length", sum);
        if (y <= 214748364 && !a.empty() && (y == 0 || x <= ~u128(0) / y)) {
            std::string product = bignum::LongMultiply(a, static_cast<double>(y));
            fuzz::require(stripZeros(product) == text(x * y), "long product", product);
        }
    }

    testing_support::RecordingMessages add, mul, fac, pow;
    auto sum = bignum::addCommand(a, b, add);
    requireKnownMessages(add, !sum);
    auto product = bignum::multiplyCommand(a, b, mul);
    requireKnownMessages(mul, !product);
    auto factorial = bignum::factorialCommand(a, fac);
    requireKnownMessages(fac, !factorial);
    auto power = bignum::powerCommand(a, b, pow);
    requireKnownMessages(pow, !power);
    // Right or refused: a result only for the whole numbers each accepts,
    // written as a whole number.
    if (sum) {
        fuzz::require((a.empty() || whole(a, false)) && (b.empty() || whole(b, false)), "sum of a text that is not a whole number");
        fuzz::require(signedDigits(*sum, runtime::kResultIs, false), "sum caption", *sum);
        u128 x, y;
        if (smallValue(a.empty() ? "0" : a, x) && smallValue(b.empty() ? "0" : b, y))
            fuzz::require(stripZeros(sum->substr(std::string_view(runtime::kResultIs).size())) == text(x + y), "sum value", *sum);
    }
    if (product) {
        fuzz::require(whole(a, true) && (b.empty() || whole(b, true)), "product of a text that is not a whole number");
        fuzz::require(signedDigits(*product, runtime::kResultIs, true), "product caption", *product);
    }
    if (factorial) {
        fuzz::require(whole(a, false), "factorial of a text that is not a non-negative whole number");
        fuzz::require(signedDigits(*factorial, runtime::kResultFor, false), "factorial digits", *factorial);
    }
    if (power) {
        fuzz::require(whole(a, true) && whole(b, false), "power of texts that are not whole numbers");
        fuzz::require(signedDigits(*power, runtime::kResultFor, true), "power digits", *power);
    }
}


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::withinFrame([&] { checkInput(data, size); });
    return 0;
}
