#include "dialogs/scripted_operator.h"

#include "dialogs/dialog_state.h"
#include "dialogs/progress_dialog.h"
#include "platform/cp932_convert.h"

#include <stdexcept>

void CScriptedOperator::NoteUnscripted() {
    // An operation that loops until the operator says stop would otherwise run forever (and
    // record without bound) when a test forgets an answer: fail the test instead.
    if (++unscripted_ > kMaxUnscripted) {
        throw std::runtime_error(
            "scripted operator: too many unscripted questions; the script is missing answers");
    }
}

int CScriptedOperator::ShowMessage(const Cp932& text, const Cp932& caption, int style) {
    int answer = 0;
    if (message_answers_.empty()) {
        NoteUnscripted();
        answer = message_box::DefaultResultOf(style);
    } else {
        answer = message_answers_.front();
        message_answers_.pop_front();
    }
    messages_.push_back({text, caption, style, answer});
    Record(Event::Kind::message, text, caption, style, answer);
    return answer;
}

void CScriptedOperator::SetStatusText(const Cp932& text) {
    status_texts_.push_back(text);
    Record(Event::Kind::status, text);
}

void CScriptedOperator::Beep(int type) {
    beeps_.push_back(type);
    Record(Event::Kind::beep, {}, {}, type);
}

void CScriptedOperator::ShowProgress(CProgressDialog& progress) {
    shown_ = &progress;
    Record(Event::Kind::progress_show, {});
    progress_texts_.push_back(progress.GetProgressText(0));
    Record(Event::Kind::progress_caption, progress.GetProgressText(0));
    RecordLines(progress);
    Record(Event::Kind::progress_range, std::to_string(progress.GetRangeLower()) + "-" +
                                            std::to_string(progress.GetRangeUpper()));
    Record(Event::Kind::progress_position, progress.GetPercentText(), {}, progress.GetPos());
    Record(Event::Kind::progress_cancel_button, {}, {}, progress.IsCancelEnabled() ? 1 : 0);
}

void CScriptedOperator::UpdateProgress(const CProgressDialog& progress, ProgressPart part) {
    switch (part) {
        case ProgressPart::caption:
            progress_texts_.push_back(progress.GetProgressText(0));
            Record(Event::Kind::progress_caption, progress.GetProgressText(0));
            break;
        case ProgressPart::lines:
            RecordLines(progress);
            break;
        case ProgressPart::range:
            Record(Event::Kind::progress_range, std::to_string(progress.GetRangeLower()) + "-" +
                                                    std::to_string(progress.GetRangeUpper()));
            break;
        case ProgressPart::position:
            Record(Event::Kind::progress_position, progress.GetPercentText(), {},
                   progress.GetPos());
            break;
        case ProgressPart::cancel_button:
            Record(Event::Kind::progress_cancel_button, {}, {}, progress.IsCancelEnabled() ? 1 : 0);
            break;
    }
}

void CScriptedOperator::CloseProgress(CProgressDialog& progress) {
    if (shown_ == &progress) {
        shown_ = nullptr;
    }
    Record(Event::Kind::progress_close, {});
}

std::optional<std::string> CScriptedOperator::AskFileName(const FileNameRequest& request) {
    file_requests_.push_back(request);
    Record(Event::Kind::file_request, request.title);
    if (file_answers_.empty()) {
        NoteUnscripted();
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(file_answers_.front());
    file_answers_.pop_front();
    return answer;
}

int CScriptedOperator::RunDialog(CDialogState& dialog, int mask) {
    int result = message_box::kIdCancel;
    if (dialog_answers_.empty()) {
        NoteUnscripted();
    } else {
        DialogAnswer answer = std::move(dialog_answers_.front());
        dialog_answers_.pop_front();
        if (answer.fill) {
            answer.fill(dialog, mask);
        }
        result = answer.result;
    }
    dialogs_.push_back({dialog.GetDialogName(), mask, result});
    Record(Event::Kind::dialog, dialog.GetDialogName(), {}, mask, result);
    return result;
}

void CScriptedOperator::PumpEvents() {
    ++pumps_;
    if (cancel_after_pumps_ > 0 && --cancel_after_pumps_ == 0 && shown_ != nullptr) {
        shown_->Cancel();
    }
}

void CScriptedOperator::SetWaitCursor(bool on) {
    Record(Event::Kind::wait_cursor, {}, {}, on ? 1 : 0);
}

Cp932 CScriptedOperator::LastStatusText() const {
    return status_texts_.empty() ? Cp932() : status_texts_.back();
}

int CScriptedOperator::UnusedAnswerCount() const {
    return static_cast<int>(message_answers_.size() + file_answers_.size() +
                            dialog_answers_.size());
}

std::string CScriptedOperator::Transcript() const {
    std::string out;
    for (const Event& e : events_) {
        const std::string text = Cp932ToUtf8(e.text);
        switch (e.kind) {
            case Event::Kind::message:
                out += "message [" + Cp932ToUtf8(e.caption) + "] style " + std::to_string(e.value) +
                       " -> " + std::to_string(e.result) + ": " + text;
                break;
            case Event::Kind::status:
                out += "status: " + text;
                break;
            case Event::Kind::beep:
                out += "beep " + std::to_string(e.value);
                break;
            case Event::Kind::progress_show:
                out += "progress shown";
                break;
            case Event::Kind::progress_caption:
                out += "progress caption: " + text;
                break;
            case Event::Kind::progress_lines:
                out += "progress lines: " + text;
                break;
            case Event::Kind::progress_range:
                out += "progress range " + text;
                break;
            case Event::Kind::progress_position:
                out += "progress position " + std::to_string(e.value) + ": " + text;
                break;
            case Event::Kind::progress_cancel_button:
                out += std::string("progress cancel button ") + (e.value != 0 ? "on" : "off");
                break;
            case Event::Kind::progress_close:
                out += "progress closed";
                break;
            case Event::Kind::file_request:
                out += "file name asked: " + text;
                break;
            case Event::Kind::dialog:
                out += "dialog " + text + " mask " + std::to_string(e.value) + " -> " +
                       std::to_string(e.result);
                break;
            case Event::Kind::wait_cursor:
                out += std::string("wait cursor ") + (e.value != 0 ? "on" : "off");
                break;
        }
        out += '\n';
    }
    return out;
}

void CScriptedOperator::ClearRecords() {
    events_.clear();
    messages_.clear();
    status_texts_.clear();
    progress_texts_.clear();
    file_requests_.clear();
    dialogs_.clear();
    beeps_.clear();
    pumps_ = 0;
    unscripted_ = 0;
}

void CScriptedOperator::Record(Event::Kind kind, Cp932 text, Cp932 caption, int value, int result) {
    events_.push_back({kind, std::move(text), std::move(caption), value, result});
}

void CScriptedOperator::RecordLines(const CProgressDialog& progress) {
    Cp932 lines = progress.GetProgressText(1) + "\n" + progress.GetProgressText(2) + "\n" +
                  progress.GetProgressText(3);
    progress_texts_.push_back(lines);
    Record(Event::Kind::progress_lines, std::move(lines));
}
