#pragma once

#include <QLineEdit>

class CQuillmarkSystem;
class CReplacingInputValidator;

// The call sign and contest number edit: a line edit that applies the input text
// replacement of the settings while the operator types (through CReplacingEdit, so the rule
// is the one the tests check), shows letters in capitals when asked, and keeps its text
// within a length counted in CP932 bytes, as the formats count it. A character CP932 cannot
// hold, or one too many, is refused with a beep and the text stays as it was.
class CReplacingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CReplacingLineEdit(QWidget* parent = nullptr);
    ~CReplacingLineEdit() override;

    // Installs the settings' pairs and switch.
    void LoadReplacement(const CQuillmarkSystem& settings);
    void SetUpperCase(bool upper);
    // -1 for no limit.
    void SetByteLimit(int limit);
    int ByteLimit() const;

    // Sets and reads the text as the program holds it (CP932).
    void SetCp932Text(const std::string& text);
    std::string Cp932Text() const;

private:
    CReplacingInputValidator* validator_;
};
