#pragma once

#include <string_view>
#include <vector>

#include "citycode/city_code_main_data.h"

// The list of all open city code databases, in the order they were registered, so that a
// contest can look through all of them at once as if their items were one list. It owns
// none of them: the application rebuilds it whenever a city code document is created,
// opened or closed, so it never points to a closed database.
class CCityCodeData_MainDataOrganization : public CCityCodeData {
public:
    using Item = CCityCodeData_CityCodeDataItem;

    // Returns the database's index, or -1 for a null pointer.
    int Register(const CCityCodeData_MainData* database);
    // False when i is out of range.
    bool RemoveAt(int index);
    void RemoveAll() { databases_.clear(); }

    int GetCount() const { return static_cast<int>(databases_.size()); }
    // Database i, or null when i is out of range.
    const CCityCodeData_MainData* GetAt(int index) const;

    // The sum of the item counts of all registered databases.
    int GetTotalItemCount() const;
    // The i-th item of the databases' items taken one after another in registration order,
    // or null when i is out of range.
    const Item* GetTotalItemAt(int index) const;

    // The total index of the first item after start (start -1 searches from the first item)
    // whose field (0 code, 1 name, 2 reading) equals the key (exact) or contains it. -1 when
    // start is below -1, start + 1 is not below the total count, the field is not 0 to 2,
    // the key is empty, or no item matches. Every registered database is searched, whatever
    // its "有効" flag.
    int FindItem(int start, int field, std::string_view key, bool exact) const;

private:
    std::vector<const CCityCodeData_MainData*> databases_;
};
