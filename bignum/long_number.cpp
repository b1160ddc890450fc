#include "bignum/long_number.h"

#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/format.h"

#include <cmath>
#include <cstdint>

namespace bignum {

namespace {

using runtime::RuntimeError;

// The digit a single character shows; any other character counts as 0.
int digitOf(char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; }

void beyondCapacity() { throw RuntimeError(runtime::kSubscriptOutOfRange); }

// The column's rounded value, its carry (truncated toward zero) and digit.
struct Column {
    int32_t carry;
    int32_t digit;
};

Column split(double value) {
    int32_t rounded = runtime::toInt32(value);
    int32_t carry = rounded / 10;
    return {carry, rounded - 10 * carry};
}

}  // namespace

std::string LongAdd(std::string_view first, std::string_view second) {
    // Cells up to 500, position L + 1 takes the final carry.
    if (first.size() >= kCapacity || second.size() >= kCapacity) beyondCapacity();
    std::array<uint8_t, kCapacity + 2> sum{};
    std::array<uint8_t, kCapacity + 2> other{};
    for (size_t k = 1; k <= first.size(); ++k) sum[k] = static_cast<uint8_t>(digitOf(first[first.size() - k]));
    for (size_t k = 1; k <= second.size(); ++k) other[k] = static_cast<uint8_t>(digitOf(second[second.size() - k]));
    const size_t L = std::max(first.size(), second.size());
    for (size_t k = 1; k <= L; ++k) {
        sum[k] = static_cast<uint8_t>(sum[k] + other[k]);
        sum[k + 1] = static_cast<uint8_t>(sum[k + 1] + sum[k] / 10);
        sum[k] = static_cast<uint8_t>(sum[k] % 10);
    }
    size_t n = L;
    while (sum[n + 1] != 0) ++n;
    if (n >= kCapacity) beyondCapacity();
    std::string text(n, '0');
    for (size_t k = 1; k <= n; ++k) text[n - k] = static_cast<char>('0' + sum[k]);
    return text;
}

void MultiplyCells::load(std::string_view digits) {
    if (digits.size() > static_cast<size_t>(kCapacity)) beyondCapacity();
    n_ = static_cast<int>(digits.size());
    allDigits_ = true;
    for (int k = 1; k <= n_; ++k) cell_[static_cast<size_t>(k)] = digitOf(digits[digits.size() - static_cast<size_t>(k)]);
}

void MultiplyCells::multiply(double m) {
    double* c = cell_.data();
    bool negativeDigit = false;
    if (n_ >= 1) c[1] = m * c[1];
    for (int k = 2; k <= n_; ++k) {
        c[k] = m * c[k];
        Column below = split(c[k - 1]);
        c[k] = below.carry + c[k];
        c[k - 1] = below.digit;
        negativeDigit |= below.digit < 0;
    }
    while (n_ >= 1 && c[n_] >= 10) {
        if (n_ == kCapacity) beyondCapacity();
        ++n_;
        Column below = split(c[n_ - 1]);
        c[n_] = below.carry;
        c[n_ - 1] = below.digit;
        negativeDigit |= below.digit < 0;
    }
    const double top = n_ >= 1 ? c[n_] : 0;
    allDigits_ = !negativeDigit && top >= 0 && top <= 9 && top == std::floor(top);
}

std::string MultiplyCells::text() const {
    std::string out;
    out.reserve(static_cast<size_t>(n_) + 8);
    for (int k = n_; k >= 1; --k) {
        double v = cell_[static_cast<size_t>(k)];
        if (v >= 0 && v <= 9 && v == std::floor(v)) {
            out += static_cast<char>('0' + static_cast<int>(v));
        } else if (v < 0 && v >= -9 && v == std::floor(v)) {
            out += '-';
            out += static_cast<char>('0' - static_cast<int>(v));
        } else {
            out += runtime::generalText(v);
        }
    }
    return out;
}

bool MultiplyCells::operator==(const MultiplyCells& other) const {
    if (n_ != other.n_ || allDigits_ != other.allDigits_) return false;
    for (int k = 1; k <= n_; ++k)
        if (cell_[static_cast<size_t>(k)] != other.cell_[static_cast<size_t>(k)]) return false;
    return true;
}

std::string LongMultiply(std::string_view digits, double m) {
    MultiplyCells cells;
    cells.load(digits);
    cells.multiply(m);
    return cells.text();
}

}  // namespace bignum
