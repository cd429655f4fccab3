#include "citycode/city_code_organization.h"

#include <gtest/gtest.h>

#include "../platform/case_table.h"

namespace {

using Item = CCityCodeData_CityCodeDataItem;

CCityCodeData_MainData Database(std::initializer_list<const char*> lines) {
    CCityCodeData_MainData database;
    for (const char* line : lines) {
        Item item;
        EXPECT_TRUE(item.SetFromLine(line)) << line;
        database.AddItem(item);
    }
    return database;
}

class Organization : public ::testing::Test {
protected:
    void SetUp() override {
        EXPECT_EQ(organization_.Register(&first_), 0);
        EXPECT_EQ(organization_.Register(&empty_), 1);
        EXPECT_EQ(organization_.Register(&second_), 2);
    }

    CCityCodeData_MainData first_ = Database({"10:Tokyo:To", "1001:Hachioji:Ha"});
    CCityCodeData_MainData empty_;
    CCityCodeData_MainData second_ = Database({"11:Saitama:Sa", "1001:Kawagoe:Ka", "12:Chiba:Ch"});
    CCityCodeData_MainDataOrganization organization_;
};

// The same code in two databases is two items.
TEST_F(Organization, TotalItemsRunThroughDatabasesInRegistrationOrder) {
    std::string items;
    for (int i = -1; i <= organization_.GetTotalItemCount(); ++i) {
        const Item* item = organization_.GetTotalItemAt(i);
        items += item == nullptr ? " -" : " " + item->GetField(0) + ":" + item->GetField(1);
    }
    EXPECT_EQ(items, " - 10:Tokyo 1001:Hachioji 11:Saitama 1001:Kawagoe 12:Chiba -");
}

TEST_F(Organization, RemovingDatabasesShrinksTheTotal) {
    EXPECT_EQ(organization_.Register(nullptr), -1);
    EXPECT_FALSE(organization_.RemoveAt(3));
    EXPECT_TRUE(organization_.RemoveAt(0));
    EXPECT_EQ(organization_.GetTotalItemCount(), 3);
    EXPECT_EQ(organization_.GetTotalItemAt(0)->GetField(0), "11");
    EXPECT_EQ(organization_.GetAt(1), &second_);
    organization_.RemoveAll();
    EXPECT_EQ(organization_.GetTotalItemCount(), 0);
    EXPECT_EQ(organization_.GetAt(0), nullptr);
}

TEST_F(Organization, FindsTheFirstMatchAfterStart) {
    second_.SetIncludedInSearch(false);  // the search flag is the caller's to look at
    for (const auto& c : platform_test::CaseTable("citycode/organization_find.txt", 6)) {
        EXPECT_EQ(organization_.FindItem(std::stoi(c[1]), std::stoi(c[2]), c[3], c[4] == "exact"),
                  std::stoi(c[5]))
            << c[0];
    }
}

}  // namespace
