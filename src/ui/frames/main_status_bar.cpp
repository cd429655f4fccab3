#include "ui/frames/main_status_bar.h"

#include <QLabel>

#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"
#include "ui/frames/keyboard_locks.h"
#include "ui/frames/main_status_texts.h"

namespace {

QString Text(const Cp932& cp932) {
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

const QString kReady = QStringLiteral("レディ");

}  // namespace

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    message_ = new QLabel(kReady, this);
    message_->setAccessibleName(QStringLiteral("メッセージ"));
    message_->setMinimumWidth(1);
    addWidget(message_, 1);
    radio_ = new QLabel(this);
    radio_->setAccessibleName(QStringLiteral("無線機"));
    radio_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addPermanentWidget(radio_);
    radio_->hide();
    kana_ = AddPane(QStringLiteral("ｶﾅ"));
    caps_ = AddPane(QStringLiteral("CAP"));
    num_ = AddPane(QStringLiteral("NUM"));
    scroll_ = AddPane(QStringLiteral("SCRL"));
    kana_->setAccessibleName(QStringLiteral("カナ ロック"));
    caps_->setAccessibleName(QStringLiteral("キャプス ロック"));
    num_->setAccessibleName(QStringLiteral("ニューメリック ロック"));
    scroll_->setAccessibleName(QStringLiteral("スクロール ロック"));
    auto* separator = new QWidget(this);
    separator->setFixedWidth(2);
    addPermanentWidget(separator);
    time_zone_ = new QLabel(this);
    time_zone_->setAccessibleName(QStringLiteral("タイム ゾーン"));
    addPermanentWidget(time_zone_);
    clock_ = new QLabel(this);
    clock_->setAccessibleName(QStringLiteral("時計"));
    clock_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    addPermanentWidget(clock_);
    message_text_ = kReady;
}

QLabel* CMainStatusBar::AddPane(const QString& widest_text) {
    auto* pane = new QLabel(this);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest_text) + 8);
    pane->setProperty("lock_text", widest_text);
    addPermanentWidget(pane);
    return pane;
}

void CMainStatusBar::SetMessage(const QString& text) {
    message_text_ = text;
    message_->setText(text);
    // A narrow window cuts a long message; the whole of it is a hover away.
    message_->setToolTip(text);
}

void CMainStatusBar::SetRadioText(const QString& text) {
    radio_->setText(text);
    radio_->setVisible(!text.isEmpty());
}

QString CMainStatusBar::RadioText() const {
    return radio_->text();
}

QString CMainStatusBar::Message() const {
    return message_->text();
}

void CMainStatusBar::ShowHelp(const QString& help) {
    message_->setText(help.isEmpty() ? message_text_ : help);
}

void CMainStatusBar::Refresh(const CQuillmarkSystem& settings) {
    const KeyboardLocks locks = ReadKeyboardLocks().value_or(KeyboardLocks{});
    const std::pair<QLabel*, bool> panes[] = {
        {kana_, locks.kana}, {caps_, locks.caps}, {num_, locks.num}, {scroll_, locks.scroll}};
    for (const auto& [pane, on] : panes) {
        const QString text = on ? pane->property("lock_text").toString() : QString();
        if (pane->text() != text) {
            pane->setText(text);
        }
    }

    const QString zone = Text(main_status_texts::TimeZoneIndicator(settings));
    if (time_zone_->text() != zone) {
        time_zone_->setText(zone);
    }
    const QString clock = Text(main_status_texts::Clock(settings, CurrentTime()));
    clock_->setVisible(!clock.isEmpty());
    if (clock_->text() != clock) {
        clock_->setText(clock);
    }
}

QString CMainStatusBar::TimeZoneText() const {
    return time_zone_->text();
}

QString CMainStatusBar::ClockText() const {
    return clock_->isHidden() ? QString() : clock_->text();
}

bool CMainStatusBar::IsClockShown() const {
    return !clock_->isHidden();
}
