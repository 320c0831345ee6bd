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

namespace {

int indexOfWord(const SelectionChoices& choices, const std::string& word)
{
    if (word.empty())
        return -1;
    int index = 0;
    for (const SelectionChoice& choice : choices) {
        if (word == choice.originWord)
            return index;
        ++index;
    }
    return -1;
}

} // namespace

int intensityIndexOf(const SpectrumOrigin& origin)
{
    return indexOfWord(intensityChoices(), origin.intensity);
}

int actionIndexOf(const SpectrumOrigin& origin)
{
    return indexOfWord(actionChoices(), origin.action);
}
