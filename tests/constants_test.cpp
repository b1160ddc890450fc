// The constants reference tables.

#include "constants/constants.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(t.line(1), "真空介电常数              8.85418782^-12");
    EXPECT_EQ(t.line(9), "PI                        3.141592653589");
    EXPECT_EQ(t.values[1], "299792458");
    EXPECT_EQ(t.values[19], t.values[18]);  // milk and sea water share their text
    EXPECT_EQ(t.values[34], "21.4*10^3千克/米^3");
    // The two entries this program supplies, in the form of their neighbours.
    EXPECT_EQ(t.values[7], "2.241383^-2");
    EXPECT_EQ(t.values[23], "0.9*10^3千克/米^3");
    for (int n = 13; n <= 35; ++n) EXPECT_NE(t.values[static_cast<size_t>(n - 1)].find("*10^3千克/米^3"), std::string::npos) << n;
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
