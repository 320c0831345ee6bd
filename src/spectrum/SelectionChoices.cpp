#include "spectrum/SelectionChoices.h"

#include "spectrum/DesignCode.h"

#include <iterator>

namespace {

// The box texts keep their historical spacing: the window shows them so.
constexpr SelectionChoice codes[] = {
    {designCodeName(DesignCode::Gb50011_2010), "2010", designCodeName(DesignCode::Gb50011_2010)},
    {designCodeName(DesignCode::Gb50011_2001), "2001", designCodeName(DesignCode::Gb50011_2001)},
    {designCodeName(DesignCode::GbT51408_2021), "51408", designCodeName(DesignCode::GbT51408_2021)},
};
constexpr SelectionChoice intensities[] = {
    {"6 ( 0.05 g )", "6", "6 (0.05 g)"}, {"7 ( 0.10 g)", "7", "7 (0.10 g)"},   {"7 ( 0.15 g)", "7.5", "7 (0.15 g)"},
    {"8 ( 0.20 g)", "8", "8 (0.20 g)"},  {"8 ( 0.30 g)", "8.5", "8 (0.30 g)"}, {"9 ( 0.40 g)", "9", "9 (0.40 g)"},
};
constexpr SelectionChoice actions[] = {
    {"多遇地震", "frequent", "frequent"},
    {"设防地震", "design", "design-basis"},
    {"罕遇地震", "rare", "rare"},
    {"极罕遇地震", "very-rare", "very rare"},
};
constexpr SelectionChoice sites[] = {
    {"I0", "I0", "I0"}, {"I1", "I1", "I1"}, {"II", "II", "II"}, {"III", "III", "III"}, {"IV", "IV", "IV"},
};
constexpr SelectionChoice groups[] = {
    {"1st Group", "1", "1"},
    {"2nd Group", "2", "2"},
    {"3th Group", "3", "3"},
};

constexpr SelectionChoices codeTable{codes, std::size(codes)};
constexpr SelectionChoices intensityTable{intensities, std::size(intensities)};
constexpr SelectionChoices actionTable{actions, std::size(actions)};
constexpr SelectionChoices siteTable{sites, std::size(sites)};
constexpr SelectionChoices groupTable{groups, std::size(groups)};

} // namespace

const SelectionChoices& codeChoices() { return codeTable; }
const SelectionChoices& intensityChoices() { return intensityTable; }
const SelectionChoices& actionChoices() { return actionTable; }
const SelectionChoices& siteChoices() { return siteTable; }
const SelectionChoices& groupChoices() { return groupTable; }
