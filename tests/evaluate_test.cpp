// The expression evaluator: values, grouping, signs, functions and errors.

#include "eval/command.h"
#include "eval/evaluate.h"
#include "runtime/error.h"

#include <gtest/gtest.h>

#include "tests/test_names.h"

#include <cmath>
#include <limits>
#include <vector>
#include <string>

using eval::EvaluateExpr;
using runtime::RuntimeError;

namespace {

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
    return testnames::caseName(info.param.expression, info.index);
}

struct ValueCase {
    std::string expression;
    float value;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << '"' << c.expression << "\" -> " << c.value; }

class EvaluatesTo : public testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatesTo, Value) {
    const ValueCase& c = GetParam();
    const float value = EvaluateExpr(c.expression);
    EXPECT_EQ(value, c.value) << c.expression;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.expression;  // a zero's sign too
}

INSTANTIATE_TEST_SUITE_P(Grouping, EvaluatesTo, testing::Values(
    ValueCase{"2*(3+4)", 14}, ValueCase{"1-2-3", -4}, ValueCase{"2^3^2", 64},
    ValueCase{"8/4/2", 1}, ValueCase{"7%3*2", 1}, ValueCase{"7\\2*3", 1},
    ValueCase{"2+3*4", 14}, ValueCase{"10-2*3", 4}, ValueCase{"2*3^2", 18},
    ValueCase{"9\\2%3", 1}, ValueCase{"1+7%4", 4}, ValueCase{"(1+2)*(3+4)", 21},
    ValueCase{"((((5))))", 5}, ValueCase{"100/10/5*2", 4}),
    caseName<ValueCase>);

INSTANTIATE_TEST_SUITE_P(Signs, EvaluatesTo, testing::Values(
    ValueCase{"-2^2", 4}, ValueCase{"2^-1", 0.5f}, ValueCase{"2--3", 5},
    ValueCase{"-(1+2)", -3}, ValueCase{"+5", 5}, ValueCase{"(1+2)-3", 0},
    ValueCase{"sin(0)+1", 1}, ValueCase{"- 5", -5}, ValueCase{"2 - -3", 5},
    ValueCase{"3*-2", -6}, ValueCase{"-", -0.0f}, ValueCase{"--5", 5}, ValueCase{"+-+5", -5},
    ValueCase{"2*(-3)", -6}, ValueCase{"(-3)*2", -6}, ValueCase{"(2)-(-3)", 5}),
    caseName<ValueCase>);

INSTANTIATE_TEST_SUITE_P(IntegerOperators, EvaluatesTo, testing::Values(
    ValueCase{"-7%3", -1}, ValueCase{"7%-3", 1}, ValueCase{"7.5\\2", 4}, ValueCase{"2.5%2", 0},
    ValueCase{"6.5\\2", 3}, ValueCase{"-7\\2", -3}, ValueCase{"3.5%2", 0}),
    caseName<ValueCase>);

INSTANTIATE_TEST_SUITE_P(FunctionsAndConstants, EvaluatesTo, testing::Values(
    ValueCase{"SIN(0)", 0}, ValueCase{"sqr(16)", 4}, ValueCase{"Sqr(2)", std::sqrt(2.f)},
    ValueCase{"cos(0)", 1}, ValueCase{"tan(0)", 0}, ValueCase{"sin(1)", static_cast<float>(std::sin(1.0))},
    ValueCase{"sqr(sqr(256))", 4}, ValueCase{"1e5", 100000}, ValueCase{"1,000", 1000},
    ValueCase{"2-2.01", 2.f - 2.01f}, ValueCase{"0.1+0.2", 0.1f + 0.2f},
    ValueCase{"TAN(1)", static_cast<float>(std::tan(1.0))}, ValueCase{"COS(0)", 1}),
    caseName<ValueCase>);

// Exact zeros: + from sines, tangents and powers of zero or underflowing
// powers of a positive base; - only where IEEE arithmetic gives it.
INSTANTIATE_TEST_SUITE_P(Zeros, EvaluatesTo, testing::Values(
    ValueCase{"sin(0)", 0}, ValueCase{"tan(0)", 0}, ValueCase{"0^9", 0}, ValueCase{"^.5", 0},
    ValueCase{"8.239^&H8000", 0}, ValueCase{"0.5^2000", 0}, ValueCase{"-0^3", -0.0f},
    ValueCase{"sin(-0)", -0.0f}, ValueCase{"0*-1", -0.0f}, ValueCase{"-sin(0)", -0.0f}),
    caseName<ValueCase>);

INSTANTIATE_TEST_SUITE_P(EmptyOperands, EvaluatesTo, testing::Values(
    ValueCase{"", 0}, ValueCase{"   ", 0}, ValueCase{"5*", 0}, ValueCase{"5+", 5},
    ValueCase{"()", 0}, ValueCase{"1 + 2", 3}, ValueCase{"  (1)  ", 1}, ValueCase{"*5", 0},
    ValueCase{"( )", 0}, ValueCase{"2^", 1}),
    caseName<ValueCase>);

TEST(EvaluateExpr, SingleArithmeticShowsItsRoundingNoise) {
    float v = EvaluateExpr("2-2.01");
    EXPECT_NEAR(v, -0.0099999905, 1e-10);
    EXPECT_NE(v, -0.01f);
}

struct ErrorCase {
    std::string expression;
    int32_t number;
    std::string source;
    std::string description;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << '"' << c.expression << "\" -> error " << c.number; }

class RaisesError : public testing::TestWithParam<ErrorCase> {};

TEST_P(RaisesError, NumberSourceAndDescription) {
    const ErrorCase& c = GetParam();
    try {
        float v = EvaluateExpr(c.expression);
        ADD_FAILURE() << c.expression << " gave " << v;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), c.number) << c.expression;
        EXPECT_EQ(e.source(), c.source) << c.expression;
        EXPECT_EQ(e.description(), c.description) << c.expression;
    }
}

const std::string kRuntime = runtime::kRuntimeSource;
const std::string kEval = "EvaluateExpr";

ErrorCase constantError(const std::string& expression, const std::string& leaf, int32_t number = 13) {
    return {expression, number, kEval, "Error evaluating '" + leaf + "' as a constant."};
}

INSTANTIATE_TEST_SUITE_P(Parentheses, RaisesError, testing::Values(
    ErrorCase{"((1)", eval::kMissingClosing, kEval, "Missing ) in '((1)'"},
    ErrorCase{" (1))", eval::kTooManyClosing, kEval, "Too many )s in '(1))'"},
    ErrorCase{"2*(3+4", eval::kMissingClosing, kEval, "Missing ) in '2*(3+4'"},
    ErrorCase{")(", eval::kTooManyClosing, kEval, "Too many )s in ')('"},
    ErrorCase{"())((", eval::kTooManyClosing, kEval, "Too many )s in '())(('"},
    ErrorCase{"sin(1)(2)", eval::kTooManyClosing, kEval, "Too many )s in '1)(2'"},
    ErrorCase{"(1)(2)", eval::kTooManyClosing, kEval, "Too many )s in '1)(2'"},
    ErrorCase{"( 1) (2 )", eval::kTooManyClosing, kEval, "Too many )s in '1) (2'"},
    ErrorCase{"5+(1)(2)", eval::kTooManyClosing, kEval, "Too many )s in '1)(2'"}),
    caseName<ErrorCase>);

INSTANTIATE_TEST_SUITE_P(Constants, RaisesError, testing::Values(
    constantError("sin(pi)", "pi"), constantError("abs(1)", "abs(1)"),
    constantError("sin()", "sin()"), constantError("1e-5", "1e"),
    constantError("1 2", "1 2"), constantError("1e39", "1e39", 6),
    constantError("sin (1)", "sin (1)"), constantError("2*x", "x"),
    constantError("1(2)", "1(2)"), constantError("(1)2", "(1)2"),
    constantError("3+4e", "4e")),
    caseName<ErrorCase>);

INSTANTIATE_TEST_SUITE_P(Arithmetic, RaisesError, testing::Values(
    ErrorCase{"1/0", 11, kRuntime, "除数为零"}, ErrorCase{"0/0", 6, kRuntime, "溢出"},
    ErrorCase{"1\\0", 11, kRuntime, "除数为零"}, ErrorCase{"5%0.4", 11, kRuntime, "除数为零"},
    ErrorCase{"sqr(-1)", 5, kRuntime, "无效的过程调用或参数"},
    ErrorCase{"(-8)^0.5", 5, kRuntime, "无效的过程调用或参数"},
    ErrorCase{"3e38*10", 6, kRuntime, "溢出"}, ErrorCase{"3e38+3e38", 6, kRuntime, "溢出"},
    ErrorCase{"-3e38-3e38", 6, kRuntime, "溢出"}, ErrorCase{"1/0.00000000000000000001/0.00000000000000000001", 6, kRuntime, "溢出"},
    ErrorCase{"3e9\\2", 6, kRuntime, "溢出"},
    ErrorCase{"0^-1", 5, kRuntime, "无效的过程调用或参数"}),
    caseName<ErrorCase>);

// The operand evaluated first decides which error wins.
INSTANTIATE_TEST_SUITE_P(EvaluationOrder, RaisesError, testing::Values(
    constantError("a*b", "b"), constantError("a/b", "b"), constantError("a+b", "b"),
    constantError("a-b", "b"), constantError("a^b", "b"), constantError("a\\b", "a"),
    constantError("a%b", "a"), constantError("(1/0)*x", "x"),
    ErrorCase{"x*(1/0)", 11, kRuntime, "除数为零"},
    ErrorCase{"(1/0)\\x", 11, kRuntime, "除数为零"},
    constantError("sqr(-1)+y", "y")),
    caseName<ErrorCase>);

// A power beyond the single range is not tested at the power: the infinity
// goes on, and which error wins follows the order of evaluation.
INSTANTIATE_TEST_SUITE_P(InfinitePowers, RaisesError, testing::Values(
    constantError("x*9^99", "x"), constantError("9^99\\x", "x"), constantError("9^99%x", "x"),
    ErrorCase{"sqr(-1)-9^99", 5, kRuntime, "无效的过程调用或参数"},
    ErrorCase{"9^99-9^99", 6, kRuntime, "溢出"}, ErrorCase{"9^99*2", 6, kRuntime, "溢出"},
    ErrorCase{"2+9^99", 6, kRuntime, "溢出"}, ErrorCase{"9^99/2", 6, kRuntime, "溢出"},
    ErrorCase{"0*9^99", 6, kRuntime, "溢出"}, ErrorCase{"-(9^99)", 6, kRuntime, "溢出"},
    ErrorCase{"--(9^99)", 6, kRuntime, "溢出"}, ErrorCase{"9^99\\2", 6, kRuntime, "溢出"},
    ErrorCase{"sin(9^99)", 6, kRuntime, "溢出"}),
    caseName<ErrorCase>);

TEST(EvaluateExpr, InfinitePowersGoOnUntested) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(EvaluateExpr("9^99"), inf);
    EXPECT_EQ(EvaluateExpr("10^39"), inf);
    EXPECT_EQ(EvaluateExpr("(-9)^99"), -inf);
    EXPECT_EQ(EvaluateExpr("+(9^99)"), inf);
    EXPECT_EQ(EvaluateExpr("sqr(9^99)"), inf);
    EXPECT_EQ(EvaluateExpr("(9^99)^2"), inf);
    EXPECT_EQ(EvaluateExpr("1/9^99"), 0.0f);
    EXPECT_EQ(EvaluateExpr("1/sqr(9^99)"), 0.0f);
    EXPECT_EQ(EvaluateExpr("5+1/10^39"), 5.0f);
    EXPECT_EQ(EvaluateExpr("(9^99)^0"), 1.0f);  // IEEE: any power to 0 is 1
    // The largest single and the power just below the range are finite.
    EXPECT_EQ(EvaluateExpr("2^127"), 0x1p127f);
    EXPECT_EQ(EvaluateExpr("2^128"), inf);
}

TEST(EvaluateCommand, AFinalInfinityIsAnOverflow) {
    runtime::RecordingMessages messages;
    EXPECT_EQ(eval::evaluateCommand("10^39", messages), "");
    EXPECT_EQ(eval::evaluateCommand("x*9^99", messages), "");
    EXPECT_EQ(eval::evaluateCommand("1/9^99", messages), "结果是:  0");
    EXPECT_EQ(messages.messages, (std::vector<runtime::Message>{{"溢出", "Qorvi计算器"},
                                                                {"Error evaluating 'x' as a constant.", "Qorvi计算器"}}));
}

TEST(EvaluateExpr, LengthLimit) {
    std::string ok(32766, '1');
    EXPECT_THROW(
        {
            try {
                EvaluateExpr(ok);
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.number(), 6);  // a 32766-digit constant is beyond the single range
                EXPECT_EQ(e.source(), kEval);
                throw;
            }
        },
        RuntimeError);

    std::string tooLong(32767, '0');
    try {
        EvaluateExpr(tooLong);
        ADD_FAILURE() << "32767 characters were accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.source(), kRuntime);
        EXPECT_EQ(e.description(), "溢出");
    }
    // Blanks around the text do not count.
    EXPECT_EQ(EvaluateExpr("  " + std::string(32766, '0') + "  "), 0);
}

TEST(EvaluateExpr, DeepShapesDoNotExhaustTheStack) {
    std::string nested = std::string(16000, '(') + "7" + std::string(16000, ')');
    EXPECT_EQ(EvaluateExpr(nested), 7);

    std::string minuses = std::string(32000, '-') + "3";
    EXPECT_EQ(EvaluateExpr(minuses), 3);
    EXPECT_EQ(EvaluateExpr("-" + minuses), -3);

    std::string sines;
    for (int i = 0; i < 6500; ++i) sines += "sin(";
    sines += "0" + std::string(6500, ')');
    EXPECT_EQ(EvaluateExpr(sines), 0);

    std::string sum = "1";
    for (int i = 1; i < 16000; ++i) sum += "+1";
    EXPECT_EQ(EvaluateExpr(sum), 16000);

    std::string powers = "1";
    for (int i = 1; i < 10000; ++i) powers += "^1";
    EXPECT_EQ(EvaluateExpr(powers), 1);

    std::string rightNested;
    for (int i = 0; i < 8000; ++i) rightNested += "1+(";
    rightNested += "1" + std::string(8000, ')');
    EXPECT_EQ(EvaluateExpr(rightNested), 8001);
}

TEST(EvaluateExpr, ErrorsQuoteTheLevelThatRaisedThem) {
    try {
        EvaluateExpr("1+(2*(3+x))");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.description(), "Error evaluating 'x' as a constant.");
    }
    try {
        EvaluateExpr("1+( 5 )(6)");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.description(), "Too many )s in '5 )(6'");
    }
}

TEST(EvaluateExpr, NonAsciiTextIsAConstantError) {
    try {
        EvaluateExpr("１+2");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_EQ(e.description(), "Error evaluating '１' as a constant.");
    }
}

}  // namespace
