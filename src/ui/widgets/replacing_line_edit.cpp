#include "ui/widgets/replacing_line_edit.h"

#include <QApplication>

#include "ui/qt_text.h"

namespace {

// The caret (a position in UTF-16 units) as a byte position in the CP932 text.
size_t BytePosition(const QString& text, int position) {
    return qt_text::ToCp932(text.left(position)).size();
}

int CharPosition(const Cp932& text, size_t bytes) {
    return static_cast<int>(qt_text::FromCp932(text.substr(0, bytes)).size());
}

}  // namespace

CReplacingLineEdit::CReplacingLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &CReplacingLineEdit::OnEdited);
}

void CReplacingLineEdit::LoadReplacement(const CQuillmarkSystem& settings) {
    replacement_.LoadFromSettings(settings);
}

void CReplacingLineEdit::SetCp932Text(const Cp932& text) {
    accepted_ = qt_text::FromCp932(text);
    setText(accepted_);
}

Cp932 CReplacingLineEdit::Cp932Text() const {
    return qt_text::ToCp932(text());
}

void CReplacingLineEdit::Refuse(const QString& edited) {
    QApplication::beep();
    const int typed = static_cast<int>(edited.size() - accepted_.size());
    const int caret = std::max(0, cursorPosition() - typed);
    setText(accepted_);
    setCursorPosition(caret);
}

void CReplacingLineEdit::OnEdited(const QString& edited) {
    QString shown = edited;
    if (upper_) {
        for (QChar& c : shown) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                c = c.toUpper();
            }
        }
    }
    std::optional<Cp932> text = qt_text::TryToCp932(shown);
    if (!text) {
        Refuse(edited);
        return;
    }
    size_t caret = BytePosition(shown, cursorPosition());
    replacement_.OnTextChanged(*text, caret);
    if (byte_limit_ >= 0 && static_cast<int>(text->size()) > byte_limit_) {
        Refuse(edited);
        return;
    }
    accepted_ = qt_text::FromCp932(*text);
    if (accepted_ != edited) {
        setText(accepted_);
    }
    setCursorPosition(CharPosition(*text, caret));
}
