// The geometry window's calculators: golden tables of inputs, option and
// pattern against the exact caption text and messages.

#include "geometry/geometry.h"
#include "tests/recording_messages.h"
#include "tests/random_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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
    std::vector<testing_support::Message> messages;
};

void check(const std::optional<std::string>& caption, const testing_support::RecordingMessages& m, const Expect& e,
           const std::string& what) {
    EXPECT_EQ(caption, e.caption) << what;
    EXPECT_EQ(m.messages, e.messages) << what;
}

GeometryCalculators withPlaces(const char* count) {
    GeometryCalculators g;
    g.Form_Load();
    testing_support::RecordingMessages m;
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
        {"已知三边", "3", "-4", "5", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"已知三边", "-0", "1", "1", {std::nullopt, {{"三角形两边之和大于第三边", kGeo}}}},
        {"已知三边", "3", "4-", "5", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"已知三边", "3", "4", "1.2.3", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"已知三边", ".", "4", "5", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"已知两边一夹角", "3", "30", "4", {"面积为:3.", {}}},
        {"已知两边一夹角", "10", "60", "10", {"面积为:43.3013", {}}},
        {"已知两边一夹角", "2", "90", "5", {"面积为:5.", {}}},
        {"已知两边一夹角", "10", "150", "10", {"面积为:25.", {}}},
        {"已知两边一夹角", "1", "179.999", "1", {"面积为:0.", {}}},
        {"已知两边一夹角", "0", "30", "10", {"面积为:0.", {}}},
        {"已知两边一夹角", "1", "200", "1", {std::nullopt, {{"夹角必须大于0度且小于180度", kGeo}}}},
        {"已知两边一夹角", "1", "-30", "1", {std::nullopt, {{"夹角必须大于0度且小于180度", kGeo}}}},
        {"已知两边一夹角", "1", "180", "1", {std::nullopt, {{"夹角必须大于0度且小于180度", kGeo}}}},
        {"已知两边一夹角", "1", "0", "1", {std::nullopt, {{"夹角必须大于0度且小于180度", kGeo}}}},
        {"已知两边一夹角", "1", "", "1", {std::nullopt, {{"夹角必须大于0度且小于180度", kGeo}}}},
        {"已知两边一夹角", "-1", "30", "1", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"已知两边一夹角", "1", "30", "-1", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"已知三边", "1e3", "4", "5", {std::nullopt, {{"数据非法", kApp}}}},
        {"", " 3", "4", "5", {std::nullopt, {{"数据非法", kApp}}}},
        {"", "3", "4", "5", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"三边", "3", "4", "5", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"xyz", "3", "4", "5", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"已知三边", "a", "b", "c", {std::nullopt, {{"数据非法", kApp}, {"数据非法", kApp}, {"数据非法", kApp}}}},
        // Beyond the single range a side cannot be held.
        {"已知三边", kNines39.c_str(), "1", "1", {std::nullopt, {{"溢出", kGeo}}}},
        {"已知两边一夹角", kOneE200.c_str(), "90", kNines200.c_str(), {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& c : cases) {
        GeometryCalculators g = withPlaces(nullptr);
        testing_support::RecordingMessages m;
        auto caption = g.Command1_Click(c.mode, c.t1, c.t2, c.t3, m);
        check(caption, m, c.expect, std::string(c.mode) + " " + c.t1 + "," + c.t2 + "," + c.t3);
    }
}

TEST(Triangle, SidesAreStoredAsSingles) {
    GeometryCalculators g = withPlaces(nullptr);
    testing_support::RecordingMessages m;
    g.Command1_Click("已知三边", "100.1", "100.2", "100.3", m);
    EXPECT_EQ(g.SideA, 100.1f);
    EXPECT_EQ(g.SideC, 100.3f);
    EXPECT_EQ(g.HalfPerimeter, 150.3f);
}

struct PlacesCase {
    const char* count;
    const char* pattern;
    std::vector<testing_support::Message> messages;
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
        testing_support::RecordingMessages m;
        g.Command5_Click(c.count, m);
        EXPECT_EQ(g.FormatPattern, c.pattern) << c.count;
        EXPECT_EQ(m.messages, c.messages) << c.count;
    }
}

TEST(DecimalPlaces, PatternAppliesToLaterResults) {
    testing_support::RecordingMessages m;
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
        {"-0", "-4", "0", "0", "0", "-3", {"面积为:    6", {}}},
        {"1-2", "0", "0", "0", "0", "0", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"0", "1", "0", "0", "0", "1", {"面积为:    .5", {}}},
        {"x", "1", "2", "0", "1", "y", {std::nullopt, {{"数据非法", kApp}, {"数据非法", kApp}}}},
        {"1" "0000000000000000000000000000000000000000", "0", "0", "0", "0", "1", {std::nullopt, {{"溢出", kGeo}}}},
        {"1000000000000000000000000", "0", "0", "0", "0", "1000000000000000000000000", {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        testing_support::RecordingMessages m;
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
        {"0.5", "0.5", {"面积为:    .7854", {}}},  {"-2", "1", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"2", "-1", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"2", "1.", {"面积为:    6.2832", {}}},   {"2", "1-", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"", "", {"面积为:    0", {}}},
        {"2e1", "1", {std::nullopt, {{"数据非法", kApp}}}},
        {kOneE200.c_str(), kNines200.c_str(), {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        testing_support::RecordingMessages m;
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
        {"计算体积", "-1", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"计算表面积", "-1", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"计算体积", "0", {"体积为:    0", {}}},         {"计算体积", "--1", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"计算体积", "", {std::nullopt, {{"请输入半径", kApp}}}},
        {"", "", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"", "r1", {std::nullopt, {{"数据非法", kApp}}}},
        {"计算体积", "r1", {std::nullopt, {{"数据非法", kApp}}}},
        {"体积", "1", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"计算体积 ", "1", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"计算体积", kNines120.c_str(), {std::nullopt, {{"溢出", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        testing_support::RecordingMessages m;
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
        {"已知半径和高", "-3", "2", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"已知半径和高", "3", "-2", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"已知底面积和高", "3", "-2", {std::nullopt, {{"请输入非负数", kGeo}}}},
        {"已知底面积和高", "3", "2..", {std::nullopt, {{"请输入数字", kGeo}}}},
        {"", "x", "1", {std::nullopt, {{"请选择一个选项", kGeo}}}},
        {"已知半径和高", "x", "y", {std::nullopt, {{"数据非法", kApp}, {"数据非法", kApp}}}},
        {"半径和高", "3", "1", {std::nullopt, {{"请选择一个选项", kGeo}}}},
    };
    for (const auto& r : rows) {
        GeometryCalculators g = withPlaces(nullptr);
        testing_support::RecordingMessages m;
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

// --- Every outcome against the formulas ------------------------------------
// Random boxes and list texts for the five calculators: the area or volume
// the formula gives for the typed numbers, to the four places shown (the
// triangles from singles, as the window keeps them), or the refusal the
// texts call for. "溢出" only where a typed number is huge.

struct Draw {
    std::string prompt;  // the refusal expected; empty for a value
    double value = 0, tolerance = 0;
    bool huge = false;
};

bool checkable(const std::string& t) { return t.find_first_not_of("0123456789.-") == std::string::npos; }
bool numeric(const std::string& t) {
    if (t.empty()) return true;
    const std::string d = t[0] == '-' ? t.substr(1) : t;
    return std::count(d.begin(), d.end(), '.') <= 1 && d.find_first_not_of("0123456789.") == std::string::npos &&
           d.find_first_of("0123456789") != std::string::npos;
}
double valueOf(const std::string& t) { return t.empty() ? 0 : std::strtod(t.c_str(), nullptr); }

// The refusal the boxes' texts call for, in the window's order: the check,
// the form of a number, then the sign.
std::string refusalOf(std::initializer_list<std::string> all, std::initializer_list<std::string> lengths) {
    for (const std::string& t : all)
        if (!checkable(t)) return "数据非法";
    for (const std::string& t : all)
        if (!numeric(t)) return "请输入数字";
    for (const std::string& t : lengths)
        if (valueOf(t) < 0) return "请输入非负数";
    return "";
}

void expectDraw(const Draw& d, const std::optional<std::string>& caption, const testing_support::RecordingMessages& m,
                const std::string& what) {
    if (d.huge && !m.messages.empty() && m.messages.back().prompt == "溢出") return;
    if (!d.prompt.empty()) {
        ASSERT_FALSE(caption.has_value()) << what << " gave " << *caption;
        ASSERT_FALSE(m.messages.empty()) << what;
        ASSERT_EQ(m.messages.front().prompt, d.prompt) << what;
        return;
    }
    ASSERT_TRUE(m.messages.empty()) << what << ": " << m.messages.front().prompt;
    ASSERT_TRUE(caption.has_value()) << what;
    const size_t colon = caption->find(':');
    ASSERT_NE(colon, std::string::npos) << what;
    const double shown = std::strtod(caption->c_str() + colon + 1, nullptr);
    ASSERT_LE(std::fabs(shown - d.value), d.tolerance) << what << " gave " << *caption << ", not " << d.value;
}

TEST(AgainstFormulas, EveryCalculator) {
    testing_support::RandomText r(36007);
    const double pi = 3.141592653589;
    const std::string modes[] = {"已知三边", "已知两边一夹角", "", "三边", "xyz"};
    const std::string spheres[] = {"计算体积", "计算表面积", "", "体积"};
    const std::string cones[] = {"已知半径和高", "已知底面积和高", "", "半径"};
    auto text = [&] { return r.chance(50) ? std::to_string(r.pick(-20, 400)) + (r.chance(30) ? ".5" : "") : r.numberText(); };
    auto huge = [](std::initializer_list<std::string> ts) {
        for (const std::string& t : ts)
            if (numeric(t) && std::fabs(valueOf(t)) > 1e18) return true;
        return false;
    };
    int values = 0, refusals = 0;
    for (int i = 0; i < 100000; ++i) {
        GeometryCalculators g = withPlaces(nullptr);
        testing_support::RecordingMessages m;
        Draw d;
        std::optional<std::string> caption;
        std::string what;
        switch (i % 5) {
        case 0: {  // triangle
            const std::string mode = modes[r.pick(0, 4)], a = text(), b = text(), c = text();
            what = mode + " " + a + "," + b + "," + c;
            const bool sides = mode == "已知三边", angle = mode == "已知两边一夹角";
            if (!checkable(a) || !checkable(b) || !checkable(c)) d.prompt = "数据非法";
            else if (!sides && !angle) d.prompt = "请选择一个选项";
            else if (sides) d.prompt = refusalOf({a, b, c}, {a, c, b});
            else d.prompt = refusalOf({a, b, c}, {a, c});
            d.huge = huge({a, b, c});
            if (d.prompt.empty() && angle && !(valueOf(b) > 0 && valueOf(b) < 180)) d.prompt = "夹角必须大于0度且小于180度";
            if (d.prompt.empty() && sides) {
                const float x = static_cast<float>(valueOf(a)), y = static_cast<float>(valueOf(b)), z = static_cast<float>(valueOf(c));
                auto sum = [](float p, float q) { return static_cast<float>(static_cast<double>(p) + q); };
                if (!(sum(x, y) > z && sum(x, z) > y && sum(z, y) > x)) d.prompt = "三角形两边之和大于第三边";
                const double s = (valueOf(a) + valueOf(b) + valueOf(c)) / 2;
                const double m4 = std::pow(std::max({valueOf(a), valueOf(b), valueOf(c)}), 4);
                const double a2 = std::max(0.0, s * (s - valueOf(a)) * (s - valueOf(b)) * (s - valueOf(c)));
                // Compared as squares: a flat triangle's area is sensitive to its sides' single rounding.
                d.value = a2;
                d.tolerance = 1e-6 * m4 + 1.2e-4 * std::sqrt(a2) + 1e-8;
            } else if (d.prompt.empty()) {
                d.value = valueOf(a) * valueOf(c) * std::sin(valueOf(b) / (180 / pi)) / 2;
                d.tolerance = 0.6e-4 + 1e-6 * std::fabs(d.value);
            }
            caption = g.Command1_Click(mode, a, b, c, m);
            if (sides && caption && d.prompt.empty()) {  // square the shown area
                const double shown = std::strtod(caption->c_str() + caption->find(':') + 1, nullptr);
                caption = "面积为:" + std::to_string(shown * shown);
            }
            break;
        }
        case 1: {  // vertices
            std::string t[6];
            for (auto& x : t) x = text();
            what = t[0] + "," + t[1] + "," + t[2] + "," + t[3] + "," + t[4] + "," + t[5];
            d.prompt = refusalOf({t[0], t[1], t[2], t[3], t[4], t[5]}, {});
            d.huge = huge({t[0], t[1], t[2], t[3], t[4], t[5]});
            if (d.prompt.empty()) {
                double x[3], y[3], scale = 0;
                for (int k = 0; k < 3; ++k) x[k] = valueOf(t[k]), y[k] = valueOf(t[k + 3]);
                for (int p = 0; p < 3; ++p)
                    for (int q = 0; q < 3; ++q) scale += std::fabs(x[p] * y[q]);
                d.value = std::fabs((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0])) / 2;
                d.tolerance = 0.6e-4 + 1e-6 * scale;
            }
            caption = g.Command2_Click(t[0], t[1], t[2], t[3], t[4], t[5], m);
            break;
        }
        case 2: {  // ellipse from its semi-axes
            const std::string a = text(), b = text();
            what = "ellipse " + a + "," + b;
            d.prompt = refusalOf({a, b}, {a, b});
            d.huge = huge({a, b});
            d.value = pi * valueOf(a) * valueOf(b);
            d.tolerance = 0.6e-4 + 1e-12 * d.value;
            caption = g.Command3_Click(a, b, m);
            break;
        }
        case 3: {  // sphere
            const std::string option = spheres[r.pick(0, 3)], radius = text();
            what = option + " " + radius;
            if (!checkable(radius)) d.prompt = "数据非法";
            else if (option != "计算体积" && option != "计算表面积") d.prompt = "请选择一个选项";
            else if (radius.empty()) d.prompt = "请输入半径";
            else d.prompt = refusalOf({radius}, {radius});
            d.huge = huge({radius});
            const double rv = valueOf(radius);
            d.value = option == "计算体积" ? 4 * pi * rv * rv * rv / 3 : 4 * pi * rv * rv;
            d.tolerance = 0.6e-4 + 1e-12 * d.value;
            caption = g.Command4_Click(option, radius, m);
            break;
        }
        default: {  // cone
            const std::string option = cones[r.pick(0, 3)], h = text(), x = text();
            what = option + " " + h + "," + x;
            if (option != "已知半径和高" && option != "已知底面积和高") d.prompt = "请选择一个选项";
            else d.prompt = refusalOf({h, x}, {h, x});
            d.huge = huge({h, x});
            d.value = option == "已知半径和高" ? pi * valueOf(x) * valueOf(x) * valueOf(h) / 3 : valueOf(x) * valueOf(h) / 3;
            d.tolerance = 0.6e-4 + 1e-12 * d.value;
            caption = g.Command6_Click(option, h, x, m);
            break;
        }
        }
        expectDraw(d, caption, m, what);
        if (::testing::Test::HasFatalFailure()) return;
        (d.prompt.empty() ? values : refusals) += 1;
    }
    EXPECT_GT(values, 20000);  // both outcomes well drawn
    EXPECT_GT(refusals, 20000);
}

}  // namespace
