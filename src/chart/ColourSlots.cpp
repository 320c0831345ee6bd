#include "chart/ColourSlots.h"

#include <iterator>

int ColourSlots::take()
{
    if (gaps_.empty())
        return next_++;
    const int slot = *gaps_.begin();
    gaps_.erase(gaps_.begin());
    return slot;
}

void ColourSlots::give(int slot)
{
    if (slot < 0 || slot >= next_ || gaps_.count(slot) > 0)
        return;
    if (slot + 1 < next_) {
        gaps_.insert(slot);
        return;
    }
    // The highest held slot: the free range grows down over any gaps below.
    next_ = slot;
    while (!gaps_.empty() && *gaps_.rbegin() == next_ - 1) {
        gaps_.erase(std::prev(gaps_.end()));
        --next_;
    }
}

void ColourSlots::clear()
{
    gaps_.clear();
    next_ = 0;
}

CurveColour curveColour(int slot)
{
    static constexpr CurveColour palette[curveColourCount] = {
        {0x20, 0x9f, 0xdf}, {0x99, 0xca, 0x53}, {0xf6, 0xa6, 0x25}, {0x6d, 0x5f, 0xd5}, {0xbf, 0x59, 0x3e},
        {0x1b, 0x78, 0x37}, {0xd6, 0x33, 0x8a}, {0x12, 0xa8, 0x9d}, {0x6b, 0x44, 0x23}, {0x1f, 0x3a, 0x93},
        {0x00, 0x00, 0x00}, {0xe3, 0x1a, 0x1c}, {0x9e, 0x9e, 0x9e},
    };
    const int place = slot % curveColourCount;
    return palette[place < 0 ? place + curveColourCount : place];
}

ItemColours::Look ItemColours::join(const std::string& name, bool codeSpectrum)
{
    auto [it, first] = held_.try_emplace(name);
    if (first)
        it->second.look = Look{slots_.take(), codeSpectrum};
    ++it->second.charts;
    return it->second.look;
}

void ItemColours::leave(const std::string& name)
{
    const auto it = held_.find(name);
    if (it == held_.end())
        return;
    if (--it->second.charts == 0) {
        slots_.give(it->second.look.slot);
        held_.erase(it);
    }
}

ItemColours::Look ItemColours::lookOf(const std::string& name) const
{
    const auto it = held_.find(name);
    return it == held_.end() ? Look{} : it->second.look;
}
