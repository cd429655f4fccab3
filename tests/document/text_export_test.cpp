#include "document/text_export.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document_test_util.h"
#include "model/band_data.h"
#include "platform/safe_file.h"
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

struct FrequencyCase {
    double frequency;
    int under_decimal_point;
    const char* expected;
};

class ExportFrequency : public testing::TestWithParam<FrequencyCase> {};

TEST_P(ExportFrequency, HasIntegerDigitsPlusDecimalsAsSignificantDigits) {
    const FrequencyCase& c = GetParam();
    EXPECT_EQ(text_export::FormatFrequency(c.frequency, c.under_decimal_point), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, ExportFrequency,
    testing::Values(FrequencyCase{7, 3, "7"}, FrequencyCase{3.5, 3, "3.5"},
                    FrequencyCase{1200, 3, "1200"}, FrequencyCase{10.125, 3, "10.125"},
                    FrequencyCase{7000, 3, "7000"}, FrequencyCase{1.9125, 5, "1.9125"},
                    FrequencyCase{10.125, 1, "10.1"}, FrequencyCase{3.5, 0, "4"},
                    FrequencyCase{144.0, 0, "144"}, FrequencyCase{0.1357, 3, "0.1357"},
                    FrequencyCase{0.0, 3, "0"},
                    // Too many decimals asked for: no more digits than a double has.
                    FrequencyCase{7, 40, "7"}));

TEST(ExportFrequency, ExtremesGiveTextNotACrash) {
    EXPECT_FALSE(text_export::FormatFrequency(1e-300, 3).empty());
    EXPECT_FALSE(text_export::FormatFrequency(1e300, 3).empty());
    EXPECT_FALSE(text_export::FormatFrequency(-3.5, 3).empty());
}

TEST(ExportLine, HasEveryFieldInItsColumn) {
    OneBand log;
    auto entry = Entry(log.contest, kTime, "JA1ABC", "599/100", "599/13", 1, "CW");
    entry.SetFirst(true);
    log.band->AddEntry(entry);
    EXPECT_EQ(log.Line(0),
              "7      CW        05/06/21 0930  JA1ABC    599 100     599 13      13      1");
}

struct BandWidthCase {
    double frequency;
    const char* field;
};

class ExportBandWidth : public testing::TestWithParam<BandWidthCase> {};

TEST_P(ExportBandWidth, FrequencyIsPaddedToFiveColumnsOrWrittenWhole) {
    OneBand log(GetParam().frequency, 6);
    log.band->AddEntry(Entry(log.contest, kTime, "JA1ABC", "599/100", "599/13"));
    const Cp932 line = log.Line(0);
    const std::string field = GetParam().field;
    EXPECT_EQ(line.substr(0, field.size() + 2), field + "  ") << line;
    EXPECT_EQ(line.substr(field.size() + 2, 2), "CW");
}

INSTANTIATE_TEST_SUITE_P(Bands, ExportBandWidth,
                         testing::Values(BandWidthCase{7, "7    "}, BandWidthCase{3.5, "3.5  "},
                                         BandWidthCase{1200, "1200 "},
                                         BandWidthCase{10.125, "10.125"}));

TEST(ExportLine, EmptyModeWritesEightBlanks) {
    OneBand log;
    log.band->AddEntry(Entry(log.contest, kTime, "JA1ABC", "599/100", "599/13", 1, ""));
    EXPECT_EQ(log.Line(0).substr(0, 7 + 8 + 2),
              "7    "
              "  "
              "        "
              "  ");
}

TEST(ExportLine, DroppedSecondParameterLeavesBlanksForItAndItsSeparator) {
    OneBand log;
    log.band->AddEntry(Entry(log.contest, kTime, "JA1AB", "599/100", "599/13"));
    log.band->AddEntry(Entry(log.contest, kTime, "JA1AB/2", "599/100", "599/13"));
    const Cp932 dropped = log.Line(0);
    const Cp932 full = log.Line(1);
    const size_t call_column = 7 + 10 + 13 + 2;
    EXPECT_EQ(dropped.substr(call_column, 10), "JA1AB     ");  // 5 + 1 + 2 blanks, then "  "
    EXPECT_EQ(full.substr(call_column, 10), "JA1AB /2  ");
    EXPECT_EQ(dropped.size(), full.size());
}

TEST(ExportLine, ContestNumberPartsArePaddedAndJoinedByABlank) {
    OneBand log;
    log.band->AddEntry(Entry(log.contest, kTime, "JA1ABC", "59/1234", "579/100110"));
    const Cp932 line = log.Line(0);
    const size_t sent_column = 7 + 10 + 15 + 10;
    EXPECT_EQ(line.substr(sent_column, 22), "59  1234    579 100110");
}

TEST(ExportLine, NonFirstEntryHasBlankMultiplierAndPointsInTheSameColumn) {
    OneBand log;
    auto first = Entry(log.contest, kTime, "JA1ABC", "599/100", "599/13", 3);
    first.SetFirst(true);
    log.band->AddEntry(first);
    log.band->AddEntry(Entry(log.contest, kTime + 60, "JA1XYZ", "599/101", "599/13", 3));
    const Cp932 first_line = log.Line(0);
    const Cp932 second_line = log.Line(1);
    ASSERT_EQ(first_line.size(), second_line.size());
    EXPECT_EQ(first_line.substr(first_line.size() - 9), "13      3");
    EXPECT_EQ(second_line.substr(second_line.size() - 9), "        3");
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
    const std::string text = text_export::BuildText(contest, UtcOptions());
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 5), "14   ");
    EXPECT_NE(lines[0].find("JA1BBB"), std::string::npos);
    EXPECT_NE(lines[1].find("JA1AAA"), std::string::npos);
    EXPECT_EQ(lines[2].substr(0, 5), "3.5  ");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

struct RefusalCase {
    const char* name;
    CQuillmarkData_MainData (*make)();
    Refusal refusal;
    const char* message;
};

CQuillmarkData_MainData WithEntry(CQuillmarkData_MainData contest) {
    contest.AddBand(Band(7, 6));
    contest.GetBandAt(0)->AddEntry(Entry(contest, kTime, "JA1ABC", "599/100", "599/13"));
    return contest;
}

const RefusalCase kRefusals[] = {
    {"NoContest", [] { return CQuillmarkData_MainData(); }, Refusal::no_contest, ""},
    {"NoBand", [] { return Contest(); }, Refusal::no_band,
     "周波数帯が 1 つも存在しないため、このコマンドは利用できません。"},
    {"NoEntry",
     [] {
         auto contest = Contest();
         contest.AddBand(Band(7, 6));
         contest.AddBand(Band(14, 6));
         return contest;
     },
     Refusal::no_entry, "ログデータが 1 件も入力されていないため、このコマンドは利用できません。"},
    {"UnlimitedCallSign",
     [] {
         CQuillmarkData_CallSignType call;
         call.SetFormat(2, 0, {Attributes(3, 6), Attributes(0, -1)});
         return WithEntry(Contest(call, NumberFormat()));
     },
     Refusal::not_fixed_width,
     "このログデータは、基本情報の設定の都合上、テキスト出力できません。"},
    {"UnlimitedContestNumber",
     [] {
         CQuillmarkData_ContestNumberType number;
         number.SetFormat(2, 1, {Attributes(2, 3), Attributes(2, -1)});
         return WithEntry(Contest(CallSignFormat(), number));
     },
     Refusal::not_fixed_width,
     "このログデータは、基本情報の設定の都合上、テキスト出力できません。"},
    {"NoMultiplier", [] { return WithEntry(Contest(-1)); }, Refusal::not_fixed_width,
     "このログデータは、基本情報の設定の都合上、テキスト出力できません。"},
    {"Exportable", [] { return WithEntry(Contest()); }, Refusal::none, ""},
};

class ExportRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ExportRefusal, GivesItsReasonAndText) {
    const CQuillmarkData_MainData contest = GetParam().make();
    const Refusal refusal = text_export::CheckExportable(contest);
    EXPECT_EQ(refusal, GetParam().refusal);
    EXPECT_EQ(text_export::RefusalMessage(refusal), J(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Contests, ExportRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Writing the file. ---

std::string ReadAll(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(safe_file::ReadWholeFile(path, bytes));
    return bytes;
}

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

TEST(ExportFile, MissingFolderIsAnOpenFailureAndCreatesNothing) {
    TempFolder folder;
    const std::string path = folder / "gone/log.log";
    const auto result = text_export::WriteFile(path, SmallLog().contest, UtcOptions());
    EXPECT_EQ(result.status, text_export::WriteResult::Status::open_failed);
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
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

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_{};
    sighandler_t old_handler_;
};

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

TEST(ExportFile, FifoWithoutReaderFailsAtOnceInsteadOfHanging) {
    TempFolder folder;
    const std::string path = folder / "pipe";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const auto result = text_export::WriteFile(path, SmallLog().contest, UtcOptions());
    EXPECT_EQ(result.status, text_export::WriteResult::Status::open_failed);
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
