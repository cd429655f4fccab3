// The three submission exporters: goldens byte for byte, and the pitfalls other loggers fell
// into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "../platform/golden.h"
#include "document/cabrillo_export.h"
#include "platform/safe_file.h"
#include "submission_contest.h"

namespace {

using log_export::Format;
using Status = log_export::Result::Status;
using namespace submission_test;
using doc_test::U;

struct GoldenCase {
    Format format;
    const char* file;
    bool utc;
    bool station_coefficient;
};

constexpr GoldenCase kGoldens[] = {{Format::jarl_r21, "jarl_r21.txt", false, false},
                                   {Format::jarl_r10, "jarl_r10.txt", false, true},
                                   {Format::cabrillo, "cabrillo.cbr", true, false},
                                   {Format::adif, "adif.adi", true, false}};

// The goldens are our own output, checked once by reading them; rebuild them with
// QUILLMARK_REGENERATE_EXPORT_GOLDENS=1 after a deliberate change.
TEST(SubmissionExport, EachFormatWritesItsGoldenByteForByte) {
    const bool regenerate = std::getenv("QUILLMARK_REGENERATE_EXPORT_GOLDENS") != nullptr;
    for (const GoldenCase& c : kGoldens) {
        log_export::Options options = Options(c.station_coefficient);
        options.utc = c.utc;
        if (c.format == Format::jarl_r10) {
            options.email.clear();
        }
        const Written written = Write(c.format, Contest(), options);
        ASSERT_EQ(written.result.status, Status::written) << U(written.result.message);
        const std::string path = std::string(QUILLMARK_TEST_DATA_DIR) + "/export/" + c.file;
        if (regenerate) {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            ASSERT_TRUE(safe_file::WriteFileSafely(path, written.text));
        }
        EXPECT_EQ(written.text, platform_test::ReadAll(path)) << c.file;
    }
}

TEST(SubmissionExport, CabrilloAndAdifHoldOnlySevenBitAsciiAndAdifCountsWhatItLeftOut) {
    for (const Format format : {Format::cabrillo, Format::adif}) {
        const Written written = Write(format, Contest(), Options());
        EXPECT_TRUE(std::all_of(written.text.begin(), written.text.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        // The Japanese comment.
        EXPECT_EQ(written.result.omitted_fields, format == Format::adif ? 1 : 0);
    }
}

// The line each format writes for the first contact on each band: VHF and up never in kHz,
// kHz rounded and never cut, labels below an allocation giving its edge.
TEST(SubmissionExport, EveryBandHasItsTokenInEachFormat) {
    const std::pair<double, int> bands[] = {
        {1.9, 6}, {3500, 3}, {7, 6},        {10, 6},   {21.04999, 6}, {50, 6},     {144, 6},
        {430, 6}, {1200, 6}, {1296.125, 6}, {2400, 6}, {5600, 6},     {10.125, 9}, {24, 9}};
    std::string lines;
    for (const auto& [frequency, unit] : bands) {
        CQuillmarkData_MainData contest = Contest();
        contest.DeleteBandAt(1);
        ASSERT_TRUE(contest.ChangeBandAt(0, doc_test::Band(frequency, unit)));
        lines += doc_test::U(doc_test::Band(frequency, unit).GetBandText(3, 2, true)) + "\n";
        for (const auto& [format, start] :
             {std::pair{Format::cabrillo, "QSO: "}, std::pair{Format::adif, "<QSO_DATE:"},
              std::pair{Format::jarl_r21, "2021-06-05 "}}) {
            const std::string text = Write(format, contest, Options()).text;
            const size_t at = text.find(start);
            lines += "  " + text.substr(at, text.find('\r', at) - at) + "\n";
        }
    }
    platform_test::ExpectGolden("document/submission_band_tokens", lines);
}

TEST(SubmissionExport, JstAndUtcAsChosenAcrossMidnight) {
    CQuillmarkData_MainData contest = Contest();
    CQuillmarkData_LogDataItem late = *contest.GetBandAt(0)->GetEntryAt(0);
    late.SetTime(Utc(2021, 6, 5, 15, 10));
    ASSERT_TRUE(contest.GetBandAt(0)->SetEntryAt(0, late));
    for (const bool utc : {false, true}) {
        log_export::Options options = Options();
        options.utc = utc;
        const std::string jarl = Write(Format::jarl_r21, contest, options).text;
        EXPECT_NE(jarl.find(utc ? "DATE(UTC)" : "DATE(JST)"), std::string::npos);
        EXPECT_NE(jarl.find(utc ? "2021-06-05 15:10 7 CW" : "2021-06-06 00:10 7 CW"),
                  std::string::npos);
        const std::string cabrillo = Write(Format::cabrillo, contest, options).text;
        EXPECT_NE(cabrillo.find(utc ? "2021-06-05 1510" : "2021-06-06 0010"), std::string::npos);
        // ADIF knows only UTC.
        EXPECT_NE(Write(Format::adif, contest, options).text.find("<QSO_DATE:8>20210605 "),
                  std::string::npos);
    }
}

struct RefusalCase {
    const char* what;
    Format format;
    std::function<void(CQuillmarkData_MainData&, log_export::Options&)> change;
};

TEST(SubmissionExport, RefusalsNameTheFieldOrTheContact) {
    const auto set_mode = [](const char* mode) {
        return [mode](CQuillmarkData_MainData& contest, log_export::Options&) {
            CQuillmarkData_LogDataItem entry = *contest.GetBandAt(1)->GetEntryAt(0);
            entry.SetMode(mode);
            contest.GetBandAt(1)->SetEntryAt(0, entry);
            contest.GetBandAt(1)->SetMode("");
        };
    };
    const RefusalCase cases[] = {
        {"Japanese NAME", Format::cabrillo, [](auto&, auto& o) { o.cabrillo_name = J("山田"); }},
        {"Japanese address line", Format::cabrillo,
         [](auto&, auto& o) { o.cabrillo_address += J("\n日本"); }},
        {"no CONTEST", Format::cabrillo, [](auto&, auto& o) { o.contest_id.clear(); }},
        {"composite emission", Format::cabrillo, set_mode("A9")},
        {"no mode at all", Format::jarl_r21, set_mode("")},
        {"television in Cabrillo", Format::cabrillo, set_mode("F5")},
        {"full-width call sign", Format::adif,
         [](CQuillmarkData_MainData& contest, auto&) {
             CQuillmarkData_LogDataItem entry = *contest.GetBandAt(0)->GetEntryAt(1);
             entry.SetCallSign(doc_test::CallSign(J("ＪＡ１"), contest.GetCallSignType()));
             contest.GetBandAt(0)->SetEntryAt(1, entry);
         }},
        {"band outside the amateur bands", Format::jarl_r10,
         [](CQuillmarkData_MainData& contest, auto&) {
             contest.ChangeBandAt(1, doc_test::Band(40, 6));
         }},
    };
    std::string messages;
    for (const RefusalCase& c : cases) {
        CQuillmarkData_MainData contest = Contest();
        log_export::Options options = Options();
        c.change(contest, options);
        const Written written = Write(c.format, contest, options);
        EXPECT_EQ(written.result.status, Status::refused) << c.what;
        EXPECT_EQ(written.text, "") << c.what;
        EXPECT_EQ(log_export::MakeLogExporter(c.format)->Check(contest, options),
                  written.result.message);
        messages += std::string(c.what) + ":\n" + U(written.result.message) + "\n\n";
    }
    platform_test::ExpectGolden("document/submission_refusals", messages);
}

TEST(SubmissionExport, JarlListsTheRequiredTagsLeftEmpty) {
    log_export::Options options = Options();
    options.summary = {};
    options.email.clear();
    CQuillmarkData_MainData contest = Contest();
    contest.SetCategoryCode("");
    std::string missing;
    for (const Cp932& field :
         log_export::MakeLogExporter(Format::jarl_r10)->MissingRequiredFields(contest, options)) {
        missing += U(field) + "\n";
    }
    platform_test::ExpectGolden("document/submission_jarl_missing_tags", missing);
    EXPECT_TRUE(
        log_export::MakeLogExporter(Format::adif)->MissingRequiredFields(contest, options).empty());
}

TEST(SubmissionExport, CancelStopsAndAFailedWriteLeavesNoFile) {
    const doc_test::TempFolder folder;
    const auto exporter = log_export::MakeLogExporter(Format::adif);
    const std::string path = folder / "out.adi";
    const log_export::FileResult cancelled = log_export::WriteSubmissionFile(
        path, *exporter, Contest(), Options(), [](int64_t, int64_t) { return false; });
    EXPECT_EQ(cancelled.result.status, Status::cancelled);
    EXPECT_FALSE(std::filesystem::exists(path));

    const std::string missing = folder / "no/such/folder/out.adi";
    const log_export::FileResult failed =
        log_export::WriteSubmissionFile(missing, *exporter, Contest(), Options());
    EXPECT_EQ(failed.result.status, Status::write_failed);
    EXPECT_FALSE(failed.reason.empty());

    ASSERT_TRUE(safe_file::WriteFileSafely(path, "old"));
    {
        const doc_test::FileSizeLimit full(8);
        EXPECT_EQ(
            log_export::WriteSubmissionFile(path, *exporter, Contest(), Options()).result.status,
            Status::write_failed);
    }
    EXPECT_EQ(platform_test::ReadAll(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SubmissionExport, CabrilloSuggestsCategoriesAndAContestNameFromTheContest) {
    CQuillmarkData_MainData contest = Contest();
    EXPECT_EQ(CCabrilloExporter::SuggestedContestId(contest), "");
    contest.SetContestName("All Asian dx-cw");
    EXPECT_EQ(CCabrilloExporter::SuggestedContestId(contest), "ALL-ASIAN-DX-CW");
    const auto value_of = [](const CQuillmarkData_MainData& c, const std::string& tag) {
        for (const auto& category : CCabrilloExporter::SuggestedCategories(c)) {
            if (category.tag == tag) {
                return category.value;
            }
        }
        return std::string("?");
    };
    EXPECT_EQ(value_of(contest, "CATEGORY-BAND"), "ALL");
    EXPECT_EQ(value_of(contest, "CATEGORY-MODE"), "MIXED");
    contest.DeleteBandAt(1);
    EXPECT_EQ(value_of(contest, "CATEGORY-BAND"), "40M");
    EXPECT_EQ(value_of(contest, "CATEGORY-MODE"), "CW");
}

}  // namespace
