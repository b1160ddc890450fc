// The geometry window's calculators with the longest pattern and the longest
// texts their boxes accept.

#include "geometry/geometry.h"

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using bench::NoMessages;

const std::string kLongFraction = "0." + std::string(32764, '7');

geometry::GeometryCalculators withPlaces(const char* count) {
    geometry::GeometryCalculators g;
    NoMessages m;
    g.Form_Load();
    g.Command5_Click(count, m);
    return g;
}

void decimal_places_32766(benchmark::State& state) {
    NoMessages m;
    geometry::GeometryCalculators g;
    for (auto _ : state) {
        g.Command5_Click("32766", m);
        benchmark::DoNotOptimize(g.FormatPattern.size());
    }
}

void triangle_sides_32766_places(benchmark::State& state) {
    NoMessages m;
    auto g = withPlaces("32766");
    for (auto _ : state) benchmark::DoNotOptimize(g.Command1_Click("已知三边", kLongFraction, kLongFraction, kLongFraction, m));
}

void triangle_angle_32766_places(benchmark::State& state) {
    NoMessages m;
    auto g = withPlaces("32766");
    for (auto _ : state) benchmark::DoNotOptimize(g.Command1_Click("已知两边一夹角", kLongFraction, kLongFraction, kLongFraction, m));
}

void vertices_32766_places(benchmark::State& state) {
    NoMessages m;
    auto g = withPlaces("32766");
    for (auto _ : state)
        benchmark::DoNotOptimize(g.Command2_Click(kLongFraction, kLongFraction, "3", kLongFraction, "2", kLongFraction, m));
}

void ellipse_32766_places_tiny_area(benchmark::State& state) {
    NoMessages m;
    auto g = withPlaces("32766");
    const std::string tiny = "0." + std::string(300, '0') + "1";
    for (auto _ : state) benchmark::DoNotOptimize(g.Command3_Click(tiny, "1", m));
}

void sphere_32766_places(benchmark::State& state) {
    NoMessages m;
    auto g = withPlaces("32766");
    for (auto _ : state) benchmark::DoNotOptimize(g.Command4_Click("计算体积", kLongFraction, m));
}

void cone_32766_places(benchmark::State& state) {
    NoMessages m;
    auto g = withPlaces("32766");
    for (auto _ : state) benchmark::DoNotOptimize(g.Command6_Click("已知半径和高", kLongFraction, kLongFraction, m));
}

}  // namespace

BENCHMARK(decimal_places_32766);
BENCHMARK(triangle_sides_32766_places);
BENCHMARK(triangle_angle_32766_places);
BENCHMARK(vertices_32766_places);
BENCHMARK(ellipse_32766_places_tiny_area);
BENCHMARK(sphere_32766_places);
BENCHMARK(cone_32766_places);
