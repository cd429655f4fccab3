#pragma once

#include <string>
#include <vector>

#include "citycode/city_code_main_data.h"
#include "dialogs/city_code_search_dialog.h"
#include "platform/document_base.h"

class IOperator;

// The document of one open city code database: it owns the database and the search
// condition of its window (kept between searches), and carries the operations of the
// window's list: sorting the rows shown, searching the database, stepping from row to row
// through the matches. Rows are database indices in display order; the view owns them and
// the document never changes the database itself. Talks to the operator only through
// IOperator. The application keeps the list of open databases current around it.
class CCityCodeDataDoc : public CDocumentBase {
public:
    explicit CCityCodeDataDoc(IOperator& op);

    CCityCodeData_MainData& GetDatabase() { return database_; }
    const CCityCodeData_MainData& GetDatabase() const { return database_; }
    CCityCodeSearchDialog& GetSearchDialog() { return search_dialog_; }
    bool IsConditionActive() const { return condition_active_; }

    // Reads a city code file: a file ending in "ini" (any case) as text, any other as an
    // empty database. An empty file or one that cannot be read is refused with a message.
    bool OnOpenDocument(const std::string& path);
    // An empty database.
    bool OnNewDocument();

    // Sorts rows by column (0 code, 1 name, 2 reading) with the progress window; equal
    // texts keep their order. False for an empty list or a cancel (rows unchanged).
    bool SortList(int column, std::vector<int>& rows);
    // Runs the search condition dialog until a search finds something (result then holds
    // the matching database indices in database order) or the operator cancels.
    bool SearchList(std::vector<int>& result);
    // The next (or, backwards, previous) row of rows after start_row whose record matches
    // the condition; -1 when none. find_next_form uses the active condition without asking
    // (F3 / Shift+F3); otherwise the condition dialog is shown first.
    int StepSearch(int start_row, const std::vector<int>& rows, bool backwards,
                   bool find_next_form);
    // The "有効" flag of the database.
    void SetIncludedInSearch(bool included) { database_.SetIncludedInSearch(included); }

    // Every database index in file order, what a fresh list shows.
    std::vector<int> AllRows() const;

private:
    // Shows the condition dialog until it is left with a condition this window can use;
    // false after Cancel (the search ends with its status text).
    bool AskCondition();
    bool Matches(int database_index) const;

    IOperator& operator_;
    CCityCodeData_MainData database_;
    CCityCodeSearchDialog search_dialog_;
    bool condition_active_ = false;
};
