#include "dialogs/contest_type_sheet.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

#include "../platform/case_table.h"
#include "dialog_golden.h"
#include "dialogs/parameter_attribute_dialog.h"
#include "model/band_data.h"
#include "platform/time_format.h"
#include "settings/quillmark_system.h"

namespace {

using namespace dialog_test;
using platform_test::CaseRow;
using platform_test::CaseTable;
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
    std::ostringstream seen_;
};

// The operator's walk through a new contest: each button pressed, the page it leaves shown
// with its caption and buttons (Back 1, Next 2, Finish 4), the texts of the begin and end
// pages; then the change mode's begin text.
TEST_F(ContestTypeSheet, TheWizardWalkWithItsCaptionsButtonsAndTexts) {
    // Presses the buttons of walk, B for Back and N for Next, one after another.
    const auto press = [this](Sheet& sheet, const std::string& walk) {
        for (const char button : walk) {
            const bool moved = button == 'B' ? sheet.Back() : sheet.Next();
            seen_ << (button == 'B' ? "Back" : "Next") << (moved ? "" : " (refused)") << " -> page "
                  << sheet.GetActivePageIndex() << " " << U(sheet.GetActivePageCaption())
                  << ", buttons " << sheet.GetWizardButtons() << "\n";
        }
    };
    const int result = Run(contest_type::kModeNew, [&](Sheet& sheet) {
        seen_ << "mode " << sheet.GetMode() << ", " << sheet.GetPageCount() << " pages\n"
              << U(sheet.GetBeginPage().GetText());
        press(sheet, "BNBNNN");
        auto& main = sheet.GetMainInformation1Page();
        main.SetContestNameText("ALL JA");
        main.SetCategoryCode("XMA");
        main.SetCategoryName("Multi");
        main.SetOwnCallSignText("JA1ZZZ.1");
        main.SetStartFields({2021, 4, 29, 21, 0, 0});
        main.SetEndFields({2021, 4, 30, 21, 0, 0});
        press(sheet, "N");
        seen_ << U(sheet.GetEndPage().GetSummary()) << U(sheet.GetEndPage().GetInstruction())
              << "\nFinish offered: " << sheet.Finish() << "\n";
        press(sheet, "N");
        seen_ << U(sheet.GetEndPage().GetInstruction()) << "\n";
        press(sheet, "BN");
        seen_ << "Finish offered: " << sheet.Finish() << "\n";
    });
    seen_ << "result " << result << ", then mode " << sheet_.GetMode() << ", "
          << sheet_.GetPageCount() << " pages\n";
    const int cancelled = Run(
        contest_type::kModeChange, [](Sheet&) {}, message_box::kIdCancel);
    seen_ << "change mode cancelled: " << cancelled << ", then mode " << sheet_.GetMode() << ", "
          << sheet_.GetPageCount() << " pages\n"
          << U(sheet_.GetBeginPage().GetText());
    ExpectGolden("dialogs/contest_type_walk", seen_.str());
    EXPECT_TRUE(operator_.Messages().empty()) << operator_.Transcript();
}

// --- Parameter_1. ---

// Each count and position as typed: accepted or refused with its message and the field to
// focus (as numbered in Field), and the main and multiplier parameter indices (a position less
// one; position 0 is no multiplier, -1), in the golden file.
TEST_F(ContestTypeSheet, ParameterCountChecksComeInOrder) {
    for (const CaseRow& c : CaseTable("dialogs/contest_type_parameter_count_cases.txt", 4)) {
        CContestTypePage_Parameter_1 page;
        page.SetCallSignParameterCount(std::stoi(c[0]));
        page.SetMainParameterPosition(std::stoi(c[1]));
        page.SetContestNumberParameterCount(std::stoi(c[2]));
        page.SetMultiplierParameterPosition(std::stoi(c[3]));
        const bool next = page.OnWizardNext(operator_);
        seen_ << c[0] << " " << c[1] << " " << c[2] << " " << c[3] << ": " << next << ", focus "
              << static_cast<int>(page.GetFocusField()) << ", indices "
              << page.GetMainParameterIndex() << " " << page.GetMultiplierParameterIndex() << " "
              << Told(operator_);
    }
    ExpectGolden("dialogs/contest_type_parameter_counts", seen_.str());
}

// Both lists of the attribute page as it shows them, a row a line, and the empty row past
// the end of each.
std::string Rows(const CContestTypePage_Parameter_2& page) {
    std::string rows;
    for (int list = 0; list < 2; ++list) {
        for (size_t row = 0; row <= page.GetAttributeList(list).size(); ++row) {
            rows += "  " + std::to_string(list) + "/" + std::to_string(row);
            for (const Cp932& text : page.GetRowTexts(list, static_cast<int>(row))) {
                rows += " | " + U(text);
            }
            rows += "\n";
        }
    }
    return rows;
}

// Change mode shows the existing formats: their counts, and each row of both lists as the
// page shows it (the parameter, its classes, the length range, the specially allowed
// characters) in the golden file; F9 edits nothing.
TEST_F(ContestTypeSheet, ChangeModeShowsTheExistingFormatsAndF9EditsNothing) {
    CQuillmarkData_CallSignType format;
    CQuillmarkData_ParameterAttributes special;
    special.SetAttributes(0, -1, 0x14, "/");
    format.SetFormat(
        3, 0, {CQuillmarkData_CallSignType::DefaultAttributes(0), special, Attributes(2, 2, 0x01)});
    ASSERT_TRUE(sheet_.GetParameter2Page().SetCallSignType(format));
    sheet_.GetParameter2Page().SetContestNumberType(NumberFormat(-1));
    const auto body = [this](Sheet& sheet) {
        sheet.Next();
        sheet.Next();
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {0}));
        seen_ << Rows(sheet.GetParameter2Page());
    };
    Run(contest_type::kModeChange, body, message_box::kIdCancel);
    seen_ << U(CContestTypePage_Parameter_2::GetColumnTitle(3)) << "\n";
    ExpectGolden("dialogs/contest_type_rows", seen_.str());
    const auto& page = sheet_.GetParameter1Page();
    EXPECT_EQ(
        std::tuple(page.GetCallSignParameterCount(), page.GetMainParameterPosition(),
                   page.GetContestNumberParameterCount(), page.GetMultiplierParameterPosition()),
        std::tuple(3, 1, 2, 0));
    EXPECT_FALSE(CContestTypePage_Parameter_1::IsEditable(2));
    EXPECT_EQ(operator_.Dialogs().size(), 1u);
}

// --- Parameter_2 and the attribute dialog. ---

// Opens the attribute dialog with F9 on one row and sets the lengths in it.
void AnswerAttributes(CScriptedOperator& op, int min_length, int max_length,
                      std::ostream* headings = nullptr) {
    op.AnswerDialog(message_box::kIdOk,
                    [&op, min_length, max_length, headings](CDialogState& state, int) {
                        auto& dialog = dynamic_cast<CParameterAttributeDialog&>(state);
                        if (headings != nullptr) {
                            *headings << U(dialog.GetHeading()) << "\n";
                        }
                        dialog.SetMinLength(min_length);
                        dialog.SetMaxLength(max_length);
                        EXPECT_TRUE(dialog.OnOK(op));
                    });
}

// F9 on exactly one row of a list of the attribute page opens the dialog (its heading names
// the row), and Next builds the formats from the lists. Then, on the way back, each change of
// one format's shape on the count page resets only that format's rows (edited again before
// each change, to 4 and 1 characters), also once the page has built its formats: the golden
// file shows the rows after each change.
TEST_F(ContestTypeSheet, F9EditsARowAndOnlyAChangedShapeResetsItsFormat) {
    const std::pair<const char*, std::function<void(CContestTypePage_Parameter_1&)>> changes[] = {
        {"nothing", [](auto&) {}},
        {"number count 3", [](auto& p) { p.SetContestNumberParameterCount(3); }},
        {"multiplier at 1", [](auto& p) { p.SetMultiplierParameterPosition(1); }},
        {"call count 3", [](auto& p) { p.SetCallSignParameterCount(3); }},
        {"main at 2", [](auto& p) { p.SetMainParameterPosition(2); }},
    };
    AnswerWizard([&](Sheet& sheet) {
        sheet.Next();
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {0})) << "not on the attribute page";
        sheet.Next();
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {0, 1}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, 0x77, {0}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(0, kF9, {2}));
        EXPECT_FALSE(sheet.OnParameterListKeyDown(2, kF9, {0}));
        EXPECT_TRUE(sheet.OnParameterListKeyDown(0, kF9, {0}));
        EXPECT_TRUE(sheet.OnParameterListKeyDown(1, kF9, {1}));
        ASSERT_TRUE(sheet.Next());
        const auto& call = sheet.GetParameter2Page().GetCallSignType();
        const auto& number = sheet.GetParameter2Page().GetContestNumberType();
        ASSERT_TRUE(call.IsValid() && number.IsValid());
        seen_ << "built: call 1st " << call.GetAttributes(0)->GetMinLength() << "-"
              << call.GetAttributes(0)->GetMaxLength() << ", total " << call.GetMinTotalLength()
              << "-" << call.GetMaxTotalLength() << "; number multiplier index "
              << number.GetMultiplierParameterIndex() << ", 2nd up to "
              << number.GetAttributes(1)->GetMaxLength() << "\n";
        for (const auto& [what, change] : changes) {
            sheet.Back();
            sheet.OnParameterListKeyDown(0, kF9, {0});
            sheet.OnParameterListKeyDown(1, kF9, {0});
            sheet.Back();
            change(sheet.GetParameter1Page());
            ASSERT_TRUE(sheet.Next());
            const std::string rows = Rows(sheet.GetParameter2Page());
            seen_ << what << ":\n" << rows;
            sheet.Next();
            sheet.Back();
            EXPECT_EQ(Rows(sheet.GetParameter2Page()), rows) << what;
            sheet.Next();
        }
    });
    AnswerAttributes(operator_, 3, 7, &seen_);
    AnswerAttributes(operator_, 1, 3, &seen_);
    for (size_t i = 0; i < std::size(changes); ++i) {
        AnswerAttributes(operator_, 4, 4);
        AnswerAttributes(operator_, 1, 1);
    }
    sheet_.RunWizard(contest_type::kModeNew);
    ExpectGolden("dialogs/contest_type_shape_changes", seen_.str());
    EXPECT_EQ(operator_.UnusedAnswerCount(), 0);
}

// Lengths min/max (-1: no limit), what OK said and the lengths taken (-2: none), in the
// golden file; the check boxes and special characters are taken as they are.
TEST_F(ContestTypeSheet, AttributeDialogChecksTheLengthsAndTakesTheClasses) {
    for (const auto& [min_length, max_length] :
         {std::pair{3, -1}, {3, 3}, {0, 0}, {4, 3}, {-1, 3}, {0, -2}, {30001, -1}}) {
        CParameterAttributeDialog dialog;
        dialog.SetMinLength(min_length);
        dialog.SetMaxLength(max_length);
        const bool accepted = dialog.OnOK(operator_);
        seen_ << min_length << " " << max_length << ": " << accepted << ", taken "
              << dialog.GetAttributes().GetMinLength() << " "
              << dialog.GetAttributes().GetMaxLength() << " " << Told(operator_);
    }
    ExpectGolden("dialogs/contest_type_attribute_lengths", seen_.str());

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

// (The defaults at kNow are the first line of the main page's golden file.)
TEST_F(ContestTypeSheet, DefaultPeriodStartsAtTheNextFullHourAndLastsADay) {
    auto& page = sheet_.GetMainInformation1Page();
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
    // Presses Next and writes down what the operator was told, under what, and the values
    // the page has committed (name, category code, own call sign, start, end).
    void NextSeen(const std::string& what, int mode = contest_type::kModeNew,
                  const CQuillmarkData_MainData* contest = nullptr) {
        const bool next = Next(mode, contest);
        seen_ << what << ": " << next << ", focus " << static_cast<int>(page_.GetFocusField())
              << " " << Told(operator_);
        Committed();
    }
    void Committed() {
        const auto time = [this](int64_t t) {
            return U(FormatTime("%Y-%m-%d %H:%M:%S", t, rule_));
        };
        seen_ << "  committed \"" << U(page_.GetContestName()) << "\" [" << page_.GetCategoryCode()
              << "] " << page_.GetOwnCallSign().GetText("/") << " " << time(page_.GetStart())
              << " to " << time(page_.GetEnd()) << "\n";
    }

    CTimeZoneRule rule_ = CTimeZoneRule::Utc();
    CContestTypePage_MainInformation_1 page_{kNow, rule_};
};

// The defaults at kNow, then the name, the own call sign and the period checked in that order
// (focus 1, 2, 3 and 4 for name, call sign, start and end); a refusal commits nothing. Then
// each date field outside its range, the end equal to the start, and the own call sign of a
// station already in the log in change mode (any band; new mode does not search the log);
// last a name of one blank, a call sign typed in small letters with another delimiter and the
// 31st of April (the 1st of May), accepted and committed.
TEST_F(MainInformationPage, ChecksComeInOrderAndOnlyAnAcceptedPageCommits) {
    seen_ << "defaults:\n";
    Committed();
    page_.SetContestNameText("");
    page_.SetOwnCallSignText("J");
    page_.SetEndFields({2021, 6, 5, 10, 0, 0});
    NextSeen("no name, short call, end before start");
    page_.SetContestNameText("ALL JA");
    NextSeen("short call, end before start");
    page_.SetOwnCallSignText("JA1ZZZ/1");
    NextSeen("end before start");
    page_.SetStartFields({2021, 6, 5, 21, 0, 0});
    page_.SetEndFields({2021, 6, 5, 21, 0, 0});
    NextSeen("end equal to the start");
    page_.SetEndFields({2021, 6, 5, 21, 0, 1});
    NextSeen("end a second later");
    const Fields fields[] = {{1969, 6, 5, 21, 0, 0},  {2038, 6, 5, 21, 0, 0},
                             {2021, 13, 5, 21, 0, 0}, {2021, 6, 0, 21, 0, 0},
                             {2021, 6, 5, 24, 0, 0},  {2021, 6, 5, 21, 60, 0},
                             {2021, 6, 5, 21, 0, -1}};
    for (const Fields& f : fields) {
        page_.SetContestNameText("");  // the fields are refused before the name
        page_.SetStartFields(f);
        std::string what = "start";
        for (const int field : f) {
            what += " " + std::to_string(field);
        }
        NextSeen(what);
    }
    page_.SetContestNameText("ALL JA");
    page_.SetStartFields({2021, 6, 5, 21, 0, 0});
    CQuillmarkData_MainData contest = Contest();
    contest.AddBand(Band(7, 6));
    contest.AddBand(Band(14, 6));
    contest.GetBandAt(1)->AddEntry(Entry(contest, kNow, "JA1ABC/2", "599/100", "599/13"));
    page_.SetOwnCallSignText("JA1ABC");
    NextSeen("change mode, a logged call", contest_type::kModeChange, &contest);
    NextSeen("new mode, a logged call", contest_type::kModeNew, &contest);
    page_.SetOwnCallSignText("JA1ABD");
    NextSeen("change mode, another call", contest_type::kModeChange, &contest);
    page_.SetContestNameText(" ");
    page_.SetOwnCallSignText("ja1zzz,1");
    EXPECT_EQ(page_.GetOwnCallSignText(), "JA1ZZZ,1");
    page_.SetStartFields({2021, 4, 31, 21, 0, 0});
    page_.SetEndFields({2021, 5, 2, 21, 0, 0});
    NextSeen("a blank, a small call, April 31");
    ExpectGolden("dialogs/contest_type_main_checks", seen_.str());
    // The own call sign's limit is the format's maximum.
    EXPECT_EQ(CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(CallSignFormat()), 8);
    EXPECT_EQ(
        CContestTypePage_MainInformation_1::GetOwnCallSignTextLimit(model_test::CallSignFormat(3)),
        -1);
}

}  // namespace
