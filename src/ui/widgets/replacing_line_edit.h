#pragma once

#include <QLineEdit>

#include "dialogs/replacing_edit.h"

class CQuillmarkSystem;

// The call sign and contest number edit: a line edit that applies the input text
// replacement of the settings while the operator types (through CReplacingEdit, so the rule
// is the one the tests check), shows letters in capitals when asked, and keeps its text
// within a length counted in CP932 bytes, as the formats count it. A character CP932 cannot
// hold is refused with a beep.
class CReplacingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CReplacingLineEdit(QWidget* parent = nullptr);

    // Installs the settings' pairs and switch.
    void LoadReplacement(const CQuillmarkSystem& settings);
    void SetUpperCase(bool upper) { upper_ = upper; }
    // -1 for no limit.
    void SetByteLimit(int limit) { byte_limit_ = limit; }
    int ByteLimit() const { return byte_limit_; }

    // Sets the text as the program holds it (CP932) and remembers it as accepted.
    void SetCp932Text(const Cp932& text);
    Cp932 Cp932Text() const;

private:
    void OnEdited(const QString& text);
    // Puts the last accepted text back, the caret where the refused typing began.
    void Refuse(const QString& edited);

    CReplacingEdit replacement_;
    bool upper_ = false;
    int byte_limit_ = -1;
    QString accepted_;
};
