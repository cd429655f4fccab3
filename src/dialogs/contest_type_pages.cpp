#include "dialogs/contest_type_pages.h"

#include <string>

#include "dialogs/operator.h"
#include "dialogs/parameter_attribute_dialog.h"
#include "dialogs/range_message.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/time_format.h"
#include "platform/time_zone_rule.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

Cp932 SetupCaption(std::string_view step) {
    return J("クイルマーク - コンテスト情報の設定（") + J(step) + J("）");
}

// Fields of a date-time as the display zone shows them.
CContestTypePage_MainInformation_1::DateTimeFields FieldsOf(int64_t time,
                                                            const CTimeZoneRule& rule) {
    const CalendarTime calendar = rule.ToCalendarTime(time);
    return {static_cast<int>(calendar.year),
            calendar.month,
            calendar.day,
            calendar.hour,
            calendar.minute,
            calendar.second};
}

}  // namespace

namespace contest_type {

void ShowWarning(IOperator& op, const Cp932& text) {
    op.ShowMessage(text, J("クイルマーク - 警告"),
                   message_box::kOk | message_box::kIconExclamation);
}

bool CheckRange(IOperator& op, int value, int lower, int upper) {
    if (value >= lower && value <= upper) {
        return true;
    }
    op.ShowMessage(RangeMessage(lower, upper), RangeMessageCaption(),
                   message_box::kOk | message_box::kIconExclamation);
    return false;
}

}  // namespace contest_type

// --- Begin. ---

Cp932 CContestTypePage_Begin::GetCaption() {
    return SetupCaption("設定の開始");
}

Cp932 CContestTypePage_Begin::GetHeading() {
    return J("これより、コンテスト情報の設定を行います。\n\t以下のような作業を行います...");
}

Cp932 CContestTypePage_Begin::GetBottomText() {
    return J("準備がよろしいなら [ 次へ ] を、やめるなら [ ｷｬﾝｾﾙ ] を押してください。");
}

Cp932 CContestTypePage_Begin::BuildText(int mode) {
    if (mode == contest_type::kModeChange) {
        return J(
            "既存のコンテストの情報設定を変更します。詳細は以下の通りです...\n\n"
            "■ コンテスト名・自局の送信コンテストナンバー・使用周波数帯など、メインとなる"
            "情報のうちの一部の情報の変更。\n"
            "■ このアプリケーションの動作方法などのうち、一部の付加的な情報の変更。\n");
    }
    return J(
        "新規コンテストの情報設定をします。詳細は以下の通りです...\n\n"
        "■ 呼出符号およびコンテストナンバーの形式の設定。\n"
        "■ コンテスト名・自局の呼出符号・自局の送信コンテストナンバー・使用周波数帯・"
        "コンテスト期間など、メインとなる情報の設定。\n"
        "■ このアプリケーションの動作方法など、付加的な情報の設定。\n");
}

// --- Parameter_1. ---

Cp932 CContestTypePage_Parameter_1::GetCaption() {
    return SetupCaption("パラメータの設定");
}

Cp932 CContestTypePage_Parameter_1::GetHeading(int mode) {
    if (mode == contest_type::kModeChange) {
        return J(
            "呼出符号とコンテストナンバーのそれぞれについて、現在設定されているパラメータ数"
            "などが下に表示されています。これらの情報は、変更できません。");
    }
    return J("呼出符号とコンテストナンバーのそれぞれについて、パラメータ数などの設定を行います。");
}

void CContestTypePage_Parameter_1::LoadFrom(
    const CQuillmarkData_CallSignType& call_sign_type,
    const CQuillmarkData_ContestNumberType& contest_number_type) {
    call_sign_count_ = call_sign_type.GetParameterCount();
    main_position_ = call_sign_type.GetMainParameterIndex() + 1;
    contest_number_count_ = contest_number_type.GetParameterCount();
    multiplier_position_ = contest_number_type.MultiplierIndexOrNone() + 1;
}

bool CContestTypePage_Parameter_1::OnWizardNext(IOperator& op) {
    const struct {
        Field field;
        int value;
        int lower;
    } ranges[] = {{Field::call_sign_count, call_sign_count_, 1},
                  {Field::main_position, main_position_, 1},
                  {Field::contest_number_count, contest_number_count_, 1},
                  {Field::multiplier_position, multiplier_position_, 0}};
    for (const auto& range : ranges) {
        if (!contest_type::CheckRange(op, range.value, range.lower, kUpper)) {
            focus_ = range.field;
            return false;
        }
    }
    const auto refuse = [&](Field field, std::string_view text) {
        focus_ = field;
        contest_type::ShowWarning(op, J(text));
        return false;
    };
    if (call_sign_count_ < 1) {
        return refuse(Field::call_sign_count, "呼出符号のパラメータ数の入力に誤りがあります。");
    }
    if (main_position_ < 1 || main_position_ > call_sign_count_) {
        return refuse(Field::main_position,
                      "呼出符号のメインパラメータの位置の入力に誤りがあります。");
    }
    if (contest_number_count_ < 1) {
        return refuse(Field::contest_number_count,
                      "コンテストナンバーのパラメータ数の入力に誤りがあります。");
    }
    if (multiplier_position_ < 0 || multiplier_position_ > contest_number_count_) {
        return refuse(Field::multiplier_position,
                      "コンテストナンバーのマルチパラメータの位置の入力に誤りがあります。");
    }
    focus_ = Field::none;
    return true;
}

// --- Parameter_2. ---

Cp932 CContestTypePage_Parameter_2::GetCaption() {
    return SetupCaption("パラメータの設定");
}

Cp932 CContestTypePage_Parameter_2::GetHeading(int mode) {
    if (mode == contest_type::kModeChange) {
        return J(
            "呼出符号およびコンテストナンバーの属性が下に表示されています。"
            "これらの情報は、変更できません。");
    }
    return J(
        "呼出符号およびコンテストナンバーの属性を設定します。変更したいパラメータを選択して、"
        "[F9] を押してください。");
}

Cp932 CContestTypePage_Parameter_2::GetListLabel(int list) {
    return list == kCallSignList ? J("呼出符号の形式 ↓") : J("コンテストナンバーの形式 ↓");
}

Cp932 CContestTypePage_Parameter_2::GetColumnTitle(int column) {
    static const char* const titles[kColumnCount] = {"パラメータ", "文字種類", "文字数",
                                                     "特別に入力を許可する文字"};
    return column >= 0 && column < kColumnCount ? J(titles[column]) : Cp932();
}

bool CContestTypePage_Parameter_2::SetCallSignType(const CQuillmarkData_CallSignType& format) {
    if (!format.IsValid()) {
        return false;
    }
    call_sign_type_ = format;
    return true;
}

bool CContestTypePage_Parameter_2::SetContestNumberType(
    const CQuillmarkData_ContestNumberType& format) {
    if (!format.IsValid()) {
        return false;
    }
    contest_number_type_ = format;
    return true;
}

namespace {

ParameterAttributesArray AttributesOf(const CQuillmarkData_ParameterType& format) {
    ParameterAttributesArray attributes;
    for (int i = 0; i < format.GetParameterCount(); ++i) {
        const CQuillmarkData_ParameterAttributes* one = format.GetAttributes(i);
        attributes.push_back(one != nullptr ? *one : CQuillmarkData_ParameterAttributes());
    }
    return attributes;
}

}  // namespace

void CContestTypePage_Parameter_2::OnSetActive(int mode,
                                               const CContestTypePage_Parameter_1& counts) {
    if (mode == contest_type::kModeChange) {
        call_sign_attributes_ = AttributesOf(call_sign_type_);
        contest_number_attributes_ = AttributesOf(contest_number_type_);
        return;
    }
    // Only the format whose shape changed starts again from the defaults; the other keeps
    // the operator's edits.
    if (!call_sign_type_.IsValid() ||
        call_sign_type_.GetParameterCount() != counts.GetCallSignParameterCount() ||
        call_sign_type_.GetMainParameterIndex() != counts.GetMainParameterIndex()) {
        call_sign_type_.DeleteContents();
        call_sign_type_.SetDefaultFormat(counts.GetCallSignParameterCount(),
                                         counts.GetMainParameterIndex());
        call_sign_attributes_ = AttributesOf(call_sign_type_);
    }
    if (!contest_number_type_.IsValid() ||
        contest_number_type_.GetParameterCount() != counts.GetContestNumberParameterCount() ||
        contest_number_type_.MultiplierIndexOrNone() != counts.GetMultiplierParameterIndex()) {
        contest_number_type_.DeleteContents();
        contest_number_type_.SetDefaultFormat(counts.GetContestNumberParameterCount(),
                                              counts.GetMultiplierParameterIndex());
        contest_number_attributes_ = AttributesOf(contest_number_type_);
    }
}

const ParameterAttributesArray& CContestTypePage_Parameter_2::GetAttributeList(int list) const {
    static const ParameterAttributesArray none;
    if (list == kCallSignList) {
        return call_sign_attributes_;
    }
    return list == kContestNumberList ? contest_number_attributes_ : none;
}

ParameterAttributesArray* CContestTypePage_Parameter_2::List(int list) {
    if (list == kCallSignList) {
        return &call_sign_attributes_;
    }
    return list == kContestNumberList ? &contest_number_attributes_ : nullptr;
}

std::array<Cp932, CContestTypePage_Parameter_2::kColumnCount>
CContestTypePage_Parameter_2::GetRowTexts(int list, int row) const {
    const ParameterAttributesArray& attributes = GetAttributeList(list);
    if (row < 0 || row >= static_cast<int>(attributes.size())) {
        return {};
    }
    const CQuillmarkData_ParameterAttributes& one = attributes[static_cast<size_t>(row)];
    std::array<Cp932, kColumnCount> texts;
    texts[0] = J("第 ") + std::to_string(row + 1) + J(" パラメータ");
    const struct {
        uint32_t bit;
        const char* name;
    } classes[] = {{CParameterAttributeDialog::kHalfWidthDigits, "半角算用数字  "},
                   {CParameterAttributeDialog::kHalfWidthLetters, "半角アルファベット  "},
                   {CParameterAttributeDialog::kHalfWidthKatakana, "半角カタカナ  "},
                   {CParameterAttributeDialog::kFullWidth, "全角文字  "}};
    for (const auto& one_class : classes) {
        if ((one.GetCharacterClasses() & one_class.bit) != 0) {
            texts[1] += J(one_class.name);
        }
    }
    texts[2] = std::to_string(one.GetMinLength()) + J(" ～ ") +
               (one.GetMaxLength() == CQuillmarkData_ParameterAttributes::kUnlimited
                    ? J("無制限")
                    : std::to_string(one.GetMaxLength()));
    texts[3] = one.GetSpecialCharacters();
    return texts;
}

bool CContestTypePage_Parameter_2::OnListKeyDown(IOperator& op, int mode, int list, int key,
                                                 const std::vector<int>& selected_rows) {
    ParameterAttributesArray* const attributes = List(list);
    if (mode != contest_type::kModeNew || key != kKeyF9 || attributes == nullptr ||
        selected_rows.size() != 1) {
        return false;
    }
    const int row = selected_rows.front();
    if (row < 0 || row >= static_cast<int>(attributes->size())) {
        return false;
    }
    CParameterAttributeDialog dialog;
    dialog.SetHeading((list == kCallSignList ? J("呼出符号の第 ") : J("コンテストナンバーの第 ")) +
                      std::to_string(row + 1) + J(" パラメータの設定を変更できます。"));
    dialog.SetAttributes((*attributes)[static_cast<size_t>(row)]);
    // The widget closes with OK only after the dialog's own checks built the attributes.
    if (op.RunDialog(dialog, 0) != message_box::kIdOk || !dialog.GetAttributes().IsValid()) {
        return false;
    }
    (*attributes)[static_cast<size_t>(row)] = dialog.GetAttributes();
    return true;
}

bool CContestTypePage_Parameter_2::OnWizardNext(IOperator& op, int mode,
                                                const CContestTypePage_Parameter_1& counts) {
    if (mode == contest_type::kModeChange) {
        return true;
    }
    CQuillmarkData_CallSignType call_sign_type;
    CQuillmarkData_ContestNumberType contest_number_type;
    if (!call_sign_type.SetFormat(counts.GetCallSignParameterCount(),
                                  counts.GetMainParameterIndex(), call_sign_attributes_) ||
        !contest_number_type.SetFormat(counts.GetContestNumberParameterCount(),
                                       counts.GetMultiplierParameterIndex(),
                                       contest_number_attributes_)) {
        // Only reachable when the lists and page 1 disagree; the page stays.
        contest_type::ShowWarning(op, J("入力内容に誤りがあります。"));
        return false;
    }
    call_sign_type_ = call_sign_type;
    contest_number_type_ = contest_number_type;
    return true;
}

// --- MainInformation_1. ---

CContestTypePage_MainInformation_1::CContestTypePage_MainInformation_1(int64_t now,
                                                                       const CTimeZoneRule& rule)
    : name_(J(" コンテスト")) {
    const CalendarTime calendar = rule.ToCalendarTime(now);
    // Right on the hour still moves a full hour on.
    start_ = now + 3600 - (calendar.minute * 60 + calendar.second);
    end_ = start_ + 86400;
    name_text_ = name_;
}

Cp932 CContestTypePage_MainInformation_1::GetCaption() {
    return SetupCaption("メイン情報の設定");
}

Cp932 CContestTypePage_MainInformation_1::GetHeading() {
    return J("コンテストの基本的な情報を入力します。");
}

bool CContestTypePage_MainInformation_1::SetContestName(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    name_ = Cp932(name);
    return true;
}

bool CContestTypePage_MainInformation_1::SetCategoryCode(std::string_view code) {
    category_code_ = Cp932(code);
    return true;
}

bool CContestTypePage_MainInformation_1::SetCategoryName(std::string_view name) {
    category_name_ = Cp932(name);
    return true;
}

bool CContestTypePage_MainInformation_1::SetOwnCallSign(const CQuillmarkData_CallSignItem& item) {
    if (!item.IsValid()) {
        return false;
    }
    own_call_sign_ = item;
    return true;
}

bool CContestTypePage_MainInformation_1::SetStart(int64_t time) {
    start_ = time;
    return true;
}

bool CContestTypePage_MainInformation_1::SetEnd(int64_t time) {
    if (time <= start_) {
        return false;
    }
    end_ = time;
    return true;
}

void CContestTypePage_MainInformation_1::OnInitDialog(const CTimeZoneRule& rule,
                                                      std::string_view delimiters) {
    name_text_ = name_;
    own_text_ = own_call_sign_.GetText(delimiters);
    start_fields_ = FieldsOf(start_, rule);
    end_fields_ = FieldsOf(end_, rule);
}

void CContestTypePage_MainInformation_1::SetOwnCallSignText(std::string_view text) {
    own_text_.clear();
    for (size_t i = 0; i < text.size();) {
        const size_t length = cp932::CharLength(text, i);
        if (length == 1 && text[i] >= 'a' && text[i] <= 'z') {
            own_text_ += static_cast<char>(text[i] - 'a' + 'A');
        } else {
            own_text_.append(text.substr(i, length));
        }
        i += length == 0 ? 1 : length;
    }
}

int CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(
    const CQuillmarkData_CallSignType& format) {
    const int limit = format.GetMaxTotalLength();
    return limit < 0 ? -1 : limit;
}

namespace {

// True when a logged station of any band has main as its main parameter.
bool IsLoggedStation(const CQuillmarkData_MainData& contest, std::string_view main,
                     int main_index) {
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        for (const CQuillmarkData_LogDataItem& entry : contest.GetBandAt(b)->GetEntries()) {
            if (entry.GetCallSign().ParameterView(main_index) == main) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool CContestTypePage_MainInformation_1::OnWizardNext(IOperator& op, int mode,
                                                      const CQuillmarkData_CallSignType& format,
                                                      const CQuillmarkData_MainData* contest,
                                                      const CTimeZoneRule& rule,
                                                      std::string_view delimiters) {
    // The transfer's range checks come first, field by field.
    for (int i = 0; i < 6; ++i) {
        if (!contest_type::CheckRange(op, start_fields_[i], kFieldLower[i], kFieldUpper[i])) {
            focus_ = Field::start;
            focus_index_ = i;
            return false;
        }
    }
    for (int i = 0; i < 6; ++i) {
        if (!contest_type::CheckRange(op, end_fields_[i], kFieldLower[i], kFieldUpper[i])) {
            focus_ = Field::end;
            focus_index_ = i;
            return false;
        }
    }
    focus_index_ = 0;
    const auto refuse = [&](Field field, std::string_view text) {
        focus_ = field;
        contest_type::ShowWarning(op, J(text));
        return false;
    };
    if (name_text_.empty()) {
        return refuse(Field::contest_name, "コンテスト名の入力に誤りがあります。");
    }
    CQuillmarkData_CallSignItem own;
    if (!own.SetText(own_text_, delimiters, format)) {
        return refuse(Field::own_call_sign, "自局の呼出符号の入力に誤りがあります。");
    }
    if (mode == contest_type::kModeChange && contest != nullptr &&
        IsLoggedStation(*contest, own.ParameterView(format.GetMainParameterIndex()),
                        format.GetMainParameterIndex())) {
        return refuse(Field::own_call_sign,
                      "入力された自局の呼出符号は、既存のログデータの呼出符号と重複します。"
                      "別の呼出符号に変えてください。");
    }
    const auto to_seconds = [&](const DateTimeFields& fields) {
        CalendarTime calendar;
        calendar.year = fields[0];
        calendar.month = fields[1];
        calendar.day = fields[2];
        calendar.hour = fields[3];
        calendar.minute = fields[4];
        calendar.second = fields[5];
        return rule.ToSeconds(calendar).value_or(0);
    };
    const int64_t start = to_seconds(start_fields_);
    const int64_t end = to_seconds(end_fields_);
    if (end <= start) {
        return refuse(Field::end, "終了日時のほうが、開始日時よりも前になっています。");
    }
    // Nothing is committed from a refused page.
    name_ = name_text_;
    own_call_sign_ = own;
    start_ = start;
    end_ = end;
    focus_ = Field::none;
    return true;
}

// --- End. ---

Cp932 CContestTypePage_End::GetCaption() {
    return SetupCaption("設定の完了");
}

Cp932 CContestTypePage_End::GetHeading() {
    return J("このコンテストは、以下のように設定されます。");
}

Cp932 CContestTypePage_End::GetFirstInstruction() {
    return J(
        "もし、内容があっていたら [ 次へ ] を、修正の必要があれば [ 戻る ] "
        "を押してください。");
}

Cp932 CContestTypePage_End::GetFinishInstruction() {
    return J("[ 完了 ] を押すと、最終設定を行います。");
}

void CContestTypePage_End::OnSetActive(const CContestTypePage_MainInformation_1& main,
                                       const CTimeZoneRule& rule, std::string_view delimiters) {
    const Cp932 format = "%Y  %m/%d   %H:%M:%S";
    summary_ = J("コンテスト名 ： ") + main.GetContestName() + "\n" + J("コンテスト参加部門 ： ") +
               J("   ＜コード＞ ") + main.GetCategoryCode() + J(" ／ ＜名称＞ ") +
               main.GetCategoryName() + "\n" + J("自局の呼出符号 ： ") +
               main.GetOwnCallSign().GetText(delimiters) + "\n" + J("コンテスト期間 ： ") +
               FormatTime(format, main.GetStart(), rule) + J("  →  ") +
               FormatTime(format, main.GetEnd(), rule) + "\n\n";
    instruction_ = GetFirstInstruction();
}
