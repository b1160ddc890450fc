// The four-function calculator (key sequences with the display after each
// key), the trigonometric keys, the degree converter and base conversion.

#include "calc/base_conversion.h"
#include "tests/recording_messages.h"
#include "tests/random_text.h"

#include <gmp.h>
#include "calc/four_function.h"
#include "calc/trig.h"

#include <gtest/gtest.h>

#include "tests/test_names.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

using calc::FourFunctionCalculator;

// Plays a sequence such as "2 + 3 * 4 =": a number replaces the display (as
// typing over the selected text does), "''" empties it, and + - * / = tan cos
// sin press keys. Returns the display after every key.
struct Player {
    FourFunctionCalculator calc;
    testing_support::RecordingMessages messages;
    std::string display;

    Player() { calc.Form_Load(); }

    std::vector<std::string> play(const std::string& keys) {
        std::vector<std::string> shown;
        std::istringstream in(keys);
        std::string token;
        while (in >> token) {
            calc::KeyOutcome outcome;
            bool key = true;
            if (token == "+") outcome = calc.Command1_Click(1, display, messages);
            else if (token == "-") outcome = calc.Command1_Click(2, display, messages);
            else if (token == "*") outcome = calc.Command1_Click(3, display, messages);
            else if (token == "/") outcome = calc.Command1_Click(4, display, messages);
            else if (token == "=") outcome = calc.Command8_Click(display, messages);
            else if (token == "tan" || token == "cos" || token == "sin") {
                auto f = token == "tan" ? calc::TrigFunction::Tan
                         : token == "cos" ? calc::TrigFunction::Cos : calc::TrigFunction::Sin;
                if (auto text = calc::trigKey(f, display, messages)) outcome = {true, *text, false};
            } else {
                key = false;
                display = token == "''" ? "" : token;
            }
            if (!key) continue;
            if (outcome.accepted) display = outcome.display;
            shown.push_back(display);
        }
        return shown;
    }

    std::vector<std::string> prompts() const {
        std::vector<std::string> p;
        for (const auto& m : messages.messages) p.push_back(m.prompt);
        return p;
    }
};

struct Sequence {
    std::string keys;
    std::vector<std::string> displays;
    std::vector<std::string> prompts;
};

class KeySequence : public testing::TestWithParam<Sequence> {};

void PrintTo(const Sequence& s, std::ostream* os) { *os << '"' << s.keys << '"'; }

std::string sequenceName(const testing::TestParamInfo<Sequence>& info) {
    return testnames::caseName(info.param.keys, info.index);
}

TEST_P(KeySequence, DisplayAfterEachKey) {
    Player p;
    EXPECT_EQ(p.play(GetParam().keys), GetParam().displays) << GetParam().keys;
    EXPECT_EQ(p.prompts(), GetParam().prompts) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Chains, KeySequence, testing::Values(
    Sequence{"5 =", {"5"}, {}},
    Sequence{"5 + 3 =", {"5", "8"}, {}},
    Sequence{"0.1 + 0.2 =", {"0.1", "0.3"}, {}},
    Sequence{"1.1 + 2.2 =", {"1.1", "3.3"}, {}},
    Sequence{"2 + 3 * 4 =", {"2", "5", "20"}, {}},
    Sequence{"2 * 3 + 1 =", {"2", "6", "7"}, {}},
    Sequence{"8 / 2 + 1 =", {"8", "4", "5"}, {}},
    Sequence{"5 + +", {"5", "10"}, {}},
    Sequence{"10 - 2.5 - 0.5 =", {"10", "7.5", "7"}, {}},
    // 2.01 times 10^8 is not whole in binary, so the scaling cannot help here.
    Sequence{"2 - 2.01 =", {"2", "-9.9999999999997E-03"}, {}},
    Sequence{"'' + 3 =", {"", "3"}, {}},
    Sequence{"1-2 + 1 =", {"1-2", "2"}, {}},
    Sequence{"100 * 100 =", {"100", "10000"}, {}},
    Sequence{"1 / 3 =", {"1", "0.333333333333333"}, {}},
    Sequence{"2 / 3 * 3 =", {"2", "0.666666666666667", "2"}, {}}),
    sequenceName);

INSTANTIATE_TEST_SUITE_P(AfterEquals, KeySequence, testing::Values(
    // "=" resets: the next operator takes the display as a new running value.
    Sequence{"5 + 3 = + 2 =", {"5", "8", "8", "10"}, {}},
    Sequence{"5 + 3 = 7 + 1 =", {"5", "8", "7", "8"}, {}},
    Sequence{"5 + 3 = =", {"5", "8", "8"}, {}},
    Sequence{"1 + 2.00001 = + 1 =", {"1", "3.0", "3.0", "4"}, {}}),
    sequenceName);

INSTANTIATE_TEST_SUITE_P(DivisionByZero, KeySequence, testing::Values(
    Sequence{"6 / 0 =", {"6", "6"}, {"以零作除数"}},
    Sequence{"6 / 0 + 1 =", {"6", "6", "7"}, {"以零作除数"}},
    Sequence{"6 / '' =", {"6", "6"}, {"以零作除数"}},
    Sequence{"0 / 0 =", {"0", "0"}, {"以零作除数"}}),
    sequenceName);

INSTANTIATE_TEST_SUITE_P(Trim, KeySequence, testing::Values(
    Sequence{"1.00005 =", {"1.0"}, {}},
    Sequence{"1 + 2.00001 =", {"1", "3.0"}, {}},
    Sequence{"10000.00005 =", {"10000.00005"}, {}},
    Sequence{"60 cos", {"0.50"}, {}},
    Sequence{"2 + 60 cos =", {"2", "0.50", "2.5"}, {}}),
    sequenceName);

INSTANTIATE_TEST_SUITE_P(Refused, KeySequence, testing::Values(
    // A rejected text changes nothing: no state, no display.
    Sequence{"5 + 1a = 2 =", {"5", "1a", "7"}, {"数据非法"}},
    Sequence{"1e5 +", {"1e5"}, {"数据非法"}},
    // An exponent result fails the check when used again.
    Sequence{"100000000 * 100000000 = +", {"100000000", "1E+16", "1E+16"}, {"数据非法"}}),
    sequenceName);

TEST(FourFunction, OverflowLeavesDisplayAndStateAsTheyWere) {
    Player p;
    std::string huge = "1" + std::string(302, '0');  // 1E+302: times 10^8 is beyond a double
    EXPECT_EQ(p.play("5 + " + huge + " ="), (std::vector<std::string>{"5", huge}));
    EXPECT_EQ(p.prompts(), (std::vector<std::string>{"溢出"}));
    EXPECT_EQ(p.calc.PendingOp, FourFunctionCalculator::Add);
    EXPECT_EQ(p.calc.RunningValue, 5e8);
    EXPECT_FALSE(p.calc.AwaitingFirst);
    // The calculator goes on from where it was.
    EXPECT_EQ(p.play("2 ="), (std::vector<std::string>{"7"}));

    Player q;
    std::string big(151, '0');
    big[0] = '1';
    q.play(big + " * " + big);
    EXPECT_EQ(q.play("="), (std::vector<std::string>{big}));
    EXPECT_EQ(q.prompts(), (std::vector<std::string>{"溢出"}));
    EXPECT_EQ(q.calc.PendingOp, FourFunctionCalculator::Multiply);

    Player r;
    EXPECT_EQ(r.play(std::string(400, '9') + " +"), (std::vector<std::string>{std::string(400, '9')}));
    EXPECT_EQ(r.prompts(), (std::vector<std::string>{"溢出"}));
    EXPECT_TRUE(r.calc.AwaitingFirst);
}

TEST(FourFunction, OperatorKeysMoveTheFocusAndEqualsDoesNot) {
    FourFunctionCalculator c;
    testing_support::RecordingMessages m;
    c.Form_Load();
    EXPECT_TRUE(c.Command1_Click(1, "5", m).focusDisplay);
    EXPECT_FALSE(c.Command8_Click("3", m).focusDisplay);
    EXPECT_EQ(c.PendingOp, FourFunctionCalculator::AfterEquals);
    EXPECT_EQ(c.OperandValue, 0);
    EXPECT_TRUE(c.AwaitingFirst);
    EXPECT_EQ(c.RunningValue, 8e8);
}

TEST(TrimZeroRun, CutsAfterTheFirstZeroOfARunBehindThePoint) {
    const std::pair<const char*, const char*> cases[] = {
        {"0.500000000000001", "0.50"}, {"3.30000000000004", "3.30"}, {"10000.00005", "10000.00005"},
        {"10000", "10000"},            {"1.00005", "1.0"},           {"0.00001", "0.0"},
        {"1.5", "1.5"},                {"", ""},                     {"2.0000", "2.0"},
        {"1.00000000000001E-20", "1.00000000000001E-20"},           {"0.1000", "0.1000"}, {"0.100001", "0.10"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(calc::TrimZeroRun(in), out) << in;
}

TEST(TrigKeys, DegreesWithTheStoredPi) {
    testing_support::RecordingMessages m;
    auto key = [&](calc::TrigFunction f, const char* t) { return calc::trigKey(f, t, m).value_or("refused"); };
    EXPECT_EQ(key(calc::TrigFunction::Cos, "60"), "0.50");
    EXPECT_EQ(key(calc::TrigFunction::Tan, "45"), "0.999999999999998");
    EXPECT_EQ(key(calc::TrigFunction::Cos, ""), "1");
    EXPECT_EQ(key(calc::TrigFunction::Sin, ""), "0");
    EXPECT_EQ(key(calc::TrigFunction::Sin, "30"), "0.5");
    EXPECT_EQ(key(calc::TrigFunction::Cos, "90"), "1.61554457443259E-15");
    EXPECT_EQ(key(calc::TrigFunction::Tan, "89"), "57.289961630754");
    EXPECT_EQ(key(calc::TrigFunction::Tan, "180"), "-3.23108914886517E-15");
    for (auto [f, text] : {std::pair{calc::TrigFunction::Sin, "180"}, std::pair{calc::TrigFunction::Cos, "90"}}) {
        std::string tiny = key(f, text);
        EXPECT_NE(tiny.find("E-"), std::string::npos) << tiny;
        EXPECT_LT(std::abs(std::stod(tiny)), 1e-13);
    }
    EXPECT_TRUE(m.messages.empty());
    // No tangent at an odd multiple of a right angle.
    for (const char* pole : {"90", "270", "-90", "90.0", "0090", "-450", "1710"}) {
        testing_support::RecordingMessages pm;
        EXPECT_FALSE(calc::trigKey(calc::TrigFunction::Tan, pole, pm).has_value()) << pole;
        ASSERT_EQ(pm.messages.size(), 1u) << pole;
        EXPECT_EQ(pm.messages[0], (testing_support::Message{"该角度的正切不存在", "Qorvi计算器"}));
    }
    EXPECT_NE(key(calc::TrigFunction::Tan, "90.0000001"), "refused");
    EXPECT_EQ(key(calc::TrigFunction::Sin, "x"), "refused");
    EXPECT_EQ(key(calc::TrigFunction::Sin, "1.2E-15"), "refused");
    EXPECT_EQ(key(calc::TrigFunction::Sin, std::string(400, '9').c_str()), "refused");
    ASSERT_EQ(m.messages.size(), 3u);
    EXPECT_EQ(m.messages[2].prompt, "溢出");
}

TEST(DegreeConverter, UntrimmedRadians) {
    testing_support::RecordingMessages m;
    const std::pair<const char*, const char*> cases[] = {
        {"180", "3.14159265358979"}, {"90", "1.5707963267949"}, {"-90", "-1.5707963267949"},
        {"", "0"},                    {"1", "1.74532925199433E-02"}, {"60", "1.0471975511966"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(calc::Command13_Click(in, m).value_or("refused"), out) << in;
    EXPECT_TRUE(m.messages.empty());
    EXPECT_FALSE(calc::Command13_Click("9a", m).has_value());
    EXPECT_EQ(m.messages.size(), 1u);
}

struct BaseCase {
    const char* number;
    const char* source;
    const char* target;
    const char* caption;  // nullptr: refused
    const char* prompt;
};

const std::string kNines600(600, '9');

TEST(BaseConversion, DigitsOfTheBase) {
    const BaseCase cases[] = {
        {"255", "10", "16", "结果为:FF", nullptr},
        {"FF", "16", "10", "结果为:255", nullptr},
        {"ff", "16", "2", "结果为:11111111", nullptr},
        {"zz", "36", "10", "结果为:1295", nullptr},
        {"1010", "2", "10", "结果为:10", nullptr},
        {"0", "10", "16", "结果为:0", nullptr},
        {"", "10", "2", "结果为:0", nullptr},
        {"000", "10", "2", "结果为:0", nullptr},
        {"-0", "10", "2", "结果为:0", nullptr},
        {"-5", "10", "10", "结果为:-5", nullptr},
        {"-255", "10", "16", "结果为:-FF", nullptr},
        {" 42 ", " 10", "16 ", "结果为:2A", nullptr},
        {"7", "10", "2", "结果为:111", nullptr},
        {"100", "10", "7", "结果为:202", nullptr},
        {"999999999", "10", "10", "结果为:999999999", nullptr},
        {"1000000000", "10", "16", "结果为:3B9ACA00", nullptr},
        {"2147483647", "10", "16", "结果为:7FFFFFFF", nullptr},
        {"-2147483648", "10", "16", "结果为:-80000000", nullptr},
        {"0000000000001", "10", "10", "结果为:1", nullptr},
        {"1111111111111111111111111111111", "2", "10", "结果为:2147483647", nullptr},
        {"100", "10", "60", "结果为:1 40", nullptr},
        {"3600", "10", "60", "结果为:1 0 0", nullptr},
        {"59", "10", "60", "结果为:59", nullptr},
        {"36", "10", "37", "结果为:36", nullptr},
        {"37", "10", "37", "结果为:1 0", nullptr},
        {"123", "32767", "10", "结果为:1073741826", nullptr},
        // Refused, the label unchanged.
        {"19", "2", "10", nullptr, "原数含有该进制以外的数字"},
        {"1.5", "10", "10", nullptr, "原数含有该进制以外的数字"},
        {"1 0", "10", "10", nullptr, "原数含有该进制以外的数字"},
        {"G", "16", "10", nullptr, "原数含有该进制以外的数字"},
        {"-", "10", "10", nullptr, "原数含有该进制以外的数字"},
        {"+5", "10", "10", nullptr, "原数含有该进制以外的数字"},
        {"--5", "10", "10", nullptr, "原数含有该进制以外的数字"},
        {"一", "10", "10", nullptr, "原数含有该进制以外的数字"},
        {"123", "0", "10", nullptr, "原数的进制必须不小于2"},
        {"123", "1", "10", nullptr, "原数的进制必须不小于2"},
        {"11", "-2", "10", nullptr, "原数的进制必须不小于2"},
        {"11", "", "10", nullptr, "原数的进制必须不小于2"},
        {"11", "2.5", "10", nullptr, "进制必须是整数"},
        {"11", "16abc", "10", nullptr, "进制必须是整数"},
        {"11", "10", "2.5", nullptr, "进制必须是整数"},
        {"1", "1e400", "10", nullptr, "进制必须是整数"},
        {"2147483648", "10", "10", nullptr, "溢出"},
        {"-2147483649", "10", "10", nullptr, "溢出"},
        {kNines600.c_str(), "10", "10", nullptr, "溢出"},
        {"111111111", "16", "10", nullptr, "溢出"},
        {"11111111", "16", "10", "结果为:286331153", nullptr},
        {"1", "32768", "10", nullptr, "溢出"},
        {"1", "10", "99999999999", nullptr, "溢出"},
        {"1", "10", "-32769", nullptr, "目标进制必须不小于2"},
        {"5", "10", "1", nullptr, "目标进制必须不小于2"},
        {"0", "10", "0", nullptr, "目标进制必须不小于2"},
        {"5", "10", "-2", nullptr, "目标进制必须不小于2"},
        {"5", "10", "", nullptr, "目标进制必须不小于2"},
    };
    for (const BaseCase& c : cases) {
        testing_support::RecordingMessages m;
        auto caption = calc::Command9_Click(c.number, c.source, c.target, m);
        if (c.caption) {
            EXPECT_EQ(caption.value_or("refused"), c.caption) << c.number << " " << c.source << " " << c.target;
            EXPECT_TRUE(m.messages.empty());
        } else {
            EXPECT_FALSE(caption.has_value()) << c.number << " " << c.source << " " << c.target;
            ASSERT_EQ(m.messages.size(), 1u) << c.number;
            EXPECT_EQ(m.messages[0], (testing_support::Message{c.prompt, "Qorvi计算器"}));
        }
    }
}

// Every outcome against GMP's reading and writing of the same digits: the
// right digits, or the refusal the texts call for.
TEST(BaseConversion, AgainstGmp) {
    testing_support::RandomText r(36005);
    const std::string letters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    mpz_t value, q, rem;
    mpz_inits(value, q, rem, nullptr);
    for (int i = 0; i < 100000; ++i) {
        const int sb = r.chance(80) ? r.pick(2, 40) : r.pick(-3, 40000);
        const int tb = r.chance(80) ? r.pick(2, 70) : r.pick(-3, 40000);
        std::string source = r.chance(90) ? std::to_string(sb) : r.numberText();
        std::string target = r.chance(90) ? std::to_string(tb) : r.numberText();
        std::string number;
        if (r.chance(70)) {
            if (r.chance(20)) number += '-';
            for (int n = r.pick(0, r.chance(10) ? 40 : 8); n > 0; --n)
                number += letters[static_cast<size_t>(r.pick(0, std::min(sb > 1 ? sb : 36, 36) - 1) + (r.chance(30) ? 26 : 0)) % letters.size()];
        } else {
            number = r.numberText("-.+ GZz一");
        }

        // The oracle, from what the converter promises.
        auto baseOf = [](const std::string& t, long& b) -> std::string {
            std::string u = t;
            while (!u.empty() && u.front() == ' ') u.erase(0, 1);
            while (!u.empty() && u.back() == ' ') u.pop_back();
            bool neg = !u.empty() && u[0] == '-';
            std::string d = neg ? u.substr(1) : u;
            if (d.empty() && !neg) return "small";
            if (d.empty() || d.find_first_not_of("0123456789") != std::string::npos) return "whole";
            d.erase(0, std::min(d.find_first_not_of('0'), d.size() - 1));
            if (d.size() > 6 || std::stol(d) > 32767) return neg ? "small" : "large";
            b = neg ? -std::stol(d) : std::stol(d);
            return b < 2 ? "small" : "";
        };
        std::string expected;
        long s = 0, t = 0;
        const std::string sr = baseOf(source, s), tr = baseOf(target, t);
        const std::string what = number + " (" + source + ") -> " + target;
        if (sr == "whole" || (sr.empty() && tr == "whole")) expected = "!进制必须是整数";
        else if (sr == "small") expected = "!原数的进制必须不小于2";
        else if (sr == "large") expected = "!溢出";
        else if (tr == "small") expected = "!目标进制必须不小于2";
        else if (tr == "large") expected = "!溢出";
        else {
            std::string u = number;
            while (!u.empty() && u.front() == ' ') u.erase(0, 1);
            while (!u.empty() && u.back() == ' ') u.pop_back();
            const bool neg = !u.empty() && u[0] == '-';
            const std::string d = neg ? u.substr(1) : u;
            bool digitsOk = !(neg && d.empty());
            for (char c : d) {
                const size_t v = letters.find(c);
                digitsOk = digitsOk && v != std::string::npos && static_cast<long>(v % 36 + (v >= 36 ? 10 : 0)) < s;
            }
            if (!digitsOk) expected = "!原数含有该进制以外的数字";
            else {
                mpz_set_ui(value, 0);
                for (char c : d) {
                    const size_t v = letters.find(c);
                    mpz_mul_ui(value, value, static_cast<unsigned long>(s));
                    mpz_add_ui(value, value, v < 36 ? v : v - 26);
                }
                if (neg) mpz_neg(value, value);
                if (mpz_cmp_si(value, -2147483648L) < 0 || mpz_cmp_si(value, 2147483647L) > 0) expected = "!溢出";
                else {
                    std::string out;
                    mpz_abs(q, value);
                    do {
                        const unsigned long digit = mpz_fdiv_qr_ui(q, rem, q, static_cast<unsigned long>(t));
                        std::string one = t <= 36 ? std::string(1, letters[digit]) : std::to_string(digit);
                        out = t > 36 && !out.empty() ? one + " " + out : one + out;
                    } while (mpz_sgn(q) != 0);
                    expected = "结果为:" + std::string(mpz_sgn(value) < 0 ? "-" : "") + out;
                }
            }
        }
        testing_support::RecordingMessages m;
        const auto caption = calc::Command9_Click(number, source, target, m);
        if (expected[0] == '!') {
            ASSERT_FALSE(caption.has_value()) << what << " gave " << *caption;
            ASSERT_EQ(m.messages.size(), 1u) << what;
            ASSERT_EQ("!" + m.messages[0].prompt, expected) << what;
        } else {
            ASSERT_TRUE(m.messages.empty()) << what << ": " << m.messages[0].prompt;
            ASSERT_EQ(caption.value_or(""), expected) << what;
        }
    }
    mpz_clears(value, q, rem, nullptr);
}

}  // namespace
