// The constants reference tables.

#include "constants/constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(Constants, NamesArePaddedAsTheListShowsThem) {
    // The blanks after each name, in list order.
    const int blanks[constants::kEntryCount] = {14, 16, 16, 14, 14, 14, 14, 18, 24, 12, 14, 14,
                                                18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18,
                                                14, 20, 14, 18, 18, 20, 20, 20, 20, 20, 20};
    constants::Tables t = constants::loadTables();
    ASSERT_EQ(t.names.size(), 35u);
    for (int n = 1; n <= 35; ++n) {
        const std::string& name = t.names[static_cast<size_t>(n - 1)];
        std::string_view bare = constants::entries()[static_cast<size_t>(n - 1)].name;
        EXPECT_EQ(name.substr(0, bare.size()), bare) << n;
        EXPECT_EQ(name.size() - bare.size(), static_cast<size_t>(blanks[n - 1])) << n;
        EXPECT_EQ(name.find_first_not_of(' ', bare.size()), std::string::npos) << n;
        // The value starts in column 27.
        EXPECT_EQ(constants::displayColumns(t.line(n)) - constants::displayColumns(t.values[static_cast<size_t>(n - 1)]), 26) << n;
    }
}

TEST(Constants, ValuesInListOrder) {
    constants::Tables t = constants::loadTables();
    EXPECT_EQ(t.line(1), "真空介电常数              8.8541878188^-12");
    EXPECT_EQ(t.line(9), "PI                        3.141592653589");
    EXPECT_EQ(t.values[1], "299792458");
    EXPECT_EQ(t.values[19], t.values[18]);  // milk and sea water share their text
    EXPECT_EQ(t.values[34], "21.4*10^3千克/米^3");
    EXPECT_EQ(t.values[23], "0.9*10^3千克/米^3");  // paraffin wax, 0.87 to 0.93 g/cm^3
    EXPECT_EQ(t.values[21], "1.29千克/米^3");      // air at 0 °C and 101.325 kPa: 1.293 kg/m^3
    for (int n = 13; n <= 35; ++n) {
        if (n == 22) continue;
        EXPECT_NE(t.values[static_cast<size_t>(n - 1)].find("*10^3千克/米^3"), std::string::npos) << n;
    }
}

// The physical constants as CODATA 2022 recommends them (c, h, e and N_A
// exact since the 2019 SI), in the list's form: mantissa "^" power of ten.
TEST(Constants, Codata2022) {
    const std::pair<int, const char*> codata[] = {
        {1, "8.8541878188^-12"}, {2, "299792458"},         {3, "6.62607015^-34"},
        {4, "6.67430^-11"},      {5, "1.602176634^-19"},   {6, "9.1093837139^-31"},
        {7, "1.67262192595^-27"}, {10, "6.02214076^23"},   {11, "2.8179403205^-15"},
        {12, "1.67492750056^-27"},
    };
    constants::Tables t = constants::loadTables();
    for (auto [n, value] : codata) EXPECT_EQ(t.values[static_cast<size_t>(n - 1)], value) << n;
    // The molar volume of an ideal gas at 273.15 K and 101.325 kPa from the
    // exact k and N_A: R T / p, to the digits the list shows.
    const double R = 1.380649e-23 * 6.02214076e23;
    const double v = R * 273.15 / 101325;
    const std::string& text = t.values[7];
    ASSERT_EQ(text.substr(text.size() - 3), "^-2");
    const std::string mantissa = text.substr(0, text.size() - 3);
    const double shown = std::stod(mantissa) * 1e-2;
    EXPECT_LE(std::fabs(shown - v), 0.5e-2 * std::pow(10.0, -static_cast<double>(mantissa.size() - 2))) << text;
}

TEST(Constants, SelectionIndexToValue) {
    constants::Tables t = constants::loadTables();
    EXPECT_EQ(t.valueForSelection(1), "299792458");
    EXPECT_EQ(t.valueForSelection(8), "3.141592653589");
    EXPECT_EQ(t.valueForSelection(34), "21.4*10^3千克/米^3");  // the last entry
    EXPECT_EQ(t.valueForSelection(-1), std::nullopt);
    EXPECT_EQ(t.valueForSelection(35), std::nullopt);
}

}  // namespace
