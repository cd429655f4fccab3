#pragma once

#include <functional>

class CQuillmarkSystem;
class CRigSettings;
class IOperator;

// The two settings commands of the main frame. Each runs its dialog through the operator,
// copies the result into the settings object and, when what the views show depends on the
// change, redraws every view of every open document with redraw_all_views, between the two
// status texts the operator sees while that happens.
namespace settings_commands {

// The system settings sheet. 1 when the operator pressed OK, 0 after Cancel. With rig, its
// radio page edits the connection to the transceiver; rig_changed runs when OK changed it.
int RunSettingsSheet(CQuillmarkSystem& settings, IOperator& op,
                     const std::function<void()>& redraw_all_views, CRigSettings* rig = nullptr,
                     const std::function<void()>& rig_changed = {});
// The summary sheet information dialog. 1 after OK, 0 after Cancel.
int RunSummarySheetDialog(CQuillmarkSystem& settings, IOperator& op,
                          const std::function<void()>& redraw_all_views);

}  // namespace settings_commands
