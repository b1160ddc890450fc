#include "calc/four_function.h"

#include "bignum/check.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/format.h"

#include <cmath>

namespace calc {

namespace {

using runtime::RuntimeError;

double scale8() { return runtime::power(10, 8); }
double scale16() { return runtime::power(10, 16); }

double finite(double v) {
    if (!std::isfinite(v)) throw RuntimeError(runtime::kOverflow);
    return v;
}

// The display's value times 10^8.
double scaledValue(std::string_view display) {
    return finite(runtime::leadingNumericPrefix(display) * scale8());
}

// The state a key press works on; the calculator takes it over only when the
// whole key press has succeeded.
struct Work {
    double running;
    double operand;
    bool awaitingFirst;
    uint8_t pending;
    std::string display;
};

// Completes the pending operation. Shows its result; when `advance` is set
// the running value follows it (an operator key; "=" only shows).
void complete(Work& w, bool advance, runtime::MessageSink& messages) {
    const double r = w.running, o = w.operand;
    switch (w.pending) {
    case FourFunctionCalculator::Add:
        w.display = runtime::generalText(finite(r + o) / scale8());
        if (advance) w.running = r + o;
        break;
    case FourFunctionCalculator::Subtract:
        w.display = runtime::generalText(finite(r - o) / scale8());
        if (advance) w.running = r - o;
        break;
    case FourFunctionCalculator::Multiply: {
        double product = finite(r * o);
        w.display = runtime::generalText(product / scale16());
        if (advance) w.running = product / scale8();
        break;
    }
    case FourFunctionCalculator::Divide:
        if (o != 0) {
            double quotient = r / o;
            w.display = runtime::generalText(finite(quotient));
            if (advance) w.running = finite(quotient * scale8());
        } else {
            messages.showMessage(kDivideByZero, runtime::kCalculatorTitle);
            w.display = runtime::generalText(r / scale8());
            if (advance) w.awaitingFirst = false;
        }
        break;
    default:
        break;
    }
}

}  // namespace

std::string TrimZeroRun(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return std::string(text);
    size_t z = text.find("0000");
    size_t p = text.find('.');
    if (p != std::string_view::npos && z != std::string_view::npos && z > p)
        return std::string(text.substr(0, z + 1));
    return std::string(text);
}

KeyOutcome FourFunctionCalculator::Command1_Click(int index, std::string_view display,
                                                  runtime::MessageSink& messages) {
    if (!bignum::Check(display, messages)) return {};
    Work w{RunningValue, OperandValue, AwaitingFirst, PendingOp, std::string(display)};
    try {
        double v = scaledValue(display);
        if (w.awaitingFirst) {
            w.running = v;
            w.awaitingFirst = false;
        } else {
            w.operand = v;
        }
        complete(w, true, messages);
    } catch (const RuntimeError&) {
        messages.showMessage(kOverflowMessage, runtime::kCalculatorTitle);
        return {};
    }
    RunningValue = w.running;
    OperandValue = w.operand;
    AwaitingFirst = w.awaitingFirst;
    PendingOp = static_cast<uint8_t>(index);
    return {true, TrimZeroRun(w.display), true};
}

KeyOutcome FourFunctionCalculator::Command8_Click(std::string_view display,
                                                  runtime::MessageSink& messages) {
    if (!bignum::Check(display, messages)) return {};
    Work w{RunningValue, OperandValue, AwaitingFirst, PendingOp, std::string(display)};
    try {
        w.operand = scaledValue(display);
        complete(w, false, messages);
        w.running = scaledValue(w.display);
    } catch (const RuntimeError&) {
        messages.showMessage(kOverflowMessage, runtime::kCalculatorTitle);
        return {};
    }
    RunningValue = w.running;
    OperandValue = 0;
    AwaitingFirst = true;
    PendingOp = AfterEquals;
    return {true, TrimZeroRun(w.display), false};
}

}  // namespace calc
