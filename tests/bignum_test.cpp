// Long addition, long multiplication, factorial and power: the edge cases
// as tables, the limits, and a comparison with GMP on random operands.

#include "bignum/commands.h"
#include "bignum/long_number.h"
#include "runtime/error.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using bignum::LongAdd;
using bignum::LongMultiply;

struct Case {
    std::string a, b, caption;  // caption "" means refused
    std::string prompt;         // the box shown (last) when refused
    size_t boxes = 1;           // how many boxes a refusal shows
};

void expectCommand(const Case& c, std::optional<std::string> (*command)(std::string_view, std::string_view, runtime::MessageSink&)) {
    runtime::RecordingMessages m;
    auto caption = command(c.a, c.b, m);
    if (c.prompt.empty()) {
        EXPECT_EQ(caption.value_or("<refused>"), c.caption) << c.a << " , " << c.b;
        EXPECT_TRUE(m.messages.empty()) << c.a << " , " << c.b;
    } else {
        EXPECT_FALSE(caption.has_value()) << c.a << " , " << c.b;
        ASSERT_EQ(m.messages.size(), c.boxes) << c.a << " , " << c.b;
        EXPECT_EQ(m.messages.back().prompt, c.prompt) << c.a << " , " << c.b;
    }
}

// The factorial command has one box; the cases' second text is unused.
std::optional<std::string> factorialOf(std::string_view count, std::string_view, runtime::MessageSink& m) {
    return bignum::factorialCommand(count, m);
}

const std::string kNines499(499, '9');
const std::string kNines500(500, '9');

TEST(LongAddition, EdgeCases) {
    const Case cases[] = {
        {"123", "989", "结果是:  1112", ""},
        {"007", "1", "结果是:  008", ""},
        {"0", "0", "结果是:  0", ""},
        {"5", "5", "结果是:  10", ""},
        {"", "", "结果是:  ", ""},
        {"", "0042", "结果是:  0042", ""},
        {"17", "", "结果是:  17", ""},
        {"1.5", "1", "结果是:  106", ""},
        {"-3", "1", "结果是:  04", ""},
        {kNines499, "0", "结果是:  " + kNines499, ""},
        {std::string(498, '9'), "1", "结果是:  1" + std::string(498, '0'), ""},
        {kNines499, "1", "", "超出500位的计算范围"},
        {std::string(500, '1'), "1", "", "超出500位的计算范围"},
        {"1", std::string(500, '0'), "", "超出500位的计算范围"},
        {"1a", "2", "", "数据非法"},
    };
    for (const Case& c : cases) expectCommand(c, bignum::addCommand);
}

TEST(LongAddition, BothRejectedShowTwoBoxes) {
    runtime::RecordingMessages m;
    EXPECT_FALSE(bignum::addCommand("x", "y", m).has_value());
    ASSERT_EQ(m.messages.size(), 2u);
    EXPECT_EQ(m.messages[0].prompt, "数据非法");
    EXPECT_EQ(m.messages[1].prompt, "数据非法");
}

TEST(LongMultiplication, EdgeCases) {
    const Case cases[] = {
        {"12345678901234567890", "99", "结果是:  1222222211222222221110", ""},
        {"999", "0", "结果是:  000", ""},
        {"005", "3", "结果是:  015", ""},
        {"5", "2", "结果是:  10", ""},
        {"12", "", "结果是:  00", ""},
        {"1.5", "2", "结果是:  210", ""},
        {"13", "0.5", "结果是:  0.52", ""},
        {"3", "2.5", "结果是:  7.5", ""},
        {"12", "-1", "结果是:  -1-2", ""},
        {"12", "1-2", "结果是:  12", ""},
        {kNines500, "1", "结果是:  " + kNines500, ""},
        {"999", "214748364", "结果是:  214533615636", ""},
        {"1", "1000000000", "结果是:  1000000000", ""},
        {"3", "1000000000", "", "溢出"},
        {"33", "1000000000", "", "溢出"},
        {"9", "999999999999", "", "溢出"},
        {kNines500, "2", "", "超出500位的计算范围"},
        {std::string(501, '1'), "1", "", "超出500位的计算范围"},
        {"", "5", "", "数据非法"},
        {"12", "x", "", "数据非法"},
        {"12", std::string(400, '9'), "", "溢出"},
    };
    for (const Case& c : cases) expectCommand(c, bignum::multiplyCommand);
}

TEST(LongMultiplication, MutiplyReadsTheMultiplierByItsPrefix) {
    EXPECT_EQ(bignum::mutiply("12", "2.5"), "结果是:  2.55");  // the steps as written
    EXPECT_EQ(bignum::mutiply("12", "3abc"), "结果是:  36");
    EXPECT_EQ(LongMultiply("12", 2), "24");
}

TEST(Factorial, EdgeCases) {
    runtime::RecordingMessages none;
    std::string f253 = bignum::factorialCommand("253", none).value_or("");
    const Case cases[] = {
        {"5", "", "结果为:120", ""},
        {"10", "", "结果为:3628800", ""},
        {"1", "", "结果为:1", ""},
        {"0", "", "结果为:0", ""},
        {"", "", "结果为:", ""},
        {"-5", "", "结果为:-5", ""},
        {"007", "", "结果为:5040", ""},
        {"00007", "", "结果为:05040", ""},
        {"2.5", "", "结果为:205", ""},
        {"254", "", "", "超出500位的计算范围"},
        {"1000000", "", "", "超出500位的计算范围"},
        {"2147483647", "", "", "超出500位的计算范围"},
        {"2147483648", "", "", "溢出"},
        {std::string(400, '9'), "", "", "溢出"},
        {"5!", "", "", "数据非法"},
    };
    for (const Case& c : cases) expectCommand(c, factorialOf);
    ASSERT_EQ(f253.size(), std::string("结果为:").size() + 500);
    EXPECT_EQ(f253.substr(f253.size() - 62), std::string(62, '0'));  // 253! ends in 62 zeros
}

TEST(Power, EdgeCases) {
    const Case cases[] = {
        {"2", "10", "结果为:1024", ""},
        {"12", "3", "结果为:1728", ""},
        {"0", "5", "结果为:0", ""},
        {"2", "0", "结果为:2", ""},
        {"2", "1", "结果为:2", ""},
        {"2", "", "结果为:2", ""},
        {"2", "-3", "结果为:2", ""},
        {"", "1", "结果为:", ""},
        {"", "2", "", "数据非法"},
        {"1", "2147483647", "结果为:1", ""},
        {"0", "2147483647", "结果为:0", ""},
        {"00", "2147483647", "结果为:00", ""},
        {"1.0", "2147483647", "结果为:100", ""},
        {"2", "1661", "", "超出500位的计算范围"},
        {"2", "2147483647", "", "超出500位的计算范围"},
        {"-1", "2147483647", "", "超出500位的计算范围"},
        {"2", "2147483648", "", "溢出"},
        {"3000000000", "2", "", "溢出"},
        {"x", "y", "", "数据非法", 2},
    };
    for (const Case& c : cases) expectCommand(c, bignum::powerCommand);
    runtime::RecordingMessages m;
    std::string p1660 = bignum::powerCommand("2", "1660", m).value_or("");
    EXPECT_EQ(p1660.size(), std::string("结果为:").size() + 500);
    EXPECT_EQ(p1660.substr(p1660.size() - 4), "2976");  // 2^1660 mod 10^4
}

TEST(Power, FractionalAndNegativeBasesFollowTheSteps) {
    runtime::RecordingMessages m;
    // 1.5 * 1.5: the cells of "1.5" are 5, 0, 1; times 1.5 they carry to "1.508".
    EXPECT_EQ(bignum::powerCommand("1.5", "2", m).value_or(""), "结果为:1.508");
    EXPECT_EQ(bignum::powerCommand("-1", "2", m).value_or(""), "结果为:0-1");
    EXPECT_EQ(bignum::powerCommand("-1", "3", m).value_or(""), "结果为:00-1");
    // The text read again at every step: the same as multiplying by hand.
    EXPECT_EQ(bignum::powerCommand("0.5", "3", m).value_or(""),
              "结果为:" + LongMultiply(LongMultiply("0.5", 0.5), 0.5));
    EXPECT_TRUE(m.messages.empty());
}

// --- Against GMP -----------------------------------------------------------

std::string gmpString(const mpz_t z) {
    std::string s(mpz_sizeinbase(z, 10) + 2, '\0');
    mpz_get_str(s.data(), 10, z);
    s.resize(std::char_traits<char>::length(s.c_str()));
    return s;
}

std::string randomDigits(std::mt19937_64& rng, size_t length) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string s(length, '0');
    for (char& c : s) c = static_cast<char>('0' + digit(rng));
    return s;
}

std::string stripLeadingZeros(const std::string& s) {
    size_t p = s.find_first_not_of('0');
    return p == std::string::npos ? "0" : s.substr(p);
}

TEST(AgainstGmp, LongAdditionIsExact) {
    std::mt19937_64 rng(20261208);
    std::uniform_int_distribution<size_t> length(0, 498);
    mpz_t a, b, sum;
    mpz_inits(a, b, sum, nullptr);
    for (int i = 0; i < 5000; ++i) {
        std::string x = randomDigits(rng, length(rng)), y = randomDigits(rng, length(rng));
        mpz_set_str(a, x.empty() ? "0" : x.c_str(), 10);
        mpz_set_str(b, y.empty() ? "0" : y.c_str(), 10);
        mpz_add(sum, a, b);
        std::string expected = gmpString(sum);
        std::string got;
        try {
            got = LongAdd(x, y);
        } catch (const runtime::RuntimeError& e) {
            ASSERT_EQ(e.number(), runtime::kSubscriptOutOfRange);
            ASSERT_GE(expected.size(), 500u);
            continue;
        }
        ASSERT_EQ(stripLeadingZeros(got), expected) << x << " + " << y;
        ASSERT_EQ(got.size(), std::max({x.size(), y.size(), expected.size()}));
    }
    mpz_clears(a, b, sum, nullptr);
}

TEST(AgainstGmp, WholeNumberMultiplicationIsExact) {
    std::mt19937_64 rng(8122026);
    std::uniform_int_distribution<size_t> length(1, 500);
    std::uniform_int_distribution<int64_t> small(0, 1000);
    std::uniform_int_distribution<int64_t> large(0, 214748364);
    mpz_t a, product;
    mpz_inits(a, product, nullptr);
    for (int i = 0; i < 5000; ++i) {
        std::string x = randomDigits(rng, length(rng));
        int64_t m = (i % 2) ? small(rng) : large(rng);
        mpz_set_str(a, x.c_str(), 10);
        mpz_mul_si(product, a, static_cast<long>(m));
        std::string expected = gmpString(product);
        std::string got;
        try {
            got = LongMultiply(x, static_cast<double>(m));
        } catch (const runtime::RuntimeError& e) {
            ASSERT_EQ(e.number(), runtime::kSubscriptOutOfRange);
            ASSERT_GT(expected.size(), 500u);
            continue;
        }
        ASSERT_EQ(stripLeadingZeros(got), expected) << x << " * " << m;
        ASSERT_EQ(got.size(), std::max(x.size(), expected.size()));
    }
    mpz_clears(a, product, nullptr);
}

TEST(AgainstGmp, FactorialsAndPowers) {
    mpz_t z;
    mpz_init(z);
    runtime::RecordingMessages m;
    for (unsigned k = 2; k <= 253; k += 13) {
        mpz_fac_ui(z, k);
        EXPECT_EQ(bignum::factorialCommand(std::to_string(k), m).value_or(""), "结果为:" + gmpString(z)) << k;
    }
    for (unsigned base : {2u, 3u, 7u, 10u, 99u, 12345u}) {
        for (unsigned e : {2u, 5u, 17u, 50u, 90u}) {
            mpz_ui_pow_ui(z, base, e);
            std::string expected = gmpString(z);
            auto got = bignum::powerCommand(std::to_string(base), std::to_string(e), m);
            if (expected.size() <= 500) EXPECT_EQ(got.value_or(""), "结果为:" + expected) << base << "^" << e;
            else EXPECT_FALSE(got.has_value());
        }
    }
    mpz_clear(z);
}

}  // namespace
