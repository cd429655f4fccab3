#include "ui/qt_operator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "dialogs/dialog_state.h"
#include "dialogs/progress_dialog.h"
#include "platform/cp932_convert.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/main_status_bar.h"

namespace {

QString Text(const Cp932& cp932) {
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

QMessageBox::Icon IconOf(int style) {
    switch (message_box::IconOf(style)) {
        case message_box::kIconStop:
            return QMessageBox::Critical;
        case message_box::kIconQuestion:
            return QMessageBox::Question;
        case message_box::kIconExclamation:
            return QMessageBox::Warning;
        case message_box::kIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

struct ButtonOf {
    int result;
    QMessageBox::StandardButton button;
    const char* text;  // as the Japanese system shows it
};

const ButtonOf kButtons[] = {
    {message_box::kIdOk, QMessageBox::Ok, "OK"},
    {message_box::kIdCancel, QMessageBox::Cancel, "キャンセル"},
    {message_box::kIdAbort, QMessageBox::Abort, "中止(&A)"},
    {message_box::kIdRetry, QMessageBox::Retry, "再試行(&R)"},
    {message_box::kIdIgnore, QMessageBox::Ignore, "無視(&I)"},
    {message_box::kIdYes, QMessageBox::Yes, "はい(&Y)"},
    {message_box::kIdNo, QMessageBox::No, "いいえ(&N)"},
};

const ButtonOf& ButtonFor(int result) {
    for (const ButtonOf& b : kButtons) {
        if (b.result == result) {
            return b;
        }
    }
    return kButtons[0];
}

}  // namespace

// The progress window: caption, three lines (the first centred), a bar with its percentage
// and the "ｷｬﾝｾﾙ" button, which marks the progress state cancelled.
class CProgressWindow : public QDialog {
public:
    CProgressWindow(QWidget* parent, CProgressDialog& progress) : QDialog(parent) {
        setWindowModality(Qt::WindowModal);
        setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
        auto* layout = new QVBoxLayout(this);
        for (QLabel*& line : lines_) {
            line = new QLabel(this);
            layout->addWidget(line);
        }
        lines_[0]->setAlignment(Qt::AlignCenter);
        bar_ = new QProgressBar(this);
        bar_->setTextVisible(false);
        layout->addWidget(bar_);
        percent_ = new QLabel(this);
        percent_->setAlignment(Qt::AlignCenter);
        layout->addWidget(percent_);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
        buttons->addWidget(cancel_);
        buttons->addStretch();
        layout->addLayout(buttons);
        setMinimumWidth(360);
        QObject::connect(cancel_, &QPushButton::clicked, this, [&progress] { progress.Cancel(); });
        // Closing the window from its title bar is a cancel, not a destruction of the window
        // the document still updates.
        setAttribute(Qt::WA_DeleteOnClose, false);
    }

    void Refresh(const CProgressDialog& progress, ProgressPart part) {
        switch (part) {
            case ProgressPart::caption:
                setWindowTitle(Text(progress.GetProgressText(0)));
                break;
            case ProgressPart::lines:
                for (int i = 0; i < 3; ++i) {
                    lines_[i]->setText(Text(progress.GetProgressText(i + 1)));
                }
                break;
            case ProgressPart::range:
                bar_->setRange(progress.GetRangeLower(), progress.GetRangeUpper());
                break;
            case ProgressPart::position:
                bar_->setValue(progress.GetPos());
                percent_->setText(Text(progress.GetPercentText()));
                break;
            case ProgressPart::cancel_button:
                cancel_->setEnabled(progress.IsCancelEnabled());
                cancel_->setVisible(progress.IsCancelEnabled());
                break;
        }
        repaint();
    }

    void RefreshAll(const CProgressDialog& progress) {
        for (ProgressPart part : {ProgressPart::caption, ProgressPart::lines, ProgressPart::range,
                                  ProgressPart::position, ProgressPart::cancel_button}) {
            Refresh(progress, part);
        }
    }

protected:
    void reject() override { cancel_->click(); }

private:
    QLabel* lines_[3] = {};
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

CQtOperator::CQtOperator(QMainWindow* main_window) : main_window_(main_window) {}

CQtOperator::~CQtOperator() {
    for (auto& [progress, window] : progress_windows_) {
        delete window.data();
    }
}

void CQtOperator::RegisterDialog(const std::string& dialog_name, DialogRunner runner) {
    dialogs_[dialog_name] = std::move(runner);
}

QWidget* CQtOperator::ParentWindow() const {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return main_window_.data();
}

int CQtOperator::ShowMessage(const Cp932& text, const Cp932& caption, int style) {
    QMessageBox box(IconOf(style), Text(caption), Text(text), QMessageBox::NoButton,
                    ParentWindow());
    const std::vector<int> results = message_box::ButtonResultsOf(style);
    for (int result : results) {
        const ButtonOf& b = ButtonFor(result);
        box.addButton(b.button)->setText(QString::fromUtf8(b.text));
    }
    box.setDefaultButton(ButtonFor(message_box::DefaultResultOf(style)).button);
    box.setEscapeButton(box.button(ButtonFor(message_box::EscapeResultOf(style)).button));
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (int result : results) {
        if (clicked != nullptr && clicked == box.button(ButtonFor(result).button)) {
            return result;
        }
    }
    return message_box::EscapeResultOf(style);
}

void CQtOperator::SetStatusText(const Cp932& text) {
    if (main_window_ == nullptr) {
        return;
    }
    if (auto* frame = qobject_cast<CMainFrame*>(main_window_.data())) {
        frame->MainStatusBar()->SetMessage(Text(text));
        frame->MainStatusBar()->repaint();
        return;
    }
    QStatusBar* bar = main_window_->statusBar();
    bar->showMessage(Text(text));
    bar->repaint();
}

void CQtOperator::Beep(int type) {
    QApplication::beep();
}

void CQtOperator::ShowProgress(CProgressDialog& progress) {
    QPointer<CProgressWindow>& window = progress_windows_[&progress];
    if (window == nullptr) {
        window = new CProgressWindow(ParentWindow(), progress);
    }
    window->RefreshAll(progress);
    window->adjustSize();
    if (QWidget* parent = window->parentWidget()) {
        window->move(parent->geometry().center() - window->rect().center());
    }
    window->show();
    window->repaint();
}

void CQtOperator::UpdateProgress(const CProgressDialog& progress, ProgressPart part) {
    const auto found = progress_windows_.find(&progress);
    if (found != progress_windows_.end() && found->second != nullptr) {
        found->second->Refresh(progress, part);
    }
}

void CQtOperator::CloseProgress(CProgressDialog& progress) {
    const auto found = progress_windows_.find(&progress);
    if (found == progress_windows_.end()) {
        return;
    }
    delete found->second.data();
    progress_windows_.erase(found);
}

QStringList CQtOperator::NameFilters(const Cp932& filter) {
    QStringList filters;
    for (const auto& [description, patterns] : SplitFileFilter(filter)) {
        QString name = Text(description);
        QString qt_patterns = Text(patterns);
        qt_patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses at the end of the name.
        if (!name.endsWith(QLatin1Char('(') + qt_patterns + QLatin1Char(')'))) {
            name += QStringLiteral(" (") + qt_patterns + QLatin1Char(')');
        }
        filters << name;
    }
    return filters;
}

std::optional<std::string> CQtOperator::AskFileName(const FileNameRequest& request) {
    QFileDialog dialog(ParentWindow(), Text(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save || !request.file_must_exist ? QFileDialog::AnyFile
                                                                : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.prompt_overwrite);
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!request.default_extension.empty()) {
        dialog.setDefaultSuffix(Text(request.default_extension));
    }
    if (!request.default_name.empty()) {
        dialog.selectFile(Text(request.default_name));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

int CQtOperator::RunDialog(CDialogState& dialog, int mask) {
    const auto found = dialogs_.find(dialog.GetDialogName());
    if (found == dialogs_.end()) {
        qWarning("no window is registered for dialog %s", dialog.GetDialogName());
        return message_box::kIdCancel;
    }
    return found->second(ParentWindow(), dialog, mask);
}

void CQtOperator::PumpEvents() {
    QCoreApplication::processEvents();
}

void CQtOperator::SetWaitCursor(bool on) {
    if (on) {
        if (wait_cursor_depth_++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else if (wait_cursor_depth_ > 0 && --wait_cursor_depth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}
