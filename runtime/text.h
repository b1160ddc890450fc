#pragma once
// Character counts of UTF-8 texts as the windows count them (UTF-16 units).

#include <cstddef>
#include <string_view>

namespace runtime {

// Number of UTF-16 code units the UTF-8 text takes.
inline size_t utf16Length(std::string_view text) {
    size_t units = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++units;   // first byte of a character
        if ((c & 0xF8) == 0xF0) ++units;   // four-byte character: a surrogate pair
    }
    return units;
}

}  // namespace runtime
