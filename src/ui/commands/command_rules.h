#pragma once

#include <optional>

// What a command shows in its menu item and toolbar button.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// The enable and check rules of every command, as plain functions of what a window knows
// about itself. Each window (the contest window, the city code window, the main frame)
// reduces itself to one of these snapshots; a command a window does not handle gives
// nullopt, so the next window in the chain may take it. No widget is involved, so the rules
// are tested as they are.
namespace command_rules {

// Log list styles, as the list's style setter numbers them.
enum ListStyle { kLargeIcons = 0, kDetails = 1, kSmallIcons = 2, kList = 3 };

struct ContestWindow {
    enum View { kContestInformation, kLog, kGraph };
    View active_view = kLog;
    bool has_active_band = false;
    int active_band_entries = 0;
    // Items selected in the log list.
    int selected = 0;
    // The contest information tree has a band node selected.
    bool band_node_selected = false;
    bool modified = false;
    int print_type = 1;
    int list_style = kDetails;
    bool contest_status_bar_visible = true;
};
std::optional<CommandState> ForContestWindow(int id, const ContestWindow& window);

struct CityCodeWindow {
    // A row has the focus or is selected.
    bool has_current_row = false;
    int selected = 0;
    int list_style = kDetails;
    bool included_in_search = true;
};
std::optional<CommandState> ForCityCodeWindow(int id, const CityCodeWindow& window);

struct MainFrame {
    bool toolbar_visible = true;
    bool log_toolbar_visible = true;
    bool status_bar_visible = true;
    // Child windows open in the main frame.
    int child_count = 0;
    // Entries of the recent-file list.
    int recent_files = 0;
};
std::optional<CommandState> ForMainFrame(int id, const MainFrame& frame);

}  // namespace command_rules
