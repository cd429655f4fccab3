#pragma once

#include <span>

// One row per command of the program: its menu text, keys, toolbar icon, tool tip and the
// help text the status bar shows while the command is highlighted. Menus, toolbars, the
// context menus and the keyboard accelerators are all built from these rows, so a text or a
// key is written in one place. Texts are UTF-8 and carry their mnemonic ("(&I)") and "..."
// as the menus show them. Which window handles a command and when it is enabled is the
// business of the command targets and their rules, not of this table.
struct CommandInfo {
    int id;
    const char* menu_text;
    // Qt key sequences; a second key, when there is one, after a ';' ("Ctrl+C;Ctrl+Ins").
    const char* keys;
    // Name of the toolbar icon (data/icons/<name>.svg), or null.
    const char* icon;
    const char* tool_tip;
    const char* status_help;
    // Shown with a check mark (a toggle or one of a radio group).
    bool checkable;
};

namespace command_table {

std::span<const CommandInfo> All();
// The row of id, or null for an unknown id.
const CommandInfo* Find(int id);

}  // namespace command_table
