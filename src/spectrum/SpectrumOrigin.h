#pragma once

#include <string>

// The selections a spectrum was created from, in words: for the reader of a
// set file only. AlphaMax and Tg as stored are what count, since the user may
// have typed them over the table values. Empty texts: not known.
struct SpectrumOrigin {
    std::string intensity;  // "6 (0.05 g)" ... "9 (0.40 g)"
    std::string action;     // "frequent", "design-basis", "rare", "very rare"
    std::string site;       // "I0", "I1", "II", "III", "IV"
    std::string group;      // "1", "2", "3"
    // The code rules that changed the table values (rare-earthquake Tg, the
    // vertical spectrum); false when not asked for or not applicable.
    bool rareTg = false;
    bool vertical = false;

    bool empty() const
    {
        return intensity.empty() && action.empty() && site.empty() && group.empty() && !rareTg && !vertical;
    }
    bool operator==(const SpectrumOrigin& other) const
    {
        return intensity == other.intensity && action == other.action && site == other.site && group == other.group
            && rareTg == other.rareTg && vertical == other.vertical;
    }
};

// The words for the selection boxes' item indices; an index out of range
// gives an empty text.
SpectrumOrigin originOfSelections(int intensityIndex, int seismicActionIndex, int siteClassIndex, int groupIndex);

// The item indices back from the words: of the intensity (0..5) and of the
// action (0..3); -1 for an empty or unknown word.
int intensityIndexOf(const SpectrumOrigin& origin);
int actionIndexOf(const SpectrumOrigin& origin);
