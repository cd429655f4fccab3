#include "citycode/city_code_main_data.h"

#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"

namespace {

constexpr char kEndOfText = '\x1A';  // Ctrl-Z

const Cp932& LoadingCaption() {
    static const Cp932 text =
        Utf8ToCp932("クイルマーク - 都市コードデータベースファイルの読み込み");
    return text;
}

const Cp932& LoadingText() {
    static const Cp932 text = Utf8ToCp932(
        "都市コードデータベースファイルを読み込んでいます。しばらくお待ちください．．．");
    return text;
}

const Cp932& BuildingText() {
    static const Cp932 text =
        Utf8ToCp932("読み込んだ文字列を構築しています。しばらくお待ちください．．．");
    return text;
}

const Cp932& SourceFileLabel() {
    static const Cp932 text = Utf8ToCp932("読み込み元ファイル名 ： ");
    return text;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Splits the bytes of a city code file into lines and hands each to the database, keeping
// only the unfinished line between blocks. A line that grows beyond kMaxLineLength is
// dropped as it arrives, so a file without line feeds never makes the memory grow.
class LineSplitter {
public:
    LineSplitter(CCityCodeData_MainData& database, CCityCodeLoadReport& report)
        : database_(database), report_(report) {}

    void Feed(std::string_view bytes) {
        while (!bytes.empty()) {
            const size_t feed = bytes.find('\n');
            const std::string_view part = bytes.substr(0, feed);
            if (feed == std::string_view::npos) {
                Keep(part);
                return;
            }
            if (pending_.empty() && !too_long_) {
                TakeLine(part);
            } else {
                Keep(part);
                TakeLine(pending_);
            }
            pending_.clear();
            too_long_ = false;
            bytes.remove_prefix(feed + 1);
        }
    }

    // The last line needs no line feed.
    void Finish() {
        if (!pending_.empty() || too_long_) {
            Feed("\n");
        }
    }

private:
    void Keep(std::string_view part) {
        if (too_long_) {
            return;
        }
        if (pending_.size() + part.size() > CCityCodeData_MainData::kMaxLineLength + 1) {
            too_long_ = true;
            pending_.clear();
            return;
        }
        pending_.append(part);
    }

    void TakeLine(std::string_view line) {
        ++report_.lines;
        if (too_long_) {
            ++report_.too_long_lines;
            return;
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);  // a CR LF line end counts as one line feed
        }
        if (line.size() > CCityCodeData_MainData::kMaxLineLength) {
            ++report_.too_long_lines;
            return;
        }
        if (line.find('\0') != std::string_view::npos) {
            ++report_.nul_lines;
            return;
        }
        CCityCodeData_CityCodeDataItem item;
        if (item.SetFromLine(line) && database_.AddItem(item) >= 0) {
            ++report_.items;
        }
    }

    CCityCodeData_MainData& database_;
    CCityCodeLoadReport& report_;
    std::string pending_;
    bool too_long_ = false;
};

// Progress positions are ints; a larger file is shown in coarser steps.
int ProgressUnits(uint64_t bytes, unsigned shift) {
    return static_cast<int>(bytes >> shift);
}

}  // namespace

const Cp932& CCityCodeData_MainData::OpenFailedMessage() {
    static const Cp932 text =
        Utf8ToCp932("都市コードデータベースファイルのオープンに失敗しました。");
    return text;
}

const Cp932& CCityCodeData_MainData::OpenFailedCaption() {
    static const Cp932 text = Utf8ToCp932("クイルマーク - 警告");
    return text;
}

bool CCityCodeData_MainData::LoadFromFile(const std::string& path, IProgressSink* progress,
                                          CCityCodeLoadReport* report) {
    CCityCodeLoadReport local_report;
    CCityCodeLoadReport& result = report != nullptr ? *report : local_report;
    result = CCityCodeLoadReport{};
    Reset();

    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    // Only a regular file has an end: a directory cannot be read and a device or pipe may
    // never stop.
    struct stat status {};
    if (fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    result.opened = true;

    const uint64_t length = static_cast<uint64_t>(status.st_size);
    unsigned shift = 0;
    while ((length >> shift) > static_cast<uint64_t>(INT_MAX)) {
        ++shift;
    }
    if (progress != nullptr) {
        progress->SetProgressText(0, LoadingCaption());
        progress->SetProgressText(1, LoadingText());
        progress->SetProgressText(2, SourceFileLabel() + Utf8ToCp932(path));
        progress->SetProgressText(3, "");
        progress->SetProgressRange(0, ProgressUnits(length, shift));
        progress->SetProgressPos(0);
        progress->ShowProgress();
        progress->SetStatusText(LoadingText());
    }

    LineSplitter splitter(*this, result);
    uint64_t position = 0;
    char block[kBlockSize];
    for (;;) {
        const size_t read = std::fread(block, 1, sizeof block, file.get());
        if (read == 0) {
            break;
        }
        position += read;
        std::string_view bytes(block, read);
        const size_t end_of_text = bytes.find(kEndOfText);
        if (progress != nullptr) {
            progress->SetStatusText(BuildingText());
        }
        splitter.Feed(bytes.substr(0, end_of_text));
        if (progress != nullptr) {
            progress->SetStatusText(LoadingText());
            progress->SetProgressPos(ProgressUnits(position, shift));
            progress->PumpEvents();
        }
        if (end_of_text != std::string_view::npos) {
            break;
        }
    }
    const bool read_failed = std::ferror(file.get()) != 0;
    if (progress != nullptr) {
        progress->CloseProgress();
    }
    if (read_failed) {
        result.read_failed = true;
        items_.clear();
        return false;
    }
    splitter.Finish();
    return true;
}

void CCityCodeData_MainData::Reset() {
    items_.clear();
    included_in_search_ = 1;
}

const CCityCodeData_MainData::Item* CCityCodeData_MainData::GetItemAt(int index) const {
    if (index < 0 || index >= GetItemCount()) {
        return nullptr;
    }
    return &items_[static_cast<size_t>(index)];
}

int CCityCodeData_MainData::AddItem(const Item& item) {
    if (!item.IsValid() || items_.size() >= static_cast<size_t>(INT_MAX)) {
        return -1;
    }
    items_.push_back(item);
    return static_cast<int>(items_.size() - 1);
}

bool CCityCodeData_MainData::SetItemAt(int index, const Item& item) {
    if (index < 0 || index >= GetItemCount() || !item.IsValid()) {
        return false;
    }
    items_[static_cast<size_t>(index)] = item;
    return true;
}

bool CCityCodeData_MainData::RemoveItemAt(int index) {
    if (index < 0 || index >= GetItemCount()) {
        return false;
    }
    items_.erase(items_.begin() + index);
    return true;
}

void CCityCodeData_MainData::AppendFrom(const CCityCodeData_MainData& other) {
    if (&other == this) {
        const std::vector<Item> copy = other.items_;
        items_.insert(items_.end(), copy.begin(), copy.end());
        return;
    }
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

CCityCodeData_MainData operator+(const CCityCodeData_MainData& first,
                                 const CCityCodeData_MainData& second) {
    CCityCodeData_MainData sum;
    sum.AppendFrom(first);
    sum.AppendFrom(second);
    return sum;
}
