// The high-precision commands at their capacities.

#include "bignum/commands.h"

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using bench::NoMessages;

void run(benchmark::State& state, std::optional<std::string> (*command)(std::string_view, std::string_view, runtime::MessageSink&),
         const std::string& a, const std::string& b) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(command(a, b, m));
}

void factorial(benchmark::State& state, const std::string& count) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(bignum::factorialCommand(count, m));
}

const std::string kNines499(499, '9');
const std::string kNines500(500, '9');
// Leading zeros keep every multiplication at the full 500 cells.
const std::string kPaddedTwo = std::string(499, '0') + "2";
const std::string kPadded253 = std::string(497, '0') + "253";

}  // namespace

BENCHMARK_CAPTURE(factorial, factorial_253, std::string("253"));
BENCHMARK_CAPTURE(factorial, factorial_254_refused, std::string("254"));
BENCHMARK_CAPTURE(factorial, factorial_2147483647_refused, std::string("2147483647"));
BENCHMARK_CAPTURE(run, power_2_1660, bignum::powerCommand, std::string("2"), std::string("1660"));
BENCHMARK_CAPTURE(run, power_2_1661_refused, bignum::powerCommand, std::string("2"), std::string("1661"));
BENCHMARK_CAPTURE(run, power_1_2147483647, bignum::powerCommand, std::string("1"), std::string("2147483647"));
BENCHMARK_CAPTURE(run, power_0_2147483647, bignum::powerCommand, std::string("0"), std::string("2147483647"));
BENCHMARK_CAPTURE(run, power_minus1_2147483647, bignum::powerCommand, std::string("-1"), std::string("2147483647"));
BENCHMARK_CAPTURE(run, power_padded_2_1660, bignum::powerCommand, kPaddedTwo, std::string("1660"));
BENCHMARK_CAPTURE(factorial, factorial_padded_253, kPadded253);
BENCHMARK_CAPTURE(run, sum_499_digits, bignum::addCommand, kNines499, std::string(498, '9'));
BENCHMARK_CAPTURE(run, product_499_digits, bignum::multiplyCommand, kNines499, std::string("9"));
BENCHMARK_CAPTURE(run, product_500_digits_largest_multiplier, bignum::multiplyCommand, kNines500.substr(0, 490), std::string("214748364"));
