#include "eval/command.h"

#include "eval/evaluate.h"
#include "runtime/error.h"
#include "runtime/format.h"

#include <cmath>

namespace eval {

std::string evaluateCommand(std::string_view expression, runtime::MessageSink& messages) {
    try {
        float value = EvaluateExpr(expression);
        // A power beyond the single range that nothing tested on the way.
        if (std::isinf(value)) throw runtime::RuntimeError(runtime::kOverflow);
        return kResultPrefix + runtime::generalText(value);
    } catch (const runtime::RuntimeError& e) {
        messages.showMessage(e.description(), runtime::kCalculatorTitle);
        return {};
    }
}

}  // namespace eval
