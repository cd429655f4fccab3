#include "ui/app/help_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QKeySequence>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/commands/command_table.h"

QString CHelpWindow::ShortcutTable() {
    QString table = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
        "<tr><th>キー</th><th>コマンド</th><th>説明</th></tr>");
    for (const CommandInfo& command : command_table::All()) {
        if (command.keys == nullptr) {
            continue;
        }
        QString keys;
        for (const QString& key : QString::fromUtf8(command.keys).split(QLatin1Char(';'))) {
            keys += (keys.isEmpty() ? QString() : QStringLiteral("、")) +
                    QKeySequence(key, QKeySequence::PortableText)
                        .toString(QKeySequence::NativeText)
                        .toHtmlEscaped();
        }
        table += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                     .arg(keys, QString::fromUtf8(command.tool_tip).toHtmlEscaped(),
                          QString::fromUtf8(command.status_help).toHtmlEscaped());
    }
    return table + QStringLiteral("</table>");
}

QString CHelpWindow::HelpPage() {
    QFile file(QStringLiteral(":/help/index.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("<p>ヘルプが見つかりません。</p>");
    }
    QString page = QString::fromUtf8(file.readAll());
    page.replace(QStringLiteral("<!-- SHORTCUTS -->"), ShortcutTable());
    return page;
}

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("クイルマーク - ヘルプ"));
    setModal(false);
    browser_->setAccessibleName(QStringLiteral("ヘルプ"));
    browser_->setOpenExternalLinks(false);
    browser_->setHtml(HelpPage());
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(760, 640);
}
