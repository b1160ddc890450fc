// The conversion and formatting rules on any text and any double.

#include "fuzz_support.h"
#include "runtime/convert.h"
#include "runtime/format.h"

#include <cmath>
#include <cstring>

namespace {

// -?digits.digits, the fraction (if any) ending in a non-zero digit.
bool isPatternText(const std::string& s) {
    size_t i = s[0] == '-' ? 1 : 0;
    size_t point = s.find('.');
    if (point == std::string::npos || point == i) return false;
    for (size_t k = i; k < s.size(); ++k)
        if (k != point && (s[k] < '0' || s[k] > '9')) return false;
    return point == s.size() - 1 || s.back() != '0';
}

// Reads a text the program wrote back as a double. Only the largest doubles
// write a 15-digit text beyond the double range; reading it back overflows.
double readBack(const std::string& text, double v) {
    try {
        return runtime::strictToDouble(text);
    } catch (const runtime::RuntimeError& e) {
        fuzz::require(e.number() == 6 && std::fabs(v) > 1.797693134862315e308, "text does not read back", text);
        return v;
    }
}

void checkDouble(double v, int places) {
    std::string general = runtime::generalText(v);
    double back = readBack(general, v);
    double tolerance = std::fabs(v) * 1e-14;
    fuzz::require(std::fabs(back - v) <= tolerance || (std::fabs(v) < 1e-300 && std::fabs(back - v) < 1e-300),
                  "general text does not read back", general);
    if (std::fabs(v) <= 1.797693134862315e308)
        fuzz::require(runtime::leadingNumericPrefix(general) == back, "prefix and strict disagree", general);

    std::string blank = runtime::signBlankText(v);
    fuzz::require(blank[0] == ' ' || blank[0] == '-', "sign-blank lead", blank);

    std::string pattern = "0." + std::string(static_cast<size_t>(places), '#');
    std::string formatted = runtime::formatPattern(v, pattern);
    fuzz::require(isPatternText(formatted), "pattern text", formatted);
    size_t point = formatted.find('.');
    fuzz::require(formatted.size() - point - 1 <= static_cast<size_t>(places), "too many places", formatted);
    fuzz::require(formatted.size() < 400, "pattern text too long", formatted);
    double rounded = readBack(formatted, v);
    fuzz::require(std::fabs(rounded - v) <= 0.5 * std::pow(10.0, -places) * 1.000001 + std::fabs(v) * 1e-14,
                  "pattern rounding", formatted);

    float f = static_cast<float>(v);
    if (std::isfinite(f)) {
        std::string single = runtime::generalText(f);
        fuzz::require(single.size() <= 13, "single text", single);
        float readBack = runtime::strictToSingle(single);
        fuzz::require(std::fabs(readBack - f) <= std::fabs(f) * 1e-6f || std::fabs(f) < 1e-37f, "single text reads back", single);
    }
}

}  // namespace

static void checkInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);

    double prefix = 0;
    try {
        prefix = runtime::leadingNumericPrefix(text);
        fuzz::require(std::isfinite(prefix), "prefix value not finite");
    } catch (const runtime::RuntimeError& e) {
        fuzz::requireRuntimeError(e);
        fuzz::require(e.number() == 6, "prefix error other than overflow");
    }
    for (bool single : {true, false}) {
        try {
            double v = single ? runtime::strictToSingle(text) : runtime::strictToDouble(text);
            fuzz::require(std::isfinite(v), "strict value not finite");
            // A plain number reads the same both ways (a single may differ by
            // the rounding through a double).
            if (text.find_first_of(",&+-") == std::string_view::npos) {
                if (single) {
                    // Below the normal singles the two roundings may part by
                    // a subnormal step, or to zero.
                    double expected = static_cast<float>(prefix);
                    fuzz::require(std::fabs(v - expected) <= std::fabs(expected) * 1.2e-7 || std::fabs(prefix) < 1.2e-38,
                                  "strict and prefix disagree on a plain number", text);
                } else {
                    fuzz::require(v == prefix, "strict and prefix disagree on a plain number", text);
                }
            }
        } catch (const runtime::RuntimeError& e) {
            fuzz::requireRuntimeError(e);
            fuzz::require(e.number() == 6 || e.number() == 13, "strict error number");
        }
    }
    try {
        (void)runtime::toInt32(prefix);
        (void)runtime::toInt16(prefix);
        (void)runtime::toByte(prefix);
    } catch (const runtime::RuntimeError& e) {
        fuzz::require(e.number() == 6, "integer conversion error");
    }

    // The bytes as a double, and as a count of decimal places.
    if (size >= sizeof(double) + 2) {
        double v;
        std::memcpy(&v, data, sizeof v);
        int places = (data[sizeof v] | (data[sizeof v + 1] << 8)) % 32767;
        if (std::isfinite(v)) checkDouble(v, places);
    }
}


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::withinFrame([&] { checkInput(data, size); });
    return 0;
}
