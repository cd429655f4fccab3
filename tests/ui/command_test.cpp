// The command table, the menu layouts and the enable rules, without widgets.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <map>
#include <set>

#include "ui/commands/command_ids.h"
#include "ui/commands/command_rules.h"
#include "ui/commands/command_table.h"
#include "ui/commands/menu_layout.h"

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

TEST(CommandTable, EveryCommandHasItsTextsAndNoKeyRunsTwoCommands) {
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
    // Keys and texts the operator learns by heart.
    const std::pair<int, const char*> expected[] = {
        {cmd::kInputLogData, "F5"},
        {cmd::kAddNewBand, "Shift+F5"},
        {cmd::kChangeLogData, "F9"},
        {cmd::kDeleteLogData, "Ctrl+Shift+Del"},
        {cmd::kChangeModes, "Ctrl+Alt+F9"},
        {cmd::kSearchCityCodeDatabase, "Ctrl+Shift+F"},
        {cmd::kHideSelected, "H"},
        {cmd::kActivateBand, "A"},
        {cmd::kViewContestInformation, "1"},
        {cmd::kCityFindPrevious, "Shift+F3"},
        {cmd::kDeleteExistingBand, "Ctrl+Alt+Shift+Del"}};
    for (const auto& [id, key] : expected) {
        EXPECT_STREQ(command_table::Find(id)->keys, key);
    }
    EXPECT_STREQ(command_table::Find(cmd::kChangeCardData)->menu_text,
                 "ﾛｸﾞﾃﾞｰﾀのｶｰﾄﾞ情報の一括変更(&Q)...");
    EXPECT_STREQ(command_table::Find(cmd::kViewLogMenuToolbar)->menu_text, "ﾛｸﾞﾒﾆｭｰ ﾂｰﾙ ﾊﾞｰ(&L)");
}

TEST(CommandTable, MenusAndToolbarsOnlyNameKnownCommands) {
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

TEST(ContestWindowRules, SelectionAndBandDecideWhatIsEnabled) {
    struct Case {
        const char* what;
        ContestWindow::View view;
        int selected;
        bool band;
        int entries;
        int id;
        bool enabled;
    } const cases[] = {
        {"change with one selected", ContestWindow::kLog, 1, true, 5, cmd::kChangeLogData, true},
        {"change with two selected", ContestWindow::kLog, 2, true, 5, cmd::kChangeLogData, false},
        {"delete from the tree", ContestWindow::kContestInformation, 1, true, 5,
         cmd::kDeleteLogData, false},
        {"batch with two", ContestWindow::kLog, 2, true, 5, cmd::kChangePoints, true},
        {"batch with none", ContestWindow::kLog, 0, true, 5, cmd::kChangeCardData, false},
        {"batch from the graph", ContestWindow::kGraph, 3, true, 5, cmd::kChangeModes, false},
        {"entry without a band", ContestWindow::kLog, 0, false, 0, cmd::kInputLogData, false},
        {"entry with a band", ContestWindow::kGraph, 0, true, 0, cmd::kManualInputLogData, true},
        {"search of an empty band", ContestWindow::kLog, 0, true, 0, cmd::kSearchLogData, false},
        {"search with entries", ContestWindow::kLog, 0, true, 1, cmd::kSearchLogData, true},
        {"hide with none", ContestWindow::kLog, 0, true, 5, cmd::kHideSelected, false},
        {"select all from the tree", ContestWindow::kContestInformation, 0, true, 5,
         cmd::kSelectAll, false},
        {"band change without a band", ContestWindow::kLog, 0, false, 0, cmd::kChangeBandSettings,
         false},
    };
    for (const Case& c : cases) {
        ContestWindow window;
        window.active_view = c.view;
        window.selected = c.selected;
        window.has_active_band = c.band;
        window.active_band_entries = c.entries;
        EXPECT_EQ(command_rules::ForContestWindow(c.id, window)->enabled, c.enabled) << c.what;
    }
}

TEST(ContestWindowRules, BandCommandsNeedABandNodeInTheActiveTreeAndChecksFollowState) {
    ContestWindow window;
    window.band_node_selected = true;
    EXPECT_FALSE(command_rules::ForContestWindow(cmd::kActivateBand, window)->enabled);
    window.active_view = ContestWindow::kContestInformation;
    EXPECT_TRUE(command_rules::ForContestWindow(cmd::kDeleteExistingBand, window)->enabled);
    window.band_node_selected = false;
    EXPECT_FALSE(command_rules::ForContestWindow(cmd::kActivateBand, window)->enabled);

    window.print_type = 3;
    window.list_style = command_rules::kList;
    EXPECT_TRUE(command_rules::ForContestWindow(cmd::kPrintCardLabels, window)->checked);
    EXPECT_FALSE(command_rules::ForContestWindow(cmd::kPrintNormalLog, window)->checked);
    EXPECT_TRUE(command_rules::ForContestWindow(cmd::kViewList, window)->checked);
    EXPECT_TRUE(command_rules::ForContestWindow(cmd::kViewContestInformation, window)->checked);
    EXPECT_FALSE(command_rules::ForContestWindow(cmd::kFileSave, window)->enabled);
    window.modified = true;
    EXPECT_TRUE(command_rules::ForContestWindow(cmd::kFileSave, window)->enabled);
    // Commands of other windows are not the contest window's to decide.
    EXPECT_FALSE(command_rules::ForContestWindow(cmd::kCityFindNext, window).has_value());
    EXPECT_FALSE(command_rules::ForContestWindow(cmd::kSystemSettings, window).has_value());
}

TEST(CityCodeWindowRules, SavingIsOffAndStepSearchNeedsRows) {
    command_rules::CityCodeWindow window;
    EXPECT_FALSE(command_rules::ForCityCodeWindow(cmd::kFileSave, window)->enabled);
    EXPECT_FALSE(command_rules::ForCityCodeWindow(cmd::kFileSaveAs, window)->enabled);
    EXPECT_FALSE(command_rules::ForCityCodeWindow(cmd::kCityFindNext, window)->enabled);
    EXPECT_FALSE(command_rules::ForCityCodeWindow(cmd::kHideSelected, window)->enabled);
    window.has_current_row = true;
    window.selected = 1;
    window.included_in_search = false;
    EXPECT_TRUE(command_rules::ForCityCodeWindow(cmd::kCityPreviousCandidate, window)->enabled);
    EXPECT_TRUE(command_rules::ForCityCodeWindow(cmd::kShowOnlySelected, window)->enabled);
    EXPECT_FALSE(command_rules::ForCityCodeWindow(cmd::kCityIncludedInSearch, window)->checked);
    EXPECT_FALSE(command_rules::ForCityCodeWindow(cmd::kInputLogData, window).has_value());
}

TEST(MainFrameRules, WindowCommandsNeedAWindowAndRecentFilesTheirEntry) {
    command_rules::MainFrame frame;
    frame.recent_files = 2;
    EXPECT_FALSE(command_rules::ForMainFrame(cmd::kWindowCascade, frame)->enabled);
    EXPECT_TRUE(command_rules::ForMainFrame(cmd::kFileMru1 + 1, frame)->enabled);
    EXPECT_FALSE(command_rules::ForMainFrame(cmd::kFileMru1 + 2, frame)->enabled);
    frame.child_count = 1;
    frame.log_toolbar_visible = false;
    EXPECT_TRUE(command_rules::ForMainFrame(cmd::kWindowNew, frame)->enabled);
    EXPECT_FALSE(command_rules::ForMainFrame(cmd::kViewLogMenuToolbar, frame)->checked);
    EXPECT_TRUE(command_rules::ForMainFrame(cmd::kViewToolbar, frame)->checked);
}

}  // namespace
