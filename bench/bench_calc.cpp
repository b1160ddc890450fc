// The main window's calculator keys on the longest texts their boxes hold.

#include "bignum/check.h"
#include "calc/base_conversion.h"
#include "calc/four_function.h"
#include "calc/trig.h"

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using bench::NoMessages;

const std::string kLongDigits(32766, '9');       // accepted by the check, beyond a double
const std::string kLongFraction = "0." + std::string(32764, '3');
const std::string kBoxFull(65535, '7');          // as long as a text box holds
const std::string kBoxFullOfZeros = std::string(65534, '0') + "1";

void check_longest_accepted(benchmark::State& state) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(bignum::Check(kLongFraction, m));
}

void check_box_full(benchmark::State& state) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(bignum::Check(kBoxFull, m));
}

void operator_key_long_fraction(benchmark::State& state) {
    NoMessages m;
    calc::FourFunctionCalculator c;
    c.Form_Load();
    for (auto _ : state) benchmark::DoNotOptimize(c.Command1_Click(3, kLongFraction, m));
}

void operator_key_overflowing_digits(benchmark::State& state) {
    NoMessages m;
    calc::FourFunctionCalculator c;
    c.Form_Load();
    for (auto _ : state) benchmark::DoNotOptimize(c.Command1_Click(1, kLongDigits, m));
}

void equals_key_long_fraction(benchmark::State& state) {
    NoMessages m;
    calc::FourFunctionCalculator c;
    c.Form_Load();
    c.Command1_Click(4, "7", m);
    for (auto _ : state) benchmark::DoNotOptimize(c.Command8_Click(kLongFraction, m));
}

void trig_key_long_fraction(benchmark::State& state) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(calc::trigKey(calc::TrigFunction::Tan, kLongFraction, m));
}

void degree_converter_long_fraction(benchmark::State& state) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(calc::Command13_Click(kLongFraction, m));
}

// Every character read: a full box of leading zeros converts.
void base_conversion_box_full_of_zeros(benchmark::State& state) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(calc::Command9_Click(kBoxFullOfZeros, "2", "60", m));
}

void base_conversion_overflow(benchmark::State& state) {
    NoMessages m;
    for (auto _ : state) benchmark::DoNotOptimize(calc::Command9_Click(kBoxFull, "10", "2", m));
}

}  // namespace

BENCHMARK(check_longest_accepted);
BENCHMARK(check_box_full);
BENCHMARK(operator_key_long_fraction);
BENCHMARK(operator_key_overflowing_digits);
BENCHMARK(equals_key_long_fraction);
BENCHMARK(trig_key_long_fraction);
BENCHMARK(degree_converter_long_fraction);
BENCHMARK(base_conversion_box_full_of_zeros);
BENCHMARK(base_conversion_overflow);
