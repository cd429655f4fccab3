#include "dialogs/contest_type_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "../document/document_test_util.h"
#include "dialogs/parameter_attribute_dialog.h"
#include "dialogs/scripted_operator.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using Sheet = CContestTypeSheet;
using Fields = CContestTypePage_MainInformation_1::DateTimeFields;

// 2021-06-05 09:30:15 UTC.
const int64_t kNow = Utc(2021, 6, 5, 9, 30, 15);
const int kF9 = CContestTypePage_Parameter_2::kKeyF9;

class ContestTypeSheet : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetPunctuationMarks(std::string(kDelimiters));
        settings_.SetIsDisplayUTC(1);
    }

    // The texts of the warnings shown since the last call, each checked for its style.
    Texts TakeWarnings() {
        Texts texts;
        for (const Shown& shown : MessagesOf(operator_)) {
            EXPECT_EQ(shown.style, kWarning);
            texts.push_back(shown.text);
        }
        operator_.ClearRecords();
        return texts;
    }

    // body plays the operator while the wizard is shown; answers scripted after this one
    // serve the dialogs the wizard opens.
    void AnswerWizard(std::function<void(Sheet&)> body, int result = Sheet::kIdWizardFinish) {
        operator_.AnswerDialog(
            result, [body](CDialogState& state, int) { body(dynamic_cast<Sheet&>(state)); });
    }
    int Run(int mode, std::function<void(Sheet&)> body, int result = Sheet::kIdWizardFinish) {
        AnswerWizard(std::move(body), result);
        return sheet_.RunWizard(mode);
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    Sheet sheet_{J("クイルマーク - 新規コンテスト情報の設定"), operator_, settings_, kNow};
};

// --- Running and the wizard buttons. ---

TEST_F(ContestTypeSheet, CancelGivesTwoAndTheSheetIsEmptyAgain) {
    int mode_inside = 0;
    int pages_inside = 0;
    const auto body = [&](Sheet& sheet) {
        mode_inside = sheet.GetMode();
        pages_inside = sheet.GetPageCount();
    };
    EXPECT_EQ(Run(contest_type::kModeNew, body, message_box::kIdCancel), 2);
    EXPECT_EQ(mode_inside, 1);
    EXPECT_EQ(pages_inside, 5);
    EXPECT_EQ(sheet_.GetMode(), 0);
    EXPECT_EQ(sheet_.GetPageCount(), 0);
}

TEST_F(ContestTypeSheet, ButtonsFollowThePagesAndFinishLocksBackOut) {
    std::vector<int> buttons;
    Texts captions;
    const int result = Run(contest_type::kModeNew, [&](Sheet& sheet) {
        sheet.GetMainInformation1Page().SetOwnCallSignText("JA1ZZZ");
        buttons.push_back(sheet.GetWizardButtons());
        EXPECT_FALSE(sheet.Back());
        // Back to the begin page offers only Next again.
        EXPECT_TRUE(sheet.Next());
        EXPECT_TRUE(sheet.Back());
        buttons.push_back(sheet.GetWizardButtons());
        for (int i = 0; i < 4; ++i) {
            captions.push_back(U(sheet.GetActivePageCaption()));
            EXPECT_TRUE(sheet.Next()) << i;
            buttons.push_back(sheet.GetWizardButtons());
        }
        captions.push_back(U(sheet.GetActivePageCaption()));
        EXPECT_FALSE(sheet.Finish());
        EXPECT_TRUE(sheet.Next());
        EXPECT_EQ(sheet.GetActivePageIndex(), Sheet::kPageEnd);
        buttons.push_back(sheet.GetWizardButtons());
        EXPECT_FALSE(sheet.Back());
        EXPECT_FALSE(sheet.Next());
        EXPECT_EQ(U(sheet.GetEndPage().GetInstruction()),
                  "[ 完了 ] を押すと、最終設定を行います。");
        EXPECT_TRUE(sheet.Finish());
    });
    EXPECT_EQ(result, Sheet::kIdWizardFinish);
    const int next = Sheet::kButtonNext;
    const int back_next = Sheet::kButtonBack | next;
    EXPECT_EQ(buttons, (std::vector<int>{next, next, back_next, back_next, back_next, back_next,
                                         Sheet::kButtonFinish}));
    const std::string caption = "クイルマーク - コンテスト情報の設定";
    EXPECT_EQ(captions, (Texts{caption + "（設定の開始）", caption + "（パラメータの設定）",
                               caption + "（パラメータの設定）", caption + "（メイン情報の設定）",
                               caption + "（設定の完了）"}));
    EXPECT_TRUE(operator_.Messages().empty()) << operator_.Transcript();
}

TEST_F(ContestTypeSheet, BeginTextDependsOnTheMode) {
    EXPECT_EQ(U(CContestTypePage_Begin::BuildText(1)),
              "新規コンテストの情報設定をします。詳細は以下の通りです...\n\n"
              "■ 呼出符号およびコンテストナンバーの形式の設定。\n"
              "■ コンテスト名・自局の呼出符号・自局の送信コンテストナンバー・使用周波数帯・"
              "コンテスト期間など、メインとなる情報の設定。\n"
              "■ このアプリケーションの動作方法など、付加的な情報の設定。\n");
    EXPECT_EQ(U(CContestTypePage_Begin::BuildText(2)),
              "既存のコンテストの情報設定を変更します。詳細は以下の通りです...\n\n"
              "■ コンテスト名・自局の送信コンテストナンバー・使用周波数帯など、メインとなる"
              "情報のうちの一部の情報の変更。\n"
              "■ このアプリケーションの動作方法などのうち、一部の付加的な情報の変更。\n");
    Run(
        contest_type::kModeChange, [](Sheet&) {}, message_box::kIdCancel);
    EXPECT_EQ(sheet_.GetBeginPage().GetText(), CContestTypePage_Begin::BuildText(2));
}

// --- Parameter_1. ---

TEST_F(ContestTypeSheet, ParameterCountChecksComeInOrder) {
    const struct {
        int call_count, main_position, number_count, multiplier_position;
        const char* warning;  // empty: accepted
    } cases[] = {
        {2, 1, 4, 2, ""},
        {2, 2, 4, 0, ""},
        {1, 1, 1, 1, ""},
        {2, 3, 4, 2, "呼出符号のメインパラメータの位置の入力に誤りがあります。"},
        {2, 3, 4, 5, "呼出符号のメインパラメータの位置の入力に誤りがあります。"},
        {2, 1, 4, 5, "コンテストナンバーのマルチパラメータの位置の入力に誤りがあります。"},
        {0, 1, 4, 2, "1 から 30000 までの整数を入力してください。"},
        {2, 0, 4, 2, "1 から 30000 までの整数を入力してください。"},
        {2, 1, 0, 2, "1 から 30000 までの整数を入力してください。"},
        {2, 1, 4, -1, "0 から 30000 までの整数を入力してください。"},
        {30001, 1, 4, 2, "1 から 30000 までの整数を入力してください。"},
    };
    for (const auto& c : cases) {
        CContestTypePage_Parameter_1 page;
        page.SetCallSignParameterCount(c.call_count);
        page.SetMainParameterPosition(c.main_position);
        page.SetContestNumberParameterCount(c.number_count);
        page.SetMultiplierParameterPosition(c.multiplier_position);
        EXPECT_EQ(page.OnWizardNext(operator_), *c.warning == '\0') << c.warning;
        EXPECT_EQ(TakeWarnings(), *c.warning == '\0' ? Texts{} : Texts{c.warning});
    }
    // Position 0 hands on no multiplier; a wrong position takes the warning caption and the
    // focus.
    CContestTypePage_Parameter_1 page;
    page.SetMultiplierParameterPosition(0);
    ASSERT_TRUE(page.OnWizardNext(operator_));
    EXPECT_EQ(page.GetMultiplierParameterIndex(), -1);
    EXPECT_EQ(page.GetMainParameterIndex(), 0);
    page.SetMainParameterPosition(3);
    EXPECT_FALSE(page.OnWizardNext(operator_));
    EXPECT_EQ(MessagesOf(operator_).at(0).caption, "クイルマーク - 警告");
    EXPECT_EQ(page.GetFocusField(), CContestTypePage_Parameter_1::Field::main_position);
}

TEST_F(ContestTypeSheet, ChangeModeShowsTheExistingCountsAndF9EditsNothing) {
    sheet_.GetParameter2Page().SetCallSignType(CallSignFormat());
    sheet_.GetParameter2Page().SetContestNumberType(NumberFormat(-1));
    const auto body = [](Sheet& sheet) {
        sheet.Next();
        sheet.Next();
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {0}));
    };
    Run(contest_type::kModeChange, body, message_box::kIdCancel);
    const auto& page = sheet_.GetParameter1Page();
    EXPECT_EQ(
        std::tuple(page.GetCallSignParameterCount(), page.GetMainParameterPosition(),
                   page.GetContestNumberParameterCount(), page.GetMultiplierParameterPosition()),
        std::tuple(2, 1, 2, 0));
    EXPECT_FALSE(CContestTypePage_Parameter_1::IsEditable(2));
    EXPECT_EQ(operator_.Dialogs().size(), 1u);
}

// --- Parameter_2 and the attribute dialog. ---

// Opens the attribute dialog with F9 on one row and sets the lengths in it.
void AnswerAttributes(CScriptedOperator& op, int min_length, int max_length,
                      Texts* headings = nullptr) {
    op.AnswerDialog(message_box::kIdOk,
                    [&op, min_length, max_length, headings](CDialogState& state, int) {
                        auto& dialog = dynamic_cast<CParameterAttributeDialog&>(state);
                        if (headings != nullptr) {
                            headings->push_back(U(dialog.GetHeading()));
                        }
                        dialog.SetMinLength(min_length);
                        dialog.SetMaxLength(max_length);
                        EXPECT_TRUE(dialog.OnOK(op));
                    });
}

TEST_F(ContestTypeSheet, RowTextsNameTheClassesAndTheLengthRange) {
    CContestTypePage_Parameter_2 page;
    CQuillmarkData_CallSignType format;
    CQuillmarkData_ParameterAttributes special;
    special.SetAttributes(0, -1, 0x14, "/");
    format.SetFormat(
        3, 0, {CQuillmarkData_CallSignType::DefaultAttributes(0), special, Attributes(2, 2, 0x01)});
    ASSERT_TRUE(page.SetCallSignType(format));
    page.OnSetActive(contest_type::kModeChange, CContestTypePage_Parameter_1());
    const auto row = [&page](int list, int index) {
        Texts texts;
        for (const Cp932& text : page.GetRowTexts(list, index)) {
            texts.push_back(U(text));
        }
        return texts;
    };
    EXPECT_EQ(row(0, 0),
              (Texts{"第 1 パラメータ", "半角算用数字  半角アルファベット  ", "5 ～ 6", ""}));
    EXPECT_EQ(row(0, 1),
              (Texts{"第 2 パラメータ", "半角カタカナ  全角文字  ", "0 ～ 無制限", "/"}));
    EXPECT_EQ(row(0, 2)[2], "2 ～ 2");
    EXPECT_EQ(row(0, 3)[0], "");
    EXPECT_EQ(row(1, 0)[0], "");
    EXPECT_EQ(U(CContestTypePage_Parameter_2::GetColumnTitle(3)), "特別に入力を許可する文字");
}

TEST_F(ContestTypeSheet, F9EditsARowAndNextBuildsTheFormatsFromTheLists) {
    Texts headings;
    AnswerWizard([&](Sheet& sheet) {
        sheet.Next();
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {0})) << "not on the attribute page";
        sheet.Next();
        // Exactly one row of a list, with F9.
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {0, 1}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, 0x77, {0}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {2}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(2, kF9, {0}));
        EXPECT_TRUE(sheet.OnParameterListKeyDown(0, kF9, {0}));
        EXPECT_TRUE(sheet.OnParameterListKeyDown(1, kF9, {1}));
        EXPECT_TRUE(sheet.Next());
    });
    AnswerAttributes(operator_, 3, 7, &headings);
    AnswerAttributes(operator_, 1, 3, &headings);
    sheet_.RunWizard(contest_type::kModeNew);
    EXPECT_EQ(headings, (Texts{"呼出符号の第 1 パラメータの設定を変更できます。",
                               "コンテストナンバーの第 2 パラメータの設定を変更できます。"}));
    const auto& call = sheet_.GetParameter2Page().GetCallSignType();
    ASSERT_TRUE(call.IsValid());
    EXPECT_EQ(call.GetAttributes(0)->GetMinLength(), 3);
    EXPECT_EQ(call.GetAttributes(0)->GetMaxLength(), 7);
    EXPECT_EQ(call.GetMinTotalLength(), 3);
    EXPECT_EQ(call.GetMaxTotalLength(), 7 + 1 + 1);
    const auto& number = sheet_.GetParameter2Page().GetContestNumberType();
    EXPECT_EQ(number.GetMultiplierParameterIndex(), 1);
    EXPECT_EQ(number.GetAttributes(1)->GetMaxLength(), 3);
    EXPECT_EQ(operator_.UnusedAnswerCount(), 0);
}

TEST_F(ContestTypeSheet, ChangingOneFormatsShapeOnTheWayBackResetsOnlyThatFormat) {
    const struct {
        const char* what;
        std::function<void(CContestTypePage_Parameter_1&)> change;
        bool call_kept;
        bool number_kept;
    } cases[] = {
        {"nothing", [](auto&) {}, true, true},
        {"number count", [](auto& p) { p.SetContestNumberParameterCount(3); }, true, false},
        {"multiplier", [](auto& p) { p.SetMultiplierParameterPosition(1); }, true, false},
        {"call count", [](auto& p) { p.SetCallSignParameterCount(3); }, false, true},
        {"main position", [](auto& p) { p.SetMainParameterPosition(2); }, false, true},
    };
    for (const auto& c : cases) {
        Sheet sheet(J("x"), operator_, settings_, kNow);
        operator_.AnswerDialog(Sheet::kIdWizardFinish, [&c](CDialogState& state, int) {
            auto& s = dynamic_cast<Sheet&>(state);
            const auto& page = s.GetParameter2Page();
            const auto kept = [&page] {
                return std::pair{page.GetAttributeList(0)[0].GetMinLength() == 4,
                                 page.GetAttributeList(1)[0].GetMinLength() == 1};
            };
            s.Next();
            s.Next();
            s.OnParameterListKeyDown(0, kF9, {0});
            s.OnParameterListKeyDown(1, kF9, {0});
            s.Back();
            c.change(s.GetParameter1Page());
            ASSERT_TRUE(s.Next());
            EXPECT_EQ(kept(), std::pair(c.call_kept, c.number_kept)) << c.what;
            EXPECT_EQ(static_cast<int>(page.GetAttributeList(1).size()),
                      s.GetParameter1Page().GetContestNumberParameterCount());
            // Also after the page has built its formats once.
            s.Next();
            s.Back();
            EXPECT_EQ(kept(), std::pair(c.call_kept, c.number_kept)) << c.what;
        });
        AnswerAttributes(operator_, 4, 4);
        AnswerAttributes(operator_, 1, 1);
        sheet.RunWizard(contest_type::kModeNew);
        EXPECT_EQ(operator_.UnusedAnswerCount(), 0);
        operator_.ClearRecords();
    }
}

TEST_F(ContestTypeSheet, AttributeDialogChecksTheLengths) {
    const struct {
        int min_length, max_length;
        const char* warning;
    } cases[] = {
        {3, -1, ""},
        {3, 3, ""},
        {0, 0, ""},
        {4, 3, "上限文字数よりも下限文字数の方が大きくなっています。"},
        {-1, 3, "0 から 30000 までの整数を入力してください。"},
        {0, -2, "-1 から 30000 までの整数を入力してください。"},
        {30001, -1, "0 から 30000 までの整数を入力してください。"},
    };
    for (const auto& c : cases) {
        CParameterAttributeDialog dialog;
        dialog.SetMinLength(c.min_length);
        dialog.SetMaxLength(c.max_length);
        const bool accepted = dialog.OnOK(operator_);
        EXPECT_EQ(TakeWarnings(), accepted ? Texts{} : Texts{c.warning});
        EXPECT_EQ(accepted, *c.warning == '\0') << c.warning;
        EXPECT_EQ(dialog.GetAttributes().IsValid(), accepted);
        if (accepted) {
            EXPECT_EQ(dialog.GetAttributes().GetMinLength(), c.min_length);
            EXPECT_EQ(dialog.GetAttributes().GetMaxLength(), c.max_length);
        }
    }
}

TEST_F(ContestTypeSheet, AttributeDialogTakesTheCheckBoxesAndSpecialCharacters) {
    CParameterAttributeDialog dialog;
    dialog.SetAttributes(CQuillmarkData_CallSignType::DefaultAttributes(0));
    EXPECT_EQ(dialog.GetMinLength(), 5);
    EXPECT_TRUE(dialog.IsClassChecked(CParameterAttributeDialog::kHalfWidthLetters));
    EXPECT_FALSE(dialog.IsClassChecked(CParameterAttributeDialog::kFullWidth));
    dialog.SetClassChecked(CParameterAttributeDialog::kHalfWidthLetters, false);
    dialog.SetClassChecked(CParameterAttributeDialog::kFullWidth, true);
    dialog.SetSpecialCharacters("/-");
    ASSERT_TRUE(dialog.OnOK(operator_));
    EXPECT_EQ(dialog.GetAttributes().GetCharacterClasses(), 0x11u);
    EXPECT_EQ(dialog.GetAttributes().GetSpecialCharacters(), "/-");
}

// --- MainInformation_1. ---

TEST_F(ContestTypeSheet, DefaultPeriodStartsAtTheNextFullHourAndLastsADay) {
    auto& page = sheet_.GetMainInformation1Page();
    EXPECT_EQ(page.GetStart(), Utc(2021, 6, 5, 10, 0));
    EXPECT_EQ(page.GetEnd(), Utc(2021, 6, 6, 10, 0));
    EXPECT_EQ(page.GetContestName(), J(" コンテスト"));
    EXPECT_EQ(page.GetCategoryCode(), "");
    for (auto [now, start] : {std::pair{Utc(2021, 6, 5, 9, 0), Utc(2021, 6, 5, 10, 0)},
                              std::pair{Utc(2021, 12, 31, 23, 59, 59), Utc(2022, 1, 1, 0, 0)}}) {
        EXPECT_EQ(Sheet(J("x"), operator_, settings_, now).GetMainInformation1Page().GetStart(),
                  start);
    }
    // The committed values (which the document preloads) refuse what the page would refuse.
    EXPECT_FALSE(page.SetContestName(""));
    EXPECT_TRUE(page.SetContestName(" "));
    EXPECT_FALSE(page.SetOwnCallSign(CQuillmarkData_CallSignItem()));
    EXPECT_TRUE(page.SetStart(1000));
    EXPECT_FALSE(page.SetEnd(1000));
    EXPECT_FALSE(page.SetEnd(999));
    EXPECT_TRUE(page.SetEnd(1001));
    EXPECT_FALSE(sheet_.GetParameter2Page().SetCallSignType(CQuillmarkData_CallSignType()));
    EXPECT_FALSE(
        sheet_.GetParameter2Page().SetContestNumberType(CQuillmarkData_ContestNumberType()));
}

class MainInformationPage : public ContestTypeSheet {
protected:
    void SetUp() override {
        ContestTypeSheet::SetUp();
        page_.OnInitDialog(rule_, kDelimiters);
        page_.SetOwnCallSignText("JA1ZZZ");
    }
    bool Next(int mode = contest_type::kModeNew, const CQuillmarkData_MainData* contest = nullptr) {
        return page_.OnWizardNext(operator_, mode, CallSignFormat(), contest, rule_, kDelimiters);
    }

    CTimeZoneRule rule_ = CTimeZoneRule::Utc();
    CContestTypePage_MainInformation_1 page_{kNow, rule_};
};

TEST_F(MainInformationPage, ChecksComeInOrderAndNothingIsCommittedOnRefusal) {
    page_.SetContestNameText("");
    page_.SetOwnCallSignText("J");
    page_.SetEndFields({2021, 6, 5, 10, 0, 0});
    EXPECT_FALSE(Next());
    page_.SetContestNameText("ALL JA");
    EXPECT_FALSE(Next());
    page_.SetOwnCallSignText("JA1ZZZ/1");
    EXPECT_FALSE(Next());
    EXPECT_EQ(TakeWarnings(), (Texts{"コンテスト名の入力に誤りがあります。",
                                     "自局の呼出符号の入力に誤りがあります。",
                                     "終了日時のほうが、開始日時よりも前になっています。"}));
    EXPECT_EQ(page_.GetFocusField(), CContestTypePage_MainInformation_1::Field::end);
    EXPECT_EQ(page_.GetContestName(), J(" コンテスト"));
    EXPECT_FALSE(page_.GetOwnCallSign().IsValid());
    EXPECT_EQ(page_.GetEnd(), Utc(2021, 6, 6, 10, 0));
    // An end equal to the start is refused too; one second later is accepted.
    page_.SetStartFields({2021, 6, 5, 21, 0, 0});
    page_.SetEndFields({2021, 6, 5, 21, 0, 0});
    EXPECT_FALSE(Next());
    EXPECT_EQ(TakeWarnings(), Texts{"終了日時のほうが、開始日時よりも前になっています。"});
    page_.SetEndFields({2021, 6, 5, 21, 0, 1});
    EXPECT_TRUE(Next());
}

TEST_F(MainInformationPage, AcceptedPageCommitsEverything) {
    page_.SetContestNameText(" ");
    EXPECT_TRUE(Next()) << "a name of one blank";
    EXPECT_EQ(page_.GetContestName(), " ");
    page_.SetContestNameText("ALL JA");
    page_.SetOwnCallSignText("ja1zzz,1");
    EXPECT_EQ(page_.GetOwnCallSignText(), "JA1ZZZ,1");
    page_.SetStartFields({2021, 4, 31, 21, 0, 0});
    page_.SetEndFields({2021, 5, 2, 21, 0, 0});
    ASSERT_TRUE(Next()) << operator_.Transcript();
    EXPECT_EQ(page_.GetContestName(), "ALL JA");
    EXPECT_EQ(page_.GetOwnCallSign(), CallSign("JA1ZZZ/1", CallSignFormat()));
    // The 31st of April is the 1st of May.
    EXPECT_EQ(page_.GetStart(), Utc(2021, 5, 1, 21, 0));
    EXPECT_EQ(page_.GetEnd(), Utc(2021, 5, 2, 21, 0));
    // The own call sign's limit is the format's maximum.
    EXPECT_EQ(CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(CallSignFormat()), 8);
    EXPECT_EQ(
        CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(model_test::CallSignFormat(3)),
        -1);
}

TEST_F(MainInformationPage, DateFieldsOutsideTheirRangesAreRefusedFirst) {
    const struct {
        Fields fields;
        const char* warning;
    } cases[] = {{{1969, 6, 5, 21, 0, 0}, "1970 から 2037 までの整数を入力してください。"},
                 {{2038, 6, 5, 21, 0, 0}, "1970 から 2037 までの整数を入力してください。"},
                 {{2021, 13, 5, 21, 0, 0}, "1 から 12 までの整数を入力してください。"},
                 {{2021, 6, 0, 21, 0, 0}, "1 から 31 までの整数を入力してください。"},
                 {{2021, 6, 5, 24, 0, 0}, "0 から 23 までの整数を入力してください。"},
                 {{2021, 6, 5, 21, 60, 0}, "0 から 59 までの整数を入力してください。"},
                 {{2021, 6, 5, 21, 0, -1}, "0 から 59 までの整数を入力してください。"}};
    for (const auto& c : cases) {
        page_.SetContestNameText("");
        page_.SetStartFields(c.fields);
        EXPECT_FALSE(Next());
        EXPECT_EQ(TakeWarnings(), Texts{c.warning});
        EXPECT_EQ(page_.GetFocusField(), CContestTypePage_MainInformation_1::Field::start);
    }
}

TEST_F(MainInformationPage, ChangeModeRefusesTheCallOfALoggedStationOnAnyBand) {
    CQuillmarkData_MainData contest = Contest();
    contest.AddBand(Band(7, 6));
    contest.AddBand(Band(14, 6));
    contest.GetBandAt(1)->AddEntry(Entry(contest, kNow, "JA1ABC/2", "599/100", "599/13"));
    page_.SetOwnCallSignText("JA1ABC");
    EXPECT_FALSE(Next(contest_type::kModeChange, &contest));
    EXPECT_EQ(TakeWarnings(), Texts{"入力された自局の呼出符号は、既存のログデータの呼出符号と"
                                    "重複します。別の呼出符号に変えてください。"});
    EXPECT_EQ(page_.GetFocusField(), CContestTypePage_MainInformation_1::Field::own_call_sign);
    // In new mode the log is not searched.
    EXPECT_TRUE(Next(contest_type::kModeNew, &contest));
    page_.SetOwnCallSignText("JA1ABD");
    EXPECT_TRUE(Next(contest_type::kModeChange, &contest));
}

// --- End page. ---

TEST_F(ContestTypeSheet, SummaryShowsTheCommittedValues) {
    Run(contest_type::kModeNew, [](Sheet& sheet) {
        auto& main = sheet.GetMainInformation1Page();
        for (int i = 0; i < 3; ++i) {
            sheet.Next();
        }
        main.SetContestNameText("ALL JA");
        main.SetCategoryCode("XMA");
        main.SetCategoryName("Multi");
        main.SetOwnCallSignText("JA1ZZZ.1");
        main.SetStartFields({2021, 4, 29, 21, 0, 0});
        main.SetEndFields({2021, 4, 30, 21, 0, 0});
        ASSERT_TRUE(sheet.Next());
        EXPECT_EQ(U(sheet.GetEndPage().GetSummary()),
                  "コンテスト名 ： ALL JA\n"
                  "コンテスト参加部門 ：    ＜コード＞ XMA ／ ＜名称＞ Multi\n"
                  "自局の呼出符号 ： JA1ZZZ/1\n"
                  "コンテスト期間 ： 2021  04/29   21:00:00  →  2021  04/30   21:00:00\n\n");
        EXPECT_EQ(U(sheet.GetEndPage().GetInstruction()),
                  "もし、内容があっていたら [ 次へ ] を、修正の必要があれば [ 戻る ] を押してくだ"
                  "さい。");
        sheet.Next();
    });
}

}  // namespace
