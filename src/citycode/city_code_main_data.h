#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "citycode/city_code_item.h"
#include "platform/cp932.h"

class IProgressSink;

// What a load of a city code file met, for callers that want more than TRUE/FALSE.
struct CCityCodeLoadReport {
    bool opened = false;        // the file was a readable regular file
    bool read_failed = false;   // reading stopped on an error; the database was emptied
    size_t lines = 0;           // lines seen, the unterminated last one included
    size_t items = 0;           // lines taken as items
    size_t too_long_lines = 0;  // lines longer than kMaxLineLength, skipped
    size_t nul_lines = 0;       // lines holding a NUL byte, skipped
};

// One city code database: the items of one city code file in file order, and the "有効" flag
// (include this database's items in the global search). Owned by its city code document;
// the list of all open databases (CCityCodeData_MainDataOrganization) points to it.
class CCityCodeData_MainData : public CCityCodeData {
public:
    using Item = CCityCodeData_CityCodeDataItem;

    // The file is read in blocks of this size.
    static constexpr size_t kBlockSize = 5120;
    // A longer line is no city code record; it is skipped without being kept in memory.
    static constexpr size_t kMaxLineLength = 64 * 1024;

    // The warning the caller shows when LoadFromFile fails, and its caption.
    static const Cp932& OpenFailedMessage();
    static const Cp932& OpenFailedCaption();

    // Replaces the items with those of a CP932 city code file (LF or CR LF line ends; a Ctrl-Z
    // ends the text as in a text-mode read). Progress, when given, shows the caption, the
    // two lines, a bar over the file length and the status texts. Returns false, with an
    // empty database, when the file cannot be opened, is not a regular file or cannot be
    // read; the caller then shows OpenFailedMessage. A file without any record loads as an
    // empty database and returns true.
    bool LoadFromFile(const std::string& path, IProgressSink* progress = nullptr,
                      CCityCodeLoadReport* report = nullptr);

    // Removes every item and sets the "有効" flag.
    void Reset();

    int GetItemCount() const { return static_cast<int>(items_.size()); }
    // Item i, or null when i is out of range.
    const Item* GetItemAt(int index) const;
    const std::vector<Item>& GetItems() const { return items_; }
    // Appends a copy; returns its index, or -1 when the item is not valid.
    int AddItem(const Item& item);
    // False when i is out of range or the item is not valid.
    bool SetItemAt(int index, const Item& item);
    // False when i is out of range.
    bool RemoveItemAt(int index);
    // Appends copies of the other database's items after this one's.
    void AppendFrom(const CCityCodeData_MainData& other);

    void SetIncludedInSearch(bool included) { included_in_search_ = included ? 1 : 0; }
    bool IsIncludedInSearch() const { return included_in_search_ != 0; }

    // Same item count and every item equal; the "有効" flag is not compared.
    bool operator==(const CCityCodeData_MainData& other) const { return items_ == other.items_; }

private:
    std::vector<Item> items_;
    int32_t included_in_search_ = 1;
};

// A new database holding the first's items followed by the second's.
CCityCodeData_MainData operator+(const CCityCodeData_MainData& first,
                                 const CCityCodeData_MainData& second);
