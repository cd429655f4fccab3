#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/cp932.h"
#include "platform/time_zone_rule.h"
#include "settings/settings_store.h"

// The application's one settings object: it loads the user's settings from a settings
// store, brings them into their accepted ranges, hands them to every part of the program and
// writes them back at exit. It also holds the input text replacement pairs, the run-time
// print type and the rule whether dates are displayed in UTC. Works with ISettingsStore (the
// INI store in the program, the in-memory store in tests); the settings dialogs only read and
// set its fields.
//
// Getters and setters are named after the store keys (GetDefaultPoints, SetIsDisplayUTC).
// Setters store their value unchecked; Validate brings everything into range.
class CQuillmarkSystem {
public:
    // Default values shared with the callers that need them.
    static const Cp932& DefaultDateDisplayString();
    static const Cp932& DefaultPunctuationMarks();  // "/,."
    // The value a missing SourceCharacters_N key reads as; it ends the list of pairs.
    static constexpr std::string_view kNoMoreSourceCharacters = "--- NotExist ---";

    // All fields take their reset values; the current print type is 1.
    CQuillmarkSystem();

    // Reads every key from the store, each with its missing-key value; the current print type
    // becomes DefaultPrintType. Values are not checked: call Validate(false) next.
    void Load(const ISettingsStore& store);
    // Brings every field into its accepted range, or with reset puts every field to its reset
    // value.
    void Validate(bool reset);
    // Writes the settings: IsSavingSettingsEnabled always, the summary sheet information
    // always, everything else only while IsSavingSettingsEnabled is 1. Pair keys beyond the
    // current pairs are removed. Returns false when the store could not be written.
    bool Save(ISettingsStore& store) const;

    // --- System, title logo, window placement ---
    int GetIsSavingSettingsEnabled() const { return is_saving_settings_enabled_; }
    void SetIsSavingSettingsEnabled(int value) { is_saving_settings_enabled_ = value; }
    int GetIsDisplayingTitleLogoEnabled() const { return is_displaying_title_logo_enabled_; }
    void SetIsDisplayingTitleLogoEnabled(int value) { is_displaying_title_logo_enabled_ = value; }
    int GetnElapse() const { return n_elapse_; }
    void SetnElapse(int value) { n_elapse_ = value; }
    int GetMainWindowPlacementSaveFlag() const { return main_window_placement_save_flag_; }
    void SetMainWindowPlacementSaveFlag(int value) { main_window_placement_save_flag_ = value; }
    int GetMainWindowState() const { return main_window_state_; }
    void SetMainWindowState(int value) { main_window_state_ = value; }
    struct Rect {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = -1;
        int32_t bottom = -1;
        bool operator==(const Rect&) const = default;
    };
    const Rect& GetMainWindowRect() const { return main_window_rect_; }
    void SetMainWindowRect(const Rect& rect) { main_window_rect_ = rect; }

    // --- Date display ---
    int GetIsDisplayingDateEnabled() const { return is_displaying_date_enabled_; }
    void SetIsDisplayingDateEnabled(int value) { is_displaying_date_enabled_ = value; }
    const Cp932& GetDateDisplayString() const { return date_display_string_; }
    void SetDateDisplayString(const Cp932& value) { date_display_string_ = value; }
    // Whether every displayed, printed and exported date and time is shown in UTC rather than
    // local time. The machine's own time zone is never changed.
    int GetIsDisplayUTC() const { return is_display_utc_; }
    void SetIsDisplayUTC(int value) { is_display_utc_ = value; }
    bool IsDisplayingUtc() const { return is_display_utc_ == 1; }
    // The rule every date display, printout and export converts stored times with: UTC while
    // IsDisplayUTC is 1, else the process's local zone. Ask again after the setting changes.
    CTimeZoneRule GetDisplayTimeZoneRule() const {
        return CTimeZoneRule::ForDisplay(IsDisplayingUtc());
    }
    // The current calendar time, seconds since 1970 UTC.
    static int64_t GetCurrentTime();

    // --- Saving, delimiters, input text replacement ---
    int GetIsAutomaticSavingEnabled() const { return is_automatic_saving_enabled_; }
    void SetIsAutomaticSavingEnabled(int value) { is_automatic_saving_enabled_ = value; }
    const Cp932& GetPunctuationMarks() const { return punctuation_marks_; }
    void SetPunctuationMarks(const Cp932& value) { punctuation_marks_ = value; }
    // The first character of PunctuationMarks (one or two bytes), the delimiter used when
    // joining parameters.
    Cp932 GetFirstPunctuationMark() const;
    int GetIsReplacingInputTextEnabled() const { return is_replacing_input_text_enabled_; }
    void SetIsReplacingInputTextEnabled(int value) { is_replacing_input_text_enabled_ = value; }

    int GetReplacementPairCount() const { return static_cast<int>(sources_.size()); }
    const std::vector<Cp932>& GetSourceCharactersArray() const { return sources_; }
    const std::vector<Cp932>& GetDestinationCharactersArray() const { return destinations_; }
    // The source or destination of pair i; empty when i is out of range.
    Cp932 GetSourceCharacters(int index) const;
    Cp932 GetDestinationCharacters(int index) const;
    // Appends a pair; refused (false) when the source is empty or the destination holds one of
    // the source characters.
    bool AddReplacementPair(const Cp932& source, const Cp932& destination);
    // Refused when i is out of range, the source is empty, or the pair would feed itself.
    bool SetSourceCharacters(int index, const Cp932& source);
    // Refused when i is out of range or the pair would feed itself.
    bool SetDestinationCharacters(int index, const Cp932& destination);
    bool RemoveReplacementPair(int index);
    void RemoveAllReplacementPairs();
    // Applies the pairs to typed text when IsReplacingInputTextEnabled is 1. caret is a byte
    // position in text and follows the replacements. Returns true when the text changed.
    bool ReplaceInputText(Cp932& text, size_t& caret) const;

    // --- Adding log data ---
    int GetIsInputPointsEveryTime() const { return is_input_points_every_time_; }
    void SetIsInputPointsEveryTime(int value) { is_input_points_every_time_ = value; }
    int GetDefaultPoints() const { return default_points_; }
    void SetDefaultPoints(int value) { default_points_ = value; }
    int GetIsInputCardDataEveryTime() const { return is_input_card_data_every_time_; }
    void SetIsInputCardDataEveryTime(int value) { is_input_card_data_every_time_ = value; }
    int GetDefaultSettingOfCardDemand() const { return default_setting_of_card_demand_; }
    void SetDefaultSettingOfCardDemand(int value) { default_setting_of_card_demand_ = value; }
    int GetIsInputElectricWaveTypeEveryTime() const {
        return is_input_electric_wave_type_every_time_;
    }
    void SetIsInputElectricWaveTypeEveryTime(int value) {
        is_input_electric_wave_type_every_time_ = value;
    }
    int GetIsInputCQEveryTime() const { return is_input_cq_every_time_; }
    void SetIsInputCQEveryTime(int value) { is_input_cq_every_time_ = value; }
    int GetIsInputCommentsEveryTime() const { return is_input_comments_every_time_; }
    void SetIsInputCommentsEveryTime(int value) { is_input_comments_every_time_ = value; }

    // --- Displaying and printing ---
    int GetUnderDecimalPoint() const { return under_decimal_point_; }
    void SetUnderDecimalPoint(int value) { under_decimal_point_ = value; }
    int GetDefaultPrintType() const { return default_print_type_; }
    void SetDefaultPrintType(int value) { default_print_type_ = value; }
    // The print type the print commands choose at run time; never stored.
    int GetCurrentPrintType() const { return current_print_type_; }
    // Accepts 0 .. 4; false otherwise.
    bool SetCurrentPrintType(int value);
    int GetIsPrintDialogBypassed() const { return is_print_dialog_bypassed_; }
    void SetIsPrintDialogBypassed(int value) { is_print_dialog_bypassed_ = value; }

    // --- Summary sheet information ---
    const Cp932& GetPostCode() const { return post_code_; }
    void SetPostCode(const Cp932& value) { post_code_ = value; }
    const Cp932& GetAddress() const { return address_; }
    void SetAddress(const Cp932& value) { address_ = value; }
    const Cp932& GetTelephoneNumber() const { return telephone_number_; }
    void SetTelephoneNumber(const Cp932& value) { telephone_number_ = value; }
    const Cp932& GetName() const { return name_; }
    void SetName(const Cp932& value) { name_ = value; }
    const Cp932& GetLicence() const { return licence_; }
    void SetLicence(const Cp932& value) { licence_ = value; }
    const Cp932& GetPower() const { return power_; }
    void SetPower(const Cp932& value) { power_ = value; }
    const Cp932& GetPlace() const { return place_; }
    void SetPlace(const Cp932& value) { place_ = value; }
    const Cp932& GetPowerSupply() const { return power_supply_; }
    void SetPowerSupply(const Cp932& value) { power_supply_ = value; }
    const Cp932& GetRegisteredClub_Number() const { return registered_club_number_; }
    void SetRegisteredClub_Number(const Cp932& value) { registered_club_number_ = value; }
    const Cp932& GetRegisteredClub_Name() const { return registered_club_name_; }
    void SetRegisteredClub_Name(const Cp932& value) { registered_club_name_ = value; }
    const Cp932& GetSuperintendentName() const { return superintendent_name_; }
    void SetSuperintendentName(const Cp932& value) { superintendent_name_ = value; }
    const Cp932& GetRemarks() const { return remarks_; }
    void SetRemarks(const Cp932& value) { remarks_ = value; }
    int GetIsUseStationParameter() const { return is_use_station_parameter_; }
    void SetIsUseStationParameter(int value) { is_use_station_parameter_ = value; }
    int GetStationParameter() const { return station_parameter_; }
    void SetStationParameter(int value) { station_parameter_ = value; }

private:
    void ValidateReplacementPairs();
    void InstallDefaultReplacementPairs();
    void SaveReplacementPairs(ISettingsStore& store) const;

    int32_t is_saving_settings_enabled_ = 1;
    int32_t is_displaying_title_logo_enabled_ = 1;
    int32_t n_elapse_ = 3;
    int32_t main_window_placement_save_flag_ = 2;
    int32_t main_window_state_ = 1;
    Rect main_window_rect_;
    int32_t is_displaying_date_enabled_ = 1;
    Cp932 date_display_string_;
    int32_t is_display_utc_ = 0;
    int32_t is_automatic_saving_enabled_ = 1;
    Cp932 punctuation_marks_;
    int32_t is_replacing_input_text_enabled_ = 1;
    std::vector<Cp932> sources_;
    std::vector<Cp932> destinations_;
    int32_t is_input_points_every_time_ = 1;
    int32_t default_points_ = 1;
    int32_t is_input_card_data_every_time_ = 1;
    int32_t default_setting_of_card_demand_ = 1;
    int32_t is_input_electric_wave_type_every_time_ = 0;
    int32_t is_input_cq_every_time_ = 0;
    int32_t is_input_comments_every_time_ = 1;
    int32_t under_decimal_point_ = 3;
    int32_t default_print_type_ = 1;
    int32_t current_print_type_ = 1;
    int32_t is_print_dialog_bypassed_ = 1;
    Cp932 post_code_;
    Cp932 address_;
    Cp932 telephone_number_;
    Cp932 name_;
    Cp932 licence_;
    Cp932 power_;
    Cp932 place_;
    Cp932 power_supply_;
    Cp932 registered_club_number_;
    Cp932 registered_club_name_;
    Cp932 superintendent_name_;
    Cp932 remarks_;
    int32_t is_use_station_parameter_ = 0;
    int32_t station_parameter_ = 1;
};
