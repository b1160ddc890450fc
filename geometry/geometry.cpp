#include "geometry/geometry.h"

#include "bignum/check.h"
#include "runtime/convert.h"
#include "runtime/elementary.h"
#include "runtime/captions.h"
#include "runtime/error.h"
#include "runtime/refusal.h"
#include "runtime/format.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace geometry {

namespace {

using runtime::RuntimeError;

double number(std::string_view text) { return runtime::leadingNumericPrefix(text); }
float single(std::string_view text) { return runtime::roundToSingle(number(text)); }

double finite(double v) {
    if (!std::isfinite(v)) throw RuntimeError(runtime::kOverflow);
    return v;
}

// Runs a calculation; an overflow shows "溢出" and leaves the label alone.
template <typename F>
std::optional<std::string> guarded(runtime::MessageSink& messages, F&& f) {
    return runtime::refusing(messages, kTitle, std::forward<F>(f));
}

void chooseOption(runtime::MessageSink& messages) { messages.showMessage(kChooseOption, kTitle); }

enum class Sign : uint8_t { Any, NonNegative };

// Each text a number (the empty text too), then, where asked, none of them
// negative; else a box saying what is wanted, and false.
bool numbers(std::initializer_list<std::string_view> texts, Sign sign, runtime::MessageSink& messages) {
    for (std::string_view t : texts) {
        if (!t.empty() && !bignum::isDecimalNumber(t)) {
            messages.showMessage(kEnterNumber, kTitle);
            return false;
        }
    }
    if (sign == Sign::NonNegative) {
        for (std::string_view t : texts) {
            if (!t.empty() && t.front() == '-' && t.find_first_of("123456789") != std::string_view::npos) {
                messages.showMessage(kEnterNonNegative, kTitle);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::string GeometryCalculators::plainText(double value) const {
    return runtime::formatPattern(finite(value), FormatPattern);
}

// The value formatted with the pattern, read back as a number and written
// by the sign-blank rule: "6." becomes " 6", "0.7854" becomes " .7854".
std::string GeometryCalculators::rereadText(double value) const {
    return runtime::signBlankText(std::string_view(runtime::formatPattern(finite(value), FormatPattern)));
}

std::string GeometryCalculators::rereadText(float value) const {
    return runtime::signBlankText(std::string_view(runtime::formatPattern(value, FormatPattern)));
}

void GeometryCalculators::Command5_Click(std::string_view count, runtime::MessageSink& messages) {
    if (!bignum::Check(count, messages)) return;
    int16_t places;
    try {
        places = runtime::toInt16(number(count));
    } catch (const RuntimeError&) {
        messages.showMessage(runtime::errorDescription(runtime::kOverflow), kTitle);
        return;
    }
    // The count of "#"s is kept in a 16-bit counter: 32767 cannot be reached.
    if (places == INT16_MAX) {
        messages.showMessage(runtime::errorDescription(runtime::kOverflow), kTitle);
        return;
    }
    FormatPattern = "0.";
    if (places > 0) FormatPattern.append(static_cast<size_t>(places), '#');
}

bool GeometryCalculators::CheckTriangle() const {
    auto sum = [](float a, float b) { return runtime::roundToSingle(static_cast<double>(a) + b); };
    return sum(SideA, SideB) > SideC && sum(SideA, SideC) > SideB && sum(SideC, SideB) > SideA;
}

std::optional<std::string> GeometryCalculators::Command1_Click(std::string_view mode, std::string_view text1,
                                                               std::string_view text2, std::string_view text3,
                                                               runtime::MessageSink& messages) {
    if (!bignum::CheckAll({text1, text2, text3}, messages)) return std::nullopt;
    if (mode != kThreeSides && mode != kTwoSidesAndAngle) {
        chooseOption(messages);
        return std::nullopt;
    }
    if (!numbers({text1, text2, text3}, Sign::Any, messages)) return std::nullopt;
    // In the second mode the middle box holds the angle.
    if (!numbers({text1, text3}, Sign::NonNegative, messages)) return std::nullopt;
    if (mode == kThreeSides && !numbers({text2}, Sign::NonNegative, messages)) return std::nullopt;
    return guarded(messages, [&]() -> std::optional<std::string> {
        float a = single(text1), b = single(text2), c = single(text3);
        float half = runtime::roundToSingle((static_cast<double>(a) + b + c) / 2);
        SideA = a;
        SideB = b;
        SideC = c;
        HalfPerimeter = half;
        std::optional<std::string> caption;
        if (mode == kThreeSides) {
            if (!CheckTriangle()) {
                messages.showMessage(kNotATriangle, kTitle);
                return std::nullopt;
            }
            double s = HalfPerimeter;
            double product = ((s - SideA) * s) * (s - SideB) * (s - SideC);
            // Sides that only just pass the test can leave a product a
            // rounding below zero: the triangle is flat.
            caption = runtime::kAreaIs + plainText(std::sqrt(std::max(product, 0.0)));
        }
        if (mode == kTwoSidesAndAngle) {
            double p = number(text1), q = number(text3), d = number(text2);
            if (!(d > 0 && d < 180)) {
                messages.showMessage(kAngleRange, kTitle);
                return std::nullopt;
            }
            double r = d / (180 / kPi);
            caption = runtime::kAreaIs + plainText(q * p * runtime::exactFunction(runtime::Elementary::Sin, r) / 2);
        }
        return caption;
    });
}

std::optional<std::string> GeometryCalculators::Command2_Click(std::string_view x1t, std::string_view x2t,
                                                               std::string_view x3t, std::string_view y1t,
                                                               std::string_view y2t, std::string_view y3t,
                                                               runtime::MessageSink& messages) {
    if (!bignum::CheckAll({x1t, x2t, x3t, y1t, y2t, y3t}, messages)) return std::nullopt;
    if (!numbers({x1t, x2t, x3t, y1t, y2t, y3t}, Sign::Any, messages)) return std::nullopt;
    return guarded(messages, [&]() -> std::optional<std::string> {
        double x1 = single(x1t), x2 = single(x2t), x3 = single(x3t);
        double y1 = single(y1t), y2 = single(y2t), y3 = single(y3t);
        double d = x2 * y3 + x1 * y2 + y1 * x3 - x2 * y1 - x3 * y2 - x1 * y3;
        float area = runtime::roundToSingle(std::fabs(d) / 2);
        return runtime::kAreaIsAfterBlanks + rereadText(area);
    });
}

std::optional<std::string> GeometryCalculators::Command3_Click(std::string_view at, std::string_view bt,
                                                               runtime::MessageSink& messages) {
    if (!bignum::CheckAll({at, bt}, messages)) return std::nullopt;
    if (!numbers({at, bt}, Sign::NonNegative, messages)) return std::nullopt;
    return guarded(messages, [&]() -> std::optional<std::string> {
        double a = number(at), b = number(bt);
        return runtime::kAreaIsAfterBlanks + rereadText(a * kPi * b);
    });
}

std::optional<std::string> GeometryCalculators::Command4_Click(std::string_view option, std::string_view radius,
                                                               runtime::MessageSink& messages) {
    if (!bignum::Check(radius, messages)) return std::nullopt;
    if (option != kVolume && option != kSurface) {
        chooseOption(messages);
        return std::nullopt;
    }
    if (radius.empty()) {
        messages.showMessage(kEnterRadius, runtime::kApplicationTitle);
        return std::nullopt;
    }
    if (!numbers({radius}, Sign::NonNegative, messages)) return std::nullopt;
    return guarded(messages, [&]() -> std::optional<std::string> {
        double r = number(radius);
        if (option == kVolume) return runtime::kVolumeIs + rereadText(runtime::power(r, 3) * ((4.0 / 3) * kPi));
        return runtime::kSurfaceIs + rereadText(runtime::power(r, 2) * 12.566370614356);
    });
}

std::optional<std::string> GeometryCalculators::Command6_Click(std::string_view option, std::string_view height,
                                                               std::string_view second, runtime::MessageSink& messages) {
    if (option != kRadiusAndHeight && option != kBaseAndHeight) {
        chooseOption(messages);
        return std::nullopt;
    }
    if (!bignum::CheckAll({height, second}, messages)) return std::nullopt;
    if (!numbers({height, second}, Sign::NonNegative, messages)) return std::nullopt;
    return guarded(messages, [&]() -> std::optional<std::string> {
        if (option == kRadiusAndHeight) {
            double r = number(second), h = number(height);
            return runtime::kConeResultFor + rereadText(((runtime::power(r, 2) * kPi) * h) / 3);
        }
        if (option == kBaseAndHeight) {
            double h = number(height), s = number(second);
            return runtime::kConeResultFor + rereadText((s * h) / 3);
        }
        return std::nullopt;
    });
}

std::optional<std::string> GeometryCalculators::Combo1_Click(std::string_view text) {
    std::optional<std::string> caption;
    if (text == kTwoSidesAndAngle) caption = "角:";
    if (text == kThreeSides) caption = "边:";
    return caption;
}

std::optional<std::string> GeometryCalculators::Combo2_Click(std::string_view text) {
    std::optional<std::string> caption;
    if (text == kSurface) caption = "表面积为:";
    if (text == kVolume) caption = "体积为:";
    return caption;
}

std::optional<std::string> GeometryCalculators::Combo3_Click(std::string_view text) {
    if (text == kBaseAndHeight) return "底面积:";
    if (text == kRadiusAndHeight) return "半径:";
    return std::nullopt;
}

}  // namespace geometry
