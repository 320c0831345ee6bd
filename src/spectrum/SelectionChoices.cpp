#include "spectrum/SelectionChoices.h"

#include "spectrum/DesignCode.h"

namespace {

template <std::size_t N>
SelectionChoices table(const SelectionChoice (&items)[N])
{
    return {items, N};
}

// The box texts keep their historical spacing: the window shows them so.
const SelectionChoice codes[] = {
    {designCodeName(DesignCode::Gb50011_2010), "2010", designCodeName(DesignCode::Gb50011_2010)},
    {designCodeName(DesignCode::Gb50011_2001), "2001", designCodeName(DesignCode::Gb50011_2001)},
    {designCodeName(DesignCode::GbT51408_2021), "51408", designCodeName(DesignCode::GbT51408_2021)},
};
const SelectionChoice intensities[] = {
    {"6 ( 0.05 g )", "6", "6 (0.05 g)"}, {"7 ( 0.10 g)", "7", "7 (0.10 g)"},   {"7 ( 0.15 g)", "7.5", "7 (0.15 g)"},
    {"8 ( 0.20 g)", "8", "8 (0.20 g)"},  {"8 ( 0.30 g)", "8.5", "8 (0.30 g)"}, {"9 ( 0.40 g)", "9", "9 (0.40 g)"},
};
const SelectionChoice actions[] = {
    {"多遇地震", "frequent", "frequent"},
    {"设防地震", "design", "design-basis"},
    {"罕遇地震", "rare", "rare"},
    {"极罕遇地震", "very-rare", "very rare"},
};
const SelectionChoice sites[] = {
    {"I0", "I0", "I0"}, {"I1", "I1", "I1"}, {"II", "II", "II"}, {"III", "III", "III"}, {"IV", "IV", "IV"},
};
const SelectionChoice groups[] = {
    {"1st Group", "1", "1"},
    {"2nd Group", "2", "2"},
    {"3th Group", "3", "3"},
};

} // namespace

const SelectionChoices& codeChoices()
{
    static const SelectionChoices choices = table(codes);
    return choices;
}

const SelectionChoices& intensityChoices()
{
    static const SelectionChoices choices = table(intensities);
    return choices;
}

const SelectionChoices& actionChoices()
{
    static const SelectionChoices choices = table(actions);
    return choices;
}

const SelectionChoices& siteChoices()
{
    static const SelectionChoices choices = table(sites);
    return choices;
}

const SelectionChoices& groupChoices()
{
    static const SelectionChoices choices = table(groups);
    return choices;
}
