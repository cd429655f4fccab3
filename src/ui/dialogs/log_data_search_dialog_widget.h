#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class CLogDataSearchDialog;
class CQuillmarkSystem;
class CReplacingLineEdit;
class IOperator;

// The log search dialog "クイルマーク - ログデータの検索 - 検索の準備" on screen: ten criteria,
// each switched by a three-state box (off, must match, must not match), with their values.
// "検索開始" copies everything into the state and runs its checks; a refusal focuses the
// field the state names.
class CLogDataSearchDialogWidget : public QDialog {
    Q_OBJECT
public:
    CLogDataSearchDialogWidget(CLogDataSearchDialog& dialog, IOperator& op,
                               const CQuillmarkSystem& settings, QWidget* parent = nullptr);
    static int Run(QWidget* parent, CLogDataSearchDialog& dialog, IOperator& op,
                   const CQuillmarkSystem& settings);

    QCheckBox* Switch(int criterion) const { return switches_[static_cast<size_t>(criterion)]; }

public slots:
    void accept() override;

private:
    struct TextRow {
        CReplacingLineEdit* edit = nullptr;
        QCheckBox* parameter = nullptr;
        QSpinBox* number = nullptr;
    };
    QWidget* DateTimeFields(std::array<QSpinBox*, 6>& fields);
    QWidget* TextCriterion(TextRow& row, int parameters, bool upper);
    void Store();

    CLogDataSearchDialog& dialog_;
    IOperator& operator_;
    const CQuillmarkSystem& settings_;
    std::array<QCheckBox*, 10> switches_{};
    std::array<QSpinBox*, 6> from_{};
    std::array<QSpinBox*, 6> to_{};
    TextRow call_sign_;
    TextRow sent_;
    TextRow received_;
    QSpinBox* points_from_;
    QSpinBox* points_to_;
    QComboBox* mode_;
    QRadioButton* cq_;
    QRadioButton* answering_;
    QLineEdit* comment_;
};
