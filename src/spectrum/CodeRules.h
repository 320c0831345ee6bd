#pragma once

#include "spectrum/DesignCode.h"

#include <string>

// The choices of the five selection boxes, as item indices.
struct CodeSelection {
    int codeType = 0;
    int intensityIndex = 0;
    int seismicActionIndex = 0;
    int siteClassIndex = 0;
    int groupIndex = 0;
};

// Two rules of the codes that the tables alone do not apply; both are off
// unless the user asks for them.
struct CodeRuleOptions {
    // GB 50011 5.1.4: Tg + 0.05 s for rare earthquakes (the 2001 code only at
    // intensities 8 and 9; GB/T 51408 has rules of its own).
    bool rareTg = false;
    // GB 50011 5.3.1/5.3.4: vertical AlphaMax = 65 % of the horizontal, with
    // the Tg of the 1st group.
    bool vertical = false;
};

struct CodeParameters {
    double alphaMax = 0;
    double tg = 0;
    bool rareTgApplied = false;
    bool verticalApplied = false;
    // The table's Tg that a rule started from, and what the rare rule added.
    double tableTg = 0;
    double rareTgIncrease = 0;
};

// The rare-earthquake rule can be asked for with this code at all.
bool rareTgAvailable(int codeType);

// Why the rare-earthquake rule cannot apply to the selection, in words that
// follow "Tg + 0.05 s: ", or nothing when it applies: not with GB/T 51408,
// only for rare and very rare earthquakes, with GB 50011-2001 only at
// intensities 8 and 9.
std::string rareTgRefusal(const CodeSelection& selection);

// AlphaMax and Tg for the selection with the chosen rules, rounded to the
// values the codes mean (0.4, not 0.35 + 0.05).
CodeParameters codeParameters(const CodeSelection& selection, const CodeRuleOptions& options);
