// Following the transceiver: the band it is tuned to becomes the active band and its mode the
// band's mode, without a question, since the operator has just tuned there.

#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "rig/band_plan.h"
#include "rig/rig_modes.h"
#include "settings/quillmark_system.h"

namespace {

// Update hint: a band's defaults changed, no entry did.
constexpr int kHintDescription = -3;

}  // namespace

CQuillmarkDoc::RadioChange CQuillmarkDoc::FollowRadio(double hz, std::string_view mode) {
    if (!contest_.IsValid()) {
        return RadioChange::none;
    }
    CProgressDialog progress(operator_);
    const Cp932 frequency = Utf8ToCp932(band_plan::FrequencyText(hz));
    const Cp932 contest_mode = rig_modes::ContestModeOf(mode);
    const int index = band_plan::ContestBandOf(contest_, hz);
    if (index < 0) {
        const std::optional<band_plan::AmateurBand> band = band_plan::BandOf(hz);
        radio_band_ = CQuillmarkData_BandItem();
        radio_mode_ = contest_mode;
        if (!band) {
            progress.SetStatusText(Utf8ToCp932("無線機の周波数 ") + frequency +
                                   Utf8ToCp932(" はアマチュアバンドの外です。"));
            return RadioChange::outside_bands;
        }
        radio_band_.SetBand(band->label, band->unit);
        progress.SetStatusText(frequency + Utf8ToCp932(" はこのコンテストにありません。Shift+F5 "
                                                       "で追加できます。"));
        return RadioChange::outside_contest;
    }
    radio_band_ = CQuillmarkData_BandItem();

    bool band_changed = false;
    if (index != contest_.GetActiveBandIndex()) {
        contest_.SetActiveBandAt(index);
        RebuildGraphData();
        band_changed = true;
    }
    CQuillmarkData_SubMainData& band = *contest_.GetActiveBand();
    const bool mode_changed = !contest_mode.empty() && band.GetMode() != contest_mode;
    if (mode_changed) {
        band.SetMode(contest_mode);
    }
    if (!band_changed && !mode_changed) {
        return RadioChange::none;
    }
    SetModifiedFlag(true);
    UpdateAllViews(band_changed ? kHintAll : kHintDescription);
    const Cp932 band_text = band.GetBand().GetBandText(settings_.GetUnderDecimalPoint(), 2, true);
    if (band_changed) {
        progress.SetStatusText(Utf8ToCp932("無線機に合わせて ") + band_text +
                               Utf8ToCp932(" をアクティブにしました。"));
        return mode_changed ? RadioChange::band_and_mode : RadioChange::band;
    }
    progress.SetStatusText(Utf8ToCp932("無線機に合わせて ") + band_text +
                           Utf8ToCp932(" の電波の型式を ") + contest_mode +
                           Utf8ToCp932(" にしました。"));
    return RadioChange::mode;
}
