#include "constants/constants.h"

namespace constants {

namespace {

// The physical constants are CODATA 2022's recommended values; c, h, e and
// N_A are exact since the 2019 SI. Entry 8 is the molar volume of an ideal
// gas at 273.15 K and 101.325 kPa, R T / p = 22.413969545... L/mol, exact as
// R = N_A k is. Entry 22 is air at 0 °C and one standard atmosphere,
// 1.29 kg/m^3 (1.293). Entry 24 is paraffin wax, 0.9 × 10^3 kg/m^3 as the
// common density tables give it (0.87 to 0.93).
constexpr std::array<Entry, kEntryCount> kEntries{{
    {"真空介电常数", "8.8541878188^-12"},
    {"真空中光速", "299792458"},
    {"普朗克常数", "6.62607015^-34"},
    {"万有引力常数", "6.67430^-11"},
    {"基本电荷单位", "1.602176634^-19"},
    {"电子质量单位", "9.1093837139^-31"},
    {"质子质量单位", "1.67262192595^-27"},
    {"摩尔体积", "2.2413969545^-2"},
    {"PI", "3.141592653589"},
    {"阿伏伽德罗常数", "6.02214076^23"},
    {"经典电子半径", "2.8179403205^-15"},
    {"中子质量单位", "1.67492750056^-27"},
    {"水银密度", "13.6*10^3千克/米^3"},
    {"乙醚密度", "0.71*10^3千克/米^3"},
    {"酒精密度", "0.79*10^3千克/米^3"},
    {"煤油密度", "0.81*10^3千克/米^3"},
    {"柴油密度", "0.85*10^3千克/米^3"},
    {"纯水密度", "1.00*10^3千克/米^3"},
    {"海水密度", "1.03*10^3千克/米^3"},
    {"牛奶密度", "1.03*10^3千克/米^3"},
    {"硫酸密度", "1.84*10^3千克/米^3"},
    {"空气密度", "1.29千克/米^3"},
    {"汽油密度", "0.70*10^3千克/米^3"},
    {"石蜡密度", "0.9*10^3千克/米^3"},
    {"泡沫塑料密度", "0.2*10^3千克/米^3"},
    {"冰密度", "0.9*10^3千克/米^3"},
    {"有机玻璃密度", "1.18*10^3千克/米^3"},
    {"钢铁密度", "7.8*10^3千克/米^3"},
    {"铸铁密度", "7.0*10^3千克/米^3"},
    {"铝密度", "2.7*10^3千克/米^3"},
    {"铜密度", "8.9*10^3千克/米^3"},
    {"银密度", "10.5*10^3千克/米^3"},
    {"铅密度", "11.3*10^3千克/米^3"},
    {"金密度", "19.3*10^3千克/米^3"},
    {"铂密度", "21.4*10^3千克/米^3"},
}};

}  // namespace

const std::array<Entry, kEntryCount>& entries() { return kEntries; }

int displayColumns(std::string_view text) {
    int columns = 0;
    for (unsigned char c : text) {
        if (c < 0x80) ++columns;             // ASCII
        else if ((c & 0xC0) != 0x80) columns += 2;  // first byte of a wide character
    }
    return columns;
}

Tables loadTables() {
    Tables t;
    t.names.reserve(kEntryCount);
    t.values.reserve(kEntryCount);
    for (const Entry& e : kEntries) {
        std::string name(e.name);
        int blanks = kNameColumns - displayColumns(e.name);
        if (blanks > 0) name.append(static_cast<size_t>(blanks), ' ');
        t.names.push_back(std::move(name));
        t.values.emplace_back(e.value);
    }
    return t;
}

std::string Tables::line(int n) const {
    return names[static_cast<size_t>(n - 1)] + values[static_cast<size_t>(n - 1)];
}

std::optional<std::string> Tables::valueForSelection(int index) const {
    int n = index + 1;
    if (n < 1 || n > static_cast<int>(values.size())) return std::nullopt;
    return values[static_cast<size_t>(n - 1)];
}

}  // namespace constants
