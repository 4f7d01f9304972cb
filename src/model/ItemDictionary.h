#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tarn {

struct ItemEntry {
    std::string key;    // a file name, or a separator key "<>" with a running number
    std::string value;  // the file's full path, or "<>" for a separator
    bool IsSeparator() const;
    friend bool operator==(const ItemEntry&, const ItemEntry&) = default;
};

// An insertion-ordered map from text to text; keys compare exactly (case matters).
class ItemDictionary {
public:
    using const_iterator = std::deque<ItemEntry>::const_iterator;

    ItemDictionary() = default;
    ItemDictionary(const ItemDictionary& other);
    ItemDictionary& operator=(const ItemDictionary& other);
    ItemDictionary(ItemDictionary&&) = default;
    ItemDictionary& operator=(ItemDictionary&&) = default;
    ~ItemDictionary() = default;

    void Clear();
    // Room for this many entries in all, so that filling does not rehash.
    void Reserve(std::size_t count);
    // False, and nothing changes, when the key is there already.
    bool Add(std::string key, std::string value);
    bool Contains(std::string_view key) const;
    // The value under the key, or nothing.
    const std::string* Find(std::string_view key) const;
    // The 0-based position of the key in the order, or nothing.
    std::optional<int> IndexOf(std::string_view key) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    // 0-based, in insertion order.
    const ItemEntry& operator[](int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    friend bool operator==(const ItemDictionary& a, const ItemDictionary& b) { return a.entries_ == b.entries_; }

private:
    // A deque keeps its entries in place as it grows, so the index can view their keys instead of copying them.
    std::deque<ItemEntry> entries_;
    std::unordered_map<std::string_view, std::size_t> positions_;
};

}  // namespace tarn
