#pragma once
// Shared by the benchmarks: a message sink that shows nothing.

#include "runtime/message_sink.h"

namespace bench {

class NoMessages : public runtime::MessageSink {
public:
    void showMessage(std::string_view, std::string_view) override {}
};

}  // namespace bench
