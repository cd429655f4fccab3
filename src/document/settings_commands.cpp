#include "document/settings_commands.h"

#include "dialogs/operator.h"
#include "dialogs/summary_sheet_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "platform/cp932_convert.h"

namespace settings_commands {
namespace {

void RedrawAllViews(IOperator& op, const std::function<void()>& redraw_all_views) {
    op.SetStatusText(Utf8ToCp932("すべてのビューを再描画しています。しばらくお待ちください．．．"));
    if (redraw_all_views) {
        redraw_all_views();
    }
    op.SetStatusText(Utf8ToCp932("すべてのビューの再描画が終了しました。"));
}

}  // namespace

int RunSettingsSheet(CQuillmarkSystem& settings, IOperator& op,
                     const std::function<void()>& redraw_all_views, CRigSettings* rig,
                     const std::function<void()>& rig_changed) {
    CSystemSettingSheet sheet;
    sheet.FillFrom(settings);
    if (rig != nullptr) {
        sheet.FillRigFrom(*rig);
    }
    if (op.RunDialog(sheet, 0) != message_box::kIdOk) {
        return 0;
    }
    if (rig != nullptr && sheet.ApplyRigTo(*rig) && rig_changed) {
        rig_changed();
    }
    if (sheet.ApplyTo(settings)) {
        RedrawAllViews(op, redraw_all_views);
    }
    return 1;
}

int RunSummarySheetDialog(CQuillmarkSystem& settings, IOperator& op,
                          const std::function<void()>& redraw_all_views) {
    CSummarySheetDialog dialog;
    dialog.FillFrom(settings);
    if (op.RunDialog(dialog, 0) != message_box::kIdOk) {
        op.SetStatusText(Utf8ToCp932("サマリーシート用情報の設定を中止しました。"));
        return 0;
    }
    if (dialog.ApplyTo(settings)) {
        RedrawAllViews(op, redraw_all_views);
    }
    op.SetStatusText(Utf8ToCp932("サマリーシート用情報の設定を完了しました。"));
    return 1;
}

}  // namespace settings_commands
