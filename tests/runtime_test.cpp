// Conversion and formatting rules of the runtime, table by table.

#include "runtime/convert.h"
#include "tests/recording_messages.h"
#include "runtime/error.h"
#include "runtime/format.h"
#include "runtime/message_sink.h"
#include "runtime/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace runtime;

namespace {

template <typename F>
int errorNumberOf(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

struct DoubleText {
    double value;
    const char* text;
};

TEST(GeneralText, DoubleFifteenDigits) {
    const DoubleText cases[] = {
        {1e15, "1E+15"},
        {1e14, "100000000000000"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {0.0001, "0.0001"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {3.0000000000000004, "3"},
        {-1234.5678, "-1234.5678"},
        {2 - 2.01, "-9.99999999999979E-03"},
        {1e20, "1E+20"},
        {1e-300, "1E-300"},
        {-0.0, "0"},
        {0.0, "0"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {1000000000000005.0, "1.00000000000001E+15"},  // a true tie goes away from zero
        {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E+16"},
        {0.000123456789012345, "1.23456789012345E-04"},
        {0.00012345678901234, "1.2345678901234E-04"},
        {0.012345678901234, "0.012345678901234"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
        {5e-324, "4.94065645841247E-324"},
        {1.5707963267949, "1.5707963267949"},
        {57.2957795130824, "57.2957795130824"},
    };
    for (const auto& c : cases) EXPECT_EQ(generalText(c.value), c.text) << c.value;
}

// Exponents below ten in magnitude take a leading zero; ten and beyond do
// not ("1E+09", "1E+10", "1E-10").
TEST(GeneralText, ExponentDigitsAroundTen) {
    EXPECT_EQ(generalText(1e9f), "1E+09");
    EXPECT_EQ(generalText(1e10f), "1E+10");
    EXPECT_EQ(generalText(-2.5e10f), "-2.5E+10");
    EXPECT_EQ(generalText(1e-9f), "1E-09");
    EXPECT_EQ(generalText(1e-10f), "1E-10");
    EXPECT_EQ(generalText(1.23456789012345e-9), "1.23456789012345E-09");
    EXPECT_EQ(generalText(1.23456789012345e-10), "1.23456789012345E-10");
    EXPECT_EQ(signBlankText(1.23456789012345e-10), " 1.23456789012345E-10");
}

struct SingleText {
    float value;
    const char* text;
};

TEST(GeneralText, SingleSevenDigits) {
    float tenth = 0;
    for (int i = 0; i < 10; ++i) tenth += 0.01f;
    const SingleText cases[] = {
        {0.1f, "0.1"},
        {1234567.f, "1234567"},
        {12345678.f, "1.234568E+07"},
        {1234567.8f, "1234568"},
        {16777217.f, "1.677722E+07"},
        {3.14159265f, "3.141593"},
        {1e7f, "1E+07"},
        {654322.25f, "654322.3"},
        {tenth, "9.999999E-02"},
        {2.f - 2.01f, "-9.99999E-03"},
        {1.f / 3, "0.3333333"},
        {14.f, "14"},
        {0.5f, "0.5"},
        {std::numeric_limits<float>::max(), "3.402823E+38"},
    };
    for (const auto& c : cases) EXPECT_EQ(generalText(c.value), c.text) << c.value;
}

TEST(GeneralText, InfinityIsAnOverflow) {
    EXPECT_EQ(errorNumberOf([] { generalText(std::numeric_limits<double>::infinity()); }), 6);
    EXPECT_EQ(errorNumberOf([] { generalText(std::nanf("")); }), 6);
}

TEST(SignBlankText, Numbers) {
    const DoubleText cases[] = {
        {0.5, " .5"},     {-0.5, "-.5"}, {0, " 0"},       {459.001, " 459.001"},
        {1e15, " 1E+15"}, {-0.25, "-.25"}, {6, " 6"},     {-4.1888, "-4.1888"},
        {15, " 15"},      {-0.0, " 0"},  {1e-5, " .00001"},
    };
    for (const auto& c : cases) EXPECT_EQ(signBlankText(c.value), c.text) << c.value;
}

TEST(SignBlankText, TextIsReadAsANumberFirst) {
    EXPECT_EQ(signBlankText(std::string_view("6.")), " 6");
    EXPECT_EQ(signBlankText(std::string_view("0.7854")), " .7854");
    EXPECT_EQ(signBlankText(std::string_view("-4.1888")), "-4.1888");
    EXPECT_EQ(errorNumberOf([] { signBlankText(std::string_view("x")); }), 13);
}

struct PrefixCase {
    const char* text;
    double value;
};

TEST(LeadingNumericPrefix, ReadsTheNumberAtTheStart) {
    const PrefixCase cases[] = {
        {"1 2 3", 123},     {"  -3.5abc", -3.5}, {"+5", 5},         {"", 0},
        {".", 0},           {"-", 0},            {"1.2.3", 1.2},    {"1-2", 1},
        {"1e", 1},          {"1D2", 100},        {"1.5E-3", 0.0015}, {"&H10", 16},
        {"&HFFFF", -1},     {"&O17", 15},        {"1,000", 1},      {"\t1\r\n2", 12},
        {"abc", 0},         {"-.5", -0.5},       {"5.", 5},         {"007", 7},
        {"1e+", 1},         {"2e-1x", 0.2},      {"&H7FFFFFFF", 2147483647.0},
        {"&HFFFFFFFF", -1}, {"&H10000", 65536},  {"&Hxyz", 0},      {"1e-400", 0},
        {"00000.000001", 0.000001},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumericPrefix(c.text), c.value) << c.text;
}

TEST(LeadingNumericPrefix, ReadsLongDigitStringsWithCorrectRounding) {
    std::string digits(400, '0');
    digits[0] = '1';
    digits = "0." + digits;  // 0.1000...
    EXPECT_DOUBLE_EQ(leadingNumericPrefix(digits), 0.1);
    EXPECT_DOUBLE_EQ(leadingNumericPrefix("9007199254740993"), 9007199254740992.0);
}

TEST(LeadingNumericPrefix, BeyondTheDoubleRangeIsAnOverflow) {
    EXPECT_EQ(errorNumberOf([] { leadingNumericPrefix("1e400"); }), 6);
    EXPECT_EQ(errorNumberOf([] { leadingNumericPrefix(std::string(400, '9')); }), 6);
    EXPECT_EQ(errorNumberOf([] { leadingNumericPrefix("&H123456789"); }), 6);
    EXPECT_EQ(errorNumberOf([] { leadingNumericPrefix("1e99999999999999999999"); }), 6);
}

struct StrictCase {
    const char* text;
    float value;
    int error;
};

template <size_t N>
void expectStrictSingles(const StrictCase (&cases)[N]) {
    for (const auto& c : cases) {
        int error = errorNumberOf([&] { EXPECT_EQ(strictToSingle(c.text), c.value) << c.text; });
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(StrictToSingle, WholeTextMustBeANumber) {
    const StrictCase cases[] = {
        {" 12 ", 12, 0},     {"1e5", 100000, 0}, {"1,000", 1000, 0}, {"&H10", 16, 0},
        {"5-", -5, 0},       {"", 0, 13},        {".", 0, 13},       {"-", 0, 13},
        {"1e", 0, 13},       {"1.2.3", 0, 13},   {"abc", 0, 13},     {"1 2", 0, 13},
        {"1e39", 0, 6},      {"2.01", 2.01f, 0}, {".5", 0.5f, 0},    {"5.", 5, 0},
        {"-1e-50", 0, 0},    {"1E+2", 100, 0},   {"+5", 5, 0},       {",5", 0, 13},
        {"-5-", 0, 13},      {"pi", 0, 13},      {"sin()", 0, 13},   {"1e-5x", 0, 13},
        {"3.4028235e38", std::numeric_limits<float>::max(), 0},
        {"&HFFFF", -1, 0},   {"&O", 0, 13},      {"\t5", 0, 13},
    };
    expectStrictSingles(cases);
}

// "&H" and "&O" take digits of either letter case and stop at the first
// digit beyond their base; the strict rule refuses such a digit.
TEST(RadixPrefixes, LetterCaseAndDigitsBeyondTheBase) {
    const PrefixCase prefix[] = {
        {"&hff", 255},  {"&HFF", 255},  {"&HfF", 255}, {"&hAb", 171}, {"&o17", 15},
        {"&O78", 7},    {"&O8", 0},     {"&H1G", 1},   {"&O19", 1},   {"&HG", 0},
    };
    for (const auto& c : prefix) EXPECT_DOUBLE_EQ(leadingNumericPrefix(c.text), c.value) << c.text;

    const StrictCase strict[] = {
        {"&hff", 255, 0}, {"&Hab", 171, 0}, {"&HAB", 171, 0}, {"&o17", 15, 0},
        {"&O78", 0, 13},  {"&O8", 0, 13},   {"&H1G", 0, 13},  {"&O19", 0, 13},
    };
    expectStrictSingles(strict);
}

TEST(StrictToSingle, TinyNumbersUnderflowToZero) {
    std::string tiny = "0." + std::string(58, '0') + "40970985";  // 4.1E-59
    EXPECT_EQ(strictToSingle(tiny), 0.0f);
    EXPECT_GT(strictToDouble(tiny), 0.0);
    EXPECT_EQ(strictToSingle("1e-45"), std::numeric_limits<float>::denorm_min());
}

TEST(StrictToSingle, RoundsStraightToSingle) {
    // 16777217 lies half-way between two singles; the nearest even wins.
    EXPECT_EQ(strictToSingle("16777217"), 16777216.f);
    EXPECT_EQ(strictToSingle("0.1"), 0.1f);
}

TEST(StrictToDouble, UsesTheDoubleRange) {
    EXPECT_DOUBLE_EQ(strictToDouble("1e39"), 1e39);
    EXPECT_EQ(errorNumberOf([] { strictToDouble("1e309"); }), 6);
    EXPECT_EQ(errorNumberOf([] { strictToDouble("x1"); }), 13);
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* text;
};

TEST(FormatPattern, DecimalPlacesPatterns) {
    const PatternCase cases[] = {
        {2, "0.####", "2."},
        {0.78539816, "0.####", "0.7854"},
        {1.005, "0.##", "1.01"},
        {0.125, "0.##", "0.13"},
        {2.5, "0.", "3."},
        {-1.57, "0.##", "-1.57"},
        {1.0 / 3, "0.####################", "0.333333333333333"},
        {0.5, "0.", "1."},
        {0.4, "0.", "0."},
        {0.00004, "0.####", "0."},
        {0.00005, "0.####", "0.0001"},
        {9.99995, "0.####", "10."},
        {6.283185307178, "0.##", "6.28"},
        {1e20, "0.####", "100000000000000000000."},
        {1234567890123456.0, "0.#", "1234567890123460."},
        {1e-300, "0.####", "0."},
        {0, "0.####", "0."},
        {12.5664, "0.####", "12.5664"},
        {4347.45654296875, "0.####", "4347.4565"},
        {0.5, "", "0.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatPattern, SinglesUseTheirSevenDigitText) {
    EXPECT_EQ(formatPattern(4347.4567f, "0.####"), "4347.457");
    EXPECT_EQ(formatPattern(0.1f, "0.##########"), "0.1");
    EXPECT_EQ(formatPattern(3.14159274f, "0.##"), "3.14");  // the pattern's places, not the general text
    EXPECT_EQ(formatPattern(2.0f, "0.##"), "2.");
}

TEST(FormatPattern, ThousandsOfPlacesAddNothingBeyondTheDigits) {
    std::string pattern = "0." + std::string(32766, '#');
    EXPECT_EQ(formatPattern(1.0 / 3, pattern), "0.333333333333333");
    EXPECT_EQ(formatPattern(1e-300, pattern), "0." + std::string(299, '0') + "1");
    EXPECT_EQ(formatPattern(7.0, pattern), "7.");
}

TEST(FormatPattern, OtherPatternsAreRejected) {
    EXPECT_THROW(formatPattern(1.0, "#.00"), std::invalid_argument);
    EXPECT_THROW(formatPattern(1.0, "0.#0"), std::invalid_argument);
}

struct IntegerCase {
    double value;
    int32_t result;
};

TEST(IntegerConversion, NearestWithHalfToEven) {
    const IntegerCase cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-1.5, -2}, {-2.5, -2}, {-0.5, 0},
        {2.4999, 2}, {2.5001, 3}, {2147483647.49, 2147483647}, {-2147483648.5, INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(toInt32(c.value), c.result) << c.value;
}

TEST(IntegerConversion, RangesAreHalfOpen) {
    EXPECT_EQ(toInt16(32767.49), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(errorNumberOf([] { toInt16(32767.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt16(-32768.51); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt32(2147483647.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt32(-2147483648.51); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt32(std::nan("")); }), 6);
    EXPECT_EQ(toByte(255.49), 255);
    EXPECT_EQ(toByte(-0.5), 0);
    EXPECT_EQ(errorNumberOf([] { toByte(255.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { toByte(-0.51); }), 6);
}

TEST(RoundToSingle, OverflowBeyondTheSingleRange) {
    EXPECT_EQ(roundToSingle(0.1), 0.1f);
    EXPECT_EQ(roundToSingle(3.40282350e38), std::numeric_limits<float>::max());
    EXPECT_EQ(errorNumberOf([] { roundToSingle(3.4028235677973366e38); }), 6);  // the tie goes up
    EXPECT_EQ(errorNumberOf([] { roundToSingle(3.5e38); }), 6);
    EXPECT_EQ(errorNumberOf([] { roundToSingle(-1e300); }), 6);
}

TEST(Power, NegativeBaseNeedsAWholeExponent) {
    EXPECT_DOUBLE_EQ(power(2, 10), 1024);
    EXPECT_DOUBLE_EQ(power(-2, 3), -8);
    EXPECT_DOUBLE_EQ(power(2, -1), 0.5);
    EXPECT_DOUBLE_EQ(power(4, 0.5), 2);
    EXPECT_EQ(errorNumberOf([] { power(-8, 1.0 / 3); }), 5);
    EXPECT_EQ(errorNumberOf([] { power(0, -1); }), 5);
}

TEST(RuntimeErrors, DescriptionsInTheInterfaceLanguage) {
    EXPECT_EQ(RuntimeError(5).description(), "无效的过程调用或参数");
    EXPECT_EQ(RuntimeError(6).description(), "溢出");
    EXPECT_EQ(RuntimeError(7).description(), "内存不足");
    EXPECT_EQ(RuntimeError(9).description(), "下标越界");
    EXPECT_EQ(RuntimeError(11).description(), "除数为零");
    EXPECT_EQ(RuntimeError(13).description(), "类型不匹配");
    EXPECT_EQ(RuntimeError(6).source(), kApplicationTitle);
}

TEST(Utf16Length, CountsCharactersAsTheWindowsDo) {
    EXPECT_EQ(utf16Length(""), 0u);
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("数据非法"), 4u);
    EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2u);  // outside the basic plane
}

}  // namespace
