#pragma once
// Evaluator of typed arithmetic expressions, in single precision.

#include <cstdint>
#include <string_view>

namespace eval {

// Error numbers of the evaluator's own errors.
inline constexpr int32_t kTooManyClosing = -2147220503;  // object-error base + 1001
inline constexpr int32_t kMissingClosing = -2147220502;  // object-error base + 1002
inline constexpr const char kEvaluatorSource[] = "EvaluateExpr";

// Evaluates the expression: the two-operand operators ^ * / \ % + -, signs,
// parentheses, sin( cos( tan( sqr( (radians, any letter case) and decimal
// constants. The text is split at its lowest-precedence operator outside
// parentheses, the rightmost of equal ones, and both sides are evaluated the
// same way. Every intermediate value is a single.
//
// Raises runtime::RuntimeError with the number, source and description of
// the first error met; nothing is caught inside. A power or a function whose
// result lies beyond the single range is not tested there: the infinity goes
// on, and the next step that tests its result ("*", "/", "+", "-", a sign,
// "\", "%") raises the overflow; a step that makes it finite again (1/x)
// lets it be. An infinity that reaches the end is returned.
//
// Works on positions in the one text with its own stacks: linear in the
// length, whatever the nesting.
float EvaluateExpr(std::string_view expression);

}  // namespace eval
