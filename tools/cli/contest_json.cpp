#include "contest_json.h"

#include "json_writer.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"

namespace {

void Text(JsonWriter& json, std::string_view key, std::string_view cp932) {
    json.Key(key);
    json.String(Cp932ToUtf8(cp932));
}

void Number(JsonWriter& json, std::string_view key, int64_t value) {
    json.Key(key);
    json.Int(value);
}

void Item(JsonWriter& json, std::string_view key, const CQuillmarkData_Item& item) {
    json.Key(key);
    json.BeginObject();
    json.Key("valid");
    json.Bool(item.IsValid());
    json.Key("parameters");
    json.BeginArray();
    for (const Cp932& part : item.GetParts()) {
        json.String(Cp932ToUtf8(part));
    }
    json.EndArray();
    json.EndObject();
}

void Attributes(JsonWriter& json, const CQuillmarkData_ParameterType& format) {
    json.Key("attributes");
    json.BeginArray();
    for (int i = 0; i < format.GetParameterCount(); ++i) {
        const CQuillmarkData_ParameterAttributes* attributes = format.GetAttributes(i);
        if (attributes == nullptr) {
            break;
        }
        json.BeginObject();
        json.Key("valid");
        json.Bool(attributes->IsValid());
        Number(json, "min", attributes->GetMinLength());
        Number(json, "max", attributes->GetMaxLength());
        // Signed, so "every class" reads -1.
        Number(json, "classes", static_cast<int32_t>(attributes->GetCharacterClasses()));
        Text(json, "specials", attributes->GetSpecialCharacters());
        json.EndObject();
    }
    json.EndArray();
}

void Entry(JsonWriter& json, const CQuillmarkData_LogDataItem& entry) {
    json.BeginObject();
    json.Key("valid");
    json.Bool(entry.IsValid());
    Number(json, "time", entry.GetTime());
    Item(json, "call_sign", entry.GetCallSign());
    Item(json, "sent", entry.GetSentContestNumber());
    Item(json, "received", entry.GetReceivedContestNumber());
    Number(json, "first", entry.GetFirst());
    Number(json, "points", entry.GetPoints());
    Text(json, "mode", entry.GetMode());
    Number(json, "calling_method", entry.GetCallingMethod());
    Number(json, "card_flags", entry.GetCardFlags());
    Text(json, "comment", entry.GetComment());
    json.EndObject();
}

void Band(JsonWriter& json, const CQuillmarkData_SubMainData& band) {
    json.BeginObject();
    json.Key("valid");
    json.Bool(band.GetBand().IsValid());
    json.Key("frequency");
    json.Double(band.GetBand().GetFrequency());
    Number(json, "unit", band.GetBand().GetUnit());
    Text(json, "mode", band.GetMode());
    Item(json, "sent", band.GetSentContestNumber());
    Number(json, "calling_method", band.GetCallingMethod());
    json.Key("entries");
    json.BeginArray();
    for (const auto& entry : band.GetEntries()) {
        Entry(json, entry);
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace

std::string ContestToJson(const CQuillmarkData_MainData& contest, std::string_view format) {
    JsonWriter json;
    json.BeginObject();
    json.Key("format");
    json.String(format);
    json.Key("contest");
    json.BeginObject();
    json.Key("valid");
    json.Bool(contest.IsValid());
    Text(json, "name", contest.GetContestName());
    Text(json, "category_code", contest.GetCategoryCode());
    Text(json, "category_name", contest.GetCategoryName());
    Number(json, "start", contest.GetStartTime());
    Number(json, "end", contest.GetEndTime());
    Item(json, "own_call_sign", contest.GetOwnCallSign());

    const auto& call_sign_type = contest.GetCallSignType();
    json.Key("call_sign_format");
    json.BeginObject();
    json.Key("valid");
    json.Bool(call_sign_type.IsValid());
    Number(json, "count", call_sign_type.GetParameterCount());
    Number(json, "main_index", call_sign_type.GetMainParameterIndex());
    Number(json, "min_total", call_sign_type.GetMinTotalLength());
    Number(json, "max_total", call_sign_type.GetMaxTotalLength());
    Attributes(json, call_sign_type);
    json.EndObject();

    const auto& number_type = contest.GetContestNumberType();
    json.Key("contest_number_format");
    json.BeginObject();
    json.Key("valid");
    json.Bool(number_type.IsValid());
    Number(json, "count", number_type.GetParameterCount());
    Number(json, "has_multiplier", number_type.HasMultiplier());
    Number(json, "multiplier_index", number_type.GetMultiplierParameterIndex());
    Number(json, "min_total", number_type.GetMinTotalLength());
    Number(json, "max_total", number_type.GetMaxTotalLength());
    Attributes(json, number_type);
    json.EndObject();

    Number(json, "active_band", contest.GetActiveBandIndex());
    json.Key("bands");
    json.BeginArray();
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        Band(json, *contest.GetBandAt(i));
    }
    json.EndArray();

    json.Key("totals");
    json.BeginObject();
    Number(json, "entries", contest.GetTotalEntryCount());
    Number(json, "multipliers", contest.GetTotalMultiplierCount());
    Number(json, "points", contest.GetTotalPoints());
    json.EndObject();

    json.EndObject();
    json.EndObject();
    return json.Text();
}
