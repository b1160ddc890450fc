// The four-function calculator (key sequences with the display after each
// key), the trigonometric keys, the degree converter and base conversion.

#include "calc/base_conversion.h"
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
    runtime::RecordingMessages messages;
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
    runtime::RecordingMessages m;
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
    runtime::RecordingMessages m;
    auto key = [&](calc::TrigFunction f, const char* t) { return calc::trigKey(f, t, m).value_or("refused"); };
    EXPECT_EQ(key(calc::TrigFunction::Cos, "60"), "0.50");
    EXPECT_EQ(key(calc::TrigFunction::Tan, "45"), "0.999999999999998");
    EXPECT_EQ(key(calc::TrigFunction::Cos, ""), "1");
    EXPECT_EQ(key(calc::TrigFunction::Sin, ""), "0");
    EXPECT_EQ(key(calc::TrigFunction::Sin, "30"), "0.5");
    std::string tan90 = key(calc::TrigFunction::Tan, "90");
    double t = std::stod(tan90);
    EXPECT_GT(t, 1e14);
    EXPECT_LT(t, 1e16);
    for (auto [f, text] : {std::pair{calc::TrigFunction::Sin, "180"}, std::pair{calc::TrigFunction::Cos, "90"}}) {
        std::string tiny = key(f, text);
        EXPECT_NE(tiny.find("E-"), std::string::npos) << tiny;
        EXPECT_LT(std::abs(std::stod(tiny)), 1e-13);
    }
    EXPECT_TRUE(m.messages.empty());
    EXPECT_EQ(key(calc::TrigFunction::Sin, "x"), "refused");
    EXPECT_EQ(key(calc::TrigFunction::Sin, "1.2E-15"), "refused");
    EXPECT_EQ(key(calc::TrigFunction::Sin, std::string(400, '9').c_str()), "refused");
    ASSERT_EQ(m.messages.size(), 3u);
    EXPECT_EQ(m.messages[2].prompt, "溢出");
}

TEST(DegreeConverter, UntrimmedRadians) {
    runtime::RecordingMessages m;
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

TEST(BaseConversion, DigitsAsTheirDecimalNumbers) {
    const BaseCase cases[] = {
        {"255", "10", "16", "结果为:1515", nullptr},
        {"1010", "2", "10", "结果为:10", nullptr},
        {"", "10", "2", "结果为:", nullptr},
        {"abc", "10", "2", "结果为:", nullptr},
        {"0", "10", "0", "结果为:", nullptr},
        {"", "", "", "结果为:", nullptr},
        {"123", "0", "10", "结果为:3", nullptr},
        {"123", "1", "10", "结果为:6", nullptr},
        {"FF", "16", "10", "结果为:", nullptr},
        {"19", "2", "10", "结果为:11", nullptr},
        {"11", "2.5", "10", "结果为:3", nullptr},
        {"11", "16.5", "10", "结果为:17", nullptr},
        {"10", "3.5", "10", "结果为:4", nullptr},
        {"999999999", "10", "10", "结果为:999999999", nullptr},
        {"-5", "10", "10", "结果为:5", nullptr},
        {"1.5", "10", "10", "结果为:105", nullptr},
        {"7", "10", "2", "结果为:111", nullptr},
        {"100", "10", "7", "结果为:202", nullptr},
        {"255", "10", "2.5", "结果为:11111111", nullptr},
        {"1 0", "10", "10", "结果为:100", nullptr},
        // Negative source bases: alternating weights, digits without their signs.
        {"11", "-2", "10", "结果为:1", nullptr},
        {"101", "-2", "10", "结果为:5", nullptr},
        {"10", "-2", "10", "结果为:2", nullptr},
        {"110", "-2", "10", "结果为:2", nullptr},
        // Limits: refused with the label unchanged.
        {"1000000000", "10", "10", nullptr, "溢出"},
        {"1111111111111111111111111111111", "2", "10", nullptr, "溢出"},
        {"11111111", "16", "10", nullptr, "溢出"},
        {"1", "32768", "10", nullptr, "溢出"},
        {"1", "10", "-32769", nullptr, "溢出"},
        {"1", "1e400", "10", nullptr, "溢出"},
        {"5", "10", "1", nullptr, "目标进制必须不小于2"},
        {"5", "10", "0", nullptr, "目标进制必须不小于2"},
        {"5", "10", "-2", nullptr, "目标进制必须不小于2"},
        {"5", "10", "", nullptr, "目标进制必须不小于2"},
    };
    for (const BaseCase& c : cases) {
        runtime::RecordingMessages m;
        auto caption = calc::Command9_Click(c.number, c.source, c.target, m);
        if (c.caption) {
            EXPECT_EQ(caption.value_or("refused"), c.caption) << c.number << " " << c.source << " " << c.target;
            EXPECT_TRUE(m.messages.empty());
        } else {
            EXPECT_FALSE(caption.has_value()) << c.number << " " << c.source << " " << c.target;
            ASSERT_EQ(m.messages.size(), 1u) << c.number;
            EXPECT_EQ(m.messages[0], (runtime::Message{c.prompt, "Qorvi计算器"}));
        }
    }
}

TEST(BaseConversion, LongTextsWithBasesZeroAndOne) {
    runtime::RecordingMessages m;
    std::string nines(65535, '9');
    EXPECT_EQ(calc::Command9_Click(nines, "1", "10", m).value_or(""), "结果为:589815");
    EXPECT_EQ(calc::Command9_Click(nines, "0", "10", m).value_or(""), "结果为:9");
    EXPECT_EQ(calc::Command9_Click(nines, "-1", "10", m).value_or(""), "结果为:9");
    EXPECT_TRUE(m.messages.empty());
}

}  // namespace
