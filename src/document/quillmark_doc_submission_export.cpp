// The submission export command of the contest log document: the JARL electronic log,
// Cabrillo or ADIF, chosen and described in the export dialog, written with a progress
// window and Cancel.
#include <memory>

#include "dialogs/log_export_dialog.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/cabrillo_export.h"
#include "document/log_exporter.h"
#include "document/quillmark_doc.h"
#include "document/text_export.h"
#include "document/work_pacer.h"
#include "platform/cp932_convert.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

log_export::Format FormatOf(const CLogExportDialog& dialog) {
    switch (dialog.GetFormat()) {
        case CLogExportDialog::kCabrillo:
            return log_export::Format::cabrillo;
        case CLogExportDialog::kAdif:
            return log_export::Format::adif;
        default:
            return dialog.GetVersion() == 1 ? log_export::Format::jarl_r10
                                            : log_export::Format::jarl_r21;
    }
}

log_export::Options OptionsOf(const CLogExportDialog& dialog, const CQuillmarkSystem& settings) {
    log_export::Options options;
    options.utc = dialog.IsUtc();
    options.now = CurrentTime();
    options.summary = log_export::SummaryInformation::FromSettings(settings);
    if (dialog.UsesEmail()) {
        options.email = dialog.GetEmail();
    }
    if (dialog.UsesContestId()) {
        options.contest_id = dialog.GetContestId();
    }
    if (dialog.UsesCabrilloHeader()) {
        for (int i = 0; i < CLogExportDialog::kCategoryCount; ++i) {
            options.categories.push_back(
                {std::string(CLogExportDialog::GetCategoryTag(i)), dialog.GetCategory(i)});
        }
        options.cabrillo_name = dialog.GetName();
        options.cabrillo_address = dialog.GetAddress();
        options.cabrillo_soapbox = dialog.GetSoapbox();
    }
    return options;
}

// The Cabrillo header starts from what the contest and the summary-sheet information
// suggest; the operator writes it over in ASCII where they are Japanese.
void FillDialog(CLogExportDialog& dialog, const CQuillmarkData_MainData& contest,
                const CQuillmarkSystem& settings, const std::string& document_path) {
    const log_export::Format formats[] = {log_export::Format::jarl_r21,
                                          log_export::Format::cabrillo, log_export::Format::adif};
    for (int i = 0; i < CLogExportDialog::kFormatCount; ++i) {
        const auto exporter = log_export::MakeLogExporter(formats[i]);
        dialog.SetFileType(i, exporter->GetExtension(), exporter->GetFilter());
    }
    dialog.SetUtc(CLogExportDialog::kJarl, settings.IsDisplayingUtc());
    log_export::Options suggested;
    suggested.summary = log_export::SummaryInformation::FromSettings(settings);
    CCabrilloExporter::SuggestHeader(contest, suggested);
    for (const log_export::CabrilloCategory& category : suggested.categories) {
        for (int i = 0; i < CLogExportDialog::kCategoryCount; ++i) {
            if (CLogExportDialog::GetCategoryTag(i) == category.tag) {
                dialog.SetCategory(i, category.value);
            }
        }
    }
    dialog.SetContestId(suggested.contest_id);
    dialog.SetName(suggested.cabrillo_name);
    dialog.SetAddress(suggested.cabrillo_address);
    dialog.SetSoapbox(suggested.cabrillo_soapbox);
    const size_t slash = document_path.find_last_of('/');
    dialog.SetDefaultFileName(
        slash == std::string::npos ? std::string() : document_path.substr(0, slash),
        Cp932ToUtf8(contest.GetOwnCallSign().GetMainParameter(contest.GetCallSignType())));
}

}  // namespace

bool CQuillmarkDoc::ExportLogDataForSubmission() {
    CProgressDialog progress(operator_);
    const Cp932 caption = CLogExportDialog::GetCaption();
    constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
    const Cp932 cancelled = J("ログデータの提出用出力を中止しました。");

    if (!contest_.IsValid()) {
        return false;
    }
    // The same refusals as the text export: nothing to submit.
    if (contest_.GetBandCount() == 0 || contest_.GetTotalEntryCount() <= 0) {
        progress.ShowMessage(text_export::RefusalMessage(contest_.GetBandCount() == 0
                                                             ? text_export::Refusal::no_band
                                                             : text_export::Refusal::no_entry),
                             caption, kWarning);
        return false;
    }

    CLogExportDialog dialog;
    FillDialog(dialog, contest_, settings_, GetPathName());
    dialog.SetChecker([this](const CLogExportDialog& shown) {
        const auto exporter = log_export::MakeLogExporter(FormatOf(shown));
        const log_export::Options options = OptionsOf(shown, settings_);
        return CLogExportDialog::ExportCheck{exporter->Check(contest_, options),
                                             exporter->MissingRequiredFields(contest_, options)};
    });
    if (dialog.DoModal(operator_) != message_box::kIdOk) {
        progress.SetStatusText(cancelled);
        return false;
    }

    const auto exporter = log_export::MakeLogExporter(FormatOf(dialog));
    const log_export::Options options = OptionsOf(dialog, settings_);
    const std::string& path = dialog.GetFileName();
    const int total = static_cast<int>(std::min<int64_t>(contest_.GetTotalEntryCount(), INT32_MAX));
    progress.SetProgressText(0, caption);
    progress.SetProgressText(
        1, J("ログデータを提出用の形式で出力しています。しばらくお待ちください．．．"));
    progress.SetProgressText(2, J("[形式] ： ") + exporter->GetName());
    progress.SetProgressText(3, J("[ファイル] ： ") + Utf8ToCp932(path));
    progress.SetProgressRange(0, total);
    progress.SetProgressPos(0);
    progress.EnableCancel(true);
    progress.SetStatusText(
        J("ログデータを提出用の形式で出力しています。しばらくお待ちください．．．"));
    progress.Show();
    CWorkPacer pacer;
    const log_export::FileResult file = log_export::WriteSubmissionFile(
        path, *exporter, contest_, options, [&](int64_t done, int64_t all) {
            if (pacer.Due()) {
                progress.SetProgressPos(all > 0 ? static_cast<int>(done * total / all) : 0);
                operator_.PumpEvents();
            }
            return !progress.IsCancelled();
        });
    progress.Close();

    using Status = log_export::Result::Status;
    switch (file.result.status) {
        case Status::refused:
            progress.ShowMessage(file.result.message, caption, kWarning);
            progress.SetStatusText(cancelled);
            return false;
        case Status::cancelled:
            progress.SetStatusText(cancelled);
            return false;
        case Status::write_failed:
            progress.ShowMessage(
                J("ファイル「") + Utf8ToCp932(path) + J("」に書き込めませんでした。\n\n") +
                    Utf8ToCp932(file.reason) + J("\n\n書きかけのファイルは残していません。"),
                caption, kWarning);
            progress.SetStatusText(cancelled);
            return false;
        case Status::written:
            break;
    }
    if (file.result.omitted_fields > 0) {
        progress.SetStatusText(J("ADIF に書けない日本語などの ") +
                               std::to_string(file.result.omitted_fields) +
                               J(" 項目を省いて、ログデータの提出用出力を完了しました。"));
    } else {
        progress.SetStatusText(J("ログデータの提出用出力を完了しました。"));
    }
    return true;
}
