#pragma once
// The geometry window's calculators: triangle from its sides or from two
// sides and the included angle, triangle from its vertices, ellipse, sphere
// and cone, and the number of decimal places all their results show.

#include "runtime/message_sink.h"

#include <optional>
#include <string>
#include <string_view>

namespace geometry {

inline constexpr const char kTitle[] = "几何计算";
inline constexpr const char kChooseOption[] = "请选择一个选项";
inline constexpr const char kNotATriangle[] = "三角形两边之和大于第三边";
inline constexpr const char kEnterRadius[] = "请输入半径";
inline constexpr const char kEnterNumber[] = "请输入数字";
inline constexpr const char kEnterNonNegative[] = "请输入非负数";
inline constexpr const char kAngleRange[] = "夹角必须大于0度且小于180度";

// Item texts of the three combo boxes.
inline constexpr const char kThreeSides[] = "已知三边";
inline constexpr const char kTwoSidesAndAngle[] = "已知两边一夹角";
inline constexpr const char kVolume[] = "计算体积";
inline constexpr const char kSurface[] = "计算表面积";
inline constexpr const char kRadiusAndHeight[] = "已知半径和高";
inline constexpr const char kBaseAndHeight[] = "已知底面积和高";

// The window's pi.
inline constexpr double kPi = 3.141592653589;

// Each handler returns the new caption of its result label, or nothing when
// the label stays as it was (a box may have been shown). A box holds a
// number ("-" only in front, one "." at most; an empty box is 0); lengths,
// radii, heights and areas are not negative, the included angle lies
// between 0 and 180 degrees, and a list's text is one of its items.
class GeometryCalculators {
public:
    void Form_Load() { FormatPattern = "0.####"; }

    // 确定: sets the pattern to "0." followed by the count's "#"s.
    void Command5_Click(std::string_view count, runtime::MessageSink& messages);

    // Triangle from its sides (or two sides and the angle in Text2).
    std::optional<std::string> Command1_Click(std::string_view mode, std::string_view text1,
                                              std::string_view text2, std::string_view text3,
                                              runtime::MessageSink& messages);
    // Triangle from vertex coordinates, in the order Text4 … Text9 (X1, X2,
    // X3, Y1, Y2, Y3).
    std::optional<std::string> Command2_Click(std::string_view x1, std::string_view x2,
                                              std::string_view x3, std::string_view y1,
                                              std::string_view y2, std::string_view y3,
                                              runtime::MessageSink& messages);
    // Ellipse from its two semi-axes.
    std::optional<std::string> Command3_Click(std::string_view a, std::string_view b,
                                              runtime::MessageSink& messages);
    // Sphere volume or surface area.
    std::optional<std::string> Command4_Click(std::string_view option, std::string_view radius,
                                              runtime::MessageSink& messages);
    // Cone volume from radius or base area, and height.
    std::optional<std::string> Command6_Click(std::string_view option, std::string_view height,
                                              std::string_view second, runtime::MessageSink& messages);

    // The new captions an item pick gives (Label3, Label21, Label26).
    static std::optional<std::string> Combo1_Click(std::string_view text);
    static std::optional<std::string> Combo2_Click(std::string_view text);
    static std::optional<std::string> Combo3_Click(std::string_view text);

    std::string FormatPattern = "0.####";
    float SideA = 0, SideB = 0, SideC = 0, HalfPerimeter = 0;

private:
    bool CheckTriangle() const;
    std::string plainText(double value) const;
    std::string rereadText(double value) const;
    std::string rereadText(float value) const;
};

}  // namespace geometry
