#include "dialogs/progress_dialog.h"

#include <string>

#include "dialogs/operator.h"
#include "platform/cp932_convert.h"

namespace {

const Cp932& DefaultCaption() {
    static const Cp932 caption = Utf8ToCp932("クイルマーク");
    return caption;
}

const Cp932& PercentSuffix() {
    static const Cp932 suffix = Utf8ToCp932(" % 完了");
    return suffix;
}

}  // namespace

CProgressDialog::CProgressDialog(IOperator& op) : operator_(op) {
    texts_[0] = DefaultCaption();
}

CProgressDialog::~CProgressDialog() {
    if (state_ == kStateShown) {
        Close();
    }
}

bool CProgressDialog::SetProgressText(int index, const Cp932& text) {
    if (index < 0 || index >= kTextCount) {
        return false;
    }
    const bool changed = texts_[static_cast<size_t>(index)] != text;
    texts_[static_cast<size_t>(index)] = text;
    if (IsShown()) {
        if (index != 0) {
            operator_.UpdateProgress(*this, ProgressPart::lines);
        } else if (changed) {
            // Setting the same caption again would only make the title bar flicker.
            operator_.UpdateProgress(*this, ProgressPart::caption);
        }
    }
    return true;
}

const Cp932& CProgressDialog::GetProgressText(int index) const {
    static const Cp932 empty;
    if (index < 0 || index >= kTextCount) {
        return empty;
    }
    return texts_[static_cast<size_t>(index)];
}

void CProgressDialog::SetProgressRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    if (IsShown()) {
        operator_.UpdateProgress(*this, ProgressPart::range);
    }
}

void CProgressDialog::SetProgressPos(int position) {
    position_ = position;
    if (IsShown()) {
        operator_.UpdateProgress(*this, ProgressPart::position);
    }
}

void CProgressDialog::EnableCancel(bool enable) {
    cancel_enabled_ = enable ? 1 : 0;
    if (IsShown()) {
        operator_.UpdateProgress(*this, ProgressPart::cancel_button);
    }
}

void CProgressDialog::Show() {
    cancelled_ = 0;
    if (state_ == kStateShown) {
        return;
    }
    state_ = kStateShown;
    operator_.ShowProgress(*this);
}

void CProgressDialog::Close() {
    if (state_ != kStateShown) {
        state_ = kStateHidden;
        return;
    }
    state_ = kStateHidden;
    operator_.CloseProgress(*this);
}

void CProgressDialog::Beep(int type) {
    if (beep_ != 0) {
        operator_.Beep(type);
    }
}

int CProgressDialog::ShowMessage(const Cp932& text, const Cp932& caption, int style) {
    // A message box over a shown progress window must not make later updates miss the
    // window, so the state before the box comes back afterwards.
    const int32_t before = state_;
    state_ = kStateMessage;
    const int result = operator_.ShowMessage(text, caption, style);
    state_ = before;
    return result;
}

void CProgressDialog::SetStatusText(const Cp932& text) {
    operator_.SetStatusText(text);
}

std::function<bool(int64_t, int64_t)> CProgressDialog::Follower(int steps) {
    return [this, steps](int64_t done, int64_t total) {
        if (total > 0) {
            SetProgressPos(static_cast<int>(done * steps / total));
        }
        operator_.PumpEvents();
        return !IsCancelled();
    };
}

Cp932 CProgressDialog::GetPercentText() const {
    const int64_t span = int64_t{upper_} - int64_t{lower_};
    const int64_t percent = span == 0 ? 0 : int64_t{position_} * 100 / span;
    return std::to_string(percent) + PercentSuffix();
}

void CProgressDialog::SinkAdapter::PumpEvents() {
    owner_.operator_.PumpEvents();
}

void CProgressDialog::SinkAdapter::ShowNotice(const std::string& text, const std::string& caption) {
    owner_.ShowMessage(text, caption, message_box::kOk | message_box::kIconInformation);
}
