#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "platform/cp932.h"
#include "platform/progress_sink.h"

class IOperator;

// The progress window's state (caption, three text lines, range, position, cancel button)
// and the user-feedback operations every document operation uses: ShowMessage (a modal
// message box) and SetStatusText (pane 0 of the main status bar). The window itself is the
// operator's (IOperator::ShowProgress); this object tells it what changed while it is shown.
// Sink() lets the data-file loader, the converter and other long work report through it.
class CProgressDialog {
public:
    // Values of GetState.
    static constexpr int kStateHidden = 0;
    static constexpr int kStateMessage = 1;
    static constexpr int kStateShown = 2;
    static constexpr int kTextCount = 4;

    explicit CProgressDialog(IOperator& op);
    CProgressDialog(const CProgressDialog&) = delete;
    CProgressDialog& operator=(const CProgressDialog&) = delete;
    // Closes the window when it is still shown.
    ~CProgressDialog();

    // index 0 is the caption, 1 to 3 the lines; any other index is refused (false).
    bool SetProgressText(int index, const Cp932& text);
    // The text, or an empty one for an index outside 0 to 3.
    const Cp932& GetProgressText(int index) const;
    void SetProgressRange(int lower, int upper);
    void SetProgressPos(int position);
    void EnableCancel(bool enable);

    // Shows the window (over the operator's active window); clears the cancelled flag.
    void Show();
    void Close();
    // Set by the window's cancel button (Cancel) until the next Show.
    bool IsCancelled() const { return cancelled_ != 0; }
    void Cancel() { cancelled_ = 1; }

    void SetBeep(bool beep) { beep_ = beep ? 1 : 0; }
    bool GetBeep() const { return beep_ != 0; }
    // The message beep of type, when beeping is on.
    void Beep(int type);

    // A modal message box; returns the button pressed.
    int ShowMessage(const Cp932& text, const Cp932& caption, int style);
    void SetStatusText(const Cp932& text);

    int GetState() const { return state_; }
    bool IsShown() const { return state_ == kStateShown; }
    int GetRangeLower() const { return lower_; }
    int GetRangeUpper() const { return upper_; }
    int GetPos() const { return position_; }
    bool IsCancelEnabled() const { return cancel_enabled_ != 0; }
    // position × 100 / (upper − lower) in decimal followed by " % 完了"; 0 for an empty range.
    Cp932 GetPercentText() const;

    IOperator& Operator() const { return operator_; }
    // A callback for work that reports done out of total (a sort): the bar moves over steps,
    // pending events run (so the window and its Cancel button respond), and it answers false
    // once Cancel was pressed.
    std::function<bool(int64_t done, int64_t total)> Follower(int steps);
    // This object as a progress sink: status text, texts, range, position, show and close go
    // to the operations above, notices become information message boxes.
    IProgressSink& Sink() { return sink_; }

private:
    class SinkAdapter : public IProgressSink {
    public:
        explicit SinkAdapter(CProgressDialog& owner) : owner_(owner) {}
        void SetStatusText(const std::string& text) override { owner_.SetStatusText(text); }
        void SetProgressText(int index, const std::string& text) override {
            owner_.SetProgressText(index, text);
        }
        void SetProgressRange(int lower, int upper) override {
            owner_.SetProgressRange(lower, upper);
        }
        void SetProgressPos(int position) override { owner_.SetProgressPos(position); }
        void ShowProgress() override { owner_.Show(); }
        void CloseProgress() override { owner_.Close(); }
        void PumpEvents() override;
        void ShowNotice(const std::string& text, const std::string& caption) override;

    private:
        CProgressDialog& owner_;
    };

    IOperator& operator_;
    int32_t state_ = kStateHidden;
    int32_t beep_ = 1;
    std::array<Cp932, kTextCount> texts_;
    int32_t upper_ = 100;
    int32_t lower_ = 0;
    int32_t position_ = 0;
    int32_t cancel_enabled_ = 0;
    int32_t cancelled_ = 0;
    SinkAdapter sink_{*this};
};
