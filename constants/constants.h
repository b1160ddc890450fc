#pragma once
// The constants reference: physical constants and densities of common
// materials, each with the value text the window copies to the clipboard.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace constants {

struct Entry {
    std::string_view name;   // display name, without its filling blanks
    std::string_view value;  // "^" stands for a power of ten
};

inline constexpr int kEntryCount = 35;

// Names are padded to this many columns, a Chinese character counting two
// and a Latin character one, so that the values line up.
inline constexpr int kNameColumns = 26;

// The entries in list order.
const std::array<Entry, kEntryCount>& entries();

// Columns the text takes: two for a character beyond ASCII, one otherwise.
int displayColumns(std::string_view text);

// The two tables the window keeps while it is open.
struct Tables {
    std::vector<std::string> names;   // padded with blanks to 26 columns
    std::vector<std::string> values;

    // The line of entry n (1-based): its padded name, then its value.
    std::string line(int n) const;
    // The value to copy for a list selection index (0 for the top line), or
    // nothing when no entry is selected.
    std::optional<std::string> valueForSelection(int index) const;
};

Tables loadTables();

}  // namespace constants
