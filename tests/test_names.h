#pragma once
// Readable names for the cases of parameterised suites: the case's own text
// spelled with letters, digits and underscores ("2*(3+4)" becomes
// "2_times_open3_plus_4close"), then its index so that names stay unique.

#include <cstddef>
#include <string>
#include <string_view>

namespace testnames {

inline std::string spelled(std::string_view text, size_t maxLength = 48) {
    std::string out;
    auto word = [&out](const char* w) {
        if (!out.empty() && out.back() != '_') out += '_';
        out += w;
        out += '_';
    };
    for (unsigned char c : text) {
        if (out.size() >= maxLength) break;
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            out += static_cast<char>(c);
            continue;
        }
        switch (c) {
        case '+': word("plus"); break;
        case '-': word("minus"); break;
        case '*': word("times"); break;
        case '/': word("over"); break;
        case '\\': word("intdiv"); break;
        case '%': word("mod"); break;
        case '^': word("pow"); break;
        case '(': word("open"); break;
        case ')': word("close"); break;
        case '.': word("point"); break;
        case ',': word("comma"); break;
        case '=': word("equals"); break;
        case '\'': break;
        case ' ':
            if (!out.empty() && out.back() != '_') out += '_';
            break;
        default:
            if (c >= 0x80) {
                if ((c & 0xC0) != 0x80) word("u");  // one word per non-ASCII character
            } else {
                word("x");
            }
        }
    }
    while (!out.empty() && out.back() == '_') out.pop_back();
    return out.empty() ? std::string("empty") : out;
}

// "<spelled text>_<index>".
inline std::string caseName(std::string_view text, size_t index) {
    return spelled(text) + "_" + std::to_string(index);
}

}  // namespace testnames
