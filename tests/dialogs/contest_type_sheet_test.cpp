#include "dialogs/contest_type_sheet.h"

#include <gtest/gtest.h>

#include <string>
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

constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
// 2021-06-05 09:30:15 UTC.
const int64_t kNow = Utc(2021, 6, 5, 9, 30, 15);

class ContestTypeSheet : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetPunctuationMarks(std::string(kDelimiters));
        settings_.SetIsDisplayUTC(1);
    }

    // The texts of the warnings shown since the last call, each checked for its caption.
    std::vector<Cp932> TakeWarnings() {
        std::vector<Cp932> texts;
        for (const auto& message : operator_.Messages()) {
            EXPECT_EQ(message.style, kWarning);
            texts.push_back(message.text);
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
    EXPECT_EQ(Run(
                  contest_type::kModeNew,
                  [&](Sheet& sheet) {
                      mode_inside = sheet.GetMode();
                      pages_inside = sheet.GetPageCount();
                  },
                  message_box::kIdCancel),
              2);
    EXPECT_EQ(mode_inside, 1);
    EXPECT_EQ(pages_inside, 5);
    EXPECT_EQ(sheet_.GetMode(), 0);
    EXPECT_EQ(sheet_.GetPageCount(), 0);
}

TEST_F(ContestTypeSheet, ButtonsFollowThePagesAndFinishLocksBackOut) {
    std::vector<int> buttons;
    std::vector<Cp932> captions;
    const int result = Run(contest_type::kModeNew, [&](Sheet& sheet) {
        auto& main = sheet.GetMainInformation1Page();
        main.SetOwnCallSignText("JA1ZZZ");
        buttons.push_back(sheet.GetWizardButtons());
        EXPECT_FALSE(sheet.Back());
        for (int i = 0; i < 4; ++i) {
            captions.push_back(sheet.GetActivePageCaption());
            EXPECT_TRUE(sheet.Next()) << i;
            buttons.push_back(sheet.GetWizardButtons());
        }
        captions.push_back(sheet.GetActivePageCaption());
        EXPECT_FALSE(sheet.Finish());
        EXPECT_TRUE(sheet.Next());
        EXPECT_EQ(sheet.GetActivePageIndex(), Sheet::kPageEnd);
        buttons.push_back(sheet.GetWizardButtons());
        EXPECT_FALSE(sheet.Back());
        EXPECT_FALSE(sheet.Next());
        EXPECT_EQ(sheet.GetEndPage().GetInstruction(),
                  J("[ 完了 ] を押すと、最終設定を行います。"));
        EXPECT_TRUE(sheet.Finish());
    });
    EXPECT_EQ(result, Sheet::kIdWizardFinish);
    const int back_next = Sheet::kButtonBack | Sheet::kButtonNext;
    EXPECT_EQ(buttons, (std::vector<int>{Sheet::kButtonNext, back_next, back_next, back_next,
                                         back_next, Sheet::kButtonFinish}));
    EXPECT_EQ(captions,
              (std::vector<Cp932>{J("クイルマーク - コンテスト情報の設定（設定の開始）"),
                                  J("クイルマーク - コンテスト情報の設定（パラメータの設定）"),
                                  J("クイルマーク - コンテスト情報の設定（パラメータの設定）"),
                                  J("クイルマーク - コンテスト情報の設定（メイン情報の設定）"),
                                  J("クイルマーク - コンテスト情報の設定（設定の完了）")}));
    EXPECT_TRUE(operator_.Messages().empty()) << operator_.Transcript();
}

TEST_F(ContestTypeSheet, BeginTextDependsOnTheMode) {
    EXPECT_EQ(CContestTypePage_Begin::BuildText(1),
              J("新規コンテストの情報設定をします。詳細は以下の通りです...\n\n"
                "■ 呼出符号およびコンテストナンバーの形式の設定。\n"
                "■ コンテスト名・自局の呼出符号・自局の送信コンテストナンバー・使用周波数帯・"
                "コンテスト期間など、メインとなる情報の設定。\n"
                "■ このアプリケーションの動作方法など、付加的な情報の設定。\n"));
    EXPECT_EQ(CContestTypePage_Begin::BuildText(2),
              J("既存のコンテストの情報設定を変更します。詳細は以下の通りです...\n\n"
                "■ コンテスト名・自局の送信コンテストナンバー・使用周波数帯など、メインとなる"
                "情報のうちの一部の情報の変更。\n"
                "■ このアプリケーションの動作方法などのうち、一部の付加的な情報の変更。\n"));
    Run(
        contest_type::kModeChange, [](Sheet&) {}, message_box::kIdCancel);
    EXPECT_EQ(sheet_.GetBeginPage().GetText(), CContestTypePage_Begin::BuildText(2));
}

// --- Parameter_1. ---

struct CountsCase {
    int call_count, main_position, number_count, multiplier_position;
    const char* warning;  // empty: accepted
};

TEST_F(ContestTypeSheet, ParameterCountChecksComeInOrder) {
    const CountsCase cases[] = {
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
    for (const CountsCase& c : cases) {
        CContestTypePage_Parameter_1 page;
        page.SetCallSignParameterCount(c.call_count);
        page.SetMainParameterPosition(c.main_position);
        page.SetContestNumberParameterCount(c.number_count);
        page.SetMultiplierParameterPosition(c.multiplier_position);
        const bool accepted = page.OnWizardNext(operator_);
        const auto warnings = operator_.Messages();
        operator_.ClearRecords();
        EXPECT_EQ(accepted, std::string(c.warning).empty()) << c.warning;
        if (!accepted) {
            ASSERT_EQ(warnings.size(), 1u);
            EXPECT_EQ(warnings[0].text, J(c.warning));
            EXPECT_EQ(warnings[0].style, kWarning);
        }
    }
}

TEST_F(ContestTypeSheet, MultiplierPositionZeroHandsOnNoMultiplier) {
    CContestTypePage_Parameter_1 page;
    page.SetMultiplierParameterPosition(0);
    ASSERT_TRUE(page.OnWizardNext(operator_));
    EXPECT_EQ(page.GetMultiplierParameterIndex(), -1);
    EXPECT_EQ(page.GetMainParameterIndex(), 0);
}

TEST_F(ContestTypeSheet, ParameterCountWarningsUseTheWarningCaptionAndFocusTheField) {
    CContestTypePage_Parameter_1 page;
    page.SetMainParameterPosition(3);
    EXPECT_FALSE(page.OnWizardNext(operator_));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 警告"));
    EXPECT_EQ(page.GetFocusField(), CContestTypePage_Parameter_1::Field::main_position);
}

TEST_F(ContestTypeSheet, ChangeModeShowsTheExistingCounts) {
    sheet_.GetParameter2Page().SetCallSignType(CallSignFormat());
    sheet_.GetParameter2Page().SetContestNumberType(NumberFormat(-1));
    Run(
        contest_type::kModeChange, [](Sheet&) {}, message_box::kIdCancel);
    const auto& page = sheet_.GetParameter1Page();
    EXPECT_EQ(page.GetCallSignParameterCount(), 2);
    EXPECT_EQ(page.GetMainParameterPosition(), 1);
    EXPECT_EQ(page.GetContestNumberParameterCount(), 2);
    EXPECT_EQ(page.GetMultiplierParameterPosition(), 0);
    EXPECT_FALSE(CContestTypePage_Parameter_1::IsEditable(2));
}

// --- Parameter_2 and the attribute dialog. ---

// Opens the attribute dialog with F9 on one row and sets the lengths in it.
void AnswerAttributes(CScriptedOperator& op, int min_length, int max_length,
                      std::vector<Cp932>* headings = nullptr) {
    op.AnswerDialog(message_box::kIdOk,
                    [&op, min_length, max_length, headings](CDialogState& state, int) {
                        auto& dialog = dynamic_cast<CParameterAttributeDialog&>(state);
                        if (headings != nullptr) {
                            headings->push_back(dialog.GetHeading());
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

    auto row = page.GetRowTexts(0, 0);
    EXPECT_EQ(row[0], J("第 1 パラメータ"));
    EXPECT_EQ(row[1], J("半角算用数字  半角アルファベット  "));
    EXPECT_EQ(row[2], J("5 ～ 6"));
    EXPECT_EQ(row[3], "");
    row = page.GetRowTexts(0, 1);
    EXPECT_EQ(row[1], J("半角カタカナ  全角文字  "));
    EXPECT_EQ(row[2], J("0 ～ 無制限"));
    EXPECT_EQ(row[3], "/");
    EXPECT_EQ(page.GetRowTexts(0, 2)[2], J("2 ～ 2"));
    EXPECT_EQ(page.GetRowTexts(0, 3)[0], "");
    EXPECT_EQ(page.GetRowTexts(1, 0)[0], "");
    EXPECT_EQ(CContestTypePage_Parameter_2::GetColumnTitle(3), J("特別に入力を許可する文字"));
}

TEST_F(ContestTypeSheet, F9EditsARowAndNextBuildsTheFormatsFromTheLists) {
    std::vector<Cp932> headings;
    AnswerWizard([&](Sheet& sheet) {
        sheet.Next();
        sheet.Next();
        EXPECT_TRUE(sheet.OnParameterListKeyDown(0, CContestTypePage_Parameter_2::kKeyF9, {0}));
        EXPECT_TRUE(sheet.OnParameterListKeyDown(1, CContestTypePage_Parameter_2::kKeyF9, {1}));
        EXPECT_TRUE(sheet.Next());
    });
    AnswerAttributes(operator_, 3, 7, &headings);
    AnswerAttributes(operator_, 1, 3, &headings);
    sheet_.RunWizard(contest_type::kModeNew);
    EXPECT_EQ(headings, (std::vector<Cp932>{J("呼出符号の第 1 パラメータの設定を変更できます。"),
                                            J("コンテストナンバーの第 2 パラメータの設定を変更"
                                              "できます。")}));
    const auto& page = sheet_.GetParameter2Page();
    const auto& call = page.GetCallSignType();
    ASSERT_TRUE(call.IsValid());
    EXPECT_EQ(call.GetAttributes(0)->GetMinLength(), 3);
    EXPECT_EQ(call.GetAttributes(0)->GetMaxLength(), 7);
    EXPECT_EQ(call.GetMinTotalLength(), 3);
    EXPECT_EQ(call.GetMaxTotalLength(), 7 + 1 + 1);
    const auto& number = page.GetContestNumberType();
    EXPECT_EQ(number.GetMultiplierParameterIndex(), 1);
    EXPECT_EQ(number.GetAttributes(1)->GetMaxLength(), 3);
}

TEST_F(ContestTypeSheet, GoingBackWithoutChangesKeepsEveryEdit) {
    AnswerWizard([](Sheet& sheet) {
        sheet.Next();
        sheet.Next();
        sheet.OnParameterListKeyDown(0, CContestTypePage_Parameter_2::kKeyF9, {0});
        sheet.OnParameterListKeyDown(1, CContestTypePage_Parameter_2::kKeyF9, {0});
        sheet.Back();
        EXPECT_TRUE(sheet.Next());
        const auto& page = sheet.GetParameter2Page();
        EXPECT_EQ(page.GetAttributeList(0)[0].GetMinLength(), 4);
        EXPECT_EQ(page.GetAttributeList(1)[0].GetMinLength(), 1);
        // Also after the page has built its formats once.
        sheet.Next();
        sheet.Back();
        EXPECT_EQ(page.GetAttributeList(0)[0].GetMinLength(), 4);
        EXPECT_EQ(page.GetAttributeList(1)[0].GetMinLength(), 1);
    });
    AnswerAttributes(operator_, 4, 4);
    AnswerAttributes(operator_, 1, 1);
    sheet_.RunWizard(contest_type::kModeNew);
    EXPECT_EQ(operator_.UnusedAnswerCount(), 0);
}

TEST_F(ContestTypeSheet, ChangingOneFormatsShapeResetsOnlyThatFormat) {
    const struct {
        const char* what;
        std::function<void(CContestTypePage_Parameter_1&)> change;
        bool call_kept;
        bool number_kept;
    } cases[] = {
        {"number count", [](auto& p) { p.SetContestNumberParameterCount(3); }, true, false},
        {"multiplier", [](auto& p) { p.SetMultiplierParameterPosition(1); }, true, false},
        {"call count", [](auto& p) { p.SetCallSignParameterCount(3); }, false, true},
        {"main position", [](auto& p) { p.SetMainParameterPosition(2); }, false, true},
    };
    for (const auto& c : cases) {
        Sheet sheet(J("x"), operator_, settings_, kNow);
        operator_.AnswerDialog(Sheet::kIdWizardFinish, [&c](CDialogState& state, int) {
            auto& s = dynamic_cast<Sheet&>(state);
            s.Next();
            s.Next();
            s.OnParameterListKeyDown(0, CContestTypePage_Parameter_2::kKeyF9, {0});
            s.OnParameterListKeyDown(1, CContestTypePage_Parameter_2::kKeyF9, {0});
            s.Back();
            c.change(s.GetParameter1Page());
            ASSERT_TRUE(s.Next());
            const auto& page = s.GetParameter2Page();
            EXPECT_EQ(page.GetAttributeList(0)[0].GetMinLength() == 4, c.call_kept) << c.what;
            EXPECT_EQ(page.GetAttributeList(1)[0].GetMinLength() == 1, c.number_kept) << c.what;
            EXPECT_EQ(static_cast<int>(page.GetAttributeList(1).size()),
                      s.GetParameter1Page().GetContestNumberParameterCount());
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
        const auto messages = operator_.Messages();
        operator_.ClearRecords();
        EXPECT_EQ(accepted, std::string(c.warning).empty()) << c.warning;
        EXPECT_EQ(dialog.GetAttributes().IsValid(), accepted);
        if (accepted) {
            EXPECT_EQ(dialog.GetAttributes().GetMinLength(), c.min_length);
            EXPECT_EQ(dialog.GetAttributes().GetMaxLength(), c.max_length);
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, J(c.warning));
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
    const auto& page = sheet_.GetMainInformation1Page();
    EXPECT_EQ(page.GetStart(), Utc(2021, 6, 5, 10, 0));
    EXPECT_EQ(page.GetEnd(), Utc(2021, 6, 6, 10, 0));
    EXPECT_EQ(page.GetContestName(), J(" コンテスト"));
    EXPECT_EQ(page.GetCategoryCode(), "");

    const Sheet on_the_hour(J("x"), operator_, settings_, Utc(2021, 6, 5, 9, 0));
    EXPECT_EQ(on_the_hour.GetMainInformation1Page().GetStart(), Utc(2021, 6, 5, 10, 0));
    const Sheet last_second(J("x"), operator_, settings_, Utc(2021, 12, 31, 23, 59, 59));
    EXPECT_EQ(last_second.GetMainInformation1Page().GetStart(), Utc(2022, 1, 1, 0, 0));
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
    EXPECT_EQ(TakeWarnings(),
              (std::vector<Cp932>{J("コンテスト名の入力に誤りがあります。"),
                                  J("自局の呼出符号の入力に誤りがあります。"),
                                  J("終了日時のほうが、開始日時よりも前になっています。")}));
    EXPECT_EQ(page_.GetFocusField(), CContestTypePage_MainInformation_1::Field::end);
    EXPECT_EQ(page_.GetContestName(), J(" コンテスト"));
    EXPECT_FALSE(page_.GetOwnCallSign().IsValid());
    EXPECT_EQ(page_.GetEnd(), Utc(2021, 6, 6, 10, 0));
}

TEST_F(MainInformationPage, NameOfOneBlankIsAccepted) {
    page_.SetContestNameText(" ");
    EXPECT_TRUE(Next());
    EXPECT_EQ(page_.GetContestName(), " ");
}

TEST_F(MainInformationPage, AcceptedPageCommitsEverything) {
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
}

TEST_F(MainInformationPage, EndEqualToTheStartIsRefusedOneSecondLaterAccepted) {
    page_.SetStartFields({2021, 6, 5, 21, 0, 0});
    page_.SetEndFields({2021, 6, 5, 21, 0, 0});
    EXPECT_FALSE(Next());
    EXPECT_EQ(TakeWarnings(),
              std::vector<Cp932>{J("終了日時のほうが、開始日時よりも前になっています。")});
    page_.SetEndFields({2021, 6, 5, 21, 0, 1});
    EXPECT_TRUE(Next());
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
        EXPECT_EQ(TakeWarnings(), std::vector<Cp932>{J(c.warning)});
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
    EXPECT_EQ(TakeWarnings(),
              std::vector<Cp932>{J("入力された自局の呼出符号は、既存のログデータの呼出符号と"
                                   "重複します。別の呼出符号に変えてください。")});
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
        sheet.Next();
        sheet.Next();
        sheet.Next();
        main.SetContestNameText("ALL JA");
        main.SetCategoryCode("XMA");
        main.SetCategoryName("Multi");
        main.SetOwnCallSignText("JA1ZZZ.1");
        main.SetStartFields({2021, 4, 29, 21, 0, 0});
        main.SetEndFields({2021, 4, 30, 21, 0, 0});
        ASSERT_TRUE(sheet.Next());
        EXPECT_EQ(sheet.GetEndPage().GetSummary(),
                  J("コンテスト名 ： ALL JA\n"
                    "コンテスト参加部門 ：    ＜コード＞ XMA ／ ＜名称＞ Multi\n"
                    "自局の呼出符号 ： JA1ZZZ/1\n"
                    "コンテスト期間 ： 2021  04/29   21:00:00  →  2021  04/30   21:00:00\n\n"));
        EXPECT_EQ(sheet.GetEndPage().GetInstruction(),
                  J("もし、内容があっていたら [ 次へ ] を、修正の必要があれば [ 戻る ] "
                    "を押してください。"));
        sheet.Next();
    });
}

TEST_F(ContestTypeSheet, F9DoesNothingWithoutExactlyOneRowOrWithAnotherKey) {
    Run(contest_type::kModeNew, [](Sheet& sheet) {
        sheet.Next();
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, CContestTypePage_Parameter_2::kKeyF9, {0}))
            << "not on the attribute page yet";
        sheet.Next();
        const int f9 = CContestTypePage_Parameter_2::kKeyF9;
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, f9, {}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, f9, {0, 1}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, 0x77, {0}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, f9, {2}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(2, f9, {0}));
    });
    EXPECT_EQ(operator_.Dialogs().size(), 1u);  // only the wizard itself
}

TEST_F(ContestTypeSheet, CommittedValueSettersRefuseWhatThePageWouldRefuse) {
    auto& page = sheet_.GetMainInformation1Page();
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

TEST_F(MainInformationPage, OwnCallSignLimitIsTheFormatsMaximum) {
    EXPECT_EQ(CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(CallSignFormat()), 8);
    CQuillmarkData_CallSignType unlimited;
    unlimited.SetDefaultFormat(3, 0);
    EXPECT_EQ(CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(unlimited), -1);
}
TEST_F(ContestTypeSheet, BackToTheBeginPageOffersOnlyNextAgain) {
    Run(contest_type::kModeNew, [](Sheet& sheet) {
        sheet.Next();
        EXPECT_TRUE(sheet.Back());
        EXPECT_EQ(sheet.GetActivePageIndex(), Sheet::kPageBegin);
        EXPECT_EQ(sheet.GetWizardButtons(), Sheet::kButtonNext);
    });
}

TEST_F(ContestTypeSheet, F9DoesNothingInChangeMode) {
    sheet_.GetParameter2Page().SetCallSignType(CallSignFormat());
    sheet_.GetParameter2Page().SetContestNumberType(NumberFormat());
    Run(
        contest_type::kModeChange,
        [](Sheet& sheet) {
            sheet.Next();
            sheet.Next();
            EXPECT_FALSE(
                sheet.OnParameterListKeyDown(0, CContestTypePage_Parameter_2::kKeyF9, {0}));
        },
        message_box::kIdCancel);
    EXPECT_EQ(operator_.Dialogs().size(), 1u);
}
}  // namespace
