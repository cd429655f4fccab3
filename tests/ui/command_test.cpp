// The command table, the menu layouts and the enable rules, without widgets.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QString>
#include <map>
#include <sstream>

#include "../platform/case_table.h"
#include "ui/commands/command_ids.h"
#include "ui/commands/command_rules.h"
#include "ui/commands/command_table.h"
#include "ui/commands/menu_layout.h"
#include "ui_test_util.h"

namespace {

using command_rules::ContestWindow;

// A menu's items one a line, indented by depth; a separator, the recent files and the window
// list by their ids 0, -1 and -2.
void ShowMenu(const std::vector<MenuItem>& items, std::ostringstream& seen, int depth = 1) {
    for (const MenuItem& item : items) {
        const CommandInfo* command = item.id > 0 ? command_table::Find(item.id) : nullptr;
        EXPECT_TRUE(item.id <= 0 || command != nullptr) << "an unknown command " << item.id;
        seen << std::string(2 * depth, ' ')
             << (item.text != nullptr ? item.text
                 : command != nullptr ? command->menu_text
                                      : std::to_string(item.id))
             << "\n";
        ShowMenu(item.children, seen, depth + 1);
    }
}

// Every command has its texts and no key runs two; the golden file shows the menu bars while
// no window, a contest window and a city code window is active, the context menus of the log
// list, the graph and the city code list, and the toolbars by their icons.
TEST(CommandTable, EveryCommandHasItsTextsNoKeyRunsTwoAndTheMenusShowThem) {
    std::map<QString, int> keys;
    for (const CommandInfo& command : command_table::All()) {
        EXPECT_NE(command.menu_text, nullptr);
        EXPECT_NE(command.status_help, nullptr);
        if (command.keys == nullptr) {
            continue;
        }
        for (const QString& key : QString::fromUtf8(command.keys).split(QLatin1Char(';'))) {
            const QKeySequence sequence(key, QKeySequence::PortableText);
            ASSERT_FALSE(sequence.isEmpty()) << command.keys;
            EXPECT_TRUE(keys.emplace(sequence.toString(), command.id).second)
                << key.toStdString() << " twice";
        }
    }
    using namespace menu_layout;
    std::ostringstream seen;
    for (const auto& menu :
         {MenuBar(Bar::kNoDocument), MenuBar(Bar::kContest), MenuBar(Bar::kCityCode),
          LogListContextMenu(), GraphContextMenu(), CityCodeListContextMenu()}) {
        ShowMenu(menu, seen);
        seen << "\n";
    }
    for (const auto& toolbar : {StandardToolbar(), LogMenuToolbar()}) {
        seen << "toolbar:";
        for (const int id : toolbar) {
            const char* icon = id == 0 ? "|" : command_table::Find(id)->icon;
            seen << " " << (icon != nullptr ? icon : "(none)");
        }
        seen << "\n";
    }
    ui_test::ExpectGolden("ui/menus", seen.str());
}

// One line per command in the golden file: its state in each window snapshot (the contest
// window's are tests/data/ui/command_windows.txt; "E" enabled, "." disabled, "C"/"c" checked
// and enabled/disabled, "-" not the window's to decide), then its menu text and keys, which
// the operator learns by heart.
TEST(CommandRules, WhatEachWindowEnablesAndChecks) {
    std::vector<ContestWindow> contest;
    std::string names;
    for (const platform_test::CaseRow& row :
         platform_test::CaseTable("ui/command_windows.txt", 9)) {
        contest.push_back(
            {.active_view = row[1] == "log"     ? ContestWindow::kLog
                            : row[1] == "graph" ? ContestWindow::kGraph
                                                : ContestWindow::kContestInformation,
             .has_active_band = row[2] == "1",
             .active_band_entries = std::stoi(row[3]),
             .selected = std::stoi(row[4]),
             .band_node_selected = row[5] == "1",
             .modified = row[6] == "1",
             .print_type = std::stoi(row[7]),
             .list_style = row[8] == "list" ? command_rules::kList : command_rules::kDetails});
        names += (names.empty() ? "" : " | ") + row[0];
    }
    const std::vector<command_rules::CityCodeWindow> city = {
        {}, {.has_current_row = true, .selected = 1, .included_in_search = false}};
    const std::vector<command_rules::MainFrame> frame = {
        {}, {.log_toolbar_visible = false, .child_count = 1, .recent_files = 2}};
    const auto mark = [](const std::optional<CommandState>& state) {
        return !state           ? '-'
               : state->checked ? (state->enabled ? 'C' : 'c')
                                : (state->enabled ? 'E' : '.');
    };
    std::ostringstream seen;
    seen << "contest: " << names << "; city: none | a row; frame: none | a child\n";
    for (const CommandInfo& command : command_table::All()) {
        for (const ContestWindow& w : contest) {
            seen << mark(command_rules::ForContestWindow(command.id, w));
        }
        seen << " ";
        for (const auto& w : city) {
            seen << mark(command_rules::ForCityCodeWindow(command.id, w));
        }
        seen << " ";
        for (const auto& f : frame) {
            seen << mark(command_rules::ForMainFrame(command.id, f));
        }
        seen << "  " << command.menu_text
             << (command.keys != nullptr ? std::string(" [") + command.keys + "]" : "") << "\n";
    }
    for (int mru = 0; mru < 3; ++mru) {
        seen << "recent file " << mru + 1 << ": "
             << mark(command_rules::ForMainFrame(cmd::kFileMru1 + mru, frame[1])) << "\n";
    }
    ui_test::ExpectGolden("ui/command_rules", seen.str());
}

}  // namespace
