#include "spectrum/SpectrumOrigin.h"

#include "spectrum/SelectionChoices.h"

namespace {

std::string originWord(const SelectionChoices& choices, int index)
{
    const SelectionChoice* choice = choices.at(index);
    return choice ? choice->originWord : "";
}

} // namespace

SpectrumOrigin originOfSelections(int intensityIndex, int seismicActionIndex, int siteClassIndex, int groupIndex)
{
    return {originWord(intensityChoices(), intensityIndex), originWord(actionChoices(), seismicActionIndex),
            originWord(siteChoices(), siteClassIndex), originWord(groupChoices(), groupIndex)};
}
