#pragma once
// Errors raised by the runtime conversion rules and the expression evaluator.
// An error carries a number, a source and a description; the evaluate command
// shows only the description.

#include <cstdint>
#include <exception>
#include <string>

namespace runtime {

// Error numbers of the runtime.
enum ErrorNumber : int32_t {
    kInvalidArgument = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
};

// The source reported by errors that the runtime itself raises.
extern const char* const kRuntimeSource;

// The runtime's description of one of its error numbers, in the language of
// the user interface; an unknown number gives a generic text.
std::string errorDescription(int32_t number);

class RuntimeError : public std::exception {
public:
    RuntimeError(int32_t number, std::string source, std::string description);

    // An error raised by the runtime: its own source and description.
    explicit RuntimeError(int32_t number);

    int32_t number() const noexcept { return number_; }
    const std::string& source() const noexcept { return source_; }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int32_t number_;
    std::string source_;
    std::string description_;
};

}  // namespace runtime
