#pragma once

#include <set>

// Which palette colour a new curve gets: the lowest slot no current curve
// holds, so that after a removal the next curve fills the gap and the
// colours of the remaining curves never change. Taking and giving back a
// slot cost a logarithm of the number of curves, not a walk over them.
class ColourSlots {
public:
    // The lowest free slot, now held.
    int take();
    // Gives a held slot back; a slot not held is ignored.
    void give(int slot);
    // Every slot free again, as on an empty chart.
    void clear();

private:
    std::set<int> gaps_;  // free slots below next_
    int next_ = 0;        // every slot from here up is free
};
