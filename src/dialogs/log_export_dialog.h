#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/dialog_state.h"
#include "dialogs/operator.h"
#include "platform/cp932.h"

// The state of the dialog "クイルマーク - ログデータの提出用出力": the submission format and
// its version, JST or UTC, the Cabrillo header (CONTEST, the CATEGORY-* choices, NAME,
// ADDRESS, SOAPBOX), the e-mail address and the file name. OnOK holds the checks of the OK
// button: the dialog's own fields first, then what the document's checker says about the
// contest in the chosen format (a refusal, or the required fields that would be written
// empty, which the operator may accept). The document fills it, gives it each format's file
// extension and filter and the checker, and reads it back after OK; the exporters themselves
// stay with the document.
class CLogExportDialog : public CDialogState {
public:
    enum FormatIndex { kJarl = 0, kCabrillo = 1, kAdif = 2, kFormatCount = 3 };
    enum Category {
        kOperator = 0,
        kAssisted,
        kBand,
        kMode,
        kPower,
        kStation,
        kTime,
        kTransmitter,
        kOverlay,
        kCategoryCount
    };
    // Fields a refused OK focuses.
    enum class Field { none, file_name, contest, name, address, email, soapbox };

    // What the document finds for the chosen format.
    struct ExportCheck {
        Cp932 refusal;               // why the contest cannot be written; empty when it can
        std::vector<Cp932> missing;  // required fields written empty, "EMAIL（電子メール）"
    };
    using Checker = std::function<ExportCheck(const CLogExportDialog&)>;

    const char* GetDialogName() const override { return "CLogExportDialog"; }
    // "クイルマーク - ログデータの提出用出力".
    static Cp932 GetCaption();
    // "JARL 電子ログ", "Cabrillo", "ADIF".
    static const std::vector<Cp932>& GetFormatNames();
    // "R2.1", "R1.0" for the JARL log; one version for the others.
    static const std::vector<Cp932>& GetVersionNames(int format);
    // "CATEGORY-OPERATOR", …
    static std::string_view GetCategoryTag(int category);
    // The values of a category, the empty one ("（指定しない）", not written) first.
    static const std::vector<std::string>& GetCategoryChoices(int category);
    // "（指定しない）".
    static Cp932 GetNoChoiceText();

    // --- Format, version, time. ---
    void SetFormat(int format);  // the file name's extension follows the format
    int GetFormat() const { return format_; }
    void SetVersion(int version);  // of the current format
    int GetVersion() const { return versions_[static_cast<size_t>(format_)]; }
    // JST or UTC for a format (ADIF is always UTC).
    void SetUtc(int format, bool utc);
    bool IsUtc() const;
    bool IsUtc(int format) const;
    // Which parts of the dialog the current format uses.
    bool UsesTimeChoice() const { return format_ != kAdif; }
    bool UsesContestId() const { return format_ != kJarl; }
    bool UsesCabrilloHeader() const { return format_ == kCabrillo; }
    bool UsesEmail() const { return format_ != kAdif; }

    // --- Texts (CP932). ---
    void SetCategory(int category, std::string_view value);
    const std::string& GetCategory(int category) const;
    void SetContestId(std::string_view text) { contest_id_ = Cp932(text); }
    const Cp932& GetContestId() const { return contest_id_; }
    void SetName(std::string_view text) { name_ = Cp932(text); }
    const Cp932& GetName() const { return name_; }
    void SetAddress(std::string_view text) { address_ = Cp932(text); }
    const Cp932& GetAddress() const { return address_; }
    void SetEmail(std::string_view text) { email_ = Cp932(text); }
    const Cp932& GetEmail() const { return email_; }
    void SetSoapbox(std::string_view text) { soapbox_ = Cp932(text); }
    const Cp932& GetSoapbox() const { return soapbox_; }

    // --- The file (names are the file system's bytes). ---
    // Each format's extension (without the dot) and file dialog filter.
    void SetFileType(int format, std::string_view extension, std::string_view filter);
    const std::string& GetExtension() const;
    // folder/base.extension of the current format; a relative name without a folder.
    void SetDefaultFileName(const std::string& folder, const std::string& base);
    // A name typed by the operator.
    void SetFileName(std::string_view path) { file_name_ = std::string(path); }
    // A name chosen in the file dialog, which has already asked about replacing it.
    void SetChosenFileName(std::string_view path);
    const std::string& GetFileName() const { return file_name_; }
    // The file dialog of the "参照" button for the current format, suggesting the file name
    // as it stands.
    FileNameRequest GetFileNameRequest() const;

    // --- OK. ---
    void SetChecker(Checker checker) { checker_ = std::move(checker); }
    // Warns through op and returns false (GetFocusField names the field, none when the
    // operator is to change the contest or the format) or returns true (the dialog closes).
    bool OnOK(IOperator& op);
    Field GetFocusField() const { return focus_; }

    // Runs the dialog; 1 OK, 2 cancel.
    int DoModal(IOperator& op);

private:
    bool Refuse(IOperator& op, Field field, std::string_view utf8_text);

    int format_ = kJarl;
    std::array<int, kFormatCount> versions_{};
    std::array<bool, kFormatCount> utc_{false, true, true};
    std::array<std::string, kCategoryCount> categories_;
    Cp932 contest_id_;
    Cp932 name_;
    Cp932 address_;
    Cp932 email_;
    Cp932 soapbox_;
    std::array<std::string, kFormatCount> extensions_;
    std::array<Cp932, kFormatCount> filters_;
    std::string file_name_;
    std::string chosen_file_name_;
    Checker checker_;
    Field focus_ = Field::none;
};
