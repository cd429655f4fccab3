#include "document/text_export.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "../platform/case_table.h"
#include "../platform/golden.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "platform/time_format.h"

namespace {

using namespace doc_test;
using text_export::Refusal;

text_export::Options UtcOptions(int under_decimal_point = 3) {
    text_export::Options options;
    options.under_decimal_point = under_decimal_point;
    options.rule = CTimeZoneRule::Utc();
    return options;
}

const int64_t kTime = Utc(2021, 6, 5, 9, 30, 45);

// A contest with one band and the given entries, ready to export.
struct OneBand {
    CQuillmarkData_MainData contest = Contest();
    CQuillmarkData_SubMainData* band = nullptr;

    explicit OneBand(double frequency = 7, int unit = 6) {
        contest.AddBand(Band(frequency, unit));
        band = contest.GetBandAt(0);
    }
    Cp932 Line(int index, int under_decimal_point = 3) const {
        return text_export::BuildLine(contest, *band, *band->GetEntryAt(index),
                                      UtcOptions(under_decimal_point));
    }
};

TEST(ExportFrequency, HasIntegerDigitsPlusDecimalsAsSignificantDigits) {
    for (const auto& c : platform_test::CaseTable("document/export_frequencies.txt", 3)) {
        EXPECT_EQ(text_export::FormatFrequency(std::stod(c[0]), std::stoi(c[1])), c[2])
            << c[0] << " " << c[1];
    }
    // Extremes give a text, not a crash.
    for (const double frequency : {1e-300, 1e300, -3.5}) {
        EXPECT_FALSE(text_export::FormatFrequency(frequency, 3).empty()) << frequency;
    }
}

TEST(ExportLine, HasEveryFieldInItsColumn) {
    for (const auto& c : platform_test::CaseTable("document/export_lines.txt", 7)) {
        OneBand log(std::stod(c[0]));
        auto entry = Entry(log.contest, kTime, c[1], c[2], c[3], 3, c[4]);
        entry.SetFirst(c[5] == "1");
        log.band->AddEntry(entry);
        EXPECT_EQ(log.Line(0), c[6]);
    }
}

TEST(ExportLine, DateFollowsTheRuleAndHasNoSeconds) {
    OneBand log;
    log.band->AddEntry(
        Entry(log.contest, Utc(1999, 12, 31, 23, 59, 59), "JA1ABC", "599/100", "599/13"));
    EXPECT_EQ(log.Line(0).substr(17, 13), "31/12/99 2359");
    text_export::Options local;
    local.rule = CTimeZoneRule::Local();
    const Cp932 local_line =
        text_export::BuildLine(log.contest, *log.band, *log.band->GetEntryAt(0), local);
    EXPECT_EQ(local_line.substr(17, 13),
              FormatTime("%d/%m/%y %H%M", Utc(1999, 12, 31, 23, 59, 59), CTimeZoneRule::Local()));
}

TEST(ExportText, BandsInContestOrderEntriesInStoredOrderEachEndedByCrLf) {
    CQuillmarkData_MainData contest = Contest();
    contest.AddBand(Band(14, 6));
    contest.AddBand(Band(3.5, 6));
    contest.GetBandAt(0)->AddEntry(Entry(contest, kTime + 60, "JA1BBB", "599/100", "599/13"));
    contest.GetBandAt(0)->AddEntry(Entry(contest, kTime, "JA1AAA", "599/100", "599/14"));
    contest.GetBandAt(1)->AddEntry(Entry(contest, kTime, "JA1CCC", "599/100", "599/15"));
    EXPECT_EQ(text_export::BuildText(contest, UtcOptions()),
              "14     CW        05/06/21 0931  JA1BBB    599 100     599 13              1\r\n"
              "14     CW        05/06/21 0930  JA1AAA    599 100     599 14              1\r\n"
              "3.5    CW        05/06/21 0930  JA1CCC    599 100     599 15              1\r\n");
}

CQuillmarkData_MainData WithEntry(CQuillmarkData_MainData contest) {
    contest.AddBand(Band(7, 6));
    contest.GetBandAt(0)->AddEntry(Entry(contest, kTime, "JA1ABC", "599/100", "599/13"));
    return contest;
}

// Each contest's refusal (none, no contest, no band, no entry, not of fixed width) and its
// text, in the golden file.
TEST(ExportText, RefusalsGiveTheirReasonAndText) {
    CQuillmarkData_CallSignType call;
    call.SetFormat(2, 0, {Attributes(3, 6), Attributes(0, -1)});
    CQuillmarkData_ContestNumberType number;
    number.SetFormat(2, 1, {Attributes(2, 3), Attributes(2, -1)});
    CQuillmarkData_MainData two_empty_bands = Contest();
    two_empty_bands.AddBand(Band(7, 6));
    two_empty_bands.AddBand(Band(14, 6));
    const std::pair<const char*, CQuillmarkData_MainData> cases[] = {
        {"no contest", CQuillmarkData_MainData()},
        {"no band", Contest()},
        {"two bands without entries", two_empty_bands},
        {"unlimited call sign", WithEntry(Contest(call, NumberFormat()))},
        {"unlimited contest number", WithEntry(Contest(CallSignFormat(), number))},
        {"no multiplier", WithEntry(Contest(-1))},
        {"exportable", WithEntry(Contest())},
    };
    std::string seen;
    for (const auto& [what, contest] : cases) {
        const Refusal refusal = text_export::CheckExportable(contest);
        seen += std::string(what) + ": " + std::to_string(static_cast<int>(refusal)) + " " +
                U(text_export::RefusalMessage(refusal)) + "\n";
    }
    platform_test::ExpectGolden("document/text_export_refusals", seen);
}

// --- Writing the file. ---

using platform_test::ReadAll;

OneBand SmallLog() {
    OneBand log;
    for (int i = 0; i < 50; ++i) {
        log.band->AddEntry(Entry(log.contest, kTime + i * 60, "JA1A" + std::to_string(10 + i),
                                 "599/100", "599/13"));
    }
    return log;
}

TEST(ExportFile, HoldsExactlyTheTextAndReplacesAnOldFile) {
    TempFolder folder;
    const std::string path = folder / "log.log";
    std::ofstream(path) << std::string(100000, 'x');
    const OneBand log = SmallLog();
    const auto result = text_export::WriteFile(path, log.contest, UtcOptions());
    EXPECT_EQ(result.status, text_export::WriteResult::Status::written) << result.reason;
    EXPECT_EQ(ReadAll(path), text_export::BuildText(log.contest, UtcOptions()));
}

TEST(ExportFile, FullDeviceIsAWriteFailureAndTheDeviceIsNotRemoved) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    const auto result = text_export::WriteFile("/dev/full", SmallLog().contest, UtcOptions());
    EXPECT_EQ(result.status, text_export::WriteResult::Status::write_failed);
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_FALSE(result.removed);
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
    EXPECT_EQ(text_export::WriteFailedMessage(result),
              J("ファイルへの書き込みに失敗しました。\nディスクの空き容量が足りません。"));
}

TEST(ExportFile, WriteErrorRemovesThePartlyWrittenFile) {
    TempFolder folder;
    const std::string path = folder / "log.log";
    OneBand log;
    // Far more than the limit, so the failure comes in the middle of the lines.
    for (int i = 0; i < 5000; ++i) {
        log.band->AddEntry(Entry(log.contest, kTime + i, "JA1ABC", "599/100", "599/13"));
    }
    text_export::WriteResult result;
    {
        FileSizeLimit limit(100 * 1024);
        result = text_export::WriteFile(path, log.contest, UtcOptions());
    }
    EXPECT_EQ(result.status, text_export::WriteResult::Status::write_failed);
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_TRUE(result.removed);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(text_export::WriteFailedMessage(result),
              J("ファイルへの書き込みに失敗しました。\nファイルが大きくなりすぎました。\n\n"
                "書き込み途中のファイルは削除しました。"));
}

// A missing folder is not created, and a fifo without a reader fails at once instead of
// hanging.
TEST(ExportFile, FilesThatCannotBeOpenedAreOpenFailures) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const std::string& path : {folder / "gone/log.log", folder / "pipe"}) {
        const auto result = text_export::WriteFile(path, SmallLog().contest, UtcOptions());
        EXPECT_EQ(result.status, text_export::WriteResult::Status::open_failed) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
    EXPECT_TRUE(std::filesystem::exists(folder / "pipe"));
}

}  // namespace
