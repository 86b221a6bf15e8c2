#include "chart/PointLabels.h"

#include "platform/Exceptions.h"

#include <algorithm>
#include <utility>

void TPointLabels::CheckIndex(int index) const
{
    if (index < 0 || index >= count_)
        throw ListIndexError(index);
}

std::string TPointLabels::At(int index) const
{
    if (!storesTexts_ || index < 0 || index >= count_)
        return {};
    return texts_[static_cast<std::size_t>(index)];
}

void TPointLabels::Materialize(std::size_t capacity)
{
    std::vector<std::string> texts;
    texts.reserve(std::max(capacity, static_cast<std::size_t>(count_)));
    texts.resize(static_cast<std::size_t>(count_));
    texts_ = std::move(texts);
    storesTexts_ = true;
}

void TPointLabels::ReserveForInsert(const std::string& text)
{
    const auto needed = static_cast<std::size_t>(count_) + 1;
    if (!storesTexts_) {
        if (!text.empty())
            Materialize(needed * 2);
    } else if (texts_.size() == texts_.capacity()) {
        texts_.reserve(needed * 2);
    }
}

void TPointLabels::Insert(int index, const std::string& text)
{
    if (index < 0 || index > count_)
        throw ListIndexError(index);
    ReserveForInsert(text);
    if (storesTexts_)
        texts_.insert(texts_.begin() + index, text.empty() ? std::string() : text);
    ++count_;
}

void TPointLabels::Remove(int index)
{
    CheckIndex(index);
    if (storesTexts_)
        texts_.erase(texts_.begin() + index);
    --count_;
    if (count_ == 0)
        Clear();
}

void TPointLabels::Exchange(int a, int b)
{
    CheckIndex(a);
    CheckIndex(b);
    if (storesTexts_)
        std::swap(texts_[static_cast<std::size_t>(a)], texts_[static_cast<std::size_t>(b)]);
}

void TPointLabels::Clear()
{
    std::vector<std::string>().swap(texts_);
    storesTexts_ = false;
    count_ = 0;
}
