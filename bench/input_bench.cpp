// Logging contacts one after another through the input run, as the operator would at the
// radio: call sign, contest number, confirmation, and (with automatic saving on) a safe save
// of the whole log after every contact.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "bench_contest.h"
#include "citycode/city_code_organization.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/operator.h"
#include "document/quillmark_doc.h"
#include "dialogs/scripted_operator.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "settings/quillmark_system.h"

namespace {

constexpr int kMultipliers = 50;

CQuillmarkData_MainData MakeContest() {
    CQuillmarkData_MainData contest = MakeBenchContest({7});
    contest.SetActiveBandAt(0);
    const CQuillmarkData_ContestNumberType& number_format = contest.GetContestNumberType();
    CQuillmarkData_ContestNumberItem sent;
    sent.SetText("599/100", kBenchDelimiters, number_format);
    contest.GetBandAt(0)->SetSentContestNumber(sent);
    contest.GetBandAt(0)->SetMode("CW");
    return contest;
}

// A fresh folder for the automatic saves, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qm_input_bench_XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The operator's part for count contacts: a new station each time, the received number
// typed, the entry confirmed, every new multiplier's notice acknowledged; then the run ends.
void ScriptContacts(CScriptedOperator& op, int count) {
    for (int i = 0; i < count; ++i) {
        std::string call = "Q" + std::to_string(100000 + i).substr(1);
        op.AnswerDialog(message_box::kIdOk, [call](CDialogState& dialog, int) {
            auto& sheet = dynamic_cast<CLogDataInputSheet&>(dialog);
            sheet.GetCallSignPage().SetEditText(call);
            sheet.Next();
        });
        std::string received = "599/" + std::to_string(10 + i % kMultipliers);
        op.AnswerDialog(message_box::kIdOk, [received](CDialogState& dialog, int) {
            auto& sheet = dynamic_cast<CLogDataInputSheet&>(dialog);
            sheet.GetContestNumberPage().SetReceivedEditText(received);
            sheet.Next();
        });
        op.AnswerDialog(message_box::kIdOk);
        if (i < kMultipliers) {
            op.AnswerMessage(message_box::kIdOk);
        }
    }
    op.AnswerDialog(message_box::kIdCancel, [](CDialogState& dialog, int) {
        dynamic_cast<CLogDataInputSheet&>(dialog).Cancel();
    });
}

void LogContacts(benchmark::State& state, bool automatic_saving) {
    const int count = static_cast<int>(state.range(0));
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TempFolder folder;
        CQuillmarkSystem settings;
        settings.SetIsDisplayUTC(1);
        settings.SetIsInputCardDataEveryTime(0);
        settings.SetIsInputCommentsEveryTime(0);
        settings.SetIsInputPointsEveryTime(0);
        settings.SetIsAutomaticSavingEnabled(automatic_saving ? 1 : 0);
        CScriptedOperator op;
        ScriptContacts(op, count);
        CCityCodeData_MainDataOrganization city_codes;
        CQuillmarkDoc doc(op, settings, &city_codes);
        doc.SetProgramFolder(folder.Path());
        doc.GetContest() = MakeContest();
        state.ResumeTiming();

        const auto begin = std::chrono::steady_clock::now();
        doc.InputLogData(false);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();

        state.PauseTiming();
        if (doc.GetContest().GetActiveBand()->GetEntryCount() != count ||
            op.UnscriptedCount() != 0 || (automatic_saving && doc.IsModified())) {
            state.SkipWithError("the run did not log every contact");
        }
        state.ResumeTiming();
    }
    state.counters["ms_per_contact"] =
        benchmark::Counter(seconds * 1000.0 / count, benchmark::Counter::kAvgIterations);
}

void BM_InputWithAutomaticSaving(benchmark::State& state) {
    LogContacts(state, true);
}
BENCHMARK(BM_InputWithAutomaticSaving)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_InputWithoutSaving(benchmark::State& state) {
    LogContacts(state, false);
}
BENCHMARK(BM_InputWithoutSaving)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
