#include "ui/dialogs/dialog_registry.h"

#include <QPointer>

#include "dialogs/band_information_dialog.h"
#include "dialogs/city_code_search_dialog.h"
#include "dialogs/contest_type_sheet.h"
#include "dialogs/import_dialog.h"
#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/log_data_search_dialog.h"
#include "dialogs/log_export_dialog.h"
#include "dialogs/parameter_attribute_dialog.h"
#include "dialogs/summary_sheet_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "ui/dialogs/band_information_dialog_widget.h"
#include "ui/dialogs/city_code_search_dialog_widget.h"
#include "ui/dialogs/contest_type_sheet_widget.h"
#include "ui/dialogs/import_dialog_widget.h"
#include "ui/dialogs/log_data_confirm_dialog_widget.h"
#include "ui/dialogs/log_data_input_sheet_widget.h"
#include "ui/dialogs/log_data_search_dialog_widget.h"
#include "ui/dialogs/log_export_dialog_widget.h"
#include "ui/dialogs/parameter_attribute_dialog_widget.h"
#include "ui/dialogs/summary_sheet_dialog_widget.h"
#include "ui/dialogs/system_setting_sheet_widget.h"
#include "ui/qt_operator.h"

template <typename State>
static State& As(CDialogState& state) {
    return static_cast<State&>(state);
}

void RegisterDialogWidgets(CQtOperator& op, CQuillmarkSystem& settings) {
    IOperator* shown = &op;
    op.RegisterDialog("CSystemSettingSheet", [shown](QWidget* parent, CDialogState& s, int) {
        return CSystemSettingSheetWidget::Run(parent, As<CSystemSettingSheet>(s), *shown);
    });
    op.RegisterDialog("CSummarySheetDialog", [shown](QWidget* parent, CDialogState& s, int) {
        return CSummarySheetDialogWidget::Run(parent, As<CSummarySheetDialog>(s), *shown);
    });
    op.RegisterDialog("CContestTypeSheet", [&settings](QWidget* parent, CDialogState& s, int) {
        return CContestTypeSheetWidget::Run(parent, As<CContestTypeSheet>(s), settings);
    });
    op.RegisterDialog("CParameterAttributeDialog", [shown](QWidget* parent, CDialogState& s, int) {
        return CParameterAttributeDialogWidget::Run(parent, As<CParameterAttributeDialog>(s),
                                                    *shown);
    });
    op.RegisterDialog("CBandInformationDialog",
                      [shown, &settings](QWidget* parent, CDialogState& s, int) {
                          return CBandInformationDialogWidget::Run(
                              parent, As<CBandInformationDialog>(s), *shown, settings);
                      });
    op.RegisterDialog("CLogDataConfirmDialog", [](QWidget* parent, CDialogState& s, int) {
        return CLogDataConfirmDialogWidget::Run(parent, As<CLogDataConfirmDialog>(s));
    });
    op.RegisterDialog("CLogDataSearchDialog",
                      [shown, &settings](QWidget* parent, CDialogState& s, int) {
                          return CLogDataSearchDialogWidget::Run(
                              parent, As<CLogDataSearchDialog>(s), *shown, settings);
                      });
    op.RegisterDialog("CCityCodeSearchDialog", [shown](QWidget* parent, CDialogState& s, int) {
        return CCityCodeSearchDialogWidget::Run(parent, As<CCityCodeSearchDialog>(s), *shown);
    });
    op.RegisterDialog("CImportDialog", [shown](QWidget* parent, CDialogState& s, int) {
        return CImportDialogWidget::Run(parent, As<CImportDialog>(s), *shown);
    });
    op.RegisterDialog("CLogExportDialog", [shown](QWidget* parent, CDialogState& s, int) {
        return CLogExportDialogWidget::Run(parent, As<CLogExportDialog>(s), *shown);
    });
    // One log entry window serves every run: the next contact's page is up at once, where
    // the operator left the window.
    auto wizard = std::make_shared<QPointer<CLogDataInputSheetWidget>>();
    op.RegisterDialog("CLogDataInputSheet",
                      [wizard, &settings](QWidget* parent, CDialogState& s, int) {
                          if (*wizard == nullptr || (*wizard)->parentWidget() != parent) {
                              delete wizard->data();
                              *wizard = new CLogDataInputSheetWidget(settings, parent);
                          }
                          return (*wizard)->Run(As<CLogDataInputSheet>(s));
                      });
}
