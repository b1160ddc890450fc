#include "bignum/check.h"

namespace bignum {

namespace {
// The check counts characters in a signed 16-bit count.
constexpr size_t kMaxCharacters = 32766;

bool acceptable(std::string_view str) {
    // Every accepted character is ASCII, so bytes and characters agree.
    if (str.size() > kMaxCharacters) return false;
    for (char c : str)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) return false;
    return true;
}
}  // namespace

bool Check(std::string_view str, runtime::MessageSink& messages) {
    if (acceptable(str)) return true;
    messages.showMessage(kInvalidData, runtime::kApplicationTitle);
    return false;
}

bool isWholeNumber(std::string_view text, bool allowSign) {
    if (allowSign && !text.empty() && text.front() == '-') text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool isDecimalNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    bool digit = false, point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') digit = true;
        else if (c == '.' && !point) point = true;
        else return false;
    }
    return digit;
}

bool CheckAll(std::initializer_list<std::string_view> texts, runtime::MessageSink& messages) {
    bool all = true;
    for (std::string_view t : texts) all = Check(t, messages) && all;
    return all;
}

}  // namespace bignum
