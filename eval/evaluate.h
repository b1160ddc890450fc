#pragma once
// Evaluator of typed arithmetic expressions, in single precision.

#include <cstdint>
#include <string_view>

namespace eval {

// Error numbers of the evaluator's own errors.
inline constexpr int32_t kTooManyClosing = -2147220503;  // object-error base + 1001
inline constexpr int32_t kMissingClosing = -2147220502;  // object-error base + 1002
inline constexpr const char kEvaluatorSource[] = "EvaluateExpr";
// The head of the error for an operator or a sign without its operand
// ("5*", "()", "-"), number 13; the level's text and "'" follow.
inline constexpr const char kMissingOperand[] = "表达式不完整,缺少运算数: '";

// Evaluates the expression: the two-operand operators ^ * / \ % + -, signs,
// parentheses, sin( cos( tan( sqr( (radians, any letter case) and decimal
// constants, whose exponent may carry its sign (1e-5, 1.5E+16). An empty or
// blank text is 0; an empty operand of an operator, a sign, parentheses or a
// function is an error. The text is split at its lowest-precedence operator outside
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
