// The three submission exporters: goldens byte for byte, round trips through readers of our
// own, and the pitfalls other loggers fell into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "document/cabrillo_export.h"
#include "platform/safe_file.h"
#include "submission_contest.h"
#include "submission_readers.h"

namespace {

using log_export::Format;
using Status = log_export::Result::Status;
using submission_read::Contact;
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

// The contacts of Contest() in time order as every reader gives them back (the headers are
// the goldens' business).
std::vector<Contact> Expected(Format format) {
    const bool jarl = format == Format::jarl_r21 || format == Format::jarl_r10;
    const auto band = [&](const char* label, const char* cabrillo, const char* adif) {
        return jarl ? label : format == Format::cabrillo ? cabrillo : adif;
    };
    const char* cw = "CW";
    const char* fm = "FM";
    // JARL in JST, the others in UTC.
    const char* date = "2021-06-05";
    const auto at = [&](const char* utc, const char* jst) { return jarl ? jst : utc; };
    return {
        {band("7", " 7000", "40m"), cw, date, at("0930", "1830"), "JA1ABC", "599 10M", "599 13H"},
        {band("1200", " 1.2G", "23cm"), fm, date, at("0932", "1832"), "JA1ABC", "59 10M", "59 13H"},
        {band("7", " 7000", "40m"), cw, date, at("0935", "1835"), "JR2XYZ/3", "599 10M", "579 25M"},
        {band("7", " 7000", "40m"), cw, date, at("0940", "1840"), "JA1ABC", "599 10M", "599 13H"}};
}

TEST(SubmissionExport, ReadersGetBackTheContactsBandsAndExchanges) {
    for (const GoldenCase& c : kGoldens) {
        log_export::Options options = Options();
        options.utc = c.utc;
        const std::string text = Write(c.format, Contest(), options).text;
        submission_read::Log log;
        if (c.format == Format::cabrillo) {
            log = submission_read::ReadCabrillo(text);
            // The frequency column is right-aligned; the reader keeps it as written.
            for (Contact& contact : log.contacts) {
                contact.band =
                    std::string(5 - std::min<size_t>(5, contact.band.size()), ' ') + contact.band;
            }
        } else {
            log = c.format == Format::adif ? submission_read::ReadAdif(text)
                                           : submission_read::ReadJarl(text);
        }
        EXPECT_EQ(log.contacts, Expected(c.format)) << log_export::CommandName(c.format);
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

struct BandCase {
    double frequency;
    int unit;
    const char* cabrillo;
    const char* adif_band;
    const char* adif_freq;
    const char* jarl;
};

// VHF and up never in kHz; kHz rounded, never cut; labels below an allocation give its edge.
TEST(SubmissionExport, EveryBandHasItsTokenInEachFormat) {
    const BandCase cases[] = {
        {1.9, 6, " 1900", "160m", "1.900", "1.9"},
        {3500, 3, " 3500", "80m", "3.500", "3.5"},
        {7, 6, " 7000", "40m", "7.000", "7"},
        {10, 6, "10100", "30m", "10.100", "10"},
        {21.04999, 6, "21050", "15m", "21.04999", "21"},
        {50, 6, "   50", "6m", "50.000", "50"},
        {144, 6, "  144", "2m", "144.000", "144"},
        {430, 6, "  432", "70cm", "430.000", "430"},
        {1200, 6, " 1.2G", "23cm", "1240.000", "1200"},
        {1296.125, 6, " 1.2G", "23cm", "1296.125", "1200"},
        {2400, 6, " 2.3G", "13cm", "2400.000", "2400"},
        {5600, 6, " 5.7G", "6cm", "5650.000", "5600"},
        {10.125, 9, "  10G", "3cm", "10125.000", "10G"},
        {24, 9, "  24G", "1.25cm", "24000.000", "24G"},
    };
    for (const BandCase& c : cases) {
        CQuillmarkData_MainData contest = Contest();
        contest.DeleteBandAt(1);
        ASSERT_TRUE(contest.ChangeBandAt(0, doc_test::Band(c.frequency, c.unit)));
        log_export::Options options = Options();
        const auto first_line = [&](Format format, std::string_view start) {
            const std::string text = Write(format, contest, options).text;
            const size_t at = text.find(start);
            return text.substr(at, text.find('\r', at) - at);
        };
        EXPECT_EQ(first_line(Format::cabrillo, "QSO: ").substr(5, 5), c.cabrillo) << c.frequency;
        submission_read::Log adif =
            submission_read::ReadAdif(Write(Format::adif, contest, options).text);
        EXPECT_EQ(adif.records[0]["BAND"], c.adif_band) << c.frequency;
        EXPECT_EQ(adif.records[0]["FREQ"], c.adif_freq) << c.frequency;
        EXPECT_EQ(submission_read::ReadJarl(Write(Format::jarl_r21, contest, options).text)
                      .contacts[0]
                      .band,
                  c.jarl)
            << c.frequency;
    }
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
    const char* message;
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
        {"Japanese NAME", Format::cabrillo, [](auto&, auto& o) { o.cabrillo_name = J("山田"); },
         "Cabrillo の形式には半角の英数字と記号しか書けないため、NAME（氏名）を出力できません。"
         "\n\n半角の英数字で書き直してください。"},
        {"Japanese address line", Format::cabrillo,
         [](auto&, auto& o) { o.cabrillo_address += J("\n日本"); },
         "Cabrillo の形式には半角の英数字と記号しか書けないため、ADDRESS（住所）を出力できません。"
         "\n\n半角の英数字で書き直してください。"},
        {"no CONTEST", Format::cabrillo, [](auto&, auto& o) { o.contest_id.clear(); },
         "Cabrillo の形式では、CONTEST（コンテスト名）が必要です。\n\n"
         "主催者が決めたコンテストの名前（例 JIDX-CW）を指定してください。"},
        {"composite emission", Format::cabrillo, set_mode("A9"),
         "1200 MHz 帯で 2021-06-05 09:32 UTC に交信した JA1ABC の電波の型式「A9」は、Cabrillo "
         "3.0 の形式に当たる型式がないため、Cabrillo 3.0 の形式では出力できません。"},
        {"no mode at all", Format::jarl_r21, set_mode(""),
         "1200 MHz 帯で 2021-06-05 09:32 UTC に交信した JA1ABC の電波の型式が指定されていないため、"
         "JARL 電子ログ R2.1 の形式では出力できません。\n\n"
         "電波の型式の一括変更で型式を指定してから出力してください。"},
        {"television in Cabrillo", Format::cabrillo, set_mode("F5"),
         "1200 MHz 帯で 2021-06-05 09:32 UTC に交信した JA1ABC の電波の型式「F5」は、Cabrillo "
         "3.0 の形式に当たる型式がないため、Cabrillo 3.0 の形式では出力できません。"},
        {"full-width call sign", Format::adif,
         [](CQuillmarkData_MainData& contest, auto&) {
             CQuillmarkData_LogDataItem entry = *contest.GetBandAt(0)->GetEntryAt(1);
             entry.SetCallSign(doc_test::CallSign(J("ＪＡ１"), contest.GetCallSignType()));
             contest.GetBandAt(0)->SetEntryAt(1, entry);
         },
         "7 MHz 帯で 2021-06-05 09:35 UTC に交信した ＪＡ１ の呼出符号に、半角の英数字と記号以外の"
         "文字（空白を含む）があるため、ADIF 3.1.6 の形式では出力できません。"},
        {"band outside the amateur bands", Format::jarl_r10,
         [](CQuillmarkData_MainData& contest, auto&) {
             contest.ChangeBandAt(1, doc_test::Band(40, 6));
         },
         "40 MHz 帯は、アマチュアバンドのどれにも当たらないため、JARL 電子ログ R1.0 "
         "の形式では出力できません。"},
    };
    for (const RefusalCase& c : cases) {
        CQuillmarkData_MainData contest = Contest();
        log_export::Options options = Options();
        c.change(contest, options);
        const Written written = Write(c.format, contest, options);
        EXPECT_EQ(written.result.status, Status::refused) << c.what;
        EXPECT_EQ(U(written.result.message), c.message) << c.what;
        EXPECT_EQ(written.text, "") << c.what;
        EXPECT_EQ(log_export::MakeLogExporter(c.format)->Check(contest, options),
                  written.result.message);
    }
}

TEST(SubmissionExport, JarlListsTheRequiredTagsLeftEmpty) {
    log_export::Options options = Options();
    options.summary = {};
    options.email.clear();
    CQuillmarkData_MainData contest = Contest();
    contest.SetCategoryCode("");
    std::vector<std::string> missing;
    for (const Cp932& field :
         log_export::MakeLogExporter(Format::jarl_r10)->MissingRequiredFields(contest, options)) {
        missing.push_back(U(field));
    }
    EXPECT_EQ(missing,
              (std::vector<std::string>{"CATEGORYCODE（参加部門のコード）", "ADDRESS（住所）",
                                        "NAME（氏名（社団の名称））", "EMAIL（電子メール）",
                                        "POWER（指定されている空中線電力）",
                                        "SIGNATURE（社団の代表者氏名／氏名）"}));
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
