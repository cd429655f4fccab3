#pragma once

#include <span>
#include <vector>

// The shape of every menu, toolbar and context menu as lists of command ids; the texts and
// keys come from the command table. A menu item is a command, a separator (id 0), a
// placeholder filled at run time (the recent files, the list of open windows) or a submenu
// with a title of its own. Context menus may show a command under a shorter text.
struct MenuItem {
    int id = 0;
    // A submenu's title, or a command's text in this menu only; null for the table's text.
    const char* text = nullptr;
    std::vector<MenuItem> children;

    bool IsSubmenu() const { return !children.empty(); }
    bool IsSeparator() const { return id == 0 && children.empty(); }
};

namespace menu_layout {

// Placeholders.
inline constexpr int kRecentFiles = -1;
inline constexpr int kWindowList = -2;

// The menu bar while no window is open, while a contest window is active and while a city
// code window is active.
enum class Bar { kNoDocument, kContest, kCityCode };
const std::vector<MenuItem>& MenuBar(Bar bar);

// Toolbar buttons in order; 0 is a separator.
std::span<const int> StandardToolbar();
std::span<const int> LogMenuToolbar();

// Context menus of the log list, the graph and the city code list.
const std::vector<MenuItem>& LogListContextMenu();
const std::vector<MenuItem>& GraphContextMenu();
const std::vector<MenuItem>& CityCodeListContextMenu();

}  // namespace menu_layout
