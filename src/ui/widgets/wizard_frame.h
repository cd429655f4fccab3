#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

// A property sheet in wizard mode: the pages in a stack, the caption of the shown page above
// them, and the buttons "< 戻る(B)", "次へ(N) >", "完了" and "キャンセル". Which buttons a page
// offers, what Next checks and where it goes are the subclass's (its state's) business; the
// frame only shows the buttons it is told to, makes Next (or Finish, when offered) the button
// Enter presses, and takes Escape and the window's close button as Cancel.
class CWizardFrame : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBack = 0x1;
    static constexpr int kNext = 0x2;
    static constexpr int kFinish = 0x4;

    explicit CWizardFrame(QWidget* parent = nullptr);

    QStackedWidget* Pages() const { return pages_; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* FinishButton() const { return finish_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Shows page (an index into Pages()) under its caption and offers buttons.
    void ShowPage(int page, const QString& caption, int buttons);
    // The caption line above the pages.
    QString PageCaption() const;

protected:
    virtual void OnNext() = 0;
    virtual void OnBack() = 0;
    // Finish pressed; the default accepts.
    virtual void OnFinish() { accept(); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* caption_;
    QStackedWidget* pages_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* finish_;
    QPushButton* cancel_;
};
