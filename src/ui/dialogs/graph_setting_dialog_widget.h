#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class CGraphSettingDialog;
class CQuillmarkDoc;

// The modeless graph settings dialog "クイルマーク - グラフ設定": one box per graph series
// of the document (enabled only for a series that is set up), whose click shows or hides
// the series at once (seriesChanged). It stands where it stood when last closed.
class CGraphSettingDialogWidget : public QDialog {
    Q_OBJECT
public:
    CGraphSettingDialogWidget(CQuillmarkDoc& document, QWidget* parent = nullptr);

    // The boxes follow the series again (after a rebuild re-created them).
    void Refresh();
    QCheckBox* Box(int series) const { return boxes_[static_cast<size_t>(series)]; }

signals:
    void seriesChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void SavePlacement();

    CQuillmarkDoc& document_;
    CGraphSettingDialog& state_;
    std::array<QCheckBox*, 6> boxes_{};
};
