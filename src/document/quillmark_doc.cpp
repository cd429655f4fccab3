#include "document/quillmark_doc.h"

#include <sys/stat.h>

#include <cerrno>

#include "citycode/city_code_organization.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/contest_file.h"
#include "document/program_folders.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "platform/file_lock.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

// A file name inside a CP932 message.
Cp932 ShownPath(const std::string& path) {
    return Utf8ToCp932(path);
}

// Why a save failed, in the operator's words, as a line of its own; empty when errno says
// nothing more than the reason that follows it.
Cp932 SaveFailureCause(const safe_file::Failure& failure) {
    switch (failure.error) {
        case ENOSPC:
        case EDQUOT:
            return J("ディスクの空き容量が足りません。\n");
        case EIO:
            return J("ディスクの読み書きでエラーが発生しました。\n");
        case EACCES:
        case EPERM:
            return J("このファイルまたはフォルダへの書き込みが許可されていません。\n");
        case EROFS:
            return J("書き込みのできないディスクです。\n");
        default:
            return {};
    }
}

bool NameIsTaken(const std::string& path) {
    // Any directory entry counts, even one that cannot be read: an automatic save must never
    // replace a file it could not look into.
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    return a == b;
}

std::string WithoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

CQuillmarkDoc::CQuillmarkDoc(IOperator& op, const CQuillmarkSystem& settings,
                             const CCityCodeData_MainDataOrganization* city_codes)
    : city_codes_(city_codes),
      series_{CQuillmarkData_GraphDataItem(GraphKind::stations),
              CQuillmarkData_GraphDataItem(GraphKind::multipliers),
              CQuillmarkData_GraphDataItem(GraphKind::points),
              CQuillmarkData_GraphDataItem(GraphKind::stations),
              CQuillmarkData_GraphDataItem(GraphKind::multipliers),
              CQuillmarkData_GraphDataItem(GraphKind::points)},
      operator_(op),
      settings_(settings),
      program_folder_(program_folders::ExecutableFolder()),
      user_data_folder_(program_folders::UserDataFolder()) {}

CQuillmarkDoc::~CQuillmarkDoc() = default;

CQuillmarkData_GraphDataItem* CQuillmarkDoc::GetGraphSeries(int index) {
    if (index < 0 || index >= kSeriesCount) {
        return nullptr;
    }
    return &series_[static_cast<size_t>(index)];
}

const CQuillmarkData_GraphDataItem* CQuillmarkDoc::GetGraphSeries(int index) const {
    if (index < 0 || index >= kSeriesCount) {
        return nullptr;
    }
    return &series_[static_cast<size_t>(index)];
}

void CQuillmarkDoc::DeleteContents() {
    contest_.DeleteContents();
    // All three active-band series go, not only stations and multipliers: the points series
    // would otherwise keep pointing into a band that no longer exists.
    for (int i = 3; i < kSeriesCount; ++i) {
        series_[static_cast<size_t>(i)].DeleteContents();
    }
    CDocumentBase::DeleteContents();
}

int CQuillmarkDoc::RebuildLogData(int mode) {
    if (!contest_.IsValid()) {
        return 0;
    }
    contest_.RebuildAll(CQuillmarkData_SubMainData::kRebuildSort |
                        CQuillmarkData_SubMainData::kRebuildFirst);
    if (mode != kRebuildSortAndFirst) {
        RebuildGraphData();
    }
    return 1;
}

int CQuillmarkDoc::RebuildGraphData() {
    if (!contest_.IsValid()) {
        return 0;
    }
    for (int i = 3; i < kSeriesCount; ++i) {
        series_[static_cast<size_t>(i)].DeleteContents();
    }
    const bool has_multiplier = contest_.GetContestNumberType().HasMultiplier() == 1;
    static const std::array<Cp932, 3> titles = {J("全体の局数"), J("全体のマルチ数"),
                                                J("全体の得点数")};
    for (int i = 0; i < 3; ++i) {
        CQuillmarkData_GraphDataItem& series = series_[static_cast<size_t>(i)];
        // A series set up earlier keeps its source and the shown flag the operator chose.
        if (series.IsValid() || (i == 1 && !has_multiplier)) {
            continue;
        }
        series.SetSource(&contest_, &contest_, kGraphBucketSeconds);
        series.SetShown(false);
        series.SetTitle(titles[static_cast<size_t>(i)]);
        series.SetPenWidth(5);
    }
    if (const CQuillmarkData_SubMainData* active = contest_.GetActiveBand(); active != nullptr) {
        for (int i = 3; i < kSeriesCount; ++i) {
            if (i == 4 && !has_multiplier) {
                continue;
            }
            series_[static_cast<size_t>(i)].SetSource(&contest_, active, kGraphBucketSeconds);
        }
    }
    return 1;
}

bool CQuillmarkDoc::OnOpenDocument(const std::string& path) {
    constexpr int kOpenWaitMs = 5000;
    if (struct stat info{};
        ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) {
        return OpenEmptyFileAsNewContest(path);
    }
    DeleteContents();
    CProgressDialog progress(operator_);
    // A program that is replacing the file right now (quillmark-cli log) finishes first, so
    // what is read is never a log that is about to change behind this document.
    CFileUpdateLock lock;
    std::string busy;
    contest_file::LoadResult result;
    if (lock.Lock(path, CFileUpdateLock::Mode::shared, kOpenWaitMs, &busy) ==
        CFileUpdateLock::Result::busy) {
        result.error = busy;
    } else {
        result =
            contest_file::Load(path, settings_.GetPunctuationMarks(), contest_, progress.Sink());
    }
    if (!result.loaded) {
        DeleteContents();
        progress.SetStatusText(J("ファイルの読み込みに失敗しました。"));
        progress.ShowMessage(J("ファイル「") + ShownPath(path) + J("」を開けませんでした。\n\n") +
                                 Utf8ToCp932(result.error),
                             J("クイルマーク"), message_box::kOk | message_box::kIconExclamation);
        return false;
    }
    SetPathName(path, true);
    SetModifiedFlag(false);
    RebuildGraphData();
    UpdateAllViews(kHintAll);
    // The reading text would otherwise stay as if the program were still busy.
    progress.SetStatusText(J("ファイルからの読み込みを完了しました。"));
    return true;
}

bool CQuillmarkDoc::OnSaveDocument(const std::string& path) {
    return WriteDocument(path, true, nullptr);
}

bool CQuillmarkDoc::WriteDocument(const std::string& path, bool replace, bool* name_taken) {
    CProgressDialog progress(operator_);
    if (read_only_ && SameFile(path, GetPathName())) {
        progress.ShowMessage(J("ファイル「") + ShownPath(path) +
                                 J("」は、ほかのプログラムが使用しているため、読み取り専用で開"
                                   "いています。上書き保存はできません。\n\n別の名前を付けて"
                                   "保存してください。"),
                             J("クイルマーク"), message_box::kOk | message_box::kIconExclamation);
        return false;
    }
    const bool existed = NameIsTaken(path);
    safe_file::Failure failure;
    if (!contest_file::Save(path, contest_, progress.Sink(), {.replace = replace}, &failure)) {
        if (!replace && failure.error == EEXIST) {
            *name_taken = true;
            return false;
        }
        progress.SetStatusText(J("ファイルへの書き込みに失敗しました。"));
        progress.ShowMessage(
            J("ファイル「") + ShownPath(path) + J("」に保存できませんでした。\n\n") +
                SaveFailureCause(failure) + "(" + Utf8ToCp932(failure.reason) + ")" +
                (existed ? J("\n\n元のファイルは、変更されずに残っています。") : Cp932()) +
                J("\n\nこのログデータは、まだ保存されていません。"),
            J("クイルマーク"), message_box::kOk | message_box::kIconExclamation);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

int CQuillmarkDoc::SaveAutomatically(bool only_if_enabled) {
    const bool enabled = settings_.GetIsAutomaticSavingEnabled() != 0;
    if (read_only_) {
        return 0;
    }
    if (!GetPathName().empty()) {
        if (IsModified() && (!only_if_enabled || enabled)) {
            return OnSaveDocument(GetPathName()) ? 1 : 0;
        }
        return 0;
    }
    if (!IsModified() || !only_if_enabled || !enabled) {
        return 0;
    }
    // A free name can be taken by another program between the look and the save; the save
    // then refuses to replace it and the next free name is tried.
    for (int attempt = 0; attempt < kMaxAutomaticSaveNumber; ++attempt) {
        const std::string path = NextAutomaticSavePath();
        if (path.empty()) {
            return 0;
        }
        bool taken = false;
        if (WriteDocument(path, false, &taken)) {
            SetPathName(path, true);
            return 1;
        }
        if (!taken) {
            return 0;
        }
    }
    return 0;
}

std::string CQuillmarkDoc::NextAutomaticSavePath() const {
    const std::string folder = AutomaticSaveFolder();
    const std::string prefix = (folder == "/" ? std::string() : folder) + "/Tmp_";
    for (int n = 1; n <= kMaxAutomaticSaveNumber; ++n) {
        std::string path = prefix + std::to_string(n) + ".qmk";
        if (!NameIsTaken(path)) {
            return path;
        }
    }
    return {};
}

std::string CQuillmarkDoc::AutomaticSaveFolder() const {
    const std::string program = WithoutTrailingSeparator(program_folder_);
    if (program_folders::IsWritableFolder(program)) {
        return program;
    }
    const std::string user = WithoutTrailingSeparator(user_data_folder_);
    // When even this fails, the save reports the reason.
    program_folders::MakeFolders(user);
    return user;
}

int CQuillmarkDoc::FindCallSign(std::string_view key) const {
    if (!contest_.IsValid()) {
        return -2;
    }
    const int main_index = contest_.GetCallSignType().GetMainParameterIndex();
    if (contest_.GetOwnCallSign().ParameterView(main_index) == key) {
        return -1;
    }
    const CQuillmarkData_SubMainData* band = contest_.GetActiveBand();
    if (band == nullptr) {
        return -2;
    }
    const auto& entries = band->GetEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].GetCallSign().ParameterView(main_index) == key) {
            return static_cast<int>(i);
        }
    }
    return -2;
}

int CQuillmarkDoc::FindMultiplier(std::string_view key) const {
    if (!contest_.IsValid()) {
        return -2;
    }
    const int multiplier_index = contest_.GetContestNumberType().MultiplierIndexOrNone();
    if (multiplier_index < 0) {
        return -2;
    }
    const CQuillmarkData_SubMainData* band = contest_.GetActiveBand();
    if (band == nullptr) {
        return -1;
    }
    const auto& entries = band->GetEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].GetReceivedContestNumber().ParameterView(multiplier_index) == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CQuillmarkDoc::FindCityCode(int start, int column, std::string_view key, bool exact) const {
    if (city_codes_ == nullptr) {
        return -1;
    }
    return city_codes_->FindItem(start, column, key, exact);
}
