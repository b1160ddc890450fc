// The expression evaluator: values, grouping, signs, functions and errors.

#include "eval/command.h"
#include "tests/recording_messages.h"
#include "eval/evaluate.h"
#include "runtime/convert.h"
#include "runtime/elementary.h"
#include "runtime/error.h"

#include <gtest/gtest.h>

#include "tests/random_text.h"
#include "tests/test_names.h"

#include <bit>
#include <cmath>
#include <climits>
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
    ValueCase{"3*-2", -6}, ValueCase{"--5", 5}, ValueCase{"+-+5", -5},
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
    ValueCase{"sin(0)", 0}, ValueCase{"tan(0)", 0}, ValueCase{"0^9", 0},
    ValueCase{"8.239^&H8000", 0}, ValueCase{"0.5^2000", 0}, ValueCase{"-0^3", -0.0f},
    ValueCase{"sin(-0)", -0.0f}, ValueCase{"0*-1", -0.0f}, ValueCase{"-sin(0)", -0.0f}),
    caseName<ValueCase>);

INSTANTIATE_TEST_SUITE_P(EmptyOperands, EvaluatesTo, testing::Values(
    ValueCase{"", 0}, ValueCase{"   ", 0}, ValueCase{"1 + 2", 3}, ValueCase{"  (1)  ", 1}),
    caseName<ValueCase>);

// A number's exponent keeps its sign, so every number the program writes
// reads back; a "+" or "-" after anything else still splits.
INSTANTIATE_TEST_SUITE_P(SignedExponents, EvaluatesTo, testing::Values(
    ValueCase{"1e-5", 1e-5f}, ValueCase{"1E+16*10", 1e17f}, ValueCase{"-1e-5", -1e-5f},
    ValueCase{"1.74532925199433E-02", 1.74532925199433E-02f}, ValueCase{"2e-3-1e-3", 2e-3f - 1e-3f},
    ValueCase{"3*2e-1", 3 * 0.2f}, ValueCase{"(1e-1)", 0.1f}, ValueCase{"1,000e-3", 1},
    ValueCase{".5e+1", 5}, ValueCase{"sin(1.74532925199433E-02)", static_cast<float>(std::sin(static_cast<double>(1.74532925199433E-02f)))},
    ValueCase{"&HE+1", 15}, ValueCase{"&H1E-1", 29}),
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
    constantError("sin()", "sin()"), constantError("1e-", "1e-"), constantError("x1e-5", "x1e"),
    constantError("1 2", "1 2"), constantError("1e39", "1e39", 6),
    constantError("sin (1)", "sin (1)"), constantError("2*x", "x"),
    constantError("1(2)", "1(2)"), constantError("(1)2", "(1)2"),
    constantError("3+4e", "4e"), constantError("1 e-5", "1 e")),
    caseName<ErrorCase>);

ErrorCase missingOperand(const std::string& expression, const std::string& level) {
    return {expression, 13, kEval, "表达式不完整,缺少运算数: '" + level + "'"};
}

// An operator, a sign, parentheses or a function without its operand; the
// text quoted is that of the level that misses it.
INSTANTIATE_TEST_SUITE_P(MissingOperands, RaisesError, testing::Values(
    missingOperand("5*", "5*"), missingOperand("*2", "*2"), missingOperand("()", "()"),
    missingOperand("-", "-"), missingOperand(" + ", "+"), missingOperand("2**3", "2*"),
    missingOperand("5+", "5+"), missingOperand("2^^3", "2^"), missingOperand("3*(4+)", "4+"),
    missingOperand("( )", "( )"), missingOperand("2^", "2^"), missingOperand("^.5", "^.5"),
    missingOperand("sin( )", "sin( )"), missingOperand("1+sqr(  )", "sqr(  )"),
    missingOperand("x*", "x*"), constantError("*x", "x"), missingOperand("7%", "7%"),
    missingOperand("\\7", "\\7"), missingOperand("1-(-)", "-")),
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
    testing_support::RecordingMessages messages;
    EXPECT_EQ(eval::evaluateCommand("10^39", messages), "");
    EXPECT_EQ(eval::evaluateCommand("x*9^99", messages), "");
    EXPECT_EQ(eval::evaluateCommand("1/9^99", messages), "结果是:  0");
    EXPECT_EQ(messages.messages, (std::vector<testing_support::Message>{{"溢出", "Qorvi计算器"},
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

// --- Against the rules, read as written --------------------------------------
// An oracle that follows the evaluator's rules step by step, rescanning each
// level as the rules say (the product finds every split in one scan), with
// the operand rules: an empty operand is an error of its level, and a sign
// right after a number's "E" belongs to the number.

struct Outcome {
    bool error = false;
    float value = 0;
    std::string description;
    bool operator==(const Outcome& o) const {
        return error == o.error && (error ? description == o.description
                                          : std::bit_cast<uint32_t>(value) == std::bit_cast<uint32_t>(o.value));
    }
};

std::string trimmed(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool startsNumberBefore(const std::string& e, size_t ePos) {
    bool digit = false;
    for (size_t j = ePos; j-- > 0;) {
        if (e[j] >= '0' && e[j] <= '9') digit = true;
        else if (e[j] != '.' && e[j] != ',') return digit && std::string(" (^*/\\%+-").find(e[j]) != std::string::npos;
    }
    return digit;
}

RuntimeError fault(int32_t n) { return RuntimeError(n); }

float tested(double v) {
    if (std::isnan(v)) throw fault(6);
    return runtime::roundToSingle(v);
}

// Powers and functions are not tested for the single range.
float untested(float v) {
    if (std::isnan(v)) throw fault(6);
    return v;
}

float oracle(const std::string& text, bool top = false) {
    const std::string e = trimmed(text);
    const std::string missing = "表达式不完整,缺少运算数: '" + e + "'";
    if (e.empty()) {
        if (top) return 0;
        throw RuntimeError(13, kEval, missing);
    }
    int depth = 0, best = 11;
    size_t at = std::string::npos;
    bool unary = true;
    for (size_t i = 0; i < e.size(); ++i) {
        const char c = e[i];
        bool next = false;
        if (c == ' ') next = unary;
        else if (c == '(') ++depth, next = true;
        else if (c == ')') {
            if (--depth < 0) throw RuntimeError(eval::kTooManyClosing, kEval, "Too many )s in '" + e + "'");
        } else if (depth == 0 && std::string("^*/\\%+-").find(c) != std::string::npos) {
            const bool exponent = (c == '+' || c == '-') && i >= 2 && (e[i - 1] == 'e' || e[i - 1] == 'E') &&
                                  startsNumberBefore(e, i - 1);
            if (!exponent) {
                next = true;
                const int p = c == '^' ? 9 : c == '*' || c == '/' ? 8 : c == '\\' ? 6 : c == '%' ? 5 : unary ? 11 : 4;
                if (p < 11 && p <= best) best = p, at = i;
            }
        }
        unary = next;
    }
    if (depth != 0) throw RuntimeError(eval::kMissingClosing, kEval, "Missing ) in '" + e + "'");
    auto operand = [&](const std::string& t) {
        if (trimmed(t).empty()) throw RuntimeError(13, kEval, missing);
        return oracle(t);
    };
    if (at != std::string::npos) {
        const char op = e[at];
        const std::string l = e.substr(0, at), r = e.substr(at + 1);
        float a, b;
        if (op == '\\' || op == '%') a = operand(l), b = operand(r);
        else b = operand(r), a = operand(l);
        switch (op) {
        case '^': return untested(runtime::powerToSingle(a, b));
        case '*': return tested(static_cast<double>(a) * b);
        case '/':
            if (b == 0) throw fault(a != 0 ? 11 : 6);
            return tested(static_cast<double>(a) / b);
        case '+': return tested(static_cast<double>(a) + b);
        case '-': return tested(static_cast<double>(a) - b);
        default: {
            const int64_t x = runtime::toInt32(a), y = runtime::toInt32(b);
            if (y == 0) throw fault(11);
            const int64_t v = op == '\\' ? x / y : x % y;
            if (v > INT32_MAX) throw fault(6);
            return static_cast<float>(v);
        }
        }
    }
    if (e.front() == '(' && e.back() == ')') return operand(e.substr(1, e.size() - 2));
    if (e.front() == '-') return tested(-static_cast<double>(operand(e.substr(1))));
    if (e.front() == '+') return operand(e.substr(1));
    std::string head = e.substr(0, 4);
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (e.back() == ')' && e.size() > 5 && (head == "sin(" || head == "cos(" || head == "tan(" || head == "sqr(")) {
        const float x = operand(e.substr(4, e.size() - 5));
        if (head == "sqr(") {
            if (x < 0) throw fault(5);
            return untested(static_cast<float>(std::sqrt(static_cast<double>(x))));
        }
        const auto f = head == "sin(" ? runtime::Elementary::Sin : head == "cos(" ? runtime::Elementary::Cos : runtime::Elementary::Tan;
        return untested(runtime::functionToSingle(f, x));
    }
    try {
        return runtime::strictToSingle(e);
    } catch (const RuntimeError& err) {
        throw RuntimeError(err.number(), kEval, "Error evaluating '" + e + "' as a constant.");
    }
}

template <typename F>
Outcome outcomeOf(F&& f) {
    try {
        return {false, f(), ""};
    } catch (const RuntimeError& e) {
        return {true, 0, e.description()};
    }
}

TEST(AgainstOracle, EveryOperandRule) {
    testing_support::RandomText r(36006);
    const char* pieces[] = {"1", "2.5", "0", "7", "1e-5", "1E+2", "2e-", ".5", "1,5", "x", "(", ")", " ", "+", "-",
                            "*", "/", "\\", "%", "^", "sin(", "SQR(", "cos(", "tan(", "e", "&H1E", "9^99"};
    int values = 0, errors = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        for (int n = r.pick(0, 9); n > 0; --n) text += pieces[r.pick(0, static_cast<int>(std::size(pieces)) - 1)];
        const Outcome want = outcomeOf([&] { return oracle(text, true); });
        const Outcome got = outcomeOf([&] { return EvaluateExpr(text); });
        ASSERT_EQ(got, want) << "'" << text << "': " << (got.error ? got.description : std::to_string(got.value))
                             << " against " << (want.error ? want.description : std::to_string(want.value));
        (want.error ? errors : values) += 1;
    }
    EXPECT_GT(values, 10000);  // both outcomes well drawn
    EXPECT_GT(errors, 10000);
}

}  // namespace
