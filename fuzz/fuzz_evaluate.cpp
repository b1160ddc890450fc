// The expression evaluator on any text.

#include "eval/command.h"
#include "tests/recording_messages.h"
#include "eval/evaluate.h"
#include "fuzz_support.h"
#include "runtime/captions.h"
#include "runtime/format.h"

#include <cmath>

static void checkInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        float v = eval::EvaluateExpr(text);
        // An infinity can only come from an untested power or function at
        // the end; the command reports it as an overflow.
        fuzz::require(!std::isnan(v), "not-a-number value");
        if (std::isfinite(v)) {
            std::string shown = runtime::generalText(v);
            fuzz::require(!shown.empty() && shown.size() <= 13, "value text", shown);
            // Every number the program writes can be typed back (the largest
            // singles' seven digits round past the single range).
            if (std::fabs(v) < 3.4e38f) {
                const float again = eval::EvaluateExpr(shown);
                fuzz::require(std::fabs(again - v) <= 1e-6f * std::fabs(v), "value read back", shown);
            }
        }
        // An operator at the end has no right operand.
        const size_t last = text.find_last_not_of(' ');
        fuzz::require(last == std::string_view::npos || std::string_view("*/\\%^").find(text[last]) == std::string_view::npos,
                      "a value for an operator without its operand");
    } catch (const runtime::RuntimeError& e) {
        switch (e.number()) {
        case eval::kTooManyClosing:
            fuzz::require(e.source() == eval::kEvaluatorSource && e.description().rfind("Too many )s in '", 0) == 0,
                          "too-many error", e.description());
            break;
        case eval::kMissingClosing:
            fuzz::require(e.source() == eval::kEvaluatorSource && e.description().rfind("Missing ) in '", 0) == 0,
                          "missing error", e.description());
            break;
        case 13:
        case 6:
            if (e.source() == eval::kEvaluatorSource) {
                fuzz::require(e.description().rfind("Error evaluating '", 0) == 0 ||
                                  (e.number() == 13 && e.description().rfind(eval::kMissingOperand, 0) == 0),
                              "constant or operand error", e.description());
                break;
            }
            fuzz::requireRuntimeError(e);
            fuzz::require(e.number() == 6, "type mismatch outside a constant");
            break;
        case 5:
        case 11:
            fuzz::requireRuntimeError(e);
            break;
        default:
            fuzz::fail("unexpected error number", e.description());
        }
    }
    // The command shows exactly one message on failure and a caption on success.
    testing_support::RecordingMessages messages;
    std::string caption = eval::evaluateCommand(text, messages);
    fuzz::require(caption.empty() ? messages.messages.size() == 1 : messages.messages.empty(), "command messages");
    fuzz::require(caption.empty() || caption.rfind(runtime::kResultIs, 0) == 0, "command caption", caption);
}


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::withinFrame([&] { checkInput(data, size); });
    return 0;
}
