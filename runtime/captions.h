#pragma once
// The captions the calculators write their results behind, each spelled
// once, blanks included.

namespace runtime {

// The expression, the long addition and the long multiplication.
inline constexpr const char kResultIs[] = "结果是:  ";
// The factorial, the power and base conversion.
inline constexpr const char kResultFor[] = "结果为:";
// The geometry window: the triangle from its sides or two sides and an
// angle; the triangle from its vertices and the ellipse; the sphere; the cone.
inline constexpr const char kAreaIs[] = "面积为:";
inline constexpr const char kAreaIsAfterBlanks[] = "面积为:   ";
inline constexpr const char kVolumeIs[] = "体积为:   ";
inline constexpr const char kSurfaceIs[] = "表面积为:   ";
inline constexpr const char kConeResultFor[] = "结果为:  ";

}  // namespace runtime
