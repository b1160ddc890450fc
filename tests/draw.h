#pragma once
// A reproducible stream of numbers (splitmix64): the same draws on every
// machine and with every compiler, unlike the standard distributions.

#include <cmath>
#include <cstdint>
#include <string>

namespace testdraw {

class Draw {
public:
    explicit Draw(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 … n-1.
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    // Uniform in [lo, hi).
    double uniform(double lo, double hi) { return lo + (hi - lo) * static_cast<double>(next() >> 11) * 0x1p-53; }
    // A magnitude spread over the binades minExponent … maxExponent, either sign.
    double spread(int minExponent, int maxExponent) {
        const double m = uniform(1, 2);
        const int e = minExponent + below(maxExponent - minExponent + 1);
        return (next() & 1 ? -1 : 1) * std::ldexp(m, e);
    }
    // `count` decimal digits.
    std::string digits(int count) {
        std::string s;
        for (int i = 0; i < count; ++i) s += static_cast<char>('0' + below(10));
        return s;
    }

private:
    uint64_t state_;
};

}  // namespace testdraw
