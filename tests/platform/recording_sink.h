#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"

namespace platform_test {

// Records every call of a long piece of work to its progress sink as one readable line, texts
// in UTF-8: "status TEXT", "text INDEX TEXT", "range LOWER UPPER", "pos N", "show", "close",
// "pump", "notice CAPTION: TEXT".
class RecordingSink : public IProgressSink {
public:
    void SetStatusText(const std::string& text) override {
        events.push_back("status " + Cp932ToUtf8(text));
    }
    void SetProgressText(int index, const std::string& text) override {
        events.push_back("text " + std::to_string(index) + " " + Cp932ToUtf8(text));
    }
    void SetProgressRange(int lower, int upper) override {
        events.push_back("range " + std::to_string(lower) + " " + std::to_string(upper));
    }
    void SetProgressPos(int position) override {
        events.push_back("pos " + std::to_string(position));
    }
    void ShowProgress() override { events.push_back("show"); }
    void CloseProgress() override { events.push_back("close"); }
    void PumpEvents() override { events.push_back("pump"); }
    void ShowNotice(const std::string& text, const std::string& caption) override {
        events.push_back("notice " + Cp932ToUtf8(caption) + ": " + Cp932ToUtf8(text));
    }

    // The events that start with kind and a blank, without them ("status" gives the texts).
    std::vector<std::string> Of(std::string_view kind) const {
        std::vector<std::string> found;
        for (const std::string& event : events) {
            if (event.size() > kind.size() && event.starts_with(kind) &&
                event[kind.size()] == ' ') {
                found.push_back(event.substr(kind.size() + 1));
            }
        }
        return found;
    }

    std::vector<std::string> events;
};

}  // namespace platform_test
