// The command table, the menu layouts and the enable rules, without widgets.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QString>
#include <map>
#include <set>
#include <sstream>

#include "../platform/case_table.h"
#include "ui/commands/command_ids.h"
#include "ui/commands/command_rules.h"
#include "ui/commands/command_table.h"
#include "ui/commands/menu_layout.h"
#include "ui_test_util.h"

namespace {

using command_rules::ContestWindow;

void CollectIds(const std::vector<MenuItem>& items, std::set<int>& ids) {
    for (const MenuItem& item : items) {
        if (item.IsSubmenu()) {
            CollectIds(item.children, ids);
        } else if (item.id > 0) {
            ids.insert(item.id);
        }
    }
}

TEST(CommandTable, EveryCommandHasItsTextsNoKeyRunsTwoAndTheMenusNameOnlyKnownOnes) {
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
    // Menus and toolbars only name known commands.
    for (const auto bar :
         {menu_layout::Bar::kNoDocument, menu_layout::Bar::kContest, menu_layout::Bar::kCityCode}) {
        std::set<int> ids;
        CollectIds(menu_layout::MenuBar(bar), ids);
        for (const int id : ids) {
            EXPECT_NE(command_table::Find(id), nullptr) << id;
        }
    }
    std::set<int> contest;
    CollectIds(menu_layout::MenuBar(menu_layout::Bar::kContest), contest);
    // Every command of the contest window is reachable from its menus.
    for (const int id : {cmd::kInputLogData, cmd::kManualInputLogData, cmd::kChangeContest,
                         cmd::kChangeCardData, cmd::kSortByComment, cmd::kGraphSettings,
                         cmd::kPrintSummarySheet, cmd::kActivateBand, cmd::kViewContestStatusBar}) {
        EXPECT_TRUE(contest.count(id)) << id;
    }
    EXPECT_EQ(menu_layout::StandardToolbar().size(), 37u);
    EXPECT_EQ(menu_layout::LogMenuToolbar().size(), 23u);
    for (const int id : menu_layout::LogMenuToolbar()) {
        EXPECT_TRUE(id == 0 || command_table::Find(id)->icon != nullptr) << id;
    }
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
        ContestWindow w;
        w.active_view = row[1] == "log"     ? ContestWindow::kLog
                        : row[1] == "graph" ? ContestWindow::kGraph
                                            : ContestWindow::kContestInformation;
        w.has_active_band = row[2] == "1";
        w.active_band_entries = std::stoi(row[3]);
        w.selected = std::stoi(row[4]);
        w.band_node_selected = row[5] == "1";
        w.modified = row[6] == "1";
        w.print_type = std::stoi(row[7]);
        w.list_style = row[8] == "list" ? command_rules::kList : command_rules::kDetails;
        contest.push_back(w);
        names += (names.empty() ? "" : " | ") + row[0];
    }
    command_rules::CityCodeWindow city_row;
    city_row.has_current_row = true;
    city_row.selected = 1;
    city_row.included_in_search = false;
    const std::vector<command_rules::CityCodeWindow> city = {{}, city_row};
    command_rules::MainFrame one_child;
    one_child.child_count = 1;
    one_child.recent_files = 2;
    one_child.log_toolbar_visible = false;
    const std::vector<command_rules::MainFrame> frame = {{}, one_child};
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
             << mark(command_rules::ForMainFrame(cmd::kFileMru1 + mru, one_child)) << "\n";
    }
    ui_test::ExpectGolden("ui/command_rules", seen.str());
}

}  // namespace
