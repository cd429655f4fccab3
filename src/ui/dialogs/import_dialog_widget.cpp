#include "ui/dialogs/import_dialog_widget.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/import_dialog.h"
#include "dialogs/operator.h"
#include "ui/qt_text.h"
#include "ui/widgets/ui_metrics.h"

using qt_text::FromCp932;

int CImportDialogWidget::Run(QWidget* parent, CImportDialog& dialog, IOperator& op) {
    CImportDialogWidget widget(dialog, op, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CImportDialogWidget::CImportDialogWidget(CImportDialog& dialog, IOperator& op, QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op), list_(new QTreeWidget(this)) {
    setWindowTitle(FromCp932(CImportDialog::GetCaption()));
    auto* guidance = new QLabel(FromCp932(CImportDialog::GetGuidance()), this);
    guidance->setBuddy(list_);
    QStringList titles;
    for (const Cp932& title : CImportDialog::GetColumnTitles()) {
        titles << FromCp932(title);
    }
    list_->setHeaderLabels(titles);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAccessibleName(QStringLiteral("インポート可能なデータ"));
    for (int c = 0; c < CImportDialog::kColumnCount; ++c) {
        list_->setColumnWidth(c, ui_metrics::Scaled(list_, CImportDialog::GetColumnWidths()[c]));
    }
    for (int i = 0; i < dialog.GetCandidateCount(); ++i) {
        QStringList texts;
        for (const Cp932& text : dialog.GetRowTexts(i)) {
            texts << FromCp932(text);
        }
        auto* item = new QTreeWidgetItem(list_, texts);
        item->setIcon(0, QIcon(QStringLiteral(":/icons/file_open.svg")));
    }
    list_->setMinimumWidth(ui_metrics::Scaled(list_, 700));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CImportDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CImportDialogWidget::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guidance);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

void CImportDialogWidget::accept() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    dialog_.SetSelectedRow(selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected[0]));
    if (dialog_.OnOK(operator_)) {
        QDialog::accept();
    }
}
