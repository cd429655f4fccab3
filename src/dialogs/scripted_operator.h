#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/operator.h"
#include "platform/cp932.h"

// The operator of the tests: answers every question from a script and records everything
// the operator would have seen, in order, so that a test reads like a session at the radio
// (the answers on one side, the exact texts on the other). Unscripted questions get the
// harmless answer (the message box's default button, Cancel for files and dialogs) and are
// counted, so a test can insist that it scripted everything.
class CScriptedOperator : public IOperator {
public:
    struct Event {
        enum class Kind {
            message,
            status,
            beep,
            progress_show,
            progress_caption,
            progress_lines,
            progress_range,
            progress_position,
            progress_cancel_button,
            progress_close,
            file_request,
            dialog,
            wait_cursor,
        };
        Kind kind;
        // message: its text; status: the text; progress_caption: the caption; progress_lines:
        // the three lines joined by '\n'; progress_position: the percent text; progress_range:
        // "lower-upper"; file_request: the title; dialog: the dialog name.
        Cp932 text;
        // message: its caption.
        Cp932 caption;
        // message: the style; beep: the type; dialog: the mask; progress_cancel_button and
        // wait_cursor: 1 on, 0 off; progress_position: the position.
        int value = 0;
        // message and dialog: the answer given.
        int result = 0;
    };

    struct Message {
        Cp932 text;
        Cp932 caption;
        int style = 0;
        int answer = 0;
        int Icon() const { return message_box::IconOf(style); }
        int Buttons() const { return message_box::ButtonsOf(style); }
        int DefaultButton() const { return message_box::DefaultButtonIndexOf(style); }
    };

    struct DialogRun {
        std::string name;
        int mask = 0;
        int result = 0;
    };

    using DialogFiller = std::function<void(CDialogState& dialog, int mask)>;

    // --- The script. ---
    void AnswerMessage(int result) { message_answers_.push_back(result); }
    // nullopt cancels the file dialog.
    void AnswerFileName(std::optional<std::string> path) {
        file_answers_.push_back(std::move(path));
    }
    // fill, when given, sets the state's fields as the operator would have.
    void AnswerDialog(int result, DialogFiller fill = {}) {
        dialog_answers_.push_back({result, std::move(fill)});
    }
    // The cancel button of the shown progress window is pressed during the pumps-th
    // PumpEvents from now (1 = the next one).
    void CancelProgressAfterPumps(int pumps) { cancel_after_pumps_ = pumps; }

    // --- IOperator. ---
    int ShowMessage(const Cp932& text, const Cp932& caption, int style) override;
    void SetStatusText(const Cp932& text) override;
    void Beep(int type) override;
    void ShowProgress(CProgressDialog& progress) override;
    void UpdateProgress(const CProgressDialog& progress, ProgressPart part) override;
    void CloseProgress(CProgressDialog& progress) override;
    std::optional<std::string> AskFileName(const FileNameRequest& request) override;
    int RunDialog(CDialogState& dialog, int mask) override;
    void PumpEvents() override;
    void SetWaitCursor(bool on) override;

    // --- What the operator saw. ---
    const std::vector<Event>& Events() const { return events_; }
    const std::vector<Message>& Messages() const { return messages_; }
    const std::vector<Cp932>& StatusTexts() const { return status_texts_; }
    // The last status text, empty when there was none.
    Cp932 LastStatusText() const;
    // Captions and lines the progress window showed, in order (the texts shown when it was
    // created, then every change).
    const std::vector<Cp932>& ProgressTexts() const { return progress_texts_; }
    const std::vector<FileNameRequest>& FileRequests() const { return file_requests_; }
    const std::vector<DialogRun>& Dialogs() const { return dialogs_; }
    const std::vector<int>& Beeps() const { return beeps_; }
    int PumpCount() const { return pumps_; }
    // Questions that found no answer in the script.
    int UnscriptedCount() const { return unscripted_; }
    // Answers of the script that were never asked for.
    int UnusedAnswerCount() const;
    bool IsProgressShown() const { return shown_ != nullptr; }
    // Everything in order as readable UTF-8 lines, for failure output.
    std::string Transcript() const;

    void ClearRecords();

private:
    struct DialogAnswer {
        int result;
        DialogFiller fill;
    };

    // Unscripted questions allowed before the operator gives up with an exception.
    static constexpr int kMaxUnscripted = 1000;
    void NoteUnscripted();
    void Record(Event::Kind kind, Cp932 text, Cp932 caption = {}, int value = 0, int result = 0);
    void RecordLines(const CProgressDialog& progress);

    std::deque<int> message_answers_;
    std::deque<std::optional<std::string>> file_answers_;
    std::deque<DialogAnswer> dialog_answers_;
    int cancel_after_pumps_ = 0;

    std::vector<Event> events_;
    std::vector<Message> messages_;
    std::vector<Cp932> status_texts_;
    std::vector<Cp932> progress_texts_;
    std::vector<FileNameRequest> file_requests_;
    std::vector<DialogRun> dialogs_;
    std::vector<int> beeps_;
    int pumps_ = 0;
    int unscripted_ = 0;
    CProgressDialog* shown_ = nullptr;
};
