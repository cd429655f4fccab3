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

TEST_F(Organization, NullDatabaseIsRefused) {
    EXPECT_EQ(organization_.Register(nullptr), -1);
    EXPECT_EQ(organization_.GetCount(), 3);
}

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
    EXPECT_FALSE(organization_.RemoveAt(3));
    EXPECT_TRUE(organization_.RemoveAt(0));
    EXPECT_EQ(organization_.GetTotalItemCount(), 3);
    EXPECT_EQ(organization_.GetTotalItemAt(0)->GetField(0), "11");
    EXPECT_EQ(organization_.GetAt(1), &second_);
    organization_.RemoveAll();
    EXPECT_EQ(organization_.GetTotalItemCount(), 0);
    EXPECT_EQ(organization_.GetAt(0), nullptr);
}

struct FindCase {
    const char* name;
    int start;
    int field;
    const char* key;
    bool exact;
    int expected;
};

class OrganizationFind : public Organization, public ::testing::WithParamInterface<FindCase> {};

TEST_P(OrganizationFind, FindsFirstMatchAfterStart) {
    const FindCase& c = GetParam();
    EXPECT_EQ(organization_.FindItem(c.start, c.field, c.key, c.exact), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, OrganizationFind,
                         ::testing::Values(FindCase{"ExactCodeFromStart", -1, 0, "1001", true, 1},
                                           FindCase{"NextAfterEarlierMatch", 1, 0, "1001", true, 3},
                                           FindCase{"NoneAfterLastMatch", 3, 0, "1001", true, -1},
                                           FindCase{"ExactRefusesPrefix", -1, 0, "100", true, -1},
                                           FindCase{"ContainsFindsPrefix", -1, 0, "100", false, 1},
                                           FindCase{"NameInSecondDatabase", -1, 1, "Chiba", true,
                                                    4},
                                           FindCase{"ReadingContains", 0, 2, "a", false, 1},
                                           FindCase{"StartBelowMinusOne", -2, 0, "10", true, -1},
                                           FindCase{"StartAtLastItem", 4, 0, "12", true, -1},
                                           FindCase{"StartBeyondItems", 9, 0, "12", true, -1},
                                           FindCase{"FieldTooLarge", -1, 3, "10", true, -1},
                                           FindCase{"FieldNegative", -1, -1, "10", true, -1},
                                           FindCase{"EmptyKey", -1, 0, "", false, -1},
                                           FindCase{"NoMatch", -1, 1, "Osaka", false, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Organization, FindIgnoresTheSearchFlag) {
    second_.SetIncludedInSearch(false);
    EXPECT_EQ(organization_.FindItem(-1, 1, "Chiba", true), 4);
}

TEST(OrganizationEmpty, FindInNoDatabaseGivesNone) {
    const CCityCodeData_MainDataOrganization organization;
    EXPECT_EQ(organization.GetTotalItemCount(), 0);
    EXPECT_EQ(organization.FindItem(-1, 0, "10", true), -1);
}

}  // namespace
