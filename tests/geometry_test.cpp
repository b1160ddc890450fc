// The geometry window's calculators: golden tables of inputs, option and
// pattern against the exact caption text and messages.

#include "geometry/geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using geometry::GeometryCalculators;

const char kGeo[] = "几何计算";
const std::string kNines39(39, '9');
const std::string kOneE200 = "1" + std::string(200, '0');
const std::string kNines200(200, '9');
const std::string kNines120(120, '9');
const char kApp[] = "Qorvi数学计算器";

struct Expect {
    std::optional<std::string> caption;
    std::vector<runtime::Message> messages;
};

void check(const std::optional<std::string>& caption, const runtime::RecordingMessages& m, const Expect& e,
           const std::string& what) {
    EXPECT_EQ(caption, e.caption) << what;
    EXPECT_EQ(m.messages, e.messages) << what;
}

GeometryCalculators withPlaces(const char* count) {
    GeometryCalculators g;
    g.Form_Load();
    runtime::RecordingMessages m;
    if (count) g.Command5_Click(count, m);
    return g;
}

struct TriangleCase {
    const char* mode;
    const char *t1, *t2, *t3;
    Expect expect;
};

TEST(Triangle, GoldenCaptions) {
    const TriangleCase cases[] = {
        {"已知三边", "3", "4", "5", {"面积为:6.", {}}},
        {"已知三边", "5", "5", "6", {"面积为:12.", {}}},
        {"已知三边", "2", "2", "3", {"面积为:1.9843", {}}},
        {"已知三边", "1", "1", "1", {"面积为:0.433", {}}},
        {"已知三边", "100.1", "100.2", "100.3", {"面积为:4347.4567", {}}},
        {"已知三边", "1", "2", "3", {std::nullopt, {{"三角形两边之和大于第三边", kGeo}}}},
        {"已知三边", "0", "1", "1", {std::nullopt, {{"三角形两边之和大于第三边", kGeo}}}},
        {"已知三边", "", "", "", {std::nullopt, {{"三角形两边之和大于第三边", kGeo}}}},
        {"已知三边", "3", "-4", "5", {std::nullopt, {{"三角形两边之和大于第三边", kGeo}}}},
        {"已知两边一夹角", "3", "30", "4", {"面积为:3.", {}}},
        {"已知两边一夹角", "10", "60", "10", {"面积为:43.3013", {}}},
        {"已知两边一夹角", "2", "90", "5", {"面积为:5.", {}}},
        {"已知两边一夹角", "10", "210", "10", {"面积为:-25.", {}}},
        {"已知两边一夹角", "10", "-30", "10", {"面积为:-25.", {}}},
        {"已知两边一夹角", "10", "180", "10", {"面积为:0.", {}}},
        {"已知三边", "1e3", "4", "5", {std::nullopt, {{"数据非法", kApp}}}},
        {"", " 3", "4", "5", {std::nullopt, {{"数据非法", kApp}}}},
        {"", "3", "4", "5", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"三边", "3", "4", "5", {std::nullopt, {}}},
        {"已知三边", "a", "b", "c", {std::nullopt, {{"数据非法", kApp}, {"数据非法", kApp}, {"数据非法", kApp}}}},
        // Beyond the single range a side cannot be held.
        {"已知三边", kNines39.c_str(), "1", "1", {std::nullopt, {{"溢出", kGeo}}}},
        {"已知两边一夹角", kOneE200.c_str(), "90", kNines200.c_str(), {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& c : cases) {
        GeometryCalculators g = withPlaces(nullptr);
        runtime::RecordingMessages m;
        auto caption = g.Command1_Click(c.mode, c.t1, c.t2, c.t3, m);
        check(caption, m, c.expect, std::string(c.mode) + " " + c.t1 + "," + c.t2 + "," + c.t3);
    }
}

TEST(Triangle, SidesAreStoredAsSingles) {
    GeometryCalculators g = withPlaces(nullptr);
    runtime::RecordingMessages m;
    g.Command1_Click("已知三边", "100.1", "100.2", "100.3", m);
    EXPECT_EQ(g.SideA, 100.1f);
    EXPECT_EQ(g.SideC, 100.3f);
    EXPECT_EQ(g.HalfPerimeter, 150.3f);
}

struct PlacesCase {
    const char* count;
    const char* pattern;
    std::vector<runtime::Message> messages;
};

TEST(DecimalPlaces, BuildsThePattern) {
    const std::string longest = "0." + std::string(32766, '#');
    const PlacesCase cases[] = {
        {"4", "0.####", {}},     {"2", "0.##", {}},      {"0", "0.", {}},      {"-2", "0.", {}},
        {"-", "0.", {}},         {".", "0.", {}},        {"", "0.", {}},       {"2.5", "0.##", {}},
        {"3.5", "0.####", {}},   {"1e1", "0.##", {{"数据非法", kApp}}},
        {"4 ", "0.##", {{"数据非法", kApp}}},
        {"32767", "0.##", {{"溢出", kGeo}}},   {"-32769", "0.##", {{"溢出", kGeo}}},
        {"-32768", "0.", {}},    {"32766", longest.c_str(), {}},
    };
    for (const auto& c : cases) {
        GeometryCalculators g = withPlaces("2");
        runtime::RecordingMessages m;
        g.Command5_Click(c.count, m);
        EXPECT_EQ(g.FormatPattern, c.pattern) << c.count;
        EXPECT_EQ(m.messages, c.messages) << c.count;
    }
}

TEST(DecimalPlaces, PatternAppliesToLaterResults) {
    runtime::RecordingMessages m;
    for (auto [count, ellipse, triangle] : {std::tuple{"4", "面积为:    6.2832", "面积为:6."},
                                            std::tuple{"2", "面积为:    6.28", "面积为:6."},
                                            std::tuple{"0", "面积为:    6", "面积为:6."},
                                            std::tuple{"32766", "面积为:    6.283185307178", "面积为:6."}}) {
        GeometryCalculators g = withPlaces(count);
        EXPECT_EQ(g.Command3_Click("2", "1", m).value_or(""), ellipse) << count;
        EXPECT_EQ(g.Command1_Click("已知三边", "3", "4", "5", m).value_or(""), triangle) << count;
    }
    EXPECT_TRUE(m.messages.empty());
}

TEST(Vertices, GoldenCaptions) {
    struct Row {
        const char *x1, *x2, *x3, *y1, *y2, *y3;
        Expect expect;
    };
    const Row rows[] = {
        {"0", "4", "0", "0", "0", "3", {"面积为:    6", {}}},
        {"0", "0", "4", "0", "3", "0", {"面积为:    6", {}}},
        {"1", "2", "4", "1", "3", "2", {"面积为:    2.5", {}}},
        {"-1", "5", "2", "-2", "-2", "4", {"面积为:    18", {}}},
        {"0", "1", "2", "0", "1", "2", {"面积为:    0", {}}},
        {"", "", "", "", "", "", {"面积为:    0", {}}},
        {"0", "1", "0", "0", "0", "1", {"面积为:    .5", {}}},
        {"x", "1", "2", "0", "1", "y", {std::nullopt, {{"数据非法", kApp}, {"数据非法", kApp}}}},
        {"1" "0000000000000000000000000000000000000000", "0", "0", "0", "0", "1", {std::nullopt, {{"溢出", kGeo}}}},
        {"1000000000000000000000000", "0", "0", "0", "0", "1000000000000000000000000", {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        runtime::RecordingMessages m;
        check(g.Command2_Click(r.x1, r.x2, r.x3, r.y1, r.y2, r.y3, m), m, r.expect, std::string(r.x1) + "," + r.x2);
    }
}

TEST(Ellipse, GoldenCaptions) {
    struct Row {
        const char *a, *b;
        Expect expect;
    };
    const Row rows[] = {
        {"2", "1", {"面积为:    6.2832", {}}},     {"3", "2", {"面积为:    18.8496", {}}},
        {"10", "5", {"面积为:    157.0796", {}}},  {"1", "1", {"面积为:    3.1416", {}}},
        {"0.5", "0.5", {"面积为:    .7854", {}}},  {"-2", "1", {"面积为:   -6.2832", {}}},
        {"", "", {"面积为:    0", {}}},
        {"2e1", "1", {std::nullopt, {{"数据非法", kApp}}}},
        {kOneE200.c_str(), kNines200.c_str(), {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        runtime::RecordingMessages m;
        check(g.Command3_Click(r.a, r.b, m), m, r.expect, std::string(r.a) + "," + r.b);
    }
}

TEST(Sphere, GoldenCaptions) {
    struct Row {
        const char *option, *radius;
        Expect expect;
    };
    const Row rows[] = {
        {"计算体积", "1", {"体积为:    4.1888", {}}},        {"计算表面积", "1", {"表面积为:    12.5664", {}}},
        {"计算体积", "2", {"体积为:    33.5103", {}}},       {"计算表面积", "2", {"表面积为:    50.2655", {}}},
        {"计算体积", "3", {"体积为:    113.0973", {}}},      {"计算表面积", "3", {"表面积为:    113.0973", {}}},
        {"计算体积", "0.5", {"体积为:    .5236", {}}},       {"计算表面积", "0.5", {"表面积为:    3.1416", {}}},
        {"计算体积", "-1", {"体积为:   -4.1888", {}}},       {"计算表面积", "-1", {"表面积为:    12.5664", {}}},
        {"计算体积", "", {std::nullopt, {{"请输入半径", kApp}}}},
        {"", "", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"", "r1", {std::nullopt, {{"数据非法", kApp}}}},
        {"计算体积", "r1", {std::nullopt, {{"数据非法", kApp}}}},
        {"体积", "1", {"表面积为:    12.5664", {}}},
        {"计算体积", kNines120.c_str(), {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        runtime::RecordingMessages m;
        check(g.Command4_Click(r.option, r.radius, m), m, r.expect, std::string(r.option) + " " + r.radius);
    }
}

TEST(Cone, GoldenCaptions) {
    struct Row {
        const char *option, *height, *second;
        Expect expect;
    };
    const Row rows[] = {
        {"已知半径和高", "3", "1", {"结果为:   3.1416", {}}},
        {"已知半径和高", "3", "2", {"结果为:   12.5664", {}}},
        {"已知半径和高", "5", "3", {"结果为:   47.1239", {}}},
        {"已知底面积和高", "2", "6", {"结果为:   4", {}}},
        {"已知底面积和高", "3", "10", {"结果为:   10", {}}},
        {"已知半径和高", "", "", {"结果为:   0", {}}},
        {"已知半径和高", "-3", "2", {"结果为:  -12.5664", {}}},
        {"", "x", "1", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"已知半径和高", "x", "y", {std::nullopt, {{"数据非法", kApp}, {"数据非法", kApp}}}},
        {"半径和高", "3", "1", {std::nullopt, {}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        runtime::RecordingMessages m;
        check(g.Command6_Click(r.option, r.height, r.second, m), m, r.expect, std::string(r.option) + " " + r.height);
    }
}

TEST(ComboPicks, ChangeTheirCaptions) {
    EXPECT_EQ(GeometryCalculators::Combo1_Click("已知两边一夹角"), "角:");
    EXPECT_EQ(GeometryCalculators::Combo1_Click("已知三边"), "边:");
    EXPECT_EQ(GeometryCalculators::Combo2_Click("计算表面积"), "表面积为:");
    EXPECT_EQ(GeometryCalculators::Combo2_Click("计算体积"), "体积为:");
    EXPECT_EQ(GeometryCalculators::Combo3_Click("已知底面积和高"), "底面积:");
    EXPECT_EQ(GeometryCalculators::Combo3_Click("已知半径和高"), "半径:");
    EXPECT_EQ(GeometryCalculators::Combo3_Click("x"), std::nullopt);
}

}  // namespace
