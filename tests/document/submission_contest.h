#pragma once

// The small contest of the submission export tests and goldens: two bands (7 MHz CW and
// 1200 MHz FM) with contacts that interleave in time, a First on each band, a Second kept
// at 0 points, portable call signs, a comment in Japanese and one in ASCII, and
// summary-sheet texts in full-width characters.
#include <sstream>
#include <string>

#include "document/log_exporter.h"
#include "document_test_util.h"
#include "model/band_data.h"

namespace submission_test {

using doc_test::J;
using doc_test::Utc;

inline CQuillmarkData_MainData Contest() {
    CQuillmarkData_MainData contest =
        doc_test::Contest(doc_test::CallSignFormat(), doc_test::NumberFormat(), "JA1ZZZ/1");
    contest.SetContestName(J("第１回 テストコンテスト"));
    contest.SetCategoryCode("XMA");
    contest.SetCategoryName(J("電信電話部門 マルチバンド"));
    CQuillmarkData_SubMainData& hf = *contest.GetBandAt(contest.AddBand(doc_test::Band(7, 6)));
    CQuillmarkData_SubMainData& uhf = *contest.GetBandAt(contest.AddBand(doc_test::Band(1200, 6)));
    hf.SetMode("CW");
    uhf.SetMode("FM");
    const auto add = [&](CQuillmarkData_SubMainData& band, int64_t time, const char* call,
                         const char* sent, const char* received, int points, bool first,
                         const char* mode, const std::string& comment, int cards) {
        CQuillmarkData_LogDataItem entry =
            doc_test::Entry(contest, time, call, sent, received, points, mode);
        entry.SetFirst(first);
        entry.SetComment(comment);
        for (const int flag : {1, 2, 4}) {
            entry.SetCardFlag(flag, (cards & flag) != 0);
        }
        band.AddEntry(entry);
    };
    add(hf, Utc(2021, 6, 5, 9, 30, 15), "JA1ABC", "599/10m", "599/13H", 1, true, "A1",
        J("ありがとう"), 1);
    add(hf, Utc(2021, 6, 5, 9, 35), "JR2XYZ/3", "599/10M", "579/25M", 1, true, "CW", "QRP", 6);
    add(hf, Utc(2021, 6, 5, 9, 40), "JA1ABC", "599/10M", "599/13H", 0, false, "CW", "", 0);
    add(uhf, Utc(2021, 6, 5, 9, 32), "JA1ABC", "59/10M", "59/13H", 2, true, "", "", 1);
    return contest;
}

inline log_export::Options Options(bool station_coefficient = false) {
    log_export::Options options;
    options.now = Utc(2021, 6, 6, 12, 0);
    log_export::SummaryInformation& s = options.summary;
    s.post_code = "100-0001";
    s.address = J("東京都千代田区千代田１－１");
    s.telephone_number = "03-1234-5678";
    s.name = J("山田　太郎");
    s.licence = J("第一級アマチュア無線技士");
    s.power = "100W";
    s.place = J("群馬県前橋市");
    s.power_supply = J("発動発電機");
    s.registered_club_number = "12-3-456";
    s.registered_club_name = J("テスト無線クラブ");
    s.superintendent_name = J("山田　太郎");
    s.remarks = J("楽しいコンテストでした。\r\n<次回>も参加します。");
    s.use_station_parameter = station_coefficient;
    s.station_parameter = 2;
    options.email = "ja1zzz@example.jp";
    options.contest_id = "ja-test";
    options.categories = {{"CATEGORY-OPERATOR", "SINGLE-OP"},
                          {"CATEGORY-ASSISTED", ""},
                          {"CATEGORY-BAND", "ALL"},
                          {"CATEGORY-MODE", "MIXED"},
                          {"CATEGORY-POWER", "LOW"}};
    options.cabrillo_name = "Taro Yamada";
    options.cabrillo_address = "1-1 Chiyoda, Chiyoda-ku\r\nTokyo 100-0001\r\nJapan";
    options.cabrillo_soapbox = "Fun contest.\nThanks!";
    options.utc = true;
    return options;
}

// What Write gives, with the text it wrote.
struct Written {
    log_export::Result result;
    std::string text;
};

inline Written Write(log_export::Format format, const CQuillmarkData_MainData& contest,
                     const log_export::Options& options,
                     const log_export::Progress& progress = {}) {
    std::ostringstream out;
    Written written;
    written.result = log_export::MakeLogExporter(format)->Write(contest, options, out, progress);
    written.text = out.str();
    return written;
}

}  // namespace submission_test
