// The geometry window's calculators on any texts.

#include "fuzz_support.h"
#include "runtime/captions.h"
#include "tests/recording_messages.h"
#include "geometry/geometry.h"

#include <cstdlib>
#include <vector>

namespace {

std::vector<std::string_view> fields(std::string_view all, size_t count) {
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        size_t cut = all.find('|');
        if (cut == std::string_view::npos) break;
        out.push_back(all.substr(0, cut));
        all.remove_prefix(cut + 1);
    }
    out.push_back(all);
    while (out.size() < count) out.push_back({});
    return out;
}

const char* const kPrompts[] = {"数据非法", "溢出", "请选择一个选项", "三角形两边之和大于第三边", "请输入半径",
                                geometry::kEnterNumber, geometry::kEnterNonNegative, geometry::kAngleRange};

void requireMessages(const testing_support::RecordingMessages& m) {
    for (const auto& msg : m.messages) {
        bool known = false;
        for (const char* p : kPrompts) known |= msg.prompt == p;
        fuzz::require(known, "unknown prompt", msg.prompt);
    }
}

void requireCaption(const std::optional<std::string>& caption, std::initializer_list<const char*> prefixes) {
    if (!caption) return;
    bool ok = false;
    for (const char* p : prefixes) ok |= caption->rfind(p, 0) == 0;
    fuzz::require(ok, "caption prefix", *caption);
    fuzz::require(caption->find("nan") == std::string::npos && caption->find("inf") == std::string::npos, "caption value", *caption);
    // An area or a volume is never negative.
    const size_t colon = caption->find(':');
    fuzz::require(std::strtod(caption->c_str() + colon + 1, nullptr) >= 0, "negative result", *caption);
}

}  // namespace

static void checkInput(const uint8_t* data, size_t size) {
    std::string_view all(reinterpret_cast<const char*>(data), size);
    auto f = fields(all, 8);
    const char* const modes[] = {"", geometry::kThreeSides, geometry::kTwoSidesAndAngle, "其他"};
    const char* const sphere[] = {"", geometry::kVolume, geometry::kSurface, "体积"};
    const char* const cone[] = {"", geometry::kRadiusAndHeight, geometry::kBaseAndHeight, "高"};
    int pick = size ? data[0] % 4 : 0;

    geometry::GeometryCalculators g;
    g.Form_Load();
    testing_support::RecordingMessages m;
    std::string before = g.FormatPattern;
    g.Command5_Click(f[0], m);
    fuzz::require(g.FormatPattern.rfind("0.", 0) == 0 && g.FormatPattern.size() <= 2 + 32766, "pattern");
    if (!m.messages.empty()) fuzz::require(g.FormatPattern == before, "refused count changed the pattern");

    requireCaption(g.Command1_Click(modes[pick], f[1], f[2], f[3], m), {runtime::kAreaIs});
    requireCaption(g.Command2_Click(f[1], f[2], f[3], f[4], f[5], f[6], m), {runtime::kAreaIsAfterBlanks});
    requireCaption(g.Command3_Click(f[4], f[7], m), {runtime::kAreaIsAfterBlanks});
    requireCaption(g.Command4_Click(sphere[pick], f[2], m), {runtime::kVolumeIs, runtime::kSurfaceIs});
    requireCaption(g.Command6_Click(cone[pick], f[3], f[5], m), {runtime::kConeResultFor});
    requireMessages(m);
}


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::withinFrame([&] { checkInput(data, size); });
    return 0;
}
