#include "dialogs/log_export_dialog.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/cp932_convert.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

constexpr std::string_view kCategoryTags[] = {
    "CATEGORY-OPERATOR", "CATEGORY-ASSISTED",    "CATEGORY-BAND",
    "CATEGORY-MODE",     "CATEGORY-POWER",       "CATEGORY-STATION",
    "CATEGORY-TIME",     "CATEGORY-TRANSMITTER", "CATEGORY-OVERLAY"};

// Printable ASCII; line breaks too where the field has several lines.
bool IsAscii(std::string_view text, bool lines) {
    return std::all_of(text.begin(), text.end(), [lines](char c) {
        return (c >= 0x20 && c < 0x7F) || (lines && (c == '\r' || c == '\n'));
    });
}

bool IsContestId(std::string_view text) {
    return text.size() <= 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '-';
           });
}

}  // namespace

Cp932 CLogExportDialog::GetCaption() {
    return J("クイルマーク - ログデータの提出用出力");
}

const std::vector<Cp932>& CLogExportDialog::GetFormatNames() {
    static const std::vector<Cp932> names = {J("JARL 電子ログ"), "Cabrillo", "ADIF"};
    return names;
}

const std::vector<Cp932>& CLogExportDialog::GetVersionNames(int format) {
    static const std::vector<Cp932> versions[kFormatCount] = {{"R2.1", "R1.0"}, {"3.0"}, {"3.1.6"}};
    return versions[std::clamp(format, 0, kFormatCount - 1)];
}

std::string_view CLogExportDialog::GetCategoryTag(int category) {
    return category >= 0 && category < kCategoryCount ? kCategoryTags[category]
                                                      : std::string_view();
}

const std::vector<std::string>& CLogExportDialog::GetCategoryChoices(int category) {
    static const std::vector<std::string> choices[kCategoryCount] = {
        {"", "SINGLE-OP", "MULTI-OP", "CHECKLOG"},
        {"", "ASSISTED", "NON-ASSISTED"},
        {"",    "ALL", "160M", "80M",  "40M",  "20M",   "15M",        "10M",        "6M",  "4M",
         "2M",  "222", "432",  "902",  "1.2G", "2.3G",  "3.4G",       "5.7G",       "10G", "24G",
         "47G", "75G", "122G", "134G", "241G", "LIGHT", "VHF-3-BAND", "VHF-FM-ONLY"},
        {"", "CW", "DIGI", "FM", "RTTY", "SSB", "MIXED"},
        {"", "HIGH", "LOW", "QRP"},
        {"", "DISTRIBUTED", "FIXED", "MOBILE", "PORTABLE", "ROVER", "ROVER-LIMITED",
         "ROVER-UNLIMITED", "EXPEDITION", "HQ", "SCHOOL", "EXPLORER"},
        {"", "6-HOURS", "8-HOURS", "12-HOURS", "24-HOURS"},
        {"", "ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"},
        {"", "CLASSIC", "ROOKIE", "TB-WIRES", "YOUTH", "NOVICE-TECH", "YL"},
    };
    return choices[std::clamp(category, 0, kCategoryCount - 1)];
}

Cp932 CLogExportDialog::GetNoChoiceText() {
    return J("（指定しない）");
}

void CLogExportDialog::SetFormat(int format) {
    if (format < 0 || format >= kFormatCount || format == format_) {
        return;
    }
    const std::string old_suffix = "." + GetExtension();
    format_ = format;
    if (old_suffix.size() > 1 && file_name_.size() > old_suffix.size() &&
        file_name_.compare(file_name_.size() - old_suffix.size(), old_suffix.size(), old_suffix) ==
            0) {
        file_name_.resize(file_name_.size() - old_suffix.size());
        file_name_ += "." + GetExtension();
    }
}

void CLogExportDialog::SetVersion(int version) {
    const int count = static_cast<int>(GetVersionNames(format_).size());
    versions_[static_cast<size_t>(format_)] = std::clamp(version, 0, count - 1);
}

void CLogExportDialog::SetUtc(int format, bool utc) {
    if (format >= 0 && format < kFormatCount && format != kAdif) {
        utc_[static_cast<size_t>(format)] = utc;
    }
}

bool CLogExportDialog::IsUtc() const {
    return IsUtc(format_);
}

bool CLogExportDialog::IsUtc(int format) const {
    return format == kAdif || utc_[static_cast<size_t>(std::clamp(format, 0, kFormatCount - 1))];
}

void CLogExportDialog::SetCategory(int category, std::string_view value) {
    if (category >= 0 && category < kCategoryCount) {
        categories_[static_cast<size_t>(category)] = std::string(value);
    }
}

const std::string& CLogExportDialog::GetCategory(int category) const {
    static const std::string none;
    return category >= 0 && category < kCategoryCount ? categories_[static_cast<size_t>(category)]
                                                      : none;
}

void CLogExportDialog::SetFileType(int format, std::string_view extension,
                                   std::string_view filter) {
    if (format >= 0 && format < kFormatCount) {
        extensions_[static_cast<size_t>(format)] = std::string(extension);
        filters_[static_cast<size_t>(format)] = Cp932(filter);
    }
}

const std::string& CLogExportDialog::GetExtension() const {
    return extensions_[static_cast<size_t>(format_)];
}

void CLogExportDialog::SetDefaultFileName(const std::string& folder, const std::string& base) {
    file_name_ = (folder.empty() ? "" : folder + (folder.back() == '/' ? "" : "/")) + base + "." +
                 GetExtension();
}

void CLogExportDialog::SetChosenFileName(std::string_view path) {
    file_name_ = std::string(path);
    chosen_file_name_ = file_name_;
}

FileNameRequest CLogExportDialog::GetFileNameRequest() const {
    FileNameRequest request;
    request.save = true;
    request.title = GetCaption();
    request.filter = filters_[static_cast<size_t>(format_)];
    // With its folder, so that the file dialog opens where the file would go.
    request.default_name = Utf8ToCp932(file_name_);
    request.default_extension = GetExtension();
    request.prompt_overwrite = true;
    request.hide_read_only = true;
    return request;
}

bool CLogExportDialog::Refuse(IOperator& op, Field field, std::string_view utf8_text) {
    focus_ = field;
    op.ShowMessage(J(utf8_text), J("クイルマーク - 警告"),
                   message_box::kOk | message_box::kIconExclamation);
    return false;
}

bool CLogExportDialog::OnOK(IOperator& op) {
    focus_ = Field::none;
    if (file_name_.empty()) {
        return Refuse(op, Field::file_name, "出力するファイルの名前を入力してください。");
    }
    if (UsesCabrilloHeader() && contest_id_.empty()) {
        return Refuse(op, Field::contest,
                      "Cabrillo の形式では CONTEST（コンテスト名）が必要です。\n\n"
                      "主催者が決めたコンテストの名前（例 JIDX-CW）を入力してください。");
    }
    if (UsesCabrilloHeader() && !IsContestId(contest_id_)) {
        return Refuse(op, Field::contest,
                      "CONTEST（コンテスト名）には、半角の英字、数字と「-」だけを 32 文字まで"
                      "入力できます。");
    }
    if (UsesContestId() && !IsAscii(contest_id_, false)) {
        return Refuse(op, Field::contest,
                      "CONTEST（コンテスト名）には、半角の英数字と記号だけを入力してください。");
    }
    if (UsesCabrilloHeader()) {
        const struct {
            const Cp932& text;
            bool lines;
            Field field;
            const char* warning;
        } texts[] = {
            {name_, false, Field::name,
             "NAME（氏名）には、半角の英数字と記号だけを入力してください。\n"
             "Cabrillo の形式には日本語を書けません。"},
            {address_, true, Field::address,
             "ADDRESS（住所）には、半角の英数字と記号だけを入力してください。\n"
             "Cabrillo の形式には日本語を書けません。"},
            {email_, false, Field::email,
             "EMAIL（電子メール）には、半角の英数字と記号だけを入力してください。"},
            {soapbox_, true, Field::soapbox,
             "SOAPBOX（意見）には、半角の英数字と記号だけを入力してください。\n"
             "Cabrillo の形式には日本語を書けません。"},
        };
        for (const auto& text : texts) {
            if (!IsAscii(text.text, text.lines)) {
                return Refuse(op, text.field, text.warning);
            }
        }
    }
    const Cp932 caption = GetCaption();
    if (checker_) {
        const ExportCheck check = checker_(*this);
        if (!check.refusal.empty()) {
            op.ShowMessage(check.refusal, caption,
                           message_box::kOk | message_box::kIconExclamation);
            return false;
        }
        if (!check.missing.empty()) {
            Cp932 text = J("次の必須の項目が空のまま出力されます。\n");
            for (const Cp932& field : check.missing) {
                text += "\n    " + field;
            }
            text +=
                J("\n\nサマリーシート用情報の設定またはこのダイアログで入力できます。\n"
                  "このまま出力しますか？");
            if (op.ShowMessage(text, caption,
                               message_box::kOkCancel | message_box::kIconQuestion) !=
                message_box::kIdOk) {
                return false;
            }
        }
    }
    struct stat info {};
    if (file_name_ != chosen_file_name_ && ::stat(file_name_.c_str(), &info) == 0) {
        const Cp932 text =
            J("ファイル「") + Utf8ToCp932(file_name_) + J("」は既にあります。\n置き換えますか？");
        if (op.ShowMessage(text, caption, message_box::kOkCancel | message_box::kIconQuestion) !=
            message_box::kIdOk) {
            focus_ = Field::file_name;
            return false;
        }
    }
    return true;
}

int CLogExportDialog::DoModal(IOperator& op) {
    return op.RunDialog(*this, 0) == message_box::kIdOk ? message_box::kIdOk
                                                        : message_box::kIdCancel;
}
