#include "citycode/city_code_organization.h"

#include <gtest/gtest.h>

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

TEST_F(Organization, TotalItemsRunThroughDatabasesInRegistrationOrder) {
    ASSERT_EQ(organization_.GetTotalItemCount(), 5);
    const char* const codes[] = {"10", "1001", "11", "1001", "12"};
    for (int i = 0; i < 5; ++i) {
        const Item* item = organization_.GetTotalItemAt(i);
        ASSERT_NE(item, nullptr) << i;
        EXPECT_EQ(item->GetField(0), codes[i]) << i;
    }
    EXPECT_EQ(organization_.GetTotalItemAt(5), nullptr);
    EXPECT_EQ(organization_.GetTotalItemAt(-1), nullptr);
    EXPECT_EQ(organization_.GetTotalItemAt(1)->GetField(1), "Hachioji");
    EXPECT_EQ(organization_.GetTotalItemAt(3)->GetField(1), "Kawagoe");
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
    const struct {
        const char* name;
        int start, field;
        const char* key;
        bool exact;
        int expected;
    } cases[] = {
        {"ExactCodeFromStart", -1, 0, "1001", true, 1},
        {"NextAfterEarlierMatch", 1, 0, "1001", true, 3},
        {"NoneAfterLastMatch", 3, 0, "1001", true, -1},
        {"ExactRefusesPrefix", -1, 0, "100", true, -1},
        {"ContainsFindsPrefix", -1, 0, "100", false, 1},
        {"NameInSecondDatabase", -1, 1, "Chiba", true, 4},
        {"ReadingContains", 0, 2, "a", false, 1},
        {"StartBelowMinusOne", -2, 0, "10", true, -1},
        {"StartAtLastItem", 4, 0, "12", true, -1},
        {"StartBeyondItems", 9, 0, "12", true, -1},
        {"FieldTooLarge", -1, 3, "10", true, -1},
        {"FieldNegative", -1, -1, "10", true, -1},
        {"EmptyKey", -1, 0, "", false, -1},
        {"NoMatch", -1, 1, "Osaka", false, -1},
    };
    second_.SetIncludedInSearch(false);  // the search flag is the caller's to look at
    for (const auto& c : cases) {
        EXPECT_EQ(organization_.FindItem(c.start, c.field, c.key, c.exact), c.expected) << c.name;
    }
}

}  // namespace
