#include <gtest/gtest.h>

#include <map>

#include "model/ItemDictionary.h"

namespace tarn {
namespace {

std::vector<std::string> Keys(const ItemDictionary& dic) {
    std::vector<std::string> keys;
    for (const ItemEntry& entry : dic) keys.push_back(entry.key);
    return keys;
}

TEST(ItemDictionary, KeepsInsertionOrderAndRefusesAnExistingKeyComparedExactly) {
    ItemDictionary dic;
    EXPECT_TRUE(dic.Add("c.txt", "C:\\B\\c.txt"));
    EXPECT_TRUE(dic.Add("<>0", "<>"));
    EXPECT_TRUE(dic.Add("a.lnk", "first"));
    EXPECT_FALSE(dic.Add("a.lnk", "again"));
    EXPECT_TRUE(dic.Add("A.lnk", "other"));
    EXPECT_EQ(Keys(dic), (std::vector<std::string>{"c.txt", "<>0", "a.lnk", "A.lnk"}));
    EXPECT_EQ(dic[2], (ItemEntry{"a.lnk", "first"}));
    EXPECT_EQ(dic.IndexOf("a.lnk"), 2);
    EXPECT_EQ(dic.IndexOf("b.lnk"), std::nullopt);
    EXPECT_EQ(dic.Find("A.LNK"), nullptr);
    EXPECT_TRUE(dic[1].IsSeparator());
    EXPECT_FALSE((ItemEntry{"<>0", "C:\\B\\<>0"}).IsSeparator());  // told by its value
    dic.Clear();
    EXPECT_TRUE(dic.Empty());
    EXPECT_TRUE(dic.Add("a.lnk", "new"));
    EXPECT_EQ(dic.IndexOf("a.lnk"), 0);
}

TEST(ItemDictionary, ACopyLooksUpInItsOwnEntries) {
    std::map<int, ItemDictionary> menus;
    {
        ItemDictionary original;
        original.Add("a long file name that is no short string.lnk", "C:\\B\\a.lnk");
        original.Add("b.lnk", "C:\\B\\b.lnk");
        menus[1] = original;
        ItemDictionary assigned;
        assigned.Add("old.lnk", "x");
        assigned = original;
        menus[2] = std::move(assigned);
        original.Clear();
    }
    for (const auto& [index, copy] : menus) {
        EXPECT_EQ(copy.Count(), 2) << index;
        ASSERT_NE(copy.Find("a long file name that is no short string.lnk"), nullptr) << index;
        EXPECT_EQ(copy.Find("b.lnk"), &copy[1].value);
        EXPECT_FALSE(copy.Contains("old.lnk"));
    }
}

}  // namespace
}  // namespace tarn
