#include "calc/trig.h"

#include "bignum/check.h"
#include "calc/four_function.h"
#include "runtime/convert.h"
#include "runtime/elementary.h"
#include "runtime/error.h"
#include "runtime/format.h"

#include <cmath>

namespace calc {

namespace {
constexpr double kStraightAngle = 180;
constexpr double kRightAngle = 90;
constexpr double kPi = 3.14159265358979;

// The degree value of an accepted text, or nothing after "溢出".
std::optional<double> readDegrees(std::string_view text, runtime::MessageSink& messages) {
    if (!bignum::Check(text, messages)) return std::nullopt;
    try {
        return runtime::leadingNumericPrefix(text);
    } catch (const runtime::RuntimeError&) {
        messages.showMessage(kOverflowMessage, runtime::kCalculatorTitle);
        return std::nullopt;
    }
}
}  // namespace

double degreesToRadians(double degrees) { return degrees / (kStraightAngle / kPi); }

std::optional<std::string> trigKey(TrigFunction f, std::string_view display,
                                   runtime::MessageSink& messages) {
    std::optional<double> x = readDegrees(display, messages);
    if (!x) return std::nullopt;
    // The tangent of an odd multiple of 90 degrees does not exist (the stored
    // pi would give a huge number instead).
    if (f == TrigFunction::Tan && std::fabs(std::fmod(*x, 2 * kRightAngle)) == kRightAngle) {
        messages.showMessage(kTangentUndefined, runtime::kCalculatorTitle);
        return std::nullopt;
    }
    double r = degreesToRadians(*x);
    double value = runtime::exactFunction(f, r);
    return TrimZeroRun(runtime::generalText(value));
}

std::optional<std::string> Command13_Click(std::string_view degrees, runtime::MessageSink& messages) {
    std::optional<double> x = readDegrees(degrees, messages);
    if (!x) return std::nullopt;
    return runtime::generalText(degreesToRadians(*x));
}

}  // namespace calc
