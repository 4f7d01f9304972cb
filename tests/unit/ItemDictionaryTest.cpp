#include <gtest/gtest.h>

#include <map>

#include "model/ItemDictionary.h"
#include "model/ModelNames.h"

namespace tarn {
namespace {

std::vector<std::string> Keys(const ItemDictionary& dic) {
    std::vector<std::string> keys;
    for (const ItemEntry& entry : dic) keys.push_back(entry.key);
    return keys;
}

TEST(ItemDictionary, KeepsInsertionOrderNotKeyOrder) {
    ItemDictionary dic;
    EXPECT_TRUE(dic.Add("c.txt", "C:\\B\\c.txt"));
    EXPECT_TRUE(dic.Add("<>0", "<>"));
    EXPECT_TRUE(dic.Add("a.lnk", "C:\\B\\a.lnk"));
    EXPECT_EQ(Keys(dic), (std::vector<std::string>{"c.txt", "<>0", "a.lnk"}));
    ASSERT_EQ(dic.Count(), 3);
    EXPECT_EQ(dic[2], (ItemEntry{"a.lnk", "C:\\B\\a.lnk"}));
    EXPECT_EQ(dic.IndexOf("a.lnk"), 2);
    EXPECT_EQ(dic.IndexOf("b.lnk"), std::nullopt);
}

TEST(ItemDictionary, RefusesAnExistingKeyAndKeepsItsValueAndPlace) {
    ItemDictionary dic;
    dic.Add("a.lnk", "first");
    dic.Add("b.lnk", "second");
    EXPECT_FALSE(dic.Add("a.lnk", "again"));
    EXPECT_EQ(dic.Count(), 2);
    ASSERT_NE(dic.Find("a.lnk"), nullptr);
    EXPECT_EQ(*dic.Find("a.lnk"), "first");
    EXPECT_EQ(Keys(dic), (std::vector<std::string>{"a.lnk", "b.lnk"}));
}

TEST(ItemDictionary, ComparesKeysExactly) {
    ItemDictionary dic;
    dic.Add("Editor.lnk", "x");
    EXPECT_TRUE(dic.Contains("Editor.lnk"));
    EXPECT_FALSE(dic.Contains("editor.lnk"));
    EXPECT_EQ(dic.Find("EDITOR.LNK"), nullptr);
    EXPECT_TRUE(dic.Add("editor.lnk", "y"));
    EXPECT_EQ(dic.Count(), 2);
}

TEST(ItemDictionary, ClearForgetsKeysSoTheyCanBeAddedAgain) {
    ItemDictionary dic;
    dic.Add("a.lnk", "old");
    dic.Clear();
    EXPECT_TRUE(dic.Empty());
    EXPECT_FALSE(dic.Contains("a.lnk"));
    EXPECT_TRUE(dic.Add("a.lnk", "new"));
    EXPECT_EQ(dic.IndexOf("a.lnk"), 0);
    EXPECT_EQ(*dic.Find("a.lnk"), "new");
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
        EXPECT_EQ(*copy.Find("b.lnk"), "C:\\B\\b.lnk");
        EXPECT_EQ(copy.Find("b.lnk"), &copy[1].value);
        EXPECT_FALSE(copy.Contains("old.lnk"));
    }
}

TEST(ItemDictionary, ASeparatorIsDecidedByItsValue) {
    EXPECT_TRUE((ItemEntry{"<>7", std::string(kSeparatorValue)}).IsSeparator());
    EXPECT_TRUE((ItemEntry{"anything", "<>"}).IsSeparator());
    EXPECT_FALSE((ItemEntry{"<>0", "C:\\B\\<>0"}).IsSeparator());
}

}  // namespace
}  // namespace tarn
