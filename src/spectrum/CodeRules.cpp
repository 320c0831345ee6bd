#include "spectrum/CodeRules.h"

#include "spectrum/CodeTables.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int gb50011_2001 = 1;
constexpr int gbT51408 = 2;
constexpr int rareAction = 2;
constexpr int intensity8 = 3;  // 8 (0.20 g) and above
constexpr double rareTgIncrease = 0.05;
constexpr double verticalShare = 0.65;

// Table values are given to two or three decimals; twelve remove the binary
// noise of a sum or product without touching any of them.
double tidy(double value)
{
    return std::round(value * 1e12) / 1e12;
}

std::string seconds(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", value);
    return text;
}

bool rareTgApplies(const CodeSelection& s)
{
    if (!rareTgAvailable(s.codeType) || s.seismicActionIndex < rareAction)
        return false;
    return s.codeType != gb50011_2001 || s.intensityIndex >= intensity8;
}

} // namespace

bool rareTgAvailable(int codeType)
{
    return codeType != gbT51408;
}

CodeParameters codeParameters(const CodeSelection& selection, const CodeRuleOptions& options)
{
    CodeParameters p;
    p.verticalApplied = options.vertical;
    p.rareTgApplied = options.rareTg && rareTgApplies(selection);
    const double tableAlphaMax = lookupAlphaMax(selection.intensityIndex, selection.seismicActionIndex);
    const double tableTg = lookupTg(selection.siteClassIndex, p.verticalApplied ? 0 : selection.groupIndex);
    p.alphaMax = p.verticalApplied ? tidy(verticalShare * tableAlphaMax) : tableAlphaMax;
    p.tg = p.rareTgApplied ? tidy(tableTg + rareTgIncrease) : tableTg;

    if (p.verticalApplied || p.rareTgApplied) {
        p.tgNote = seconds(tableTg);
        if (p.rareTgApplied)
            p.tgNote += " + " + seconds(rareTgIncrease);
        if (p.verticalApplied)
            p.tgNote += ", 1st group, vertical";
        if (p.rareTgApplied)
            p.tgNote += ", rare earthquake";
    }
    return p;
}
