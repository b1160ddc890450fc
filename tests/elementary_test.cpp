// The elementary functions against an oracle of 256 bits: every result is
// the exact value rounded once to double, and the single-precision paths
// round that double, whether they take the C library's value or not.

#include "calc/trig.h"
#include "tests/recording_messages.h"
#include "geometry/geometry.h"
#include "runtime/convert.h"
#include "runtime/elementary.h"

#include <gtest/gtest.h>

#include "tests/draw.h"
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <utility>

using runtime::Elementary;

namespace {

// f(x) or x^y at 256 bits, rounded to the nearest double. Away from exact
// halfway cases, which these functions never produce for the arguments
// drawn here, this is the correctly rounded double.
class Oracle {
public:
    Oracle() { mpfr_inits2(256, x_, y_, r_, static_cast<mpfr_ptr>(nullptr)); }
    ~Oracle() { mpfr_clears(x_, y_, r_, static_cast<mpfr_ptr>(nullptr)); }
    double function(Elementary f, double x) {
        mpfr_set_d(x_, x, MPFR_RNDN);
        switch (f) {
        case Elementary::Sin: mpfr_sin(r_, x_, MPFR_RNDN); break;
        case Elementary::Cos: mpfr_cos(r_, x_, MPFR_RNDN); break;
        case Elementary::Tan: mpfr_tan(r_, x_, MPFR_RNDN); break;
        }
        return mpfr_get_d(r_, MPFR_RNDN);
    }
    double pow(double x, double y) {
        mpfr_set_d(x_, x, MPFR_RNDN);
        mpfr_set_d(y_, y, MPFR_RNDN);
        mpfr_pow(r_, x_, y_, MPFR_RNDN);
        return mpfr_get_d(r_, MPFR_RNDN);
    }

private:
    mpfr_t x_, y_, r_;
};

using testdraw::Draw;

constexpr Elementary kFunctions[] = {Elementary::Sin, Elementary::Cos, Elementary::Tan};
const char* nameOf(Elementary f) { return f == Elementary::Sin ? "sin" : f == Elementary::Cos ? "cos" : "tan"; }

}  // namespace

TEST(Elementary, FunctionsAreCorrectlyRounded) {
    Oracle oracle;
    Draw draw(1);
    for (Elementary f : kFunctions) {
        for (int i = 0; i < 20000; ++i) {
            const double x = i % 2 ? draw.spread(-30, 60) : draw.uniform(-10, 10);
            ASSERT_EQ(runtime::exactFunction(f, x), oracle.function(f, x)) << nameOf(f) << "(" << x << ")";
        }
        // Zeros keep their sign; huge arguments are reduced exactly.
        EXPECT_TRUE(std::signbit(runtime::exactFunction(f, -0.0)) == (f != Elementary::Cos));
        EXPECT_EQ(runtime::exactFunction(f, 1e300), oracle.function(f, 1e300)) << nameOf(f);
        EXPECT_EQ(runtime::exactFunction(f, 0x1.fffffffffffffp1023), oracle.function(f, 0x1.fffffffffffffp1023));
        EXPECT_TRUE(std::isnan(runtime::exactFunction(f, std::numeric_limits<double>::infinity())));
    }
}

TEST(Elementary, PowersAreCorrectlyRounded) {
    Oracle oracle;
    Draw draw(2);
    for (int i = 0; i < 20000; ++i) {
        const double x = draw.uniform(0, 100), y = draw.uniform(-40, 40);
        ASSERT_EQ(runtime::exactPow(x, y), oracle.pow(x, y)) << x << "^" << y;
        const double n = std::trunc(draw.uniform(-30, 30));
        const double b = draw.spread(-20, 20);
        ASSERT_EQ(runtime::exactPow(b, n), oracle.pow(b, n)) << b << "^" << n;
    }
    // The double format's own limits: overflow, subnormal results, zero.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(runtime::exactPow(10, 309), inf);
    EXPECT_EQ(runtime::exactPow(-10, 309), -inf);
    EXPECT_EQ(runtime::exactPow(2, -1074), 0x1p-1074);
    EXPECT_EQ(runtime::exactPow(2, -1075.5), 0.0);
    EXPECT_EQ(runtime::exactPow(0.5, 1074.25), 0x1p-1074);  // 2^-1074.25 rounds up to the smallest subnormal
    EXPECT_EQ(runtime::exactPow(3, 0.5), std::sqrt(3.0));
    EXPECT_EQ(runtime::exactPow(53379126, 3), 1.5209480340354965e+23);  // 53379126^3 rounded once
    EXPECT_EQ(runtime::exactPow(inf, 0), 1.0);
}

// The single paths agree with rounding the exact double, both where the C
// library's value is used and where it is too close to a boundary.
TEST(Elementary, SinglePathsRoundTheExactDouble) {
    Draw draw(3);
    for (Elementary f : kFunctions) {
        for (int i = 0; i < 50000; ++i) {
            const double x = static_cast<float>(i % 2 ? draw.spread(-20, 40) : draw.uniform(-7, 7));
            ASSERT_EQ(runtime::functionToSingle(f, x), static_cast<float>(runtime::exactFunction(f, x)))
                << nameOf(f) << "(" << x << ")";
        }
    }
    for (int i = 0; i < 50000; ++i) {
        const double x = static_cast<float>(draw.uniform(0, 50)), y = static_cast<float>(draw.uniform(-30, 30));
        ASSERT_EQ(runtime::powToSingle(x, y), static_cast<float>(runtime::exactPow(x, y))) << x << "^" << y;
    }
    // Small whole powers of singles, from the tiniest to the largest.
    for (int i = 0; i < 50000; ++i) {
        const double x = static_cast<float>(draw.spread(-149, 127));
        const double y = static_cast<double>(static_cast<int>(draw.next() % 9) - 3);
        ASSERT_EQ(runtime::powToSingle(x, y), static_cast<float>(runtime::exactPow(x, y))) << x << "^" << y;
    }
    for (double x : {0.0, -0.0}) {
        for (double y : {-3.0, -2.0, -1.0, 0.0, 0.5, 1.0, 2.0, 3.0, 4.0, 9.0}) {
            const float got = runtime::powToSingle(x, y), want = static_cast<float>(runtime::exactPow(x, y));
            EXPECT_EQ(got, want) << x << "^" << y;
            EXPECT_EQ(std::signbit(got), std::signbit(want)) << x << "^" << y;
        }
    }
    // Exact powers halfway between two singles round to the even one.
    for (double m = 4097; m < 4200; m += 2) {
        const float expected = static_cast<float>(m * m);
        EXPECT_EQ(runtime::powToSingle(m, 2), expected) << m;
    }
    for (double m : {27.0, 29.0, 31.0}) EXPECT_EQ(runtime::powToSingle(m, 5), static_cast<float>(std::pow(m, 5))) << m;
    EXPECT_EQ(runtime::powToSingle(9, 99), std::numeric_limits<float>::infinity());
    EXPECT_EQ(runtime::powToSingle(2, 128), std::numeric_limits<float>::infinity());
    EXPECT_EQ(runtime::powToSingle(2, 127), 0x1p127f);
    EXPECT_EQ(runtime::powToSingle(2, -150), 0.0f);   // halfway to the smallest subnormal single: to even
    EXPECT_EQ(runtime::powToSingle(2, -149), 0x1p-149f);
    const std::pair<double, float> powersOfTwo[] = {{-3, 0.125f}, {-2, 0.25f}, {-1, 0.5f}, {5, 32}, {0.5, std::sqrt(2.f)}};
    for (const auto& [y, want] : powersOfTwo) EXPECT_EQ(runtime::powToSingle(2, y), want) << "2^" << y;
    EXPECT_EQ(runtime::powToSingle(4, 0.5), 2.0f);
}

namespace {
uint32_t bitsOf(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}
}  // namespace

// A zero keeps the sign of the correctly rounded result: + for sin(+0),
// tan(+0), an underflow of a positive base and zero to a positive power.
TEST(Elementary, ZerosKeepTheirSign) {
    const struct {
        Elementary f;
        double x;
        uint32_t bits;
    } functions[] = {{Elementary::Sin, 0.0, 0}, {Elementary::Tan, 0.0, 0}, {Elementary::Sin, -0.0, 0x80000000},
                     {Elementary::Tan, -0.0, 0x80000000}, {Elementary::Cos, -0.0, 0x3f800000}};
    for (const auto& c : functions) EXPECT_EQ(bitsOf(runtime::functionToSingle(c.f, c.x)), c.bits) << nameOf(c.f) << c.x;
    const struct {
        double x, y;
        uint32_t bits;
    } powers[] = {{0, 9, 0}, {0, 0.5, 0}, {-0.0, 0.5, 0}, {-0.0, 3, 0x80000000}, {-0.0, 9, 0x80000000},
                  {8.239, -32768, 0}, {-8.239, -32767, 0x80000000}, {0.5, 2000, 0}, {1e-30, 3, 0}};
    for (const auto& c : powers) EXPECT_EQ(bitsOf(runtime::powToSingle(c.x, c.y)), c.bits) << c.x << "^" << c.y;
}

// The fast paths' test: sure only when every double within the trusted
// units of the library's value rounds to the same single, bits and all.
TEST(Elementary, SureSingleOnlyAwayFromBoundaries) {
    const double midpoint = 1 + 0x1p-24, ulp = 0x1p-52;  // halfway between 1 and the next single
    const struct {
        double fast;
        bool sure;
        float single;
    } cases[] = {{midpoint, false, 0}, {midpoint + ulp, false, 0}, {midpoint + 4 * ulp, false, 0},
                 {midpoint - 4 * ulp, true, 1}, {midpoint + 5 * ulp, true, 1 + 0x1p-23f},
                 {midpoint - 5 * ulp, true, 1}, {0.0, false, 0}, {-0.0, false, 0}, {1e-300, true, 0},
                 {-1e-300, true, -0.0f}, {std::numeric_limits<double>::infinity(), true, std::numeric_limits<float>::infinity()},
                 {std::numeric_limits<double>::quiet_NaN(), false, 0}};
    for (const auto& c : cases) {
        float single = 12345;
        EXPECT_EQ(runtime::sureSingle(c.fast, single), c.sure) << c.fast;
        if (c.sure) {
            EXPECT_EQ(bitsOf(single), bitsOf(c.single)) << c.fast;
        }
    }
}

// Hard cases the exact path computes and remembers: one exponent with many
// bases, and one base with many exponents, each answer that of its own
// arguments.
TEST(Elementary, RememberedPowersAnswerTheirOwnArguments) {
    for (int round = 0; round < 2; ++round) {
        for (double m = 0x1p24 + 1; m < 0x1p24 + 801; m += 2)  // odd, 25 bits: halfway between two singles
            ASSERT_EQ(runtime::powToSingle(m * m, 0.5), static_cast<float>(m)) << m << "^2^0.5";
        const double base = 1 + 0x1p-24;  // halfway between 1 and the next single
        std::set<float> answers;
        for (int k = -16; k <= 16; ++k) {
            const double y = 1 + k * 0x1p-30;  // results within four units of the halfway point
            const float got = runtime::powToSingle(base, y);
            ASSERT_EQ(got, static_cast<float>(runtime::exactPow(base, y))) << "k=" << k;
            answers.insert(got);
        }
        EXPECT_EQ(answers.size(), 2u);
    }
}

// Answers that machines with and without fused multiply-add, or with x87
// arithmetic, used to disagree on.
TEST(Elementary, AnswersThatDifferedBetweenMachines) {
    testing_support::RecordingMessages messages;
    EXPECT_EQ(calc::trigKey(calc::TrigFunction::Tan, "249", messages), "2.60508906469376");
    geometry::GeometryCalculators g;
    EXPECT_EQ(g.Command4_Click(geometry::kVolume, "53379126", messages), "体积为:    6.3709322269554E+23");
    EXPECT_EQ(g.Command3_Click("5318396539.43", "5619.72", messages), "面积为:    93895605188023.9");
    EXPECT_TRUE(messages.messages.empty());
}
