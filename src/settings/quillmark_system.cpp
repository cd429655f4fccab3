#include "settings/quillmark_system.h"

#include <algorithm>
#include <string>

#include "settings/input_text_replacement.h"

namespace {

// Store sections.
constexpr std::string_view kSystem = "System";
constexpr std::string_view kTitleLogoDisplay = "TitleLogoDisplay";
constexpr std::string_view kMainWindowPlacement = "MainWindowPlacement";
constexpr std::string_view kDateDisplay = "DateDisplay";
constexpr std::string_view kAutomaticSaving = "AutomaticSaving";
constexpr std::string_view kPunctuationMarks = "PunctuationMarks";
constexpr std::string_view kInputTextReplacement = "InputTextReplacement";
constexpr std::string_view kAddingLogData = "AddingLogData";
constexpr std::string_view kDisplaying = "Displaying";
constexpr std::string_view kPrinting = "Printing";
constexpr std::string_view kSummarySheetInformation = "SummarySheetInformation";

constexpr std::string_view kSourceCharactersPrefix = "SourceCharacters_";
constexpr std::string_view kDestinationCharactersPrefix = "DestinationCharacters_";

// Missing-key values that differ from a plain 0 or 1.
constexpr int kDefaultElapse = 3;
constexpr int kDefaultPlacementSaveFlag = 2;
constexpr int kDefaultWindowState = 1;
constexpr int kDefaultUnderDecimalPoint = 3;
constexpr int kMaxDefaultPoints = 30000;

int OneOf(int value, int first, int last, int otherwise) {
    return value >= first && value <= last ? value : otherwise;
}

int NonzeroIsOne(int value) {
    return value != 0 ? 1 : 0;
}

std::string NumberedKey(std::string_view prefix, size_t number) {
    std::string key(prefix);
    key += std::to_string(number);
    return key;
}

// The N of a "<prefix>N" key, or 0 when the key is not of that form.
size_t KeyNumber(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() || key.substr(0, prefix.size()) != prefix) {
        return 0;
    }
    size_t number = 0;
    for (const char c : key.substr(prefix.size())) {
        if (c < '0' || c > '9' || number > 100000000) {
            return 0;
        }
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

}  // namespace

const Cp932& CQuillmarkSystem::DefaultDateDisplayString() {
    // "[ %#Y 年  %#m 月 %#d 日 ( %A )  %#H 時 %M 分 %S 秒 ]"
    static const Cp932 text =
        "[ %#Y \x94N  %#m \x8C\x8E %#d \x93\xFA ( %A )  %#H \x8E\x9E %M \x95\xAA %S \x95"
        "b ]";
    return text;
}

const Cp932& CQuillmarkSystem::DefaultPunctuationMarks() {
    static const Cp932 text = "/,.";
    return text;
}

CQuillmarkSystem::CQuillmarkSystem() {
    Validate(true);
}

void CQuillmarkSystem::Load(const ISettingsStore& store) {
    is_saving_settings_enabled_ = store.GetInt(kSystem, "IsSavingSettingsEnabled", 1);
    is_displaying_title_logo_enabled_ =
        store.GetInt(kTitleLogoDisplay, "IsDisplayingTitleLogoEnabled", 1);
    n_elapse_ = store.GetInt(kTitleLogoDisplay, "nElapse", kDefaultElapse);
    main_window_placement_save_flag_ = store.GetInt(
        kMainWindowPlacement, "MainWindowPlacementSaveFlag", kDefaultPlacementSaveFlag);
    main_window_state_ = store.GetInt(kMainWindowPlacement, "MainWindowState", kDefaultWindowState);
    main_window_rect_.left = store.GetInt(kMainWindowPlacement, "MainWindowRect.left", 0);
    main_window_rect_.top = store.GetInt(kMainWindowPlacement, "MainWindowRect.top", 0);
    main_window_rect_.right = store.GetInt(kMainWindowPlacement, "MainWindowRect.right", -1);
    main_window_rect_.bottom = store.GetInt(kMainWindowPlacement, "MainWindowRect.bottom", -1);

    is_displaying_date_enabled_ = store.GetInt(kDateDisplay, "IsDisplayingDateEnabled", 1);
    date_display_string_ =
        store.GetString(kDateDisplay, "DateDisplayString", DefaultDateDisplayString());
    is_display_utc_ = store.GetInt(kDateDisplay, "IsDisplayUTC", 0);

    is_automatic_saving_enabled_ = store.GetInt(kAutomaticSaving, "IsAutomaticSavingEnabled", 1);
    punctuation_marks_ =
        store.GetString(kPunctuationMarks, "PunctuationMarks", DefaultPunctuationMarks());

    is_replacing_input_text_enabled_ =
        store.GetInt(kInputTextReplacement, "IsReplacingInputTextEnabled", 1);
    sources_.clear();
    destinations_.clear();
    const Cp932 no_more(kNoMoreSourceCharacters);
    for (size_t n = 1;; ++n) {
        Cp932 source = store.GetString(kInputTextReplacement,
                                       NumberedKey(kSourceCharactersPrefix, n), no_more);
        if (source == no_more) {
            break;
        }
        sources_.push_back(std::move(source));
    }
    for (size_t n = 1; n <= sources_.size(); ++n) {
        destinations_.push_back(store.GetString(kInputTextReplacement,
                                                NumberedKey(kDestinationCharactersPrefix, n), ""));
    }

    is_input_points_every_time_ = store.GetInt(kAddingLogData, "IsInputPointsEveryTime", 0);
    default_points_ = store.GetInt(kAddingLogData, "DefaultPoints", 1);
    is_input_card_data_every_time_ = store.GetInt(kAddingLogData, "IsInputCardDataEveryTime", 1);
    default_setting_of_card_demand_ = store.GetInt(kAddingLogData, "DefaultSettingOfCardDemand", 1);
    is_input_electric_wave_type_every_time_ =
        store.GetInt(kAddingLogData, "IsInputElectricWaveTypeEveryTime", 0);
    is_input_cq_every_time_ = store.GetInt(kAddingLogData, "IsInputCQEveryTime", 0);
    is_input_comments_every_time_ = store.GetInt(kAddingLogData, "IsInputCommentsEveryTime", 1);

    under_decimal_point_ =
        store.GetInt(kDisplaying, "UnderDecimalPoint", kDefaultUnderDecimalPoint);
    default_print_type_ = store.GetInt(kPrinting, "DefaultPrintType", 1);
    current_print_type_ = OneOf(default_print_type_, 1, 4, 1);
    is_print_dialog_bypassed_ = store.GetInt(kPrinting, "IsPrintDialogBypassed", 1);

    const auto summary = [&store](std::string_view key) {
        return store.GetString(kSummarySheetInformation, key, "");
    };
    post_code_ = summary("PostCode");
    address_ = summary("Address");
    telephone_number_ = summary("TelephoneNumber");
    name_ = summary("Name");
    licence_ = summary("Licence");
    power_ = summary("Power");
    place_ = summary("Place");
    power_supply_ = summary("PowerSupply");
    registered_club_number_ = summary("RegisteredClub_Number");
    registered_club_name_ = summary("RegisteredClub_Name");
    superintendent_name_ = summary("SuperintendentName");
    remarks_ = summary("Remarks");
    is_use_station_parameter_ = store.GetInt(kSummarySheetInformation, "IsUseStationParameter", 0);
    station_parameter_ = store.GetInt(kSummarySheetInformation, "StationParameter", 1);
}

void CQuillmarkSystem::Validate(bool reset) {
    if (reset) {
        is_saving_settings_enabled_ = 1;
        is_displaying_title_logo_enabled_ = 1;
        n_elapse_ = kDefaultElapse;
        main_window_placement_save_flag_ = kDefaultPlacementSaveFlag;
        main_window_state_ = kDefaultWindowState;
        main_window_rect_ = Rect{};
        is_displaying_date_enabled_ = 1;
        date_display_string_ = DefaultDateDisplayString();
        is_display_utc_ = 0;
        is_automatic_saving_enabled_ = 1;
        punctuation_marks_ = DefaultPunctuationMarks();
        is_replacing_input_text_enabled_ = 1;
        InstallDefaultReplacementPairs();
        is_input_points_every_time_ = 1;
        default_points_ = 1;
        is_input_card_data_every_time_ = 1;
        default_setting_of_card_demand_ = 1;
        is_input_electric_wave_type_every_time_ = 0;
        is_input_cq_every_time_ = 0;
        is_input_comments_every_time_ = 1;
        under_decimal_point_ = kDefaultUnderDecimalPoint;
        default_print_type_ = 1;
        current_print_type_ = 1;
        is_print_dialog_bypassed_ = 1;
        for (Cp932* const text : {&post_code_, &address_, &telephone_number_, &name_, &licence_,
                                  &power_, &place_, &power_supply_, &registered_club_number_,
                                  &registered_club_name_, &superintendent_name_, &remarks_}) {
            text->clear();
        }
        is_use_station_parameter_ = 0;
        station_parameter_ = 1;
        return;
    }

    is_saving_settings_enabled_ = OneOf(is_saving_settings_enabled_, 0, 1, 1);
    is_displaying_title_logo_enabled_ = OneOf(is_displaying_title_logo_enabled_, 0, 1, 1);
    n_elapse_ = OneOf(n_elapse_, 1, 9, kDefaultElapse);
    main_window_placement_save_flag_ =
        OneOf(main_window_placement_save_flag_, 0, 2, kDefaultPlacementSaveFlag);
    main_window_state_ = OneOf(main_window_state_, 1, 3, kDefaultWindowState);
    is_displaying_date_enabled_ = OneOf(is_displaying_date_enabled_, 0, 1, 1);
    if (date_display_string_.empty()) {
        date_display_string_ = DefaultDateDisplayString();
    }
    is_display_utc_ = OneOf(is_display_utc_, 0, 1, 0);
    is_automatic_saving_enabled_ = OneOf(is_automatic_saving_enabled_, 0, 1, 1);
    if (punctuation_marks_.empty()) {
        punctuation_marks_ = DefaultPunctuationMarks();
    }
    is_replacing_input_text_enabled_ = OneOf(is_replacing_input_text_enabled_, 0, 1, 1);
    ValidateReplacementPairs();
    is_input_points_every_time_ = NonzeroIsOne(is_input_points_every_time_);
    default_points_ = OneOf(default_points_, 1, kMaxDefaultPoints, 1);
    is_input_card_data_every_time_ = NonzeroIsOne(is_input_card_data_every_time_);
    default_setting_of_card_demand_ = NonzeroIsOne(default_setting_of_card_demand_);
    is_input_electric_wave_type_every_time_ = NonzeroIsOne(is_input_electric_wave_type_every_time_);
    is_input_cq_every_time_ = NonzeroIsOne(is_input_cq_every_time_);
    is_input_comments_every_time_ = NonzeroIsOne(is_input_comments_every_time_);
    under_decimal_point_ = OneOf(under_decimal_point_, 0, 5, kDefaultUnderDecimalPoint);
    default_print_type_ = OneOf(default_print_type_, 1, 4, 1);
    is_print_dialog_bypassed_ = NonzeroIsOne(is_print_dialog_bypassed_);
}

void CQuillmarkSystem::ValidateReplacementPairs() {
    const size_t count = std::min(sources_.size(), destinations_.size());
    sources_.resize(count);
    destinations_.resize(count);
    size_t kept = 0;
    for (size_t i = 0; i < count; ++i) {
        // A pair whose destination holds one of its own source characters would be replaced
        // again and again; it is dropped like a pair without a source.
        if (sources_[i].empty() || IsSelfFeedingReplacementPair(sources_[i], destinations_[i])) {
            continue;
        }
        if (kept != i) {
            sources_[kept] = std::move(sources_[i]);
            destinations_[kept] = std::move(destinations_[i]);
        }
        ++kept;
    }
    sources_.resize(kept);
    destinations_.resize(kept);
    if (kept == 0) {
        InstallDefaultReplacementPairs();
    }
}

void CQuillmarkSystem::InstallDefaultReplacementPairs() {
    const Cp932 delimiter = GetFirstPunctuationMark();
    sources_.clear();
    destinations_.clear();
    // With "+" (or a blank) as the first delimiter a default pair would feed itself; it is
    // left out here rather than dropped at the next start-up.
    const Cp932 defaults[][2] = {{" ", delimiter}, {"=+", "59" + delimiter}};
    for (const auto& [source, destination] : defaults) {
        if (!IsSelfFeedingReplacementPair(source, destination)) {
            sources_.push_back(source);
            destinations_.push_back(destination);
        }
    }
}

Cp932 CQuillmarkSystem::GetFirstPunctuationMark() const {
    if (punctuation_marks_.empty()) {
        return {};
    }
    return punctuation_marks_.substr(0, cp932::CharLength(punctuation_marks_, 0));
}

bool CQuillmarkSystem::Save(ISettingsStore& store) const {
    store.SetInt(kSystem, "IsSavingSettingsEnabled", is_saving_settings_enabled_);
    if (is_saving_settings_enabled_ == 1) {
        store.SetInt(kTitleLogoDisplay, "IsDisplayingTitleLogoEnabled",
                     is_displaying_title_logo_enabled_);
        store.SetInt(kTitleLogoDisplay, "nElapse", n_elapse_);
        store.SetInt(kMainWindowPlacement, "MainWindowPlacementSaveFlag",
                     main_window_placement_save_flag_);
        if (main_window_placement_save_flag_ == 2) {
            store.SetInt(kMainWindowPlacement, "MainWindowState", main_window_state_);
            store.SetInt(kMainWindowPlacement, "MainWindowRect.left", main_window_rect_.left);
            store.SetInt(kMainWindowPlacement, "MainWindowRect.top", main_window_rect_.top);
            store.SetInt(kMainWindowPlacement, "MainWindowRect.right", main_window_rect_.right);
            store.SetInt(kMainWindowPlacement, "MainWindowRect.bottom", main_window_rect_.bottom);
        }
        store.SetInt(kDateDisplay, "IsDisplayingDateEnabled", is_displaying_date_enabled_);
        store.SetString(kDateDisplay, "DateDisplayString", date_display_string_);
        store.SetInt(kDateDisplay, "IsDisplayUTC", is_display_utc_);
        store.SetInt(kAutomaticSaving, "IsAutomaticSavingEnabled", is_automatic_saving_enabled_);
        store.SetString(kPunctuationMarks, "PunctuationMarks", punctuation_marks_);
        store.SetInt(kInputTextReplacement, "IsReplacingInputTextEnabled",
                     is_replacing_input_text_enabled_);
        SaveReplacementPairs(store);
        store.SetInt(kAddingLogData, "IsInputPointsEveryTime", is_input_points_every_time_);
        store.SetInt(kAddingLogData, "DefaultPoints", default_points_);
        store.SetInt(kAddingLogData, "IsInputCardDataEveryTime", is_input_card_data_every_time_);
        store.SetInt(kAddingLogData, "DefaultSettingOfCardDemand", default_setting_of_card_demand_);
        store.SetInt(kAddingLogData, "IsInputElectricWaveTypeEveryTime",
                     is_input_electric_wave_type_every_time_);
        store.SetInt(kAddingLogData, "IsInputCQEveryTime", is_input_cq_every_time_);
        store.SetInt(kAddingLogData, "IsInputCommentsEveryTime", is_input_comments_every_time_);
        store.SetInt(kDisplaying, "UnderDecimalPoint", under_decimal_point_);
        store.SetInt(kPrinting, "DefaultPrintType", default_print_type_);
        store.SetInt(kPrinting, "IsPrintDialogBypassed", is_print_dialog_bypassed_);
    }
    store.SetString(kSummarySheetInformation, "PostCode", post_code_);
    store.SetString(kSummarySheetInformation, "Address", address_);
    store.SetString(kSummarySheetInformation, "TelephoneNumber", telephone_number_);
    store.SetString(kSummarySheetInformation, "Name", name_);
    store.SetString(kSummarySheetInformation, "Licence", licence_);
    store.SetString(kSummarySheetInformation, "Power", power_);
    store.SetString(kSummarySheetInformation, "Place", place_);
    store.SetString(kSummarySheetInformation, "PowerSupply", power_supply_);
    store.SetString(kSummarySheetInformation, "RegisteredClub_Number", registered_club_number_);
    store.SetString(kSummarySheetInformation, "RegisteredClub_Name", registered_club_name_);
    store.SetString(kSummarySheetInformation, "SuperintendentName", superintendent_name_);
    store.SetString(kSummarySheetInformation, "Remarks", remarks_);
    store.SetInt(kSummarySheetInformation, "IsUseStationParameter", is_use_station_parameter_);
    store.SetInt(kSummarySheetInformation, "StationParameter", station_parameter_);
    return store.Sync();
}

void CQuillmarkSystem::SaveReplacementPairs(ISettingsStore& store) const {
    const size_t count = sources_.size();
    for (size_t i = 0; i < count; ++i) {
        store.SetString(kInputTextReplacement, NumberedKey(kSourceCharactersPrefix, i + 1),
                        sources_[i]);
        store.SetString(kInputTextReplacement, NumberedKey(kDestinationCharactersPrefix, i + 1),
                        i < destinations_.size() ? destinations_[i] : Cp932());
    }
    // Keys of pairs that no longer exist would come back at the next load (the list is read
    // until the first missing source), so they go.
    for (const std::string& key : store.GetKeys(kInputTextReplacement)) {
        const size_t source_number = KeyNumber(key, kSourceCharactersPrefix);
        const size_t destination_number = KeyNumber(key, kDestinationCharactersPrefix);
        if (source_number > count || destination_number > count) {
            store.RemoveKey(kInputTextReplacement, key);
        }
    }
}

Cp932 CQuillmarkSystem::GetSourceCharacters(int index) const {
    if (index < 0 || index >= GetReplacementPairCount()) {
        return {};
    }
    return sources_[static_cast<size_t>(index)];
}

Cp932 CQuillmarkSystem::GetDestinationCharacters(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= destinations_.size()) {
        return {};
    }
    return destinations_[static_cast<size_t>(index)];
}

bool CQuillmarkSystem::AddReplacementPair(const Cp932& source, const Cp932& destination) {
    if (source.empty() || IsSelfFeedingReplacementPair(source, destination)) {
        return false;
    }
    sources_.push_back(source);
    destinations_.resize(sources_.size() - 1);
    destinations_.push_back(destination);
    return true;
}

bool CQuillmarkSystem::SetSourceCharacters(int index, const Cp932& source) {
    if (index < 0 || index >= GetReplacementPairCount() || source.empty() ||
        IsSelfFeedingReplacementPair(source, GetDestinationCharacters(index))) {
        return false;
    }
    sources_[static_cast<size_t>(index)] = source;
    return true;
}

bool CQuillmarkSystem::SetDestinationCharacters(int index, const Cp932& destination) {
    if (index < 0 || index >= GetReplacementPairCount() ||
        IsSelfFeedingReplacementPair(sources_[static_cast<size_t>(index)], destination)) {
        return false;
    }
    destinations_.resize(sources_.size());
    destinations_[static_cast<size_t>(index)] = destination;
    return true;
}

bool CQuillmarkSystem::RemoveReplacementPair(int index) {
    if (index < 0 || index >= GetReplacementPairCount()) {
        return false;
    }
    sources_.erase(sources_.begin() + index);
    if (static_cast<size_t>(index) < destinations_.size()) {
        destinations_.erase(destinations_.begin() + index);
    }
    return true;
}

void CQuillmarkSystem::RemoveAllReplacementPairs() {
    sources_.clear();
    destinations_.clear();
}

bool CQuillmarkSystem::ReplaceInputText(Cp932& text, size_t& caret) const {
    if (is_replacing_input_text_enabled_ != 1) {
        return false;
    }
    return ApplyInputTextReplacement(text, caret, sources_, destinations_);
}

bool CQuillmarkSystem::SetCurrentPrintType(int value) {
    if (value < 0 || value > 4) {
        return false;
    }
    current_print_type_ = value;
    return true;
}

int64_t CQuillmarkSystem::GetCurrentTime() {
    return CurrentTime();
}
