#include "eval/command.h"

#include "eval/evaluate.h"
#include "runtime/captions.h"
#include "runtime/error.h"
#include "runtime/refusal.h"
#include "runtime/format.h"

#include <cmath>

namespace eval {

std::string evaluateCommand(std::string_view expression, runtime::MessageSink& messages) {
    return runtime::refusing(messages, runtime::kCalculatorTitle, [&] {
               float value = EvaluateExpr(expression);
               // A power beyond the single range that nothing tested on the way.
               if (std::isinf(value)) throw runtime::RuntimeError(runtime::kOverflow);
               return runtime::kResultIs + runtime::generalText(value);
           })
        .value_or(std::string());
}

}  // namespace eval
