#include "document/text_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "platform/cp932_convert.h"
#include "platform/time_format.h"

namespace text_export {
namespace {

constexpr size_t kFrequencyWidth = 5;
constexpr size_t kModeWidth = 8;
constexpr std::string_view kSeparator = "  ";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDateFormat = "%d/%m/%y %H%M";
// Lines are handed to the file in blocks of about this size.
constexpr size_t kWriteBlock = 64 * 1024;

void AppendPadded(std::string& out, std::string_view text, size_t width) {
    out += text;
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
}

// What stays the same for every line of a contest.
struct Layout {
    size_t call_sign_width = 0;
    size_t number_width = 0;
    int multiplier_index = -1;
    size_t multiplier_width = 0;
};

Layout LayoutOf(const CQuillmarkData_MainData& contest) {
    Layout layout;
    layout.call_sign_width =
        static_cast<size_t>(std::max(0, contest.GetCallSignType().GetMaxTotalLength()));
    const auto& number_type = contest.GetContestNumberType();
    layout.number_width = static_cast<size_t>(std::max(0, number_type.GetMaxTotalLength()));
    layout.multiplier_index = number_type.MultiplierIndexOrNone();
    if (const auto* attributes = number_type.GetAttributes(layout.multiplier_index)) {
        layout.multiplier_width = static_cast<size_t>(std::max(0, attributes->GetMaxLength()));
    }
    return layout;
}

void AppendLine(std::string& out, const CQuillmarkData_MainData& contest, const Layout& layout,
                std::string_view frequency, const CQuillmarkData_LogDataItem& entry,
                const Options& options) {
    const auto& call_sign_type = contest.GetCallSignType();
    const auto& number_type = contest.GetContestNumberType();

    AppendPadded(out, frequency, kFrequencyWidth);
    out += kSeparator;
    AppendPadded(out, entry.GetMode(), kModeWidth);
    out += kSeparator;
    out += FormatTime(kDateFormat, entry.GetTime(), options.rule);
    out += kSeparator;
    // An item that does not fit its format (only from a damaged file) still keeps the
    // columns: its field is left blank.
    AppendPadded(out, entry.GetCallSign().GetPaddedText("/", call_sign_type),
                 layout.call_sign_width);
    out += kSeparator;
    AppendPadded(out, entry.GetSentContestNumber().GetPaddedText(" ", number_type),
                 layout.number_width);
    out += kSeparator;
    AppendPadded(out, entry.GetReceivedContestNumber().GetPaddedText(" ", number_type),
                 layout.number_width);
    out += kSeparator;
    if (entry.GetFirst() == 1) {
        AppendPadded(out,
                     entry.GetReceivedContestNumber().GetPaddedParameter(layout.multiplier_index,
                                                                         number_type),
                     layout.multiplier_width);
    } else {
        out.append(layout.multiplier_width, ' ');
    }
    out += kSeparator;
    out += std::to_string(entry.GetPoints());
}

Cp932 FailureCause(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return Utf8ToCp932("ディスクの空き容量が足りません。");
        case EFBIG:
            return Utf8ToCp932("ファイルが大きくなりすぎました。");
        case EIO:
            return Utf8ToCp932("ディスクの読み書きでエラーが発生しました。");
        default:
            return "(" + Utf8ToCp932(std::strerror(error)) + ")";
    }
}

// Writes all of bytes, retrying short writes; false with errno set on failure.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

}  // namespace

Refusal CheckExportable(const CQuillmarkData_MainData& contest) {
    if (!contest.IsValid()) {
        return Refusal::no_contest;
    }
    if (contest.GetBandCount() == 0) {
        return Refusal::no_band;
    }
    if (contest.GetTotalEntryCount() <= 0) {
        return Refusal::no_entry;
    }
    const auto& number_type = contest.GetContestNumberType();
    const int multiplier_index = number_type.MultiplierIndexOrNone();
    const auto* multiplier = number_type.GetAttributes(multiplier_index);
    if (contest.GetCallSignType().GetMaxTotalLength() < 0 || number_type.GetMaxTotalLength() < 0 ||
        number_type.HasMultiplier() != 1 || multiplier == nullptr ||
        multiplier->GetMaxLength() < 0) {
        return Refusal::not_fixed_width;
    }
    return Refusal::none;
}

Cp932 RefusalMessage(Refusal refusal) {
    switch (refusal) {
        case Refusal::no_band:
            return Utf8ToCp932("周波数帯が 1 つも存在しないため、このコマンドは利用できません。");
        case Refusal::no_entry:
            return Utf8ToCp932(
                "ログデータが 1 件も入力されていないため、このコマンドは利用できません。");
        case Refusal::not_fixed_width:
            return Utf8ToCp932(
                "このログデータは、基本情報の設定の都合上、テキスト出力できません。");
        case Refusal::none:
        case Refusal::no_contest:
            break;
    }
    return {};
}

Cp932 Caption() {
    return Utf8ToCp932("クイルマーク - ログデータのテキスト出力");
}

Cp932 FormatFrequency(double frequency, int under_decimal_point) {
    int integer_digits = 1;
    if (std::isfinite(frequency) && frequency != 0.0) {
        integer_digits = static_cast<int>(std::trunc(std::log10(std::fabs(frequency)))) + 1;
    }
    // Beyond 17 digits a double has nothing more to show; below 1 %g would fall back to 6.
    const int digits = std::clamp(integer_digits + std::clamp(under_decimal_point, 0, 17), 1, 17);
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*g", digits, frequency);
    return Cp932(buffer, static_cast<size_t>(std::clamp(length, 0, int{sizeof buffer} - 1)));
}

Cp932 BuildLine(const CQuillmarkData_MainData& contest, const CQuillmarkData_SubMainData& band,
                const CQuillmarkData_LogDataItem& entry, const Options& options) {
    std::string line;
    AppendLine(line, contest, LayoutOf(contest),
               FormatFrequency(band.GetBand().GetFrequency(), options.under_decimal_point), entry,
               options);
    return line;
}

std::string BuildText(const CQuillmarkData_MainData& contest, const Options& options) {
    const Layout layout = LayoutOf(contest);
    std::string text;
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
        const Cp932 frequency =
            FormatFrequency(band.GetBand().GetFrequency(), options.under_decimal_point);
        for (const CQuillmarkData_LogDataItem& entry : band.GetEntries()) {
            AppendLine(text, contest, layout, frequency, entry, options);
            text += kLineEnd;
        }
    }
    return text;
}

WriteResult WriteFile(const std::string& path, const CQuillmarkData_MainData& contest,
                      const Options& options) {
    WriteResult result;
    // Non-blocking only for the open itself, so a FIFO without a reader fails at once
    // instead of hanging the program.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        result.status = WriteResult::Status::open_failed;
        result.error = errno;
        result.reason = std::string("cannot open: ") + std::strerror(errno);
        return result;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);

    // After the file is closed (or its close failed).
    auto failed = [&](int error) {
        result.status = WriteResult::Status::write_failed;
        result.error = error;
        result.reason = std::string("cannot write: ") + std::strerror(error);
        // Only a file this call created or emptied is removed, never a device.
        if (regular && ::unlink(path.c_str()) == 0) {
            result.removed = true;
        }
        return result;
    };
    auto fail = [&](int error) {
        ::close(fd);
        return failed(error);
    };

    const Layout layout = LayoutOf(contest);
    std::string block;
    block.reserve(kWriteBlock + 1024);
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
        const Cp932 frequency =
            FormatFrequency(band.GetBand().GetFrequency(), options.under_decimal_point);
        for (const CQuillmarkData_LogDataItem& entry : band.GetEntries()) {
            AppendLine(block, contest, layout, frequency, entry, options);
            block += kLineEnd;
            if (block.size() >= kWriteBlock) {
                if (!WriteAll(fd, block)) {
                    return fail(errno);
                }
                block.clear();
            }
        }
    }
    if (!WriteAll(fd, block)) {
        return fail(errno);
    }
    // Some file systems report a full disk only when the data reaches it.
    if (regular && ::fdatasync(fd) != 0 && errno != EINVAL) {
        return fail(errno);
    }
    if (::close(fd) != 0 && errno != EINTR) {
        return failed(errno);
    }
    return result;
}

Cp932 WriteFailedMessage(const WriteResult& result) {
    Cp932 text = Utf8ToCp932("ファイルへの書き込みに失敗しました。\n") + FailureCause(result.error);
    if (result.removed) {
        text += Utf8ToCp932("\n\n書き込み途中のファイルは削除しました。");
    }
    return text;
}

}  // namespace text_export
