#include "model/ItemDictionary.h"

#include "model/ModelNames.h"

namespace tarn {

bool ItemEntry::IsSeparator() const { return value == kSeparatorValue; }

ItemDictionary::ItemDictionary(const ItemDictionary& other) : entries_(other.entries_) {
    positions_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) positions_.emplace(entries_[i].key, i);
}

ItemDictionary& ItemDictionary::operator=(const ItemDictionary& other) {
    if (this != &other) *this = ItemDictionary(other);
    return *this;
}

void ItemDictionary::Clear() {
    positions_.clear();
    entries_.clear();
}

void ItemDictionary::Reserve(std::size_t count) { positions_.reserve(count); }

bool ItemDictionary::Add(std::string key, std::string value) {
    if (positions_.contains(key)) return false;
    entries_.push_back(ItemEntry{std::move(key), std::move(value)});
    try {
        positions_.emplace(entries_.back().key, entries_.size() - 1);
    } catch (...) {
        entries_.pop_back();
        throw;
    }
    return true;
}

bool ItemDictionary::Contains(std::string_view key) const { return positions_.contains(key); }

const std::string* ItemDictionary::Find(std::string_view key) const {
    const auto it = positions_.find(key);
    return it == positions_.end() ? nullptr : &entries_[it->second].value;
}

std::optional<int> ItemDictionary::IndexOf(std::string_view key) const {
    const auto it = positions_.find(key);
    if (it == positions_.end()) return std::nullopt;
    return static_cast<int>(it->second);
}

}  // namespace tarn
