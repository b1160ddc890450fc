#pragma once
// The evaluate command: the expression box's text in, the result caption out.

#include "runtime/message_sink.h"

#include <string>
#include <string_view>

namespace eval {

// Evaluates the expression. On success returns "结果是:", two blanks and the
// value's single-precision general text. On failure shows the error's
// description in a box titled "Qorvi计算器" and returns the empty caption;
// the window empties its result label before calling, so a failure never
// leaves an earlier result standing.
std::string evaluateCommand(std::string_view expression, runtime::MessageSink& messages);

}  // namespace eval
