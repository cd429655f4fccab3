#include "dialogs/log_data_search_dialog.h"

#include <ctime>

#include "dialogs/log_data_input_pages.h"
#include "dialogs/operator.h"
#include "platform/cp932_convert.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

// The characters of text (one or two bytes each), walked the CP932 way.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = cp932::CharLength(text, pos);
        characters.push_back(text.substr(pos, length));
        pos += length;
    }
    return characters;
}

int CountOf(const CQuillmarkData_ParameterType& format) {
    return format.IsValid() ? format.GetParameterCount() : 0;
}

}  // namespace

const std::vector<Cp932>& CLogDataSearchDialog::ModeList() {
    // The same choices as the log entry wizard's mode page.
    return CLogDataInput_ElectricWaveType::GetModeList();
}

CLogDataSearchDialog::CLogDataSearchDialog() : CLogDataSearchDialog(std::time(nullptr)) {}

CLogDataSearchDialog::CLogDataSearchDialog(int64_t now)
    : from_(now), to_(now - 1), entered_from_(now), entered_to_(now - 1) {}

void CLogDataSearchDialog::SetCallSignType(const CQuillmarkData_CallSignType& format) {
    call_sign_count_ = CountOf(format);
    if (call_sign_count_ <= 0) {
        call_sign_count_ = 0;
        call_sign_.parameter_on = false;
    }
}

void CLogDataSearchDialog::SetContestNumberType(const CQuillmarkData_ContestNumberType& format) {
    contest_number_count_ = CountOf(format);
    if (contest_number_count_ <= 0) {
        contest_number_count_ = 0;
        sent_.parameter_on = false;
        received_.parameter_on = false;
    }
}

void CLogDataSearchDialog::SetRange(int64_t from, int64_t to) {
    from_ = from;
    to_ = to;
}

void CLogDataSearchDialog::OnInitDialog() {
    entered_from_ = from_;
    entered_to_ = to_;
}

bool CLogDataSearchDialog::SetSwitch(int criterion, int state) {
    if (criterion < 0 || criterion >= kCriterionCount || state < kOff || state > kMustNotMatch) {
        return false;
    }
    switches_[static_cast<size_t>(criterion)] = state;
    return true;
}

int CLogDataSearchDialog::GetSwitch(int criterion) const {
    if (criterion < 0 || criterion >= kCriterionCount) {
        return kOff;
    }
    return switches_[static_cast<size_t>(criterion)];
}

void CLogDataSearchDialog::SetEnteredRange(int64_t from, int64_t to) {
    entered_from_ = from;
    entered_to_ = to;
}

void CLogDataSearchDialog::SetEnteredPoints(int from, int to) {
    entered_points_from_ = from;
    entered_points_to_ = to;
}

bool CLogDataSearchDialog::SetModeIndex(int index) {
    if (index < 0 || static_cast<size_t>(index) >= ModeList().size()) {
        return false;
    }
    mode_index_ = index;
    return true;
}

Cp932 CLogDataSearchDialog::GetModeText() const {
    if (mode_index_ <= 0) {
        return {};
    }
    return ModeList()[static_cast<size_t>(mode_index_)];
}

Cp932 CLogDataSearchDialog::Normalized(std::string_view text) const {
    const std::vector<std::string_view> marks = Characters(punctuation_marks_);
    if (marks.empty()) {
        return Cp932(text);
    }
    Cp932 result;
    result.reserve(text.size());
    for (const std::string_view character : Characters(text)) {
        bool is_mark = false;
        for (const std::string_view mark : marks) {
            is_mark = is_mark || character == mark;
        }
        result += is_mark ? marks.front() : character;
    }
    return result;
}

CLogDataSearchDialog::CheckResult CLogDataSearchDialog::OnSearchStart() {
    const Cp932 refused = J("条件の入力に誤りがあります。");
    if (IsOn(kDateTime)) {
        if (entered_from_ > entered_to_) {
            return {refused, Field::none};
        }
        SetRange(entered_from_, entered_to_);
    }
    if (IsOn(kCallSign)) {
        call_sign_.stored = Normalized(call_sign_.entered);
    }
    if (IsOn(kSentContestNumber)) {
        sent_.stored = Normalized(sent_.entered);
    }
    if (IsOn(kReceivedContestNumber)) {
        received_.stored = Normalized(received_.entered);
    }
    if (IsOn(kPoints)) {
        const auto in_range = [](int points) {
            return points >= kMinPoints && points <= kMaxPoints;
        };
        if (entered_points_from_ > entered_points_to_ || !in_range(entered_points_from_) ||
            !in_range(entered_points_to_)) {
            return {refused, Field::none};
        }
        points_from_ = entered_points_from_;
        points_to_ = entered_points_to_;
    }

    bool any = false;
    for (const int state : switches_) {
        any = any || state != kOff;
    }
    if (!any) {
        return {J("検索条件を指定してください。"), Field::none};
    }

    const auto parameter_refused = [](const TextCriterion& criterion, int count) {
        return criterion.parameter_on &&
               (criterion.parameter_number < 1 || criterion.parameter_number > count);
    };
    if (IsOn(kCallSign)) {
        if (parameter_refused(call_sign_, call_sign_count_)) {
            return {J("呼出符号のパラメータ指定の入力に誤りがあります。"),
                    Field::call_sign_parameter};
        }
        if (call_sign_.stored.empty()) {
            return {J("呼出符号の入力に誤りがあります。"), Field::call_sign};
        }
    }
    if (IsOn(kSentContestNumber)) {
        if (parameter_refused(sent_, contest_number_count_)) {
            return {J("送信コンテストナンバーのパラメータ指定の入力に誤りがあります。"),
                    Field::sent_contest_number_parameter};
        }
        if (sent_.stored.empty()) {
            return {J("送信コンテストナンバーの入力に誤りがあります。"),
                    Field::sent_contest_number};
        }
    }
    if (IsOn(kReceivedContestNumber)) {
        if (parameter_refused(received_, contest_number_count_)) {
            return {J("受信コンテストナンバーのパラメータ指定の入力に誤りがあります。"),
                    Field::received_contest_number_parameter};
        }
        if (received_.stored.empty()) {
            return {J("受信コンテストナンバーの入力に誤りがあります。"),
                    Field::received_contest_number};
        }
    }
    // "Must not contain" an empty text is accepted; it then rejects every entry.
    if (GetSwitch(kComment) == kMustMatch && comment_.empty()) {
        return {J("コメントの入力に誤りがあります。"), Field::comment};
    }
    return {};
}

bool CLogDataSearchDialog::OnSearchStart(IOperator& op) {
    const CheckResult result = OnSearchStart();
    if (result.ok()) {
        return true;
    }
    op.ShowMessage(result.message, J("クイルマーク - 警告"),
                   message_box::kOk | message_box::kIconExclamation);
    return false;
}
