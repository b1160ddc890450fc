// Time of one evaluation for everyday expressions and for the worst shapes
// a 32,766-character expression box can hold.

#include "eval/evaluate.h"
#include "runtime/error.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void evaluate(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(eval::EvaluateExpr(text));
        } catch (const runtime::RuntimeError& e) {
            benchmark::DoNotOptimize(e.number());
        }
    }
    state.counters["chars"] = static_cast<double>(text.size());
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    out.reserve(s.size() * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const std::string kNested = std::string(16383, '(') + "7" + std::string(16382, ')');
const std::string kMinuses = std::string(32765, '-') + "3";
const std::string kSines = repeat("sin(", 6553) + "0" + std::string(6553, ')');
const std::string kSum = "1" + repeat("+1", 16382);
const std::string kProducts = "1" + repeat("*1", 16382);
const std::string kDecimalSum = "0.1" + repeat("+0.1", 8190);
const std::string kFunctionSum = "sin(1)" + repeat("+cos(1)", 4680);
const std::string kMixed = "1" + repeat("+2*3-4/5", 4095);
const std::string kRightNested = repeat("1+(", 8191) + "1" + std::string(8191, ')');
const std::string kBlanks = std::string(16000, ' ') + "1+1" + std::string(16000, ' ');
const std::string kLongConstant = "0." + std::string(32763, '1');
const std::string kBlankedSum = "1" + repeat(" + 1", 8190);
const std::string kUnbalanced = std::string(32766, '(');
const std::string kConstantError = "1+" + std::string(32763, 'x');
const std::string kTooLong = std::string(32767, '1');

// Powers whose exact values lie halfway between two singles (4097^2 is
// 2^24 + 8193): every one is computed exactly, none from the C library.
std::string midpointPowers() {
    std::string out = "0";
    for (int m = 4097; out.size() + 8 <= 32766; m += 2) out += "+" + std::to_string(m) + "^2";
    return out;
}
const std::string kMidpointPowers = midpointPowers();
// Fifth powers that are single midpoints themselves, over and over.
const std::string kRepeatedHardPowers = "0" + repeat("+27^5+29^5+31^5", 2184);
const std::string kFractionalPowers = "1" + repeat("+1.37^2.5", 3276);
// Fractional powers of ever other bases, so that none is a cached one: the
// exact path pays for each where the C library is not trusted (Windows).
std::string distinctPowers() {
    std::string out = "0";
    for (int m = 101; out.size() + 11 <= 32766; ++m)
        out += "+" + std::to_string(m / 100) + "." + std::to_string(100 + m % 100).substr(1) + "^2.5";
    return out;
}
const std::string kDistinctPowers = distinctPowers();
const std::string kSignedExponents = "1e-1" + repeat("+1e-1", 6552);
const std::string kNestedTangents = repeat("tan(", 6553) + "1" + std::string(6553, ')');

}  // namespace

BENCHMARK_CAPTURE(evaluate, everyday_2x_3_plus_4, std::string("2*(3+4)"));
BENCHMARK_CAPTURE(evaluate, everyday_trig, std::string("sin(0.5)^2+cos(0.5)^2"));
BENCHMARK_CAPTURE(evaluate, everyday_mixed, std::string("-7%3*2+7.5\\2-1e5/3"));
BENCHMARK_CAPTURE(evaluate, worst_nested_parentheses, kNested);
BENCHMARK_CAPTURE(evaluate, worst_leading_minus_signs, kMinuses);
BENCHMARK_CAPTURE(evaluate, worst_nested_sin, kSines);
BENCHMARK_CAPTURE(evaluate, worst_sum_16383_terms, kSum);
BENCHMARK_CAPTURE(evaluate, worst_product_16383_terms, kProducts);
BENCHMARK_CAPTURE(evaluate, worst_mixed_operators, kMixed);
BENCHMARK_CAPTURE(evaluate, worst_decimal_sum, kDecimalSum);
BENCHMARK_CAPTURE(evaluate, worst_function_sum, kFunctionSum);
BENCHMARK_CAPTURE(evaluate, worst_exact_midpoint_powers, kMidpointPowers);
BENCHMARK_CAPTURE(evaluate, worst_repeated_hard_powers, kRepeatedHardPowers);
BENCHMARK_CAPTURE(evaluate, worst_fractional_powers, kFractionalPowers);
BENCHMARK_CAPTURE(evaluate, worst_nested_tangents, kNestedTangents);
BENCHMARK_CAPTURE(evaluate, worst_distinct_powers, kDistinctPowers);
BENCHMARK_CAPTURE(evaluate, worst_right_nested_sums, kRightNested);
BENCHMARK_CAPTURE(evaluate, worst_blanks, kBlanks);
BENCHMARK_CAPTURE(evaluate, worst_blanked_sum, kBlankedSum);
BENCHMARK_CAPTURE(evaluate, worst_long_constant, kLongConstant);
BENCHMARK_CAPTURE(evaluate, worst_signed_exponents, kSignedExponents);
BENCHMARK_CAPTURE(evaluate, error_unbalanced, kUnbalanced);
BENCHMARK_CAPTURE(evaluate, error_long_constant, kConstantError);
BENCHMARK_CAPTURE(evaluate, error_too_long, kTooLong);
