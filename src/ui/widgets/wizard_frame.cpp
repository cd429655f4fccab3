#include "ui/widgets/wizard_frame.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

CWizardFrame::CWizardFrame(QWidget* parent)
    : QDialog(parent),
      caption_(new QLabel(this)),
      pages_(new QStackedWidget(this)),
      back_(new QPushButton(QStringLiteral("< 戻る(&B)"), this)),
      next_(new QPushButton(QStringLiteral("次へ(&N) >"), this)),
      finish_(new QPushButton(QStringLiteral("完了"), this)),
      cancel_(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    caption_->setAccessibleName(QStringLiteral("ページ"));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {back_, next_, finish_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addSpacing(12);
    cancel_->setAutoDefault(false);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(pages_, 1);
    layout->addWidget(rule);
    layout->addLayout(buttons);
    connect(back_, &QPushButton::clicked, this, [this] { OnBack(); });
    connect(next_, &QPushButton::clicked, this, [this] { OnNext(); });
    connect(finish_, &QPushButton::clicked, this, [this] { OnFinish(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void CWizardFrame::ShowPage(int page, const QString& caption, int buttons) {
    pages_->setCurrentIndex(page);
    caption_->setText(caption);
    back_->setEnabled((buttons & kBack) != 0);
    next_->setEnabled((buttons & kNext) != 0);
    // Finish takes Next's place when it is offered, as the old wizards showed it.
    finish_->setVisible((buttons & kFinish) != 0);
    next_->setVisible((buttons & kFinish) == 0);
    QPushButton* default_button = (buttons & kFinish) != 0 ? finish_ : next_;
    default_button->setDefault(true);
    (default_button == finish_ ? next_ : finish_)->setDefault(false);
}

QString CWizardFrame::PageCaption() const {
    return caption_->text();
}

void CWizardFrame::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (finish_->isVisible() && finish_->isEnabled()) {
                OnFinish();
            } else if (next_->isEnabled()) {
                OnNext();
            }
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
