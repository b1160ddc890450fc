#pragma once
// How every calculator refuses what it cannot compute: one step run, and a
// runtime error it raises shown in a box instead of a result.

#include "runtime/error.h"
#include "runtime/message_sink.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace runtime {

namespace detail {
template <typename T> struct Optional { using type = std::optional<T>; };
template <typename T> struct Optional<std::optional<T>> { using type = std::optional<T>; };
}  // namespace detail

// Runs `step`. Its result (a value, or an optional one that is empty when
// the step refused by itself, having shown its own box) is given back; a
// runtime error it raises is shown in a box with `title` and the prompt
// `describe` gives for it, and nothing is given.
template <typename Step, typename Describe>
auto refusing(MessageSink& messages, std::string_view title, Step&& step, Describe&& describe) ->
    typename detail::Optional<std::invoke_result_t<Step>>::type {
    try {
        return std::forward<Step>(step)();
    } catch (const RuntimeError& e) {
        messages.showMessage(std::forward<Describe>(describe)(e), title);
        return std::nullopt;
    }
}

// The same, the prompt being the error's own description ("溢出").
template <typename Step>
auto refusing(MessageSink& messages, std::string_view title, Step&& step) {
    return refusing(messages, title, std::forward<Step>(step),
                    [](const RuntimeError& e) -> std::string { return e.description(); });
}

}  // namespace runtime
