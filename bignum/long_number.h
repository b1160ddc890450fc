#pragma once
// Long decimal numbers held one digit per cell, the units digit first, as
// the high-precision calculators use them. Each character of a digit text
// fills one cell with the decimal digit it shows; "." and "-" count as 0.

#include <array>
#include <string>
#include <string_view>

namespace bignum {

// Cells a long number may use.
inline constexpr int kCapacity = 500;

inline constexpr const char kBeyondCapacity[] = "超出500位的计算范围";

// The long addition of two digit texts: exactly as many digits as the longer
// text has, one more when the top column carries; leading zeros are kept.
// Raises error 9 when an operand has 500 or more characters or the sum would
// need a 500th digit.
std::string LongAdd(std::string_view first, std::string_view second);

// The cells of the long multiplication, position 1 the units digit.
class MultiplyCells {
public:
    // Loads the digit text; error 9 beyond 500 characters.
    void load(std::string_view digits);
    // Multiplies every cell by m and carries, rounding each column to a
    // 32-bit integer (half to even; error 6 outside) before splitting it
    // into a digit and a carry. Error 9 when the product needs a 501st cell.
    void multiply(double m);
    // Each cell by the general number-to-text rule, the top cell first.
    std::string text() const;
    // True when every cell is a whole digit 0 to 9, so that the text reads
    // back into the same cells.
    bool allDigits() const { return allDigits_; }

    int size() const { return n_; }
    bool operator==(const MultiplyCells& other) const;

private:
    std::array<double, kCapacity + 1> cell_{};  // cell_[1] is the units digit
    int n_ = 0;
    bool allDigits_ = true;
};

// The long multiplication of a digit text by a number.
std::string LongMultiply(std::string_view digits, double m);

}  // namespace bignum
