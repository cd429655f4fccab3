#include "settings/memory_settings_store.h"

#include <gtest/gtest.h>

namespace {

TEST(MemorySettingsStore, IntegerKeysHoldingTextReadAsMissing) {
    CMemorySettingsStore store;
    for (const char* text : {"", "abc", "3x", " 3", "99999999999", "+"}) {
        store.SetString("S", "K", text);
        EXPECT_EQ(store.GetInt("S", "K", 42), 42) << text;
    }
    store.SetInt("S", "K", -2147483647 - 1);
    EXPECT_EQ(store.GetInt("S", "K", 42), -2147483647 - 1);
}

TEST(MemorySettingsStore, RemoveKeyLeavesOtherKeysAndLogsBoth) {
    CMemorySettingsStore store;
    store.SetInt("S", "A", 1);
    store.SetString("S", "B", "b");
    store.RemoveKey("S", "A");
    store.RemoveKey("T", "Z");
    EXPECT_FALSE(store.Contains("S", "A"));
    EXPECT_EQ(store.GetKeys("S"), (std::vector<std::string>{"B"}));
    EXPECT_EQ(store.GetWriteLog(), (std::vector<std::string>{"S/A", "S/B"}));
    EXPECT_EQ(store.GetRemoveLog(), (std::vector<std::string>{"S/A", "T/Z"}));
}

}  // namespace
