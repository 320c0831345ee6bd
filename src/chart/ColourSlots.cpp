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
