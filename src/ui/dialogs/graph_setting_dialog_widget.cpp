#include "ui/dialogs/graph_setting_dialog_widget.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/graph_setting_dialog.h"
#include "document/quillmark_doc.h"

CGraphSettingDialogWidget::CGraphSettingDialogWidget(CQuillmarkDoc& document, QWidget* parent)
    : QDialog(parent), document_(document), state_(document.GetGraphSettingDialog()) {
    setWindowTitle(QStringLiteral("クイルマーク - グラフ設定"));
    setModal(false);
    const char* const texts[] = {"全体の局数(&1)",
                                 "全体のマルチ数(&2)",
                                 "全体の得点数(&3)",
                                 "現在アクティブな周波数帯の局数(&4)",
                                 "現在アクティブな周波数帯のマルチ数(&5)",
                                 "現在アクティブな周波数帯の得点数(&6)"};
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 6; ++i) {
        QCheckBox* box = boxes_[static_cast<size_t>(i)] =
            new QCheckBox(QString::fromUtf8(texts[i]), this);
        layout->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
            if (CQuillmarkData_GraphDataItem* series = document_.GetGraphSeries(i)) {
                series->SetShown(checked);
                emit seriesChanged();
            }
        });
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Refresh();
    state_.SetExists(true);
}

void CGraphSettingDialogWidget::Refresh() {
    for (int i = 0; i < 6; ++i) {
        const CQuillmarkData_GraphDataItem* series = document_.GetGraphSeries(i);
        const bool usable = series != nullptr && series->IsValid();
        QCheckBox* box = boxes_[static_cast<size_t>(i)];
        box->setEnabled(usable);
        box->setChecked(usable && series->IsShown() != 0);
    }
}

void CGraphSettingDialogWidget::showEvent(QShowEvent* event) {
    if (const auto& placement = state_.GetPlacement()) {
        move(placement->left, placement->top);
    }
    QDialog::showEvent(event);
}

void CGraphSettingDialogWidget::SavePlacement() {
    state_.SetPlacement({x(), y(), width(), height()});
    state_.SetExists(false);
}

void CGraphSettingDialogWidget::closeEvent(QCloseEvent* event) {
    SavePlacement();
    QDialog::closeEvent(event);
}

void CGraphSettingDialogWidget::done(int result) {
    SavePlacement();
    QDialog::done(result);
}
