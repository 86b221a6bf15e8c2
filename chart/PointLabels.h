#pragma once

#include <string>
#include <vector>

// The labels of a series' points, parallel to the points. Most series have no
// labels at all, so while every label is empty the list only counts its
// entries; the texts are stored from the first non-empty label on.
class TPointLabels {
public:
    int Count() const { return count_; }
    // The label at index; empty for an index beyond the list.
    std::string At(int index) const;
    bool HasTexts() const { return storesTexts_; }

    // index runs from 0 to Count(); others raise ListIndexError.
    void Insert(int index, const std::string& text);
    void Remove(int index);
    void Exchange(int a, int b);
    // Removes every entry and releases the memory.
    void Clear();

    // Makes sure that Insert(index, text) cannot fail for lack of memory.
    void ReserveForInsert(const std::string& text);

private:
    void CheckIndex(int index) const;
    void Materialize(std::size_t capacity);

    int count_ = 0;
    bool storesTexts_ = false;
    std::vector<std::string> texts_; // used once storesTexts_ is set
};
