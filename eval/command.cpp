#include "eval/command.h"

#include "eval/evaluate.h"
#include "runtime/error.h"
#include "runtime/format.h"

namespace eval {

std::string evaluateCommand(std::string_view expression, runtime::MessageSink& messages) {
    try {
        float value = EvaluateExpr(expression);
        return kResultPrefix + runtime::generalText(value);
    } catch (const runtime::RuntimeError& e) {
        messages.showMessage(e.description(), runtime::kCalculatorTitle);
        return {};
    }
}

}  // namespace eval
