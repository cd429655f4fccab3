#include "ui/app/crash_recovery.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "dialogs/operator.h"
#include "document/contest_file.h"
#include "document/program_folders.h"
#include "model/contest.h"
#include "platform/cp932_convert.h"
#include "platform/file_lock.h"
#include "platform/progress_sink.h"
#include "platform/time_format.h"

namespace crash_recovery {
namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

int NumberOf(std::string_view name) {
    return std::stoi(std::string(name.substr(4, name.size() - 8)));
}

}  // namespace

bool IsAutomaticSaveName(std::string_view name) {
    constexpr std::string_view kPrefix = "Tmp_";
    constexpr std::string_view kSuffix = ".qmk";
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix) ||
        name.size() <= kPrefix.size() + kSuffix.size()) {
        return false;
    }
    const std::string_view number =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    return number.size() <= 4 && number[0] != '0' &&
           number.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string AutomaticSaveFolder(const std::string& program_folder,
                                const std::string& user_data_folder) {
    return program_folders::IsWritableFolder(program_folder) ? program_folder : user_data_folder;
}

std::vector<std::string> FindLeftovers(const std::string& folder,
                                       const std::function<bool(const std::string&)>& is_held) {
    std::vector<std::string> names;
    if (DIR* const dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            names.emplace_back(entry->d_name);
        }
        ::closedir(dir);
    }
    std::erase_if(names, [](const std::string& name) { return !IsAutomaticSaveName(name); });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NumberOf(a) < NumberOf(b); });
    std::vector<std::string> leftovers;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && !is_held(path)) {
            leftovers.push_back(path);
        }
    }
    return leftovers;
}

bool IsHeldByRunningProgram(const std::string& path) {
    const auto owner = file_lock::ReadLockOwner(file_lock::LockFilePathOf(path));
    return owner && file_lock::IsRunning(*owner, file_lock::HostName());
}

Leftover Describe(const std::string& path, std::string_view punctuation_marks) {
    Leftover leftover;
    leftover.path = path;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        leftover.saved = info.st_mtime;
    }
    CQuillmarkData_MainData contest;
    CNullProgressSink sink;
    const contest_file::LoadResult result =
        contest_file::Load(path, punctuation_marks, contest, sink);
    if (result.loaded) {
        leftover.contest_name = contest.GetContestName();
        leftover.contacts = contest.GetTotalEntryCount();
    } else {
        leftover.load_error = result.error;
    }
    return leftover;
}

Cp932 Caption() {
    return J("クイルマーク - 自動保存ファイルの復元");
}

Cp932 Question(const Leftover& leftover, const CTimeZoneRule& rule) {
    Cp932 text = J("前回の自動保存ファイルが見つかりました。前回は、ログデータを保存する前に終了し"
                   "た可能性があります。\n\nファイル ： ") +
                 Utf8ToCp932(leftover.path) + J("\n保存日時 ： ") +
                 FormatTime("%Y/%m/%d %H:%M:%S", leftover.saved, rule) + J("\n内容 ： ");
    if (leftover.load_error.empty()) {
        text += leftover.contest_name + J("、ログデータ ") + std::to_string(leftover.contacts) +
                J(" 件");
    } else {
        text += J("読み込めません (") + Utf8ToCp932(leftover.load_error) + ")";
    }
    return text + J("\n\n［はい］ このファイルを開きます。\n［いいえ］ このファイルを削除します。"
                    "\n［キャンセル］ このまま残します (次回の起動時に、もう一度確認します)。");
}

Cp932 DeleteConfirmation(const std::string& path) {
    return J("自動保存ファイル「") + Utf8ToCp932(path) +
           J("」を削除します。削除したログデータは、元に戻せません。\n\nよろしいですか？");
}

void OfferLeftovers(IOperator& op, const std::string& folder, std::string_view punctuation_marks,
                    const CTimeZoneRule& rule,
                    const std::function<void(const std::string&)>& open) {
    for (const std::string& path : FindLeftovers(folder, IsHeldByRunningProgram)) {
        const int answer =
            op.ShowMessage(Question(Describe(path, punctuation_marks), rule), Caption(),
                           message_box::kYesNoCancel | message_box::kIconQuestion);
        if (answer == message_box::kIdYes) {
            open(path);
            continue;
        }
        if (answer != message_box::kIdNo ||
            op.ShowMessage(DeleteConfirmation(path), Caption(),
                           message_box::kOkCancel | message_box::kIconQuestion |
                               message_box::kDefaultButton2) != message_box::kIdOk) {
            continue;
        }
        if (::unlink(path.c_str()) != 0) {
            const std::string reason = std::strerror(errno);
            op.ShowMessage(J("ファイル「") + Utf8ToCp932(path) +
                               J("」を削除できませんでした。\n\n") + Utf8ToCp932(reason),
                           Caption(), message_box::kOk | message_box::kIconExclamation);
            continue;
        }
        // The crashed run's lock goes with its file.
        ::unlink(file_lock::LockFilePathOf(path).c_str());
    }
}

}  // namespace crash_recovery
