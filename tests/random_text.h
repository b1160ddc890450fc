#pragma once
// Random texts as a user might type them into a number box: mostly numbers
// (signs, leading zeros, points, huge and tiny ones), often with a stray
// character, sometimes empty, blank or nothing like a number at all.

#include "tests/draw.h"

#include <cstdint>
#include <string>

namespace testing_support {

class RandomText {
public:
    explicit RandomText(uint64_t seed) : draw_(seed) {}

    // low … high, both included.
    int pick(int low, int high) { return low + draw_.below(high - low + 1); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    // A run of digits: most short, some of several hundred, some led by zeros.
    std::string digits(int longest = 12) {
        int n = chance(5) ? pick(13, 600) : pick(1, longest);
        std::string s;
        if (chance(10)) s.append(static_cast<size_t>(pick(1, 3)), '0');
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + pick(0, 9));
        return s;
    }

    // A text for a number box, drawn from `alphabet` for its stray characters.
    std::string numberText(const std::string& alphabet = "-.+eE ,xF") {
        switch (pick(0, 9)) {
        case 0: return chance(50) ? "" : std::string(static_cast<size_t>(pick(1, 3)), ' ');
        case 1: {  // anything
            std::string s;
            for (int n = pick(1, 6); n > 0; --n) s += alphabet[static_cast<size_t>(pick(0, static_cast<int>(alphabet.size()) - 1))];
            if (chance(50)) s.insert(static_cast<size_t>(pick(0, static_cast<int>(s.size()))), std::to_string(pick(0, 99)));
            return s;
        }
        default: break;
        }
        std::string s;
        if (chance(25)) s += '-';
        s += digits();
        if (chance(20)) s += "." + (chance(80) ? digits(4) : std::string());
        if (chance(10)) s.insert(static_cast<size_t>(pick(0, static_cast<int>(s.size()))), 1,
                                 alphabet[static_cast<size_t>(pick(0, static_cast<int>(alphabet.size()) - 1))]);
        return s;
    }

private:
    testdraw::Draw draw_;
};

}  // namespace testing_support
