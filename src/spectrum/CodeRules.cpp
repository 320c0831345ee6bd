#include "spectrum/CodeRules.h"

#include "spectrum/CodeTables.h"

#include <cmath>

namespace {

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

} // namespace

bool rareTgAvailable(int codeType)
{
    return designCodeOf(codeType) != DesignCode::GbT51408_2021;
}

std::string rareTgRefusal(const CodeSelection& s)
{
    if (!rareTgAvailable(s.codeType))
        return "not for GB/T 51408-2021, which sets its own periods for rare earthquakes";
    if (s.seismicActionIndex < rareAction)
        return "only for rare and very rare earthquakes";
    if (designCodeOf(s.codeType) == DesignCode::Gb50011_2001 && s.intensityIndex < intensity8)
        return "GB 50011-2001 adds it at intensities 8 and 9 only";
    return {};
}

CodeParameters codeParameters(const CodeSelection& selection, const CodeRuleOptions& options)
{
    CodeParameters p;
    p.verticalApplied = options.vertical;
    p.rareTgApplied = options.rareTg && rareTgRefusal(selection).empty();
    const double tableAlphaMax = lookupAlphaMax(selection.intensityIndex, selection.seismicActionIndex);
    const double tableTg = lookupTg(selection.siteClassIndex, p.verticalApplied ? 0 : selection.groupIndex);
    p.alphaMax = p.verticalApplied ? tidy(verticalShare * tableAlphaMax) : tableAlphaMax;
    p.tableTg = tableTg;
    p.rareTgIncrease = p.rareTgApplied ? rareTgIncrease : 0.0;
    p.tg = p.rareTgApplied ? tidy(tableTg + rareTgIncrease) : tableTg;
    return p;
}
