#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/cp932.h"

class CQuillmarkData_LogDataItem;
class CQuillmarkData_MainData;
class CQuillmarkData_SubMainData;
class CQuillmarkSystem;

// What the contest window shows, as plain texts computed from the contest and the settings:
// the cells of a log list row, the values of the contest information tree and the panes of
// the contest information status bar. The views only place these texts, so every text is
// tested without a widget.
namespace contest_texts {

// --- The log list. ---
inline constexpr int kLogColumnCount = 12;
struct LogColumn {
    const char* title;  // UTF-8
    int width;
    bool right_aligned;
};
const std::array<LogColumn, kLogColumnCount>& LogColumns();
// The text of one cell of the entry's row.
Cp932 LogCell(const CQuillmarkData_LogDataItem& entry, int column,
              const CQuillmarkData_MainData& contest, const CQuillmarkSystem& settings);

// --- Counts of one band. ---
struct BandTotals {
    int64_t entries = 0;
    int64_t multipliers = 0;
    int64_t points = 0;
};
BandTotals TotalsOf(const CQuillmarkData_SubMainData& band);

// --- The contest information tree. ---
struct BandNode {
    Cp932 title;  // band text, " （アクティブ）" for the active band
    // Values under 電波の型式, 送信コンテストナンバー, 呼び出しの方法, 局数, マルチ数, 得点数.
    std::array<Cp932, 6> values;
};
struct ContestTree {
    // Values under コンテスト名, コード, 名称, 自局の呼出符号, コンテスト期間, 全体の局数,
    // 全体のマルチ数, 全体の得点数.
    std::array<Cp932, 8> values;
    std::vector<BandNode> bands;
};
// The fixed labels, in the order of ContestTree::values, and those of a band node.
const std::array<const char*, 8>& ContestLabels();
const std::array<const char*, 6>& BandLabels();
ContestTree TreeOf(const CQuillmarkData_MainData& contest, const CQuillmarkSystem& settings);

// --- The contest information status bar. ---
struct StatusPane {
    int kind;  // 0 separator, 1 own call, 2 sent number, 4 band, 8 mode, 16 calling method,
               // 32 stations, 64 multipliers, 128 points, 256 score
    Cp932 text;
};
// The kinds of the twelve panes, left to right.
const std::array<int, 12>& StatusPaneKinds();
// Empty for a contest that is not set up (the bar then shows nothing).
std::vector<StatusPane> StatusPanes(const CQuillmarkData_MainData* contest,
                                    const CQuillmarkSystem& settings);

}  // namespace contest_texts
