// A contest at the radio, through the real windows and keys only: setting up a contest,
// adding a band, logging (an own-call-sign attempt, a First with its city name, a Second),
// changing one contact, batch-changing two, searching, cancelling in the middle; then the
// automatic save is read back and compared.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>

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

    void Command(int id) {
        app_->MainFrame()->Commands().UpdateAll();
        script_.Run([this, id] { EXPECT_TRUE(app_->MainFrame()->Commands().Run(id)) << id; });
    }
    CQuillmarkChildFrame* Contest() const {
        return qobject_cast<CQuillmarkChildFrame*>(app_->MainFrame()->ActiveChildFrame());
    }
    QString Status() const { return app_->MainFrame()->MainStatusBar()->Message(); }

    QTemporaryDir folder_;
    std::unique_ptr<CQuillmarkApp> app_;
    ModalScript script_;
};

TEST_F(Session, AContestFromSetUpToTheSavedFileWithTheKeyboardOnly) {
    // New contest: two-part contest numbers (report / area), the multiplier in the second.
    script_.Keys(QStringLiteral("設定の開始"), {Qt::Key_Return})
        .Keys(QStringLiteral("パラメータの設定"),
              {Qt::Key_Tab, Qt::Key_Tab, QStringLiteral("2"), Qt::Key_Backspace, Qt::Key_Backspace,
               QStringLiteral("2"), Qt::Key_Return})
        .Keys(QStringLiteral("パラメータの設定"), {Qt::Key_Return})
        .Keys(QStringLiteral("メイン情報の設定"),
              {QStringLiteral("TEST"), Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab,
               QStringLiteral("ja1qmk"), Qt::Key_Return})
        .Keys(QStringLiteral("設定の完了"), {Qt::Key_Return, Qt::Key_Return});
    Command(cmd::kFileNew);
    ASSERT_NE(Contest(), nullptr);
    CQuillmarkDoc& doc = Contest()->QuillmarkDocument();
    ASSERT_TRUE(doc.GetContest().IsValid());
    EXPECT_EQ(doc.GetContest().GetContestNumberType().GetParameterCount(), 2);

    // 7 MHz with the sent number typed with a blank: the blank becomes the delimiter.
    script_.Keys(QStringLiteral("周波数帯ごとの情報の設定"),
                 {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, QStringLiteral("599 10"), Qt::Key_Return});
    Command(cmd::kAddNewBand);
    ASSERT_NE(doc.GetContest().GetActiveBand(), nullptr);

    // The contester's path: F5, call, Enter, number, Enter … Enter on the confirmation.
    const Keys contact_rest = {Qt::Key_Return};
    script_.Keys(QStringLiteral("呼出符号の入力"), {QStringLiteral("ja1qmk"), Qt::Key_Return})
        .Keys(QStringLiteral("誤入力の警告"), {Qt::Key_Return})
        .Keys(QStringLiteral("呼出符号の入力"), {QStringLiteral("ja"), Qt::Key_Return})
        .Keys(QStringLiteral("呼出符号の入力に誤りがあります。"), {Qt::Key_Return})
        // The refused text is selected, so typing replaces it.
        .Keys(QStringLiteral("呼出符号の入力"), {QStringLiteral("jh1abc"), Qt::Key_Return})
        .Keys(QStringLiteral("コンテストナンバーの入力"),
              {QStringLiteral("599 25"), Qt::Key_Return})
        .Keys(QStringLiteral("カード情報の入力"), contact_rest)
        .Keys(QStringLiteral("コメントの入力"), contact_rest)
        .Keys(QStringLiteral("ログデータ入力の確認"), {Qt::Key_Return})
        .Keys(QStringLiteral("お知らせ"), {Qt::Key_Return})
        .Keys(QStringLiteral("呼出符号の入力"), {QStringLiteral("jh1abc"), Qt::Key_Return})
        .Keys(QStringLiteral("重複 (Second)"), {Qt::Key_Return})
        .Keys(QStringLiteral("呼出符号の入力"), {QStringLiteral("jh2xyz"), Qt::Key_Return})
        .Keys(QStringLiteral("コンテストナンバーの入力"),
              {QStringLiteral("599 25"), Qt::Key_Return})
        .Keys(QStringLiteral("カード情報の入力"), contact_rest)
        .Keys(QStringLiteral("コメントの入力"), {QStringLiteral("portable"), Qt::Key_Return})
        .Keys(QStringLiteral("ログデータ入力の確認"), {Qt::Key_Return})
        .Keys(QStringLiteral("呼出符号の入力"), {Qt::Key_Escape});
    Command(cmd::kInputLogData);
    const CQuillmarkData_SubMainData& band = *doc.GetContest().GetActiveBand();
    ASSERT_EQ(band.GetEntryCount(), 2);
    EXPECT_EQ(band.GetEntries()[0].GetFirst(), 1);
    EXPECT_EQ(band.GetEntries()[1].GetFirst(), 0);
    EXPECT_EQ(band.GetEntries()[1].GetComment(), "portable");
    EXPECT_TRUE(script_.Seen().filter(QStringLiteral("大阪府")).size() == 1)
        << script_.Seen().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Contest()->LogView().Model()->rowCount(), 2);

    // Change the first contact's call sign; cancel a second change on its first question.
    CQuillmarkLogView& log = Contest()->LogView();
    Contest()->SetActiveView(command_rules::ContestWindow::kLog);
    log.SelectOnly(0);
    script_.Keys(QStringLiteral("ログデータ変更の確認"), {Qt::Key_Escape});
    Command(cmd::kChangeLogData);
    EXPECT_EQ(Status(), QStringLiteral("ログデータの変更を中止しました。"));
    script_.Keys(QStringLiteral("ログデータ変更の確認"), {Qt::Key_Return})
        .Keys(QStringLiteral("交信日時の入力"), {Qt::Key_Return})
        .Keys(QStringLiteral("呼出符号の入力"), {QStringLiteral("jh3def"), Qt::Key_Return});
    for (const char* page : {"コンテストナンバーの入力", "得点の入力", "電波の型式の選択",
                             "呼び出しの方法の選択", "カード情報の入力", "コメントの入力"}) {
        script_.Keys(QString::fromUtf8(page), {Qt::Key_Return});
    }
    script_.Keys(QStringLiteral("ログデータ変更の確認"), {Qt::Key_Return});
    Command(cmd::kChangeLogData);
    EXPECT_EQ(Status(), QStringLiteral("ログデータの変更を完了しました。"));
    EXPECT_EQ(band.GetEntries()[0].GetCallSign().GetText("/"), "JH3DEF");

    // Both contacts get 5 points at once.
    log.SelectAll();
    script_.Keys(QStringLiteral("得点の一括変更確認"), {Qt::Key_Return})
        .Keys(QStringLiteral("得点の入力"), {QStringLiteral("5"), Qt::Key_Return})
        .Keys(QStringLiteral("得点の一括変更確認"), {Qt::Key_Return});
    Command(cmd::kChangePoints);
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
    EXPECT_EQ(Status(), QStringLiteral("【 検索完了 】 1 個のデータが検出されました。"));

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
