// Long addition, long multiplication, factorial and power: the edge cases
// as tables, the limits, and a comparison with GMP on random operands.

#include "bignum/commands.h"
#include "tests/recording_messages.h"
#include "bignum/long_number.h"
#include "runtime/error.h"
#include "tests/random_text.h"

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
    testing_support::RecordingMessages m;
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
        {"", "", "结果是:  0", ""},
        {"", "0042", "结果是:  0042", ""},
        {"17", "", "结果是:  17", ""},
        {"1.5", "1", "", "请输入非负整数"},
        {"1", "2.25", "", "请输入非负整数"},
        {"-3", "1", "", "请输入非负整数"},
        {"5-", "1", "", "请输入非负整数"},
        {"-", "", "", "请输入非负整数"},
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
    testing_support::RecordingMessages m;
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
        {"1.5", "2", "", "请输入整数"},
        {"13", "0.5", "", "请输入整数"},
        {"3", "2.5", "", "请输入整数"},
        {"12", "-1", "结果是:  -12", ""},
        {"-12", "2", "结果是:  -24", ""},
        {"-12", "-2", "结果是:  24", ""},
        {"-05", "3", "结果是:  -15", ""},
        {"-12", "0", "结果是:  00", ""},
        {"12", "-0", "结果是:  00", ""},
        {"12", "007", "结果是:  84", ""},
        {"12", "1-2", "", "请输入整数"},
        {"12", "-", "", "请输入整数"},
        {"-", "2", "", "请输入整数"},
        {"1-2", "2", "", "请输入整数"},
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

TEST(Factorial, EdgeCases) {
    testing_support::RecordingMessages none;
    std::string f253 = bignum::factorialCommand("253", none).value_or("");
    const Case cases[] = {
        {"5", "", "结果为:120", ""},
        {"10", "", "结果为:3628800", ""},
        {"1", "", "结果为:1", ""},
        {"0", "", "结果为:1", ""},
        {"00", "", "结果为:01", ""},
        {"01", "", "结果为:01", ""},
        {"", "", "", "请输入非负整数"},
        {"-5", "", "", "请输入非负整数"},
        {"-0", "", "", "请输入非负整数"},
        {"007", "", "结果为:5040", ""},
        {"00007", "", "结果为:05040", ""},
        {"2.5", "", "", "请输入非负整数"},
        {"3.5", "", "", "请输入非负整数"},
        {"5.", "", "", "请输入非负整数"},
        {"254", "", "", "超出500位的计算范围"},
        {"1000000", "", "", "超出500位的计算范围"},
        {"2147483648", "", "", "超出500位的计算范围"},
        {std::string(400, '9'), "", "", "超出500位的计算范围"},
        {std::string(500, '0') + "1", "", "", "超出500位的计算范围"},
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
        {"2", "0", "结果为:1", ""},
        {"0", "0", "结果为:1", ""},
        {"007", "0", "结果为:001", ""},
        {"2", "1", "结果为:2", ""},
        {"007", "2", "结果为:049", ""},
        {"-2", "3", "结果为:-8", ""},
        {"-2", "2", "结果为:4", ""},
        {"-0", "3", "结果为:0", ""},
        {"-1", "2147483647", "结果为:-1", ""},
        {"-1", "2147483648", "结果为:1", ""},
        {"1", std::string(600, '9'), "结果为:1", ""},
        {"2", "", "", "请输入非负整数"},
        {"2", "-1", "", "请输入非负整数"},
        {"2", "-3", "", "请输入非负整数"},
        {"3", "1.5", "", "请输入非负整数"},
        {"2.5", "2", "", "请输入整数"},
        {"1.5", "2", "", "请输入整数"},
        {"", "1", "", "请输入整数"},
        {"", "2", "", "请输入整数"},
        {"1", "2147483647", "结果为:1", ""},
        {"0", "2147483647", "结果为:0", ""},
        {"00", "2147483647", "结果为:00", ""},
        {"2", "1661", "", "超出500位的计算范围"},
        {"2", "2147483647", "", "超出500位的计算范围"},
        {"2", "2147483648", "", "超出500位的计算范围"},
        {"3000000000", "2", "", "溢出"},
        {"x", "y", "", "数据非法", 2},
    };
    for (const Case& c : cases) expectCommand(c, bignum::powerCommand);
    testing_support::RecordingMessages m;
    std::string p1660 = bignum::powerCommand("2", "1660", m).value_or("");
    EXPECT_EQ(p1660.size(), std::string("结果为:").size() + 500);
    EXPECT_EQ(p1660.substr(p1660.size() - 4), "2976");  // 2^1660 mod 10^4
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
    testing_support::RecordingMessages m;
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

// --- Every outcome against an oracle -----------------------------------------
// Written from what each calculator promises, not from its code: the texts
// each accepts, and the value GMP gives. The only refusals allowed are the
// ones promised: a text that is not a number of the kind asked for, a result
// beyond 500 digits, and a column of the multiplication beyond 32 bits
// (only possible for a multiplier above 214748364).

constexpr int kDraws = 100000;

bool onlyCheckCharacters(const std::string& t) { return t.find_first_not_of("0123456789.-") == std::string::npos; }
bool whole(const std::string& t, bool sign) {
    std::string d = sign && !t.empty() && t[0] == '-' ? t.substr(1) : t;
    return !d.empty() && d.find_first_not_of("0123456789") == std::string::npos;
}

struct Oracle {
    std::string prompt;  // the box a refusal shows; empty for a result
    std::string value;   // the result's value, sign and digits without leading zeros
    size_t width = 0;    // digits the result shows at least (the typed ones)
    bool mayOverflow = false;
};

void expectOutcome(const Oracle& o, const std::optional<std::string>& caption, const testing_support::RecordingMessages& m,
                   const char* prefix, const std::string& what) {
    const bool mayRefuseOverflow = o.mayOverflow && !m.messages.empty() && m.messages.back().prompt == "溢出";
    if (mayRefuseOverflow) {
        ASSERT_FALSE(caption.has_value()) << what;
        return;
    }
    if (!o.prompt.empty()) {
        ASSERT_FALSE(caption.has_value()) << what << " gave " << *caption;
        ASSERT_FALSE(m.messages.empty()) << what;
        ASSERT_EQ(m.messages.back().prompt, o.prompt) << what;
        return;
    }
    ASSERT_TRUE(m.messages.empty()) << what << " refused: " << m.messages.front().prompt;
    ASSERT_TRUE(caption.has_value()) << what;
    ASSERT_EQ(caption->rfind(prefix, 0), 0u) << what;
    std::string shown = caption->substr(std::string_view(prefix).size());
    const bool negative = !shown.empty() && shown[0] == '-';
    std::string digits = negative ? shown.substr(1) : shown;
    ASSERT_TRUE(whole(digits, false)) << what << " shows " << shown;
    ASSERT_EQ((negative ? "-" : "") + stripLeadingZeros(digits), o.value) << what;
    ASSERT_EQ(digits.size(), std::max(o.width, stripLeadingZeros(digits).size())) << what;
}

struct Big {
    mpz_t z;
    Big() { mpz_init(z); }
    explicit Big(const std::string& t) {
        mpz_init(z);
        std::string d = t.empty() ? "0" : t;
        while (d.size() > 1 && d[0] == '0') d.erase(0, 1);
        if (d.size() > 1 && d[0] == '-') {
            d.erase(0, 1);
            while (d.size() > 1 && d[0] == '0') d.erase(0, 1);
            d.insert(0, "-");
        }
        mpz_set_str(z, d.c_str(), 10);
    }
    ~Big() { mpz_clear(z); }
    std::string text() const { return gmpString(z); }
    size_t digits() const { return text().size() - (mpz_sgn(z) < 0); }
};

size_t digitCount(const std::string& t) { return t.size() - (!t.empty() && t[0] == '-'); }

TEST(AgainstOracle, LongAddition) {
    testing_support::RandomText r(36001);
    for (int i = 0; i < kDraws; ++i) {
        std::string a = r.numberText(), b = r.numberText();
        Oracle o;
        if (!onlyCheckCharacters(a) || !onlyCheckCharacters(b)) o.prompt = "数据非法";
        else if ((!a.empty() && !whole(a, false)) || (!b.empty() && !whole(b, false))) o.prompt = "请输入非负整数";
        else {
            Big x(a), y(b), sum;
            mpz_add(sum.z, x.z, y.z);
            o.value = sum.text();
            o.width = std::max(a.size(), b.size());
            if (std::max({a.size(), b.size(), sum.digits()}) >= 500) o.prompt = "超出500位的计算范围";
        }
        testing_support::RecordingMessages m;
        expectOutcome(o, bignum::addCommand(a, b, m), m, "结果是:  ", a + " + " + b);
    }
}

TEST(AgainstOracle, LongMultiplication) {
    testing_support::RandomText r(36002);
    for (int i = 0; i < kDraws; ++i) {
        std::string a = r.numberText(), b = r.chance(50) ? std::to_string(r.pick(-300000000, 300000000)) : r.numberText();
        Oracle o;
        if (!onlyCheckCharacters(a) || !onlyCheckCharacters(b) || a.empty()) o.prompt = "数据非法";
        else if (!whole(a, true) || (!b.empty() && !whole(b, true))) o.prompt = "请输入整数";
        else {
            Big x(a), y(b), product, limit("214748364");
            mpz_mul(product.z, x.z, y.z);
            o.value = product.text();
            o.width = digitCount(a);
            o.mayOverflow = mpz_cmpabs(y.z, limit.z) > 0;
            if (std::max(digitCount(a), product.digits()) > 500) o.prompt = "超出500位的计算范围";
        }
        testing_support::RecordingMessages m;
        expectOutcome(o, bignum::multiplyCommand(a, b, m), m, "结果是:  ", a + " * " + b);
    }
}

TEST(AgainstOracle, Factorial) {
    testing_support::RandomText r(36003);
    for (int i = 0; i < kDraws; ++i) {
        std::string a = r.chance(10) ? std::string(static_cast<size_t>(r.pick(0, 2)), '0') + std::to_string(r.pick(0, 300))
                                     : r.numberText();
        Oracle o;
        if (!onlyCheckCharacters(a)) o.prompt = "数据非法";
        else if (!whole(a, false)) o.prompt = "请输入非负整数";
        else {
            Big k(a), f, limit("253");
            if (mpz_cmp(k.z, limit.z) > 0 || a.size() > 500) {
                o.prompt = "超出500位的计算范围";
            } else {
                mpz_fac_ui(f.z, mpz_get_ui(k.z));
                o.value = f.text();
                o.width = a.size();
            }
        }
        testing_support::RecordingMessages m;
        expectOutcome(o, bignum::factorialCommand(a, m), m, "结果为:", a + "!");
    }
}

TEST(AgainstOracle, Power) {
    testing_support::RandomText r(36004);
    for (int i = 0; i < kDraws; ++i) {
        std::string a = r.chance(40) ? std::to_string(r.pick(-20, 20)) : r.numberText();
        std::string b = r.chance(40) ? std::to_string(r.pick(-2, 60)) : r.numberText();
        Oracle o;
        if (!onlyCheckCharacters(a) || !onlyCheckCharacters(b)) o.prompt = "数据非法";
        else if (!whole(a, true)) o.prompt = "请输入整数";
        else if (!whole(b, false)) o.prompt = "请输入非负整数";
        else {
            Big x(a), e(b), p, bound("2000"), limit("214748364");
            o.width = digitCount(a);
            o.mayOverflow = mpz_cmpabs(x.z, limit.z) > 0;
            if (mpz_sgn(e.z) == 0) mpz_set_ui(p.z, 1);
            else if (mpz_cmpabs_ui(x.z, 1) <= 0) mpz_pow_ui(p.z, x.z, mpz_odd_p(e.z) ? 1 : 2);
            else if (mpz_cmp(e.z, bound.z) < 0) mpz_pow_ui(p.z, x.z, mpz_get_ui(e.z));
            else mpz_ui_pow_ui(p.z, 10, 600);  // 2^2000 has more than 500 digits
            o.value = p.text();
            if (std::max(digitCount(a), p.digits()) > 500) o.prompt = "超出500位的计算范围";
        }
        testing_support::RecordingMessages m;
        expectOutcome(o, bignum::powerCommand(a, b, m), m, "结果为:", a + " ^ " + b);
    }
}

}  // namespace
