#include "ui/widgets/replacing_line_edit.h"

#include <QApplication>
#include <QValidator>

#include "dialogs/replacing_edit.h"
#include "ui/qt_text.h"

// Qt asks a validator about every change the operator makes before the edit takes it, and
// keeps the old text when the answer is Invalid; an Acceptable answer may rewrite the text
// and the caret. That is where the replacement, the capitals and the byte limit live.
class CReplacingInputValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        if (upper_) {
            for (QChar& c : input) {
                if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                    c = c.toUpper();
                }
            }
        }
        std::optional<Cp932> text = qt_text::TryToCp932(input);
        if (!text) {
            QApplication::beep();
            return Invalid;
        }
        size_t caret = qt_text::ToCp932(input.left(position)).size();
        if (replacement_.OnTextChanged(*text, caret)) {
            input = qt_text::FromCp932(*text);
            position = static_cast<int>(qt_text::FromCp932(text->substr(0, caret)).size());
        }
        if (byte_limit_ >= 0 && static_cast<int>(text->size()) > byte_limit_) {
            QApplication::beep();
            return Invalid;
        }
        return Acceptable;
    }

    // Replaced while validating, which Qt does in a const function.
    mutable CReplacingEdit replacement_;
    bool upper_ = false;
    int byte_limit_ = -1;
};

CReplacingLineEdit::CReplacingLineEdit(QWidget* parent)
    : QLineEdit(parent), validator_(new CReplacingInputValidator(this)) {
    setValidator(validator_);
}

CReplacingLineEdit::~CReplacingLineEdit() = default;

void CReplacingLineEdit::LoadReplacement(const CQuillmarkSystem& settings) {
    validator_->replacement_.LoadFromSettings(settings);
}

void CReplacingLineEdit::SetUpperCase(bool upper) {
    validator_->upper_ = upper;
}

void CReplacingLineEdit::SetByteLimit(int limit) {
    validator_->byte_limit_ = limit;
}

int CReplacingLineEdit::ByteLimit() const {
    return validator_->byte_limit_;
}

void CReplacingLineEdit::SetCp932Text(const std::string& text) {
    setText(qt_text::FromCp932(text));
}

std::string CReplacingLineEdit::Cp932Text() const {
    return qt_text::ToCp932(text());
}
