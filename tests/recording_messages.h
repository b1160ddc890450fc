#pragma once
// A message sink that keeps every message in the order shown, for the tests
// and the fuzz targets.

#include "runtime/message_sink.h"

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct Message {
    std::string prompt;
    std::string title;
    bool operator==(const Message&) const = default;
};

class RecordingMessages : public runtime::MessageSink {
public:
    void showMessage(std::string_view prompt, std::string_view title) override {
        messages.push_back({std::string(prompt), std::string(title)});
    }
    std::vector<Message> messages;
};

}  // namespace testing_support
