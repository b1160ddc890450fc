#include "runtime/elementary.h"

#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace runtime {
namespace {

// Working numbers of the double format: 53 bits, and an exponent range
// from the smallest subnormal to the largest finite double, so that MPFR
// rounds overflow, underflow and subnormal results as the double format
// does.
constexpr mpfr_prec_t kDoubleBits = 53;
constexpr mpfr_exp_t kDoubleMinExponent = -1073;  // 2^-1074 is 0.1b x 2^-1073
constexpr mpfr_exp_t kDoubleMaxExponent = 1024;

class DoubleContext {
public:
    DoubleContext() {
        mpfr_init2(x_, kDoubleBits);
        mpfr_init2(y_, kDoubleBits);
        mpfr_init2(r_, kDoubleBits);
    }
    ~DoubleContext() {
        mpfr_clear(x_);
        mpfr_clear(y_);
        mpfr_clear(r_);
    }
    DoubleContext(const DoubleContext&) = delete;
    DoubleContext& operator=(const DoubleContext&) = delete;

    // op(r, x[, y], RNDN), rounded to the double format.
    template <typename Op>
    double run(double x, double y, Op op) {
        const mpfr_exp_t emin = mpfr_get_emin(), emax = mpfr_get_emax();
        mpfr_set_emin(kDoubleMinExponent);
        mpfr_set_emax(kDoubleMaxExponent);
        mpfr_set_d(x_, x, MPFR_RNDN);  // exact: every double fits
        mpfr_set_d(y_, y, MPFR_RNDN);
        int ternary = op(r_, x_, y_);
        ternary = mpfr_check_range(r_, ternary, MPFR_RNDN);
        mpfr_subnormalize(r_, ternary, MPFR_RNDN);
        const double result = mpfr_get_d(r_, MPFR_RNDN);  // exact now
        mpfr_set_emin(emin);
        mpfr_set_emax(emax);
        return result;
    }

private:
    mpfr_t x_, y_, r_;
};

DoubleContext& context() {
    thread_local DoubleContext c;
    return c;
}

// Units in the last place by which the fast values are trusted: the C
// library's functions err by at most one.
constexpr int kTrustedUlps = 4;

// The C library's sin, cos, tan and pow are a fast path only where their
// error has been measured: glibc's manual gives at most one unit in the
// last place for each on the machines built for. Elsewhere every value is
// computed exactly (mingw-w64's sine and cosine, the x87's, lose every
// digit for huge arguments: cos of 6.029388E+35 gave -1).
// (QORVI_EXACT_ONLY=1 takes the exact path everywhere, to measure it.)
#if defined(__GLIBC__) && !QORVI_EXACT_ONLY
constexpr bool kLibraryMeasured = true;
#else
constexpr bool kLibraryMeasured = false;
#endif

}  // namespace

bool sureSingle(double fast, float& out) {
    if (std::isnan(fast)) return false;
    if (std::isinf(fast)) {  // beyond the double range: beyond the single range too
        out = static_cast<float>(fast);
        return true;
    }
    double low = fast, high = fast;
    for (int i = 0; i < kTrustedUlps; ++i) {
        low = std::nextafter(low, -std::numeric_limits<double>::infinity());
        high = std::nextafter(high, std::numeric_limits<double>::infinity());
    }
    const float a = static_cast<float>(low), b = static_cast<float>(high);
    // Bits, not values: -0 equals +0, and a value straddling zero has no
    // sure sign.
    uint32_t bitsA, bitsB;
    std::memcpy(&bitsA, &a, sizeof bitsA);
    std::memcpy(&bitsB, &b, sizeof bitsB);
    if (bitsA != bitsB) return false;
    out = a;
    return true;
}

namespace {

double libraryFunction(Elementary f, double x) {
    switch (f) {
    case Elementary::Sin: return std::sin(x);
    case Elementary::Cos: return std::cos(x);
    case Elementary::Tan: return std::tan(x);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double exactFunction(Elementary f, double x) {
    return context().run(x, 0, [f](mpfr_ptr r, mpfr_srcptr a, mpfr_srcptr) {
        switch (f) {
        case Elementary::Sin: return mpfr_sin(r, a, MPFR_RNDN);
        case Elementary::Cos: return mpfr_cos(r, a, MPFR_RNDN);
        case Elementary::Tan: break;
        }
        return mpfr_tan(r, a, MPFR_RNDN);
    });
}

double exactPow(double x, double y) {
    return context().run(x, y, [](mpfr_ptr r, mpfr_srcptr a, mpfr_srcptr b) { return mpfr_pow(r, a, b, MPFR_RNDN); });
}

float functionToSingle(Elementary f, double x) {
    float result;
    if (kLibraryMeasured && sureSingle(libraryFunction(f, x), result)) return result;
    return static_cast<float>(exactFunction(f, x));
}

namespace {

// A single's square is exact in a double (48 bits of 53), so these powers
// of a single round only once on the way to double, as the exact power does.
bool smallPowerOfSingle(double x, double y, float& out) {
    if (static_cast<double>(static_cast<float>(x)) != x) return false;  // not a single (or NaN)
    if (y == 2) {
        out = static_cast<float>(x * x);
    } else if (y == 3) {
        out = static_cast<float>(x * x * x);
    } else if (y == 4) {
        const double square = x * x;
        out = static_cast<float>(square * square);
    } else if (y == 1) {
        out = static_cast<float>(x);
    } else if (y == 0) {
        out = 1;
    } else if (y == -1) {
        out = static_cast<float>(1 / x);
    } else if (y == -2) {
        out = static_cast<float>(1 / (x * x));
    } else {
        return false;
    }
    return true;
}

// The last exact powers computed, so that a text repeating a hard case
// pays for it once.
struct ExactPowers {
    struct Entry {
        uint64_t x = 0, y = 0;  // the arguments' bits
        float result = 0;
        bool used = false;
    };
    static constexpr size_t kSize = 64;  // the hash's top 6 bits
    Entry entries[kSize];

    float get(double x, double y) {
        uint64_t bx, by;
        std::memcpy(&bx, &x, sizeof bx);
        std::memcpy(&by, &y, sizeof by);
        Entry& e = entries[((bx * 0x9E3779B97F4A7C15ull) ^ (by * 0xC2B2AE3D27D4EB4Full)) >> 58];
        if (!e.used || e.x != bx || e.y != by) e = {bx, by, static_cast<float>(exactPow(x, y)), true};
        return e.result;
    }
};

}  // namespace

float powToSingle(double x, double y) {
    float result;
    if (smallPowerOfSingle(x, y, result)) return result;
    if (kLibraryMeasured && sureSingle(std::pow(x, y), result)) return result;
    thread_local ExactPowers recent;
    return recent.get(x, y);
}

}  // namespace runtime
