// A contest at the radio, through the real windows and keys only: setting up a contest,
// adding a band, logging (an own-call-sign attempt, a First with its city name, a Second),
// changing one contact, batch-changing two, searching, cancelling in the middle; then the
// automatic save is read back and compared. The keys typed are tests/data/ui/session_keys.txt,
// every window seen the golden tests/data/ui/session_seen.txt.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "../platform/case_table.h"
#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "modal_script.h"
#include "model/band_data.h"
#include "settings/memory_settings_store.h"
#include "settings/quillmark_system.h"
#include "ui/app/quillmark_app.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/main_status_bar.h"
#include "ui/frames/quillmark_child_frame.h"
#include "ui/views/index_list_model.h"
#include "ui/views/quillmark_log_view.h"
#include "ui/widgets/replacing_line_edit.h"
#include "ui_test_util.h"

namespace {

using ui_test::ModalScript;
using Keys = std::vector<std::variant<QString, Qt::Key>>;

class Session : public testing::Test {
protected:
    void SetUp() override {
        ui_test::EnsureApp();
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini"),
                    folder_.filePath(QStringLiteral("Qmk_Code.ini")));
        auto store = std::make_unique<CMemorySettingsStore>();
        store->SetInt("TitleLogoDisplay", "IsDisplayingTitleLogoEnabled", 0);
        app_ = std::make_unique<CQuillmarkApp>(std::move(store), nullptr, folder_.path());
        ASSERT_EQ(app_->InitInstance({QStringLiteral("quillmark")}), std::nullopt);
    }
    void TearDown() override {
        app_->CloseAllDocuments();
        app_.reset();
    }

    // Runs the command with the script answering its windows: the step's lines of
    // tests/data/ui/session_keys.txt, then any windows scripted in code.
    void Command(int id, const std::string& step = "") {
        static const std::map<std::string, Qt::Key> named = {{"<Return>", Qt::Key_Return},
                                                             {"<Tab>", Qt::Key_Tab},
                                                             {"<Backspace>", Qt::Key_Backspace},
                                                             {"<Escape>", Qt::Key_Escape}};
        static const std::vector<platform_test::CaseRow> steps =
            platform_test::CaseTable("ui/session_keys.txt", 3);
        for (const platform_test::CaseRow& row : steps) {
            if (row[0] != step) {
                continue;
            }
            Keys keys;
            for (const std::string& key : platform_test::Items(row[2])) {
                const auto found = named.find(key);
                keys.push_back(found != named.end() ? Keys::value_type(found->second)
                                                    : QString::fromStdString(key));
            }
            script_.Keys(QString::fromStdString(row[1]), keys);
        }
        app_->MainFrame()->Commands().UpdateAll();
        script_.Run([this, id] { EXPECT_TRUE(app_->MainFrame()->Commands().Run(id)) << id; });
        statuses_ << app_->MainFrame()->MainStatusBar()->Message();
    }
    CQuillmarkChildFrame* Contest() const {
        return qobject_cast<CQuillmarkChildFrame*>(app_->MainFrame()->ActiveChildFrame());
    }

    QTemporaryDir folder_;
    std::unique_ptr<CQuillmarkApp> app_;
    ModalScript script_;
    QStringList statuses_;  // the status bar's after each command
};

TEST_F(Session, AContestFromSetUpToTheSavedFileWithTheKeyboardOnly) {
    Command(cmd::kFileNew, "new contest");
    ASSERT_NE(Contest(), nullptr);
    CQuillmarkDoc& doc = Contest()->QuillmarkDocument();
    ASSERT_TRUE(doc.GetContest().IsValid());
    EXPECT_EQ(doc.GetContest().GetContestNumberType().GetParameterCount(), 2);

    Command(cmd::kAddNewBand, "band");
    ASSERT_NE(doc.GetContest().GetActiveBand(), nullptr);

    Command(cmd::kInputLogData, "contacts");
    const CQuillmarkData_SubMainData& band = *doc.GetContest().GetActiveBand();
    ASSERT_EQ(band.GetEntryCount(), 2);
    EXPECT_EQ(band.GetEntries()[0].GetFirst(), 1);
    EXPECT_EQ(band.GetEntries()[1].GetFirst(), 0);
    EXPECT_EQ(band.GetEntries()[1].GetComment(), "portable");
    EXPECT_EQ(Contest()->LogView().Model()->rowCount(), 2);

    // Change the first contact's call sign; cancel a second change on its first question.
    CQuillmarkLogView& log = Contest()->LogView();
    Contest()->SetActiveView(command_rules::ContestWindow::kLog);
    log.SelectOnly(0);
    Command(cmd::kChangeLogData, "change cancelled");
    Command(cmd::kChangeLogData, "change");
    EXPECT_EQ(band.GetEntries()[0].GetCallSign().GetText("/"), "JH3DEF");

    // Both contacts get 5 points at once.
    log.SelectAll();
    Command(cmd::kChangePoints, "points");
    EXPECT_EQ(doc.GetContest().GetTotalPoints(), 10);

    // Search for JH2: the list keeps only that contact; any change brings all back.
    script_.On(QStringLiteral("ログデータの検索"), [](QWidget* dialog) {
        QCheckBox* call = nullptr;
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
            call = box->text().startsWith(QStringLiteral("呼出符号")) ? box : call;
        }
        QTest::keyClick(call, Qt::Key_Space);  // must not match
        QTest::keyClick(call, Qt::Key_Space);  // must match
        for (auto* edit : dialog->findChildren<CReplacingLineEdit*>()) {
            if (edit->accessibleName() == QStringLiteral("呼出符号")) {
                QTest::keyClicks(edit, QStringLiteral("jh2"));
            }
        }
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    Command(cmd::kSearchLogData);
    EXPECT_EQ(log.Model()->Items(), (std::vector<int>{1}));

    // Every window and message the operator saw, the First's city among them, then what the
    // status bar said after each command.
    ui_test::ExpectGolden(
        "ui/session_seen",
        (script_.Seen() + statuses_).join(QLatin1Char('\n')).toStdString() + "\n");

    // The automatic saves wrote every change; the file reads back as the same contest.
    ASSERT_FALSE(doc.GetPathName().empty());
    doc.OnSaveDocument(doc.GetPathName());
    CScriptedOperator op;
    CQuillmarkSystem settings;
    CCityCodeData_MainDataOrganization none;
    CQuillmarkDoc reread(op, settings, &none);
    ASSERT_TRUE(reread.OnOpenDocument(doc.GetPathName()));
    EXPECT_TRUE(reread.GetContest() == doc.GetContest());
}

}  // namespace
