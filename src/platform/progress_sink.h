#pragma once

#include <string>

// Where long work reports what it is doing: the status text, the progress window (caption,
// three lines, range and position) and information notices. The document binds it to the
// progress window and the operator; tests record it; command-line tools ignore it or print
// it. All texts are CP932.
class IProgressSink {
public:
    virtual ~IProgressSink() = default;

    virtual void SetStatusText(const std::string& text) = 0;
    // index 0 is the window caption, 1 to 3 the three text lines.
    virtual void SetProgressText(int index, const std::string& text) = 0;
    virtual void SetProgressRange(int lower, int upper) = 0;
    virtual void SetProgressPos(int position) = 0;
    virtual void ShowProgress() = 0;
    virtual void CloseProgress() = 0;
    // Lets pending window events run during long work.
    virtual void PumpEvents() = 0;
    // An information notice the operator must see (for example, entries that were lost).
    virtual void ShowNotice(const std::string& text, const std::string& caption) = 0;
};

// A sink that drops everything.
class CNullProgressSink : public IProgressSink {
public:
    void SetStatusText(const std::string&) override {}
    void SetProgressText(int, const std::string&) override {}
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int) override {}
    void ShowProgress() override {}
    void CloseProgress() override {}
    void PumpEvents() override {}
    void ShowNotice(const std::string&, const std::string&) override {}
};
