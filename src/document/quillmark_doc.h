#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/graph_setting_dialog.h"
#include "dialogs/log_data_search_dialog.h"
#include "model/contest.h"
#include "model/graph_series.h"
#include "platform/document_base.h"

class CCityCodeData_MainDataOrganization;
class CQuillmarkSystem;
class ICityCodeResultSink;
class IOpenDocuments;
class IOperator;

// The document of one contest log: it owns the contest, the six graph series the graph view
// draws, the log search criteria and the graph settings state, and every operation on a
// contest is defined on it. It talks to the operator only through IOperator, reads the
// settings from CQuillmarkSystem and looks city codes up in the list of open city code
// databases (not owned; the application keeps it current). Views listen through the
// document base and redraw on its update hints.
//
// Series 0 to 2 count the whole contest (stations, multipliers, points), 3 to 5 the active
// band; the graph view and its settings dialog address them by these indices.
class CQuillmarkDoc : public CDocumentBase {
public:
    // RebuildLogData modes: sort every band by time and assign First again; the same and
    // then the graph series. Any other mode is taken as the full rebuild.
    static constexpr int kRebuildSortAndFirst = 6;
    static constexpr int kRebuildFull = -1;
    static constexpr int kSeriesCount = 6;
    // Length of one graph bucket: 3 minutes.
    static constexpr int64_t kGraphBucketSeconds = 3 * 60;
    // Automatic-save names run Tmp_1.qmk … Tmp_9999.qmk.
    static constexpr int kMaxAutomaticSaveNumber = 9999;

    CQuillmarkDoc(IOperator& op, const CQuillmarkSystem& settings,
                  const CCityCodeData_MainDataOrganization* city_codes);
    ~CQuillmarkDoc() override;

    // Where automatic saves of a document without a path go: the program's folder (by
    // default the executable's) or, when that cannot be written, the per-user data folder.
    void SetProgramFolder(const std::string& folder) { program_folder_ = folder; }
    const std::string& GetProgramFolder() const { return program_folder_; }
    void SetUserDataFolder(const std::string& folder) { user_data_folder_ = folder; }
    const std::string& GetUserDataFolder() const { return user_data_folder_; }

    // --- Members. ---
    const CCityCodeData_MainDataOrganization* GetCityCodeOrganization() const {
        return city_codes_;
    }
    void SetCityCodeOrganization(const CCityCodeData_MainDataOrganization* city_codes) {
        city_codes_ = city_codes;
    }
    CQuillmarkData_MainData& GetContest() { return contest_; }
    const CQuillmarkData_MainData& GetContest() const { return contest_; }
    // Series 0 to 5; null for any other index.
    CQuillmarkData_GraphDataItem* GetGraphSeries(int index);
    const CQuillmarkData_GraphDataItem* GetGraphSeries(int index) const;
    CLogDataSearchDialog& GetLogDataSearchDialog() { return search_dialog_; }
    CGraphSettingDialog& GetGraphSettingDialog() { return graph_setting_dialog_; }
    IOperator& GetOperator() const { return operator_; }
    const CQuillmarkSystem& GetSettings() const { return settings_; }

    // Clears the contest and the active-band series (the whole-contest series keep their
    // shown flags for the next contest).
    void DeleteContents() override;

    // --- Rebuild services. ---
    // 0 when the contest is not valid, else 1.
    int RebuildLogData(int mode);
    int RebuildGraphData();

    // --- Files. ---
    // Reads a contest data file (any known version) with the status texts; on failure the
    // operator is told why and the document is left empty. On success the path is set, the
    // document is not modified and the graph series are set up again.
    bool OnOpenDocument(const std::string& path);
    // Writes the contest to path (safely: the old file stays until the new one is complete).
    // On success the document is no longer modified; on failure the operator is told why
    // and the document stays modified.
    bool OnSaveDocument(const std::string& path);
    // Saves a modified document to its path, or, when it has none, as the next free
    // Tmp_N.qmk (see SetProgramFolder; a name another program takes meanwhile is skipped,
    // never replaced). 1 when the document was saved; never for a read-only document.
    int SaveAutomatically(bool only_if_enabled);
    // A document whose file another program is writing: it is never saved to its own path
    // (no automatic save; saving it needs another name, which ends the read-only state).
    void SetReadOnly(bool read_only) { read_only_ = read_only; }
    bool IsReadOnly() const { return read_only_; }
    // The automatic-save file name that SaveAutomatically would choose now, or empty when
    // every number is taken.
    std::string NextAutomaticSavePath() const;

    // --- Lookups on the active band and the city code databases. ---
    // -1 when key is the own call sign's main parameter; else the index of the first entry
    // of the active band whose call sign has key as its main parameter; -2 for none.
    int FindCallSign(std::string_view key) const;
    // -2 when the contest number has no multiplier parameter; else the index of the first
    // entry of the active band whose received contest number has key as its multiplier
    // parameter; -1 for none.
    int FindMultiplier(std::string_view key) const;
    // The first city code record after index start whose column (0 code, 1 name, 2 reading)
    // equals (exact) or contains key; -1 for bad arguments or no match.
    int FindCityCode(int start, int column, std::string_view key, bool exact) const;

    // --- Operations. ---
    // Writes every entry of every band into a fixed-column text file the operator names.
    bool ExportLogDataAsText();
    // Writes the log for submission (JARL electronic log, Cabrillo or ADIF) as the operator
    // chooses in the export dialog (quillmark_doc_submission_export.cpp).
    bool ExportLogDataForSubmission();

    // --- Logging contacts (quillmark_doc_input.cpp). ---
    // One whole input run, one contact per cycle, until the operator cancels on the call
    // sign page. 0 when the run did not start.
    int InputLogData(bool manual);

    // --- Contest setup (quillmark_doc_contest.cpp). ---
    int SetupNewContest();
    int ChangeContest();
    // The new-document step: an empty document, then SetupNewContest; true when the
    // operator finished the wizard (the document is then modified).
    bool OnNewDocument();
    // Opening a file of 0 bytes: a new contest that is saved into that file at once.
    bool OpenEmptyFileAsNewContest(const std::string& path);

    // --- Bands (quillmark_doc_band.cpp). ---
    int AddNewBand();
    int ChangeBandSettings();
    int DeleteExistingBand(const CQuillmarkData_BandItem& band);
    int ActivateBand(const CQuillmarkData_BandItem& band);

    // --- Following the transceiver (quillmark_doc_radio.cpp). ---
    enum class RadioChange { none, band, mode, band_and_mode, outside_contest, outside_bands };
    // The radio is at hz in mode (Hamlib's name, may be empty). The contest band in the same
    // amateur band becomes the active band without a question (the operator has tuned
    // there), and the radio's mode becomes that band's mode for the next contact. Outside
    // the contest's bands a notice goes to the status bar, and the next AddNewBand starts
    // with the radio's band and mode.
    RadioChange FollowRadio(double hz, std::string_view mode);
    // The band AddNewBand offers first (from the radio), invalid for none.
    const CQuillmarkData_BandItem& GetRadioBandPreset() const { return radio_band_; }

    // --- Editing (quillmark_doc_edit.cpp); indices address the active band's entries. ---
    int DeleteLogData(int index);
    int ChangeLogData(int index);
    int ChangeSentContestNumbers(const std::vector<int>& indices);
    int ChangePoints(const std::vector<int>& indices);
    int ChangeModes(const std::vector<int>& indices);
    int ChangeCallingMethods(const std::vector<int>& indices);
    int ChangeCardData(const std::vector<int>& indices);

    // --- Cleaning and import (quillmark_doc_clean.cpp). ---
    int CleanLogData();
    // Offers the logs of the same contest among the open documents (this one is skipped).
    int ImportLogData(const IOpenDocuments& open_documents);

    // --- Sorting and searching (quillmark_doc_sort.cpp, quillmark_doc_search.cpp). ---
    // Orders the log list's rows (entry indices of the active band, in display order) by key
    // 1 to 12 into sorted, with the progress window; rows that compare equal keep their
    // display order. False when there is no contest, no active band (with a message) or no
    // row, and when the operator cancels (sorted then holds rows unchanged).
    bool SortLogDisplay(int key, const std::vector<int>& rows, std::vector<int>& sorted);
    // <0 when entry a of the active band sorts before entry b under key, >0 after, 0 equal
    // (also for indices out of range, an unknown key and no active band).
    int CompareLogData(int a, int b, int key) const;
    // Runs the log search dialog until a search finds something or the operator cancels.
    // found receives the indices of the entries found, in stored order (empty after
    // Cancel). False when the search cannot start.
    bool SearchLogData(std::vector<int>& found);
    // Runs the city code search dialog until a search finds something (the records go into a
    // new city code document that results opens) or the operator cancels. False when the
    // search cannot start.
    bool SearchCityCodeDatabase(ICityCodeResultSink& results);

private:
    std::string AutomaticSaveFolder() const;
    // OnSaveDocument with the writer's options; *name_taken is set (and nothing shown) when
    // options forbid replacing and the name exists.
    bool WriteDocument(const std::string& path, bool replace, bool* name_taken);

    const CCityCodeData_MainDataOrganization* city_codes_;
    CQuillmarkData_MainData contest_;
    std::array<CQuillmarkData_GraphDataItem, kSeriesCount> series_;
    CLogDataSearchDialog search_dialog_;
    CGraphSettingDialog graph_setting_dialog_;

    CQuillmarkData_BandItem radio_band_;
    Cp932 radio_mode_;

    IOperator& operator_;
    const CQuillmarkSystem& settings_;
    std::string program_folder_;
    std::string user_data_folder_;
    bool read_only_ = false;
};
