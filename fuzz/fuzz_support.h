#pragma once
// What every fuzz target checks besides the absence of crashes and undefined
// behaviour: each call answers within one frame, and each failure is one the
// program expects.

#include "runtime/error.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

namespace fuzz {

// One 60 Hz frame. The sanitizers make the code several times slower than
// the product build, whose timings bench/ measures; the budget here allows
// for that.
inline constexpr double kFrameSeconds = 1.0 / 60;
inline constexpr double kSanitizerSlowdown = 4;

inline double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

[[noreturn]] inline void fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "property violated: %s %.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void require(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok) fail(what, detail);
}

// Runs the check of one input and fails when it takes longer than a frame
// of CPU time. A slow run is repeated: only an input that is slow every time
// counts, not a pause of the machine the fuzzer runs on.
template <typename F>
void withinFrame(F&& check) {
    constexpr double kBudget = kFrameSeconds * kSanitizerSlowdown;
    double fastest = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        double start = threadSeconds();
        check();
        double spent = threadSeconds() - start;
        if (spent <= kBudget) return;
        fastest = attempt == 0 ? spent : std::min(fastest, spent);
    }
    std::fprintf(stderr, "call took %.1f ms every time\n", fastest * 1e3);
    std::abort();
}

// The runtime's own errors carry its source and its description.
inline void requireRuntimeError(const runtime::RuntimeError& e) {
    require(e.source() == runtime::kRuntimeSource, "runtime error with a foreign source", e.source());
    require(e.description() == runtime::errorDescription(e.number()), "runtime error description", e.description());
}

inline bool isDigits(std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; }

}  // namespace fuzz
