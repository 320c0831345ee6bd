#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>

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

struct CurveColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(CurveColour a, CurveColour b)
    {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};

// Colours the curves take by slot, told apart at a glance on a white plot.
// The first five are the ones the chart has always given its first curves.
constexpr int curveColourCount = 13;
// Slots beyond the palette come round to its start again.
CurveColour curveColour(int slot);

// The look of every item that any chart shows, by the item's name, so that
// an item has one colour in every window for as long as it is shown: it takes
// the lowest free slot when the first chart shows it and keeps it until the
// last chart that shows it lets it go. Whether it is a code spectrum (drawn
// heavier than records) is told by the first chart that shows it.
class ItemColours {
public:
    struct Look {
        int slot = -1;
        bool codeSpectrum = false;
    };

    // One more chart shows `name`; every join is matched by one leave.
    Look join(const std::string& name, bool codeSpectrum);
    // One chart less shows `name`; a name no chart shows is ignored.
    void leave(const std::string& name);
    // Slot -1 while no chart shows `name`.
    Look lookOf(const std::string& name) const;

private:
    struct Held {
        Look look;
        int charts = 0;
    };
    std::unordered_map<std::string, Held> held_;
    ColourSlots slots_;
};
