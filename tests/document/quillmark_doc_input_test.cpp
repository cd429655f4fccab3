#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "citycode/city_code_organization.h"
#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "platform/safe_file.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using Sheet = CLogDataInputSheet;
using Next = CLogDataInputSheet::NextResult;
using PageWork = std::function<void(Sheet&)>;

const int64_t kEarlier = Utc(2021, 6, 5, 9, 30);
constexpr int kExclamation = message_box::kOk | message_box::kIconExclamation;
constexpr int kNotice = message_box::kOk | message_box::kIconInformation;
constexpr int kManualQuestion =
    message_box::kYesNo | message_box::kIconQuestion | message_box::kDefaultButton2;

class HintRecorder : public IDocumentListener {
public:
    void OnUpdate(CDocumentBase&, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

// What the operator saw on a page when the scripted answer ran.
struct Seen {
    Cp932 call_sign_text;
    Cp932 guidance;
    Cp932 sent_text;
    Cp932 received_text;
    std::array<int, 6> date{};
};

class InputLogDataSession : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetIsDisplayUTC(1);
        settings_.SetIsInputPointsEveryTime(0);
        settings_.SetIsInputElectricWaveTypeEveryTime(0);
        settings_.SetIsInputCQEveryTime(0);
        settings_.SetIsInputCardDataEveryTime(0);
        settings_.SetIsInputCommentsEveryTime(0);
        settings_.SetDefaultPoints(1);
        settings_.SetDefaultSettingOfCardDemand(1);
        settings_.SetIsAutomaticSavingEnabled(0);
        doc_.SetProgramFolder(folder_.Path());
        doc_.SetUserDataFolder(folder_ / "user");
        doc_.AddListener(&views_);
    }
    void TearDown() override { doc_.RemoveListener(&views_); }

    // 7 MHz (active) and 14 MHz; CW, calling, sent "599/100" on both.
    void SetUpContest(int multiplier = 1) {
        doc_.GetContest() = Contest(multiplier);
        for (double frequency : {7.0, 14.0}) {
            const int i = doc_.GetContest().AddBand(Band(frequency, 6));
            CQuillmarkData_SubMainData* band = doc_.GetContest().GetBandAt(i);
            band->SetSentContestNumber(Number("599/100", NumberFormat(multiplier)));
            band->SetMode("CW");
            band->SetCallingMethod(true);
        }
        doc_.GetContest().SetActiveBandAt(0);
    }
    CQuillmarkData_SubMainData& Band7() { return *doc_.GetContest().GetBandAt(0); }
    CQuillmarkData_SubMainData& Band14() { return *doc_.GetContest().GetBandAt(1); }

    // --- The operator's answers. ---
    void TypeCallSign(std::string call, Seen* seen = nullptr) {
        operator_.AnswerDialog(message_box::kIdOk, [call, seen](CDialogState& dialog, int) {
            Sheet& sheet = dynamic_cast<Sheet&>(dialog);
            if (seen != nullptr) {
                seen->call_sign_text = sheet.GetCallSignPage().GetEditText();
                seen->guidance = sheet.GetCallSignPage().GetGuidance();
            }
            sheet.GetCallSignPage().SetEditText(call);
            EXPECT_EQ(sheet.Next(), Next::finished);
        });
    }
    void CancelCallSign(Seen* seen = nullptr) {
        operator_.AnswerDialog(message_box::kIdCancel, [seen](CDialogState& dialog, int) {
            Sheet& sheet = dynamic_cast<Sheet&>(dialog);
            if (seen != nullptr) {
                seen->call_sign_text = sheet.GetCallSignPage().GetEditText();
            }
            sheet.Cancel();
        });
    }
    // Goes through the detail pages with Next, typing the received number on its page and
    // doing work on every page; cancel_on stops with Cancel on the page of that bit.
    void EnterDetails(std::string received, PageWork work = {}, int cancel_on = 0,
                      Seen* seen = nullptr) {
        operator_.AnswerDialog(message_box::kIdOk, [=](CDialogState& dialog, int) {
            Sheet& sheet = dynamic_cast<Sheet&>(dialog);
            while (CLogDataInputPage* page = sheet.GetActivePage()) {
                if (page == &sheet.GetContestNumberPage()) {
                    if (seen != nullptr) {
                        seen->guidance = page->GetGuidance();
                        seen->sent_text = sheet.GetContestNumberPage().GetSentEditText();
                        seen->received_text = sheet.GetContestNumberPage().GetReceivedEditText();
                    }
                    sheet.GetContestNumberPage().SetReceivedEditText(received);
                }
                if (page == &sheet.GetDatePage() && seen != nullptr) {
                    for (int i = 0; i < 6; ++i) {
                        seen->date[i] =
                            sheet.GetDatePage().GetField(static_cast<CLogDataInput_Date::Field>(i));
                    }
                }
                if (work) {
                    work(sheet);
                }
                if (page->GetPageBit() == cancel_on) {
                    sheet.Cancel();
                    return;
                }
                if (sheet.Next() != Next::moved) {
                    return;
                }
            }
        });
    }
    void AnswerConfirmation(int answer, CLogDataConfirmDialog* seen = nullptr) {
        operator_.AnswerDialog(answer, [seen](CDialogState& dialog, int) {
            if (seen != nullptr) {
                *seen = dynamic_cast<CLogDataConfirmDialog&>(dialog);
            }
        });
    }
    // One new station logged; first_notice when the multiplier is new on the band.
    void LogContact(std::string call, std::string received, bool first_notice) {
        TypeCallSign(call);
        EnterDetails(received);
        AnswerConfirmation(message_box::kIdOk);
        if (first_notice) {
            operator_.AnswerMessage(message_box::kIdOk);
        }
    }

    std::vector<std::string> DialogNamesAndMasks() const {
        std::vector<std::string> out;
        for (const auto& run : operator_.Dialogs()) {
            out.push_back(run.name + ":" + std::to_string(run.mask));
        }
        return out;
    }
    std::vector<Cp932> MessageTexts() const {
        std::vector<Cp932> out;
        for (const auto& message : operator_.Messages()) {
            out.push_back(message.text);
        }
        return out;
    }
    void ExpectAllScripted() const {
        EXPECT_EQ(operator_.UnscriptedCount(), 0) << operator_.Transcript();
        EXPECT_EQ(operator_.UnusedAnswerCount(), 0) << operator_.Transcript();
    }

    TempFolder folder_;
    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainData city_database_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
    HintRecorder views_;
};

TEST_F(InputLogDataSession, WithoutActiveBandAsksForOne) {
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    EXPECT_EQ(doc_.InputLogData(false), 0);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("入力を行いたい周波数帯をアクティブにしてください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - ログデータの入力"));
    EXPECT_EQ(operator_.Messages()[0].style, kExclamation);
    EXPECT_TRUE(operator_.Dialogs().empty());
}

TEST_F(InputLogDataSession, CancelOnTheFirstCallSignPageLeavesTheDocumentUnmodified) {
    SetUpContest();
    Seen seen;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState& dialog, int) {
        Sheet& sheet = dynamic_cast<Sheet&>(dialog);
        seen.guidance = sheet.GetCallSignPage().GetGuidance();
        sheet.GetCallSignPage().SetEditText("JA1ABC");
        sheet.Cancel();
    });
    EXPECT_EQ(doc_.InputLogData(false), 1);
    EXPECT_EQ(seen.guidance,
              J("新規のログデータを入力します。\n相手局の呼出符号を入力してください．．．"));
    EXPECT_EQ(DialogNamesAndMasks(), std::vector<std::string>{"CLogDataInputSheet:2"});
    EXPECT_EQ(operator_.StatusTexts(), std::vector<Cp932>{J("ログデータの入力を終了しました。")});
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
    EXPECT_EQ(Band7().GetEntryCount(), 0);
}

TEST_F(InputLogDataSession, FirstContactIsConfirmedStampedAnnouncedAndAppended) {
    SetUpContest();
    Seen details;
    CLogDataConfirmDialog confirmation;
    TypeCallSign("JA1ABC");
    EnterDetails("599/13", {}, 0, &details);
    AnswerConfirmation(message_box::kIdOk, &confirmation);
    operator_.AnswerMessage(message_box::kIdOk);
    CancelCallSign();
    const int64_t before = CQuillmarkSystem::GetCurrentTime();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    const int64_t after = CQuillmarkSystem::GetCurrentTime();
    ExpectAllScripted();

    EXPECT_EQ(DialogNamesAndMasks(),
              (std::vector<std::string>{"CLogDataInputSheet:2", "CLogDataInputSheet:4",
                                        "CLogDataConfirmDialog:0", "CLogDataInputSheet:2"}));
    EXPECT_EQ(
        details.guidance,
        J("【 JA1ABC 】\nこの局はＦｉｒｓｔです。コンテストナンバーを入力してください．．．"));
    EXPECT_EQ(details.sent_text, "599/100");
    EXPECT_EQ(details.received_text, "");

    EXPECT_EQ(confirmation.GetCaption(), J("ログデータ入力の確認"));
    EXPECT_EQ(confirmation.GetMessage(), J("以上のように、ログへ追加します。よろしいですか？"));
    EXPECT_EQ(confirmation.GetIcon(), CLogDataConfirmDialog::kIconQuestion);
    EXPECT_FALSE(confirmation.IsShowSet(CLogDataConfirmDialog::kShowDate));
    EXPECT_FALSE(confirmation.IsShowSet(CLogDataConfirmDialog::kShowCardSent));
    EXPECT_FALSE(confirmation.IsShowSet(CLogDataConfirmDialog::kShowCardReceived));
    EXPECT_EQ(confirmation.GetCallSign(), "JA1ABC");
    EXPECT_EQ(confirmation.GetSentContestNumber(), "599/100");
    EXPECT_EQ(confirmation.GetReceivedContestNumber(), "599/13");
    EXPECT_EQ(confirmation.GetPoints(), 1);
    EXPECT_EQ(confirmation.GetMode(), "CW");
    EXPECT_EQ(confirmation.GetCallingMethod(), 1);
    EXPECT_TRUE(confirmation.GetCardFlag(1));

    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text, J("【 13 】\n\nこのマルチは初回です。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - お知らせ"));
    EXPECT_EQ(operator_.Messages()[0].style, kNotice);
    EXPECT_EQ(operator_.StatusTexts(),
              (std::vector<Cp932>{J("【 JA1ABC 】 ログデータの入力を完了しました。"),
                                  J("ログデータの入力を終了しました。")}));
    EXPECT_EQ(views_.hints, std::vector<int>{-2});
    EXPECT_TRUE(doc_.IsModified());

    ASSERT_EQ(Band7().GetEntryCount(), 1);
    const CQuillmarkData_LogDataItem& entry = *Band7().GetEntryAt(0);
    EXPECT_GE(entry.GetTime(), before);
    EXPECT_LE(entry.GetTime(), after);
    EXPECT_EQ(entry.GetCallSign().GetText("/"), "JA1ABC");
    EXPECT_EQ(entry.GetSentContestNumber().GetText("/"), "599/100");
    EXPECT_EQ(entry.GetReceivedContestNumber().GetText("/"), "599/13");
    EXPECT_EQ(entry.GetFirst(), 1);
    EXPECT_EQ(entry.GetPoints(), 1);
    EXPECT_EQ(entry.GetMode(), "CW");
    EXPECT_EQ(entry.GetCallingMethod(), 1);
    EXPECT_EQ(entry.GetCardFlags(), CQuillmarkData_LogDataItem::kCardRequested);
    EXPECT_EQ(entry.GetComment(), "");
    EXPECT_EQ(Band14().GetEntryCount(), 0);
}

TEST_F(InputLogDataSession, EveryDetailPageAskedForWhenTheSettingsSaySo) {
    settings_.SetIsInputPointsEveryTime(1);
    settings_.SetIsInputElectricWaveTypeEveryTime(1);
    settings_.SetIsInputCQEveryTime(1);
    settings_.SetIsInputCardDataEveryTime(1);
    settings_.SetIsInputCommentsEveryTime(1);
    SetUpContest();
    bool card_offers_only_the_request = false;
    TypeCallSign("JA1ABC");
    EnterDetails("599/13", [&](Sheet& sheet) {
        const CLogDataInputPage* page = sheet.GetActivePage();
        if (page == &sheet.GetPointsPage()) {
            sheet.GetPointsPage().SetEditValue(5);
        } else if (page == &sheet.GetElectricWaveTypePage()) {
            sheet.GetElectricWaveTypePage().SelectText("FM");
        } else if (page == &sheet.GetCQPage()) {
            sheet.GetCQPage().SelectRadio(1);
        } else if (page == &sheet.GetCardPage()) {
            CLogDataInput_Card& card = sheet.GetCardPage();
            card_offers_only_the_request = card.GetMode(CLogDataInput_Card::kRequested) == 2 &&
                                           card.GetMode(CLogDataInput_Card::kSent) == 1 &&
                                           card.GetMode(CLogDataInput_Card::kReceived) == 1 &&
                                           card.GetBoxState(CLogDataInput_Card::kRequested) == 1;
            card.CheckBox(CLogDataInput_Card::kRequested, 0);
        } else if (page == &sheet.GetCommentsPage()) {
            sheet.GetCommentsPage().SetEditText("memo");
        }
    });
    AnswerConfirmation(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    CancelCallSign();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();
    EXPECT_EQ(operator_.Dialogs()[1].mask, 4 | 8 | 16 | 32 | 64 | 128);
    EXPECT_TRUE(card_offers_only_the_request);
    ASSERT_EQ(Band7().GetEntryCount(), 1);
    const CQuillmarkData_LogDataItem& entry = *Band7().GetEntryAt(0);
    EXPECT_EQ(entry.GetPoints(), 5);
    EXPECT_EQ(entry.GetMode(), "FM");
    EXPECT_EQ(entry.GetCallingMethod(), 0);
    EXPECT_EQ(entry.GetCardFlags(), 0);
    EXPECT_EQ(entry.GetComment(), "memo");
    // The band's defaults follow, announced before the entry.
    EXPECT_EQ(Band7().GetMode(), "FM");
    EXPECT_EQ(Band7().GetCallingMethod(), 0);
    EXPECT_EQ(views_.hints, (std::vector<int>{-3, -2}));
}

TEST_F(InputLogDataSession, WithoutSwitchesTheValuesComeFromTheSettingsAndTheBand) {
    settings_.SetDefaultPoints(7);
    settings_.SetDefaultSettingOfCardDemand(0);
    SetUpContest();
    Band7().SetMode("SSB");
    Band7().SetCallingMethod(false);
    LogContact("JA1ABC", "599/13", true);
    CancelCallSign();
    doc_.InputLogData(false);
    ASSERT_EQ(Band7().GetEntryCount(), 1);
    const CQuillmarkData_LogDataItem& entry = *Band7().GetEntryAt(0);
    EXPECT_EQ(entry.GetPoints(), 7);
    EXPECT_EQ(entry.GetCardFlags(), 0);
    EXPECT_EQ(entry.GetMode(), "SSB");
    EXPECT_EQ(entry.GetCallingMethod(), 0);
    EXPECT_EQ(views_.hints, std::vector<int>{-2});
}

TEST_F(InputLogDataSession, AfterAContactTheCallSignIsEmptyButTheSentNumberCarriesOver) {
    settings_.SetIsInputCommentsEveryTime(1);
    SetUpContest();
    TypeCallSign("JA1ABC");
    EnterDetails("599/13", [](Sheet& sheet) {
        if (sheet.GetActivePage() == &sheet.GetContestNumberPage()) {
            sheet.GetContestNumberPage().SetSentEditText("599/200");
        } else if (sheet.GetActivePage() == &sheet.GetCommentsPage()) {
            sheet.GetCommentsPage().SetEditText("first");
        }
    });
    AnswerConfirmation(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    Seen call_sign_page;
    Seen details;
    TypeCallSign("JA2XYZ", &call_sign_page);
    Cp932 comment_shown = "?";
    EnterDetails(
        "599/14",
        [&](Sheet& sheet) {
            if (sheet.GetActivePage() == &sheet.GetCommentsPage()) {
                comment_shown = sheet.GetCommentsPage().GetEditText();
            }
        },
        0, &details);
    AnswerConfirmation(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    CancelCallSign();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();

    EXPECT_EQ(call_sign_page.call_sign_text, "");
    EXPECT_EQ(details.sent_text, "599/200");
    EXPECT_EQ(details.received_text, "");
    EXPECT_EQ(comment_shown, "");
    EXPECT_EQ(Band7().GetSentContestNumber().GetText("/"), "599/200");
    ASSERT_EQ(Band7().GetEntryCount(), 2);
    EXPECT_EQ(Band7().GetEntryAt(1)->GetSentContestNumber().GetText("/"), "599/200");
    EXPECT_EQ(Band7().GetEntryAt(1)->GetComment(), "");
    EXPECT_EQ(Band14().GetSentContestNumber().GetText("/"), "599/100");
    EXPECT_EQ(views_.hints, (std::vector<int>{-3, -2, -2}));
}

TEST_F(InputLogDataSession, SecondShowsTheFirstEarlierContactAndGoesBackToAnEmptyCallSign) {
    SetUpContest();
    Band7().AddEntry(Entry(doc_.GetContest(), kEarlier, "JA1ABC", "599/100", "599/13", 2));
    Band7().AddEntry(Entry(doc_.GetContest(), kEarlier + 600, "JA1ABC/1", "599/101", "599/14"));
    CLogDataConfirmDialog warning;
    Seen after;
    TypeCallSign("JA1ABC/2");
    AnswerConfirmation(message_box::kIdOk, &warning);
    CancelCallSign(&after);
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();

    EXPECT_EQ(DialogNamesAndMasks(),
              (std::vector<std::string>{"CLogDataInputSheet:2", "CLogDataConfirmDialog:0",
                                        "CLogDataInputSheet:2"}));
    EXPECT_EQ(warning.GetCaption(), J("呼出符号の重複 (Second) の警告"));
    EXPECT_EQ(warning.GetMessage(),
              J("【 JA1ABC/2 】\n\nこの呼出符号は重複します。\nすでに、以上のように交信済みです。"
                "\n\n＜＜ どれかボタンを押すと、呼出符号の入力に戻ります．．． ＞＞"));
    EXPECT_EQ(warning.GetIcon(), CLogDataConfirmDialog::kIconExclamation);
    EXPECT_TRUE(warning.IsShowSet(CLogDataConfirmDialog::kShowDate));
    EXPECT_TRUE(warning.IsShowSet(CLogDataConfirmDialog::kShowCardSent));
    EXPECT_TRUE(warning.IsShowSet(CLogDataConfirmDialog::kShowCardReceived));
    EXPECT_EQ(warning.GetCallSign(), "JA1ABC");
    EXPECT_EQ(warning.GetDateText(), J("2021 年  6 月 5 日   9 時 30 分 00 秒"));
    EXPECT_EQ(
        operator_.StatusTexts(),
        (std::vector<Cp932>{J("【 Second 】 2021 6/5 - 9:30:00 ◆ JA1ABC ◆ 599/100 ◆ 599/13 ◆ 2"),
                            J("ログデータの入力を終了しました。")}));
    EXPECT_EQ(after.call_sign_text, "");
    EXPECT_EQ(Band7().GetEntryCount(), 2);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
}

TEST_F(InputLogDataSession, OwnCallSignIsRefusedEvenOnAnEmptyBand) {
    SetUpContest();
    Seen after;
    TypeCallSign("JA1ZZZ/2");
    operator_.AnswerMessage(message_box::kIdOk);
    CancelCallSign(&after);
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();
    EXPECT_EQ(DialogNamesAndMasks(),
              (std::vector<std::string>{"CLogDataInputSheet:2", "CLogDataInputSheet:2"}));
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text, J("【 JA1ZZZ/2 】\n\nこれは、自局の呼出符号です。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 誤入力の警告"));
    EXPECT_EQ(operator_.Messages()[0].style, kExclamation);
    EXPECT_EQ(operator_.StatusTexts()[0], J("【 警告 】 JA1ZZZ は、自局の呼出符号です。"));
    EXPECT_EQ(after.call_sign_text, "");
    EXPECT_EQ(Band7().GetEntryCount(), 0);
}

TEST_F(InputLogDataSession, MultiplierAlreadyOnThisBandIsNotAnnouncedButNewOnThisBandIs) {
    SetUpContest();
    Band7().AddEntry(Entry(doc_.GetContest(), kEarlier, "JA1AAA", "599/100", "599/13"));
    Band14().AddEntry(Entry(doc_.GetContest(), kEarlier, "JA1AAA", "599/100", "599/14"));
    LogContact("JA1ABC", "579/13", false);
    LogContact("JA2ABC", "599/14", true);
    CancelCallSign();
    doc_.InputLogData(false);
    ExpectAllScripted();
    EXPECT_EQ(MessageTexts(), std::vector<Cp932>{J("【 14 】\n\nこのマルチは初回です。")});
    ASSERT_EQ(Band7().GetEntryCount(), 3);
    EXPECT_EQ(Band7().GetEntryAt(1)->GetFirst(), 0);
    EXPECT_EQ(Band7().GetEntryAt(2)->GetFirst(), 1);
}

TEST_F(InputLogDataSession, FirstNoticeNamesTheCityFromTheCityCodes) {
    CCityCodeData_CityCodeDataItem tokyo;
    ASSERT_TRUE(tokyo.SetFromLine(J("13:東京都:とうきょうと")));
    CCityCodeData_CityCodeDataItem tokyo_ward;
    ASSERT_TRUE(tokyo_ward.SetFromLine(J("1301:千代田区:ちよだく")));
    city_database_.AddItem(tokyo_ward);
    city_database_.AddItem(tokyo);
    city_codes_.Register(&city_database_);
    SetUpContest();
    LogContact("JA1ABC", "599/13", true);
    CancelCallSign();
    doc_.InputLogData(false);
    ExpectAllScripted();
    EXPECT_EQ(
        MessageTexts(),
        std::vector<Cp932>{J("【 13 】\n東京都     [ とうきょうと ]\n\nこのマルチは初回です。")});
}

TEST_F(InputLogDataSession, CancelOnTheConfirmationKeepsEveryValue) {
    settings_.SetIsInputPointsEveryTime(1);
    SetUpContest();
    TypeCallSign("JA1ABC");
    EnterDetails("599/13", [](Sheet& sheet) {
        if (sheet.GetActivePage() == &sheet.GetContestNumberPage()) {
            sheet.GetContestNumberPage().SetSentEditText("599/300");
        } else if (sheet.GetActivePage() == &sheet.GetPointsPage()) {
            sheet.GetPointsPage().SetEditValue(9);
        }
    });
    Cp932 band_sent_while_confirming;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState&, int) {
        band_sent_while_confirming = Band7().GetSentContestNumber().GetText("/");
    });
    Seen call_sign_page;
    Seen details;
    int points_shown = 0;
    TypeCallSign("JA1ABC", &call_sign_page);
    EnterDetails(
        "599/13",
        [&](Sheet& sheet) {
            if (sheet.GetActivePage() == &sheet.GetPointsPage()) {
                points_shown = sheet.GetPointsPage().GetEditValue();
            }
        },
        0, &details);
    AnswerConfirmation(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    CancelCallSign();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();
    EXPECT_EQ(band_sent_while_confirming, "599/300");
    EXPECT_EQ(operator_.StatusTexts()[0], J("ログデータの入力を中止しました。"));
    EXPECT_EQ(call_sign_page.call_sign_text, "JA1ABC");
    EXPECT_EQ(details.sent_text, "599/300");
    EXPECT_EQ(details.received_text, "599/13");
    EXPECT_EQ(points_shown, 9);
    // The band's defaults moved before the confirmation, once.
    EXPECT_EQ(views_.hints, (std::vector<int>{-3, -2}));
    ASSERT_EQ(Band7().GetEntryCount(), 1);
    EXPECT_EQ(Band7().GetEntryAt(0)->GetPoints(), 9);
}

const char* const kManualStart =
    "これより、手動入力モードを開始します。"
    "\n\n手動入力モードでは、通常のログ入力に加えて、交信日時の入力も行います。"
    "\n手動入力モードでは、自動保存機能が使えません。"
    "日時を基準としたログデータの並べ替えや、First "
    "の整合などは、入力の終了時に一括して行われます。よって、入力中は、マルチ数など、いくつか"
    "の項目において、正しい値の表示されない場合があります。"
    "\n\n手動入力モードを開始しますか？";
const char* const kManualEnd =
    "手動入力モードを終了すると、この後に、いろいろな作業が自動的に行われます。作業完了までには"
    "多少時間がかかります。\n\n手動入力モードを終了してよろしいですか？";

// Sets the date page to a UTC moment on 5 June 2021.
PageWork AtTime(int hour, int minute) {
    return [=](Sheet& sheet) {
        if (sheet.GetActivePage() == &sheet.GetDatePage()) {
            sheet.GetDatePage().SetField(CLogDataInput_Date::kYear, 2021);
            sheet.GetDatePage().SetField(CLogDataInput_Date::kMonth, 6);
            sheet.GetDatePage().SetField(CLogDataInput_Date::kDay, 5);
            sheet.GetDatePage().SetField(CLogDataInput_Date::kHour, hour);
            sheet.GetDatePage().SetField(CLogDataInput_Date::kMinute, minute);
            sheet.GetDatePage().SetField(CLogDataInput_Date::kSecond, 0);
        }
    };
}

TEST_F(InputLogDataSession, ManualModeNeverAnnouncesFirstAndFixesTheFlagsAtTheEnd) {
    settings_.SetIsAutomaticSavingEnabled(1);
    SetUpContest();
    operator_.AnswerMessage(message_box::kIdYes);
    Seen first_details;
    Seen second_details;
    CLogDataConfirmDialog confirmation;
    TypeCallSign("JA1ABC");
    EnterDetails("599/13", AtTime(10, 0), 0, &first_details);
    AnswerConfirmation(message_box::kIdOk, &confirmation);
    TypeCallSign("JA2ABC");
    EnterDetails("599/13", AtTime(9, 0), 0, &second_details);
    AnswerConfirmation(message_box::kIdOk);
    // The first end is declined and the run goes on; the second is taken.
    CancelCallSign();
    operator_.AnswerMessage(message_box::kIdNo);
    bool flags_wrong_before_the_end = false;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState& dialog, int) {
        flags_wrong_before_the_end =
            Band7().GetEntryAt(0)->GetFirst() == 0 && Band7().GetEntryAt(1)->GetFirst() == 0;
        dynamic_cast<Sheet&>(dialog).Cancel();
    });
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.InputLogData(true), 1);
    ExpectAllScripted();

    EXPECT_EQ(operator_.Dialogs()[1].mask, 1 | 4);
    EXPECT_EQ(first_details.date, (std::array<int, 6>{2021, 6, 5, 0, 0, 0}));
    EXPECT_EQ(second_details.date, (std::array<int, 6>{2021, 6, 5, 10, 0, 0}));
    EXPECT_EQ(first_details.guidance,
              J("【 JA1ABC 】\nコンテストナンバーを入力してください．．．"));
    EXPECT_TRUE(confirmation.IsShowSet(CLogDataConfirmDialog::kShowDate));
    EXPECT_EQ(confirmation.GetDateText(), J("2021 年  6 月 5 日   10 時 00 分 00 秒"));

    EXPECT_EQ(MessageTexts(), (std::vector<Cp932>{J(kManualStart), J(kManualEnd), J(kManualEnd)}));
    EXPECT_TRUE(flags_wrong_before_the_end);
    EXPECT_EQ(operator_.StatusTexts(),
              (std::vector<Cp932>{J("【 JA1ABC 】 ログデータの入力を完了しました。"),
                                  J("【 JA2ABC 】 ログデータの入力を完了しました。"),
                                  J("ログデータの整合を行っています。しばらくお待ちください．．．"),
                                  J("手動入力モードでの全作業を完了しました。")}));
    EXPECT_EQ(views_.hints, (std::vector<int>{-2, -2, -1}));
    // Sorted by time, and the earlier contact holds the First.
    ASSERT_EQ(Band7().GetEntryCount(), 2);
    EXPECT_EQ(Band7().GetEntryAt(0)->GetCallSign().GetText("/"), "JA2ABC");
    EXPECT_EQ(Band7().GetEntryAt(0)->GetTime(), Utc(2021, 6, 5, 9, 0));
    EXPECT_EQ(Band7().GetEntryAt(0)->GetFirst(), 1);
    EXPECT_EQ(Band7().GetEntryAt(1)->GetFirst(), 0);
    // No automatic saving in manual mode.
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Tmp_1.qmk"));
}

TEST_F(InputLogDataSession, ManualModeDatePageGuidanceAndTheDateCheck) {
    SetUpContest();
    operator_.AnswerMessage(message_box::kIdYes);
    TypeCallSign("JA1ABC");
    Cp932 guidance;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState& dialog, int) {
        Sheet& sheet = dynamic_cast<Sheet&>(dialog);
        guidance = sheet.GetDatePage().GetGuidance();
        sheet.GetDatePage().SetField(CLogDataInput_Date::kMonth, 13);
        EXPECT_EQ(sheet.Next(), Next::refused);
        sheet.Cancel();
    });
    operator_.AnswerMessage(message_box::kIdOk);
    CancelCallSign();
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.InputLogData(true), 1);
    ExpectAllScripted();
    EXPECT_EQ(guidance,
              J("【 JA1ABC 】\nこの局はＦｉｒｓｔです。交信日時を入力してください．．．"));
    EXPECT_EQ(MessageTexts()[1], J("1 から 12 までの整数を入力してください。"));
    EXPECT_EQ(Band7().GetEntryCount(), 0);
}

TEST_F(InputLogDataSession, WithoutContestNothingHappens) {
    EXPECT_EQ(doc_.InputLogData(false), 0);
    EXPECT_TRUE(operator_.Events().empty());
}

TEST_F(InputLogDataSession, ManualModeDeclinedDoesNotStart) {
    SetUpContest();
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(doc_.InputLogData(true), 0);
    ExpectAllScripted();
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text, J(kManualStart));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 手動入力モード"));
    EXPECT_EQ(operator_.Messages()[0].style, kManualQuestion);
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("手動入力モードでの入力を中止しました。")});
    EXPECT_TRUE(operator_.Dialogs().empty());
}
}  // namespace
