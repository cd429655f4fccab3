#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "../platform/golden.h"
#include "citycode/city_code_main_data.h"
#include "citycode/city_code_organization.h"
#include "dialogs/band_information_dialog.h"
#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

// A session at the radio for the document tests: a document with a scripted operator, quiet
// settings (UTC, no automatic saving, no detail page asked for every time), its own folders,
// the views' update hints, and the operator's answers to the log entry wizard.
namespace doc_test {

inline const int64_t kTime = Utc(2021, 6, 5, 9, 30);

struct HintRecorder : IDocumentListener {
    void OnUpdate(CDocumentBase&, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

// Bits of the log entry wizard's pages.
enum PageBit {
    kDatePage = 1,
    kCallSignPage = 2,
    kNumberPage = 4,
    kPointsPage = 8,
    kModePage = 16,
    kCQPage = 32,
    kCardPage = 64,
    kCommentsPage = 128,
};

// What the operator types into the band information dialog before pressing OK.
struct BandInput {
    double frequency = 7;
    int unit_index = 1;
    std::string sent = "599/100";
    std::string mode;
    int calling_radio = 0;
};

using Sheet = CLogDataInputSheet;
// What the operator does on each page of the log entry wizard (by page bit) before Next.
using PageWork = std::map<int, std::function<void(Sheet&)>>;

// What a page of the log entry wizard shows on arrival: its bit, its guidance (line breaks
// as "\n") and its controls.
inline std::string DescribePage(const CLogDataInputPage& page) {
    std::string controls;
    if (const auto* date = dynamic_cast<const CLogDataInput_Date*>(&page)) {
        for (int i = 0; i < CLogDataInput_Date::kFieldCount; ++i) {
            controls += (i == 0 ? "" : " ") +
                        std::to_string(date->GetField(static_cast<CLogDataInput_Date::Field>(i)));
        }
    } else if (const auto* call = dynamic_cast<const CLogDataInput_CallSign*>(&page)) {
        controls = "[" + U(call->GetEditText()) + "]";
    } else if (const auto* number = dynamic_cast<const CLogDataInput_ContestNumber*>(&page)) {
        controls = "sent [" + U(number->GetSentEditText()) + "]" +
                   (number->IsSentEditable() ? "" : " fixed") + " received [" +
                   U(number->GetReceivedEditText()) + "]" +
                   (number->IsReceivedEditable() ? "" : " fixed");
    } else if (const auto* points = dynamic_cast<const CLogDataInput_Points*>(&page)) {
        controls = std::to_string(points->GetEditValue());
    } else if (const auto* mode = dynamic_cast<const CLogDataInput_ElectricWaveType*>(&page)) {
        controls = "[" + U(mode->GetSelectedText()) + "]";
    } else if (const auto* cq = dynamic_cast<const CLogDataInput_CQ*>(&page)) {
        controls = "radio " + std::to_string(cq->GetSelectedRadio());
    } else if (const auto* card = dynamic_cast<const CLogDataInput_Card*>(&page)) {
        for (const auto box : {CLogDataInput_Card::kRequested, CLogDataInput_Card::kSent,
                               CLogDataInput_Card::kReceived}) {
            controls += (box == 0 ? "" : " ") + std::string("mode ") +
                        std::to_string(card->GetMode(box)) + " state " +
                        std::to_string(card->GetBoxState(box));
        }
    } else if (const auto* comments = dynamic_cast<const CLogDataInput_Comments*>(&page)) {
        controls = "[" + U(comments->GetEditText()) + "]";
    }
    return "page " + std::to_string(page.GetPageBit()) + ": " +
           platform_test::ReplacedAll(U(page.GetGuidance()), "\n", "\\n") + " | " + controls;
}

// What the band information dialog shows when it opens.
inline std::string DescribeBandDialog(const CBandInformationDialog& dialog) {
    return "band dialog: " + U(dialog.GetGuidance()) + " | " +
           std::to_string(dialog.GetFrequency()) + " unit " +
           std::to_string(dialog.GetUnitIndex()) + " mode [" + U(dialog.GetMode()) + "] sent [" +
           U(dialog.GetSentContestNumberText()) + "] calling " +
           std::to_string(dialog.GetCallingMethod());
}

// Works the shown wizard: on every page, once seen, its work, then Next, until the run ends
// (the last page passed, a work pressed Cancel, or a page refused).
inline CScriptedOperator::DialogFiller Wizard(
    PageWork work = {}, std::function<void(const CLogDataInputPage&)> seen = {}) {
    return [work, seen](CDialogState& state, int) {
        auto& sheet = dynamic_cast<Sheet&>(state);
        while (CLogDataInputPage* page = sheet.GetActivePage()) {
            if (seen) {
                seen(*page);
            }
            if (const auto it = work.find(page->GetPageBit()); it != work.end()) {
                it->second(sheet);
            }
            if (sheet.Next() != Sheet::NextResult::moved) {
                return;
            }
        }
    };
}

// The fields of an entry, or of a confirmation showing one, as
// "call|sent|received|points|mode|calling method|card flags|comment" (texts in UTF-8).
inline std::string Row(const CQuillmarkData_LogDataItem& entry) {
    return U(entry.GetCallSign().GetText("/")) + "|" +
           U(entry.GetSentContestNumber().GetText("/")) + "|" +
           U(entry.GetReceivedContestNumber().GetText("/")) + "|" +
           std::to_string(entry.GetPoints()) + "|" + U(entry.GetMode()) + "|" +
           std::to_string(entry.GetCallingMethod()) + "|" + std::to_string(entry.GetCardFlags()) +
           "|" + U(entry.GetComment());
}
inline std::string Row(const CLogDataConfirmDialog& shown) {
    const int cards = (shown.GetCardFlag(1) ? 1 : 0) | (shown.GetCardFlag(2) ? 2 : 0) |
                      (shown.GetCardFlag(4) ? 4 : 0);
    return U(shown.GetCallSign()) + "|" + U(shown.GetSentContestNumber()) + "|" +
           U(shown.GetReceivedContestNumber()) + "|" + std::to_string(shown.GetPoints()) + "|" +
           U(shown.GetMode()) + "|" + std::to_string(shown.GetCallingMethod()) + "|" +
           std::to_string(cards) + "|" + U(shown.GetComment());
}

// A transcript without the progress bar's positions, which follow the clock.
inline std::string WithoutProgressPositions(const std::string& transcript) {
    std::string kept;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("progress position ")) {
            kept += line + "\n";
        }
    }
    return kept;
}

class DocSession : public testing::Test {
protected:
    DocSession() {
        settings_.SetPunctuationMarks(std::string(kDelimiters));
        settings_.SetIsDisplayUTC(1);
        settings_.SetIsAutomaticSavingEnabled(0);
        settings_.SetUnderDecimalPoint(3);
        settings_.SetIsInputPointsEveryTime(0);
        settings_.SetIsInputElectricWaveTypeEveryTime(0);
        settings_.SetIsInputCQEveryTime(0);
        settings_.SetIsInputCardDataEveryTime(0);
        settings_.SetIsInputCommentsEveryTime(0);
        settings_.SetDefaultPoints(1);
        settings_.SetDefaultSettingOfCardDemand(1);
        doc_.SetProgramFolder(folder_.Path());
        doc_.SetUserDataFolder(folder_ / "user");
        doc_.AddListener(&views_);
    }
    ~DocSession() override { doc_.RemoveListener(&views_); }

    // Contest(multiplier) with one band per frequency (MHz), each CW, calling and sending
    // "599/100"; band `active` is active (-1: none).
    void SetUpContest(std::initializer_list<double> mhz = {7}, int active = 0, int multiplier = 1) {
        doc_.GetContest() = Contest(multiplier);
        for (const double frequency : mhz) {
            CQuillmarkData_SubMainData& band = BandAt(Log().AddBand(Band(frequency, 6)));
            band.SetSentContestNumber(Number("599/100", NumberFormat(multiplier)));
            band.SetMode("CW");
            band.SetCallingMethod(true);
        }
        if (active >= 0) {
            Log().SetActiveBandAt(active);
        }
    }
    CQuillmarkData_MainData& Log() { return doc_.GetContest(); }
    CQuillmarkData_SubMainData& BandAt(int index) { return *Log().GetBandAt(index); }
    // Appends an entry sent "599/100" to a band.
    void Add(int band, int64_t time, std::string_view call, std::string_view received,
             bool first = false, int points = 1) {
        auto entry = Entry(Log(), time, call, "599/100", received, points);
        entry.SetFirst(first);
        BandAt(band).AddEntry(entry);
    }
    // Forgets what the operator saw so far, the wizard pages and band dialogs with it.
    void ClearRecords() {
        operator_.ClearRecords();
        shown_in_run_.clear();
        noted_.clear();
    }
    // Everything the operator saw, as one text: the transcript with the wizard pages shown in
    // each dialog run, then each confirmation's caption, icon, shown fields, message, entry and
    // date, then the views' hints, the modified flag, each graph series' events ("-": not
    // valid), the contest's header, every band's defaults and entries ("*" before a First
    // one), and what the test noted. The test folder's path reads <folder>; the progress
    // bar's positions, which follow the clock, are left out.
    std::string Seen() {
        std::string seen;
        std::istringstream transcript(WithoutProgressPositions(operator_.Transcript()));
        size_t run = 0;
        for (std::string line; std::getline(transcript, line);) {
            seen += line + "\n";
            if (line.starts_with("dialog ")) {
                seen += shown_in_run_[run++];
            }
        }
        for (const auto& shown : confirmations_) {
            seen += "confirmation [" + U(shown.GetCaption()) + "] icon " +
                    std::to_string(shown.GetIcon()) + " show " +
                    std::to_string(shown.GetShowFlags()) + ": " + U(shown.GetMessage()) + "\n  " +
                    Row(shown) + (shown.GetDateText().empty() ? "" : "  ") +
                    U(shown.GetDateText()) + "\n";
        }
        seen += "hints:";
        for (const int hint : views_.hints) {
            seen += " " + std::to_string(hint);
        }
        seen += std::string("\nmodified: ") + (doc_.IsModified() ? "yes" : "no") + "\ngraphs:";
        for (int i = 0; i < CQuillmarkDoc::kSeriesCount; ++i) {
            const auto& series = *std::as_const(doc_).GetGraphSeries(i);
            seen += " " + (series.IsValid() ? std::to_string(series.GetEventCount()) : "-");
        }
        seen += "\n";
        if (Log().IsValid()) {
            seen += "contest: " + U(Log().GetContestName()) + " [" + U(Log().GetCategoryCode()) +
                    "] " + U(Log().GetCategoryName()) + ", " +
                    U(Log().GetOwnCallSign().GetText("/")) + ", " +
                    std::to_string(Log().GetStartTime()) + " to " +
                    std::to_string(Log().GetEndTime()) + "\n";
        }
        for (int b = 0; b < Log().GetBandCount(); ++b) {
            const auto& band = BandAt(b);
            seen += "band " + std::to_string(band.GetBand().GetFrequency()) +
                    (Log().GetActiveBandIndex() == b ? " active" : "") + ": " + U(band.GetMode()) +
                    " " + U(band.GetSentContestNumber().GetText("/")) + " " +
                    std::to_string(band.GetCallingMethod()) + "\n";
            for (const auto& entry : band.GetEntries()) {
                seen += (entry.GetFirst() == 1 ? "  * " : "    ") + Row(entry) + "\n";
            }
        }
        return platform_test::ReplacedAll(seen + noted_, folder_.Path(), "<folder>");
    }
    // Compares Seen() whole with the golden file tests/data/document/<name>.txt, every script
    // answer used (a message left unscripted shows there with the answer it took).
    void ExpectSeen(const std::string& name) {
        EXPECT_EQ(operator_.UnusedAnswerCount(), 0) << operator_.Transcript();
        ExpectGolden(name, Seen());
    }
    static void ExpectGolden(const std::string& name, const std::string& text) {
        platform_test::ExpectGolden("document/" + name, text);
    }
    void ExpectAllScripted() const {
        EXPECT_EQ(operator_.UnscriptedCount(), 0) << operator_.Transcript();
        EXPECT_EQ(operator_.UnusedAnswerCount(), 0) << operator_.Transcript();
    }

    // --- The operator's answers in an input run. ---
    // The wizard worked as the free Wizard does, every page it showed kept for Seen().
    CScriptedOperator::DialogFiller Wizard(PageWork work = {}) {
        return doc_test::Wizard(std::move(work), [this](const CLogDataInputPage& page) {
            NoteShown(DescribePage(page));
        });
    }
    // Types the call sign (the call sign page's work comes first) and presses Next.
    void AnswerCallSign(std::string call, std::function<void(Sheet&)> seen = {}) {
        operator_.AnswerDialog(message_box::kIdOk,
                               Wizard({{kCallSignPage, [call, seen](Sheet& sheet) {
                                            if (seen) {
                                                seen(sheet);
                                            }
                                            sheet.GetCallSignPage().SetEditText(call);
                                        }}}));
    }
    // Next through the detail pages, typing the received number after the number page's work.
    void AnswerDetails(std::string received, PageWork work = {}) {
        const auto number_work = work[kNumberPage];
        work[kNumberPage] = [received, number_work](Sheet& sheet) {
            if (number_work) {
                number_work(sheet);
            }
            sheet.GetContestNumberPage().SetReceivedEditText(received);
        };
        operator_.AnswerDialog(message_box::kIdOk, Wizard(work));
    }
    // Answers a confirmation and keeps what it showed.
    void AnswerConfirmation(int answer = message_box::kIdOk) {
        operator_.AnswerDialog(answer, [this](CDialogState& state, int) {
            confirmations_.push_back(dynamic_cast<CLogDataConfirmDialog&>(state));
        });
    }
    // Cancel on the page shown, which ends the run on the call sign page.
    void AnswerCancel(std::function<void(Sheet&)> seen = {}) {
        operator_.AnswerDialog(message_box::kIdCancel, [this, seen](CDialogState& state, int) {
            auto& sheet = dynamic_cast<Sheet&>(state);
            if (const CLogDataInputPage* page = sheet.GetActivePage()) {
                NoteShown(DescribePage(*page) + " (Cancel)");
            }
            if (seen) {
                seen(sheet);
            }
            sheet.Cancel();
        });
    }
    // Keeps what the band information dialog showed for Seen() and seen_bands_.
    void NoteBandDialog(const CBandInformationDialog& dialog) {
        seen_bands_.push_back(dialog);
        NoteShown(DescribeBandDialog(dialog));
    }
    // A line of what the dialog now running shows, for Seen() under its run (a dialog is
    // counted once it has been answered).
    void NoteShown(const std::string& line) {
        shown_in_run_[operator_.Dialogs().size()] += "  " + line + "\n";
    }
    // The operator fills the band information dialog and presses OK, which the dialog's checks
    // must let close; the dialog as it was shown is kept in seen_bands_.
    void AnswerBand(const BandInput& input) {
        operator_.AnswerDialog(message_box::kIdOk, [this, input](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CBandInformationDialog&>(state);
            NoteBandDialog(dialog);
            dialog.SetFrequency(input.frequency);
            dialog.SetUnitIndex(input.unit_index);
            dialog.SetSentContestNumberText(input.sent);
            dialog.SetMode(input.mode);
            dialog.SetCallingMethodRadio(input.calling_radio);
            EXPECT_TRUE(dialog.OnOK(operator_, kDelimiters));
        });
    }
    // One new station logged; first_notice when its multiplier is new on the band.
    void LogContact(std::string call, std::string received, bool first_notice) {
        AnswerCallSign(call);
        AnswerDetails(received);
        AnswerConfirmation();
        if (first_notice) {
            operator_.AnswerMessage(message_box::kIdOk);
        }
    }

    TempFolder folder_;
    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainData city_database_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
    HintRecorder views_;
    std::vector<CLogDataConfirmDialog> confirmations_;
    std::vector<CBandInformationDialog> seen_bands_;
    // What the wizard pages and the band dialog showed, by dialog run.
    std::map<size_t, std::string> shown_in_run_;
    // Lines a test notes of its own, shown at the end of Seen().
    std::string noted_;
};

}  // namespace doc_test
