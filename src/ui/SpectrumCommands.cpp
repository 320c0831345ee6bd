#include "ui/SpectrumCommands.h"

#include "common/CommandMessages.h"
#include "common/UserDialogs.h"
#include "inputs/InputRules.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "ui/CheckListBox.h"
#include "ui/InputPanel.h"

#include <new>

SpectrumCommands::SpectrumCommands(SpectrumSet& set, InputPanel* inputs, const CheckListBox* list)
    : set_(set), inputs_(inputs), list_(list)
{
}

void SpectrumCommands::createSpectrum()
{
    const std::optional<SpectrumInputs> inputs = inputs_->readInputs();
    if (!inputs)
        return;
    if (set_.contains(inputs->name)) {
        userDialogs().warning(nameTakenMessage(inputs->name));
        inputs_->focusName();
        return;
    }
    SpectrumOrigin origin = originOfSelections(inputs_->intensityIndex(), inputs_->seismicActionIndex(),
                                               inputs_->siteClassIndex(), inputs_->groupIndex());
    const CodeParameters rules = codeParameters(inputs_->selection(), inputs_->ruleOptions());
    origin.rareTg = rules.rareTgApplied;
    origin.vertical = rules.verticalApplied;
    auto spectrum = std::make_unique<KavrelSpectrum>(inputs->name, inputs->alphaMax, inputs->tg,
                                                     inputs->dampingRatio, inputs->codeType);
    // The model says nothing itself; the window tells of a code it does not know.
    if (!spectrum->designCode())
        userDialogs().warning(QString::fromStdString(KavrelSpectrum::wrongCodeTypeMessage(inputs->codeType)));
    try {
        set_.add(std::move(spectrum), true, origin);
    } catch (const std::bad_alloc&) {
        // The set has undone whatever part of the addition was made. Any
        // other failure goes on to the general error handler with its own
        // message, the set undone just the same.
        userDialogs().warning(messages::shown(messages::outOfMemory));
    }
}

void SpectrumCommands::deleteSpectrum()
{
    const int current = list_->currentEntry();
    // The list's entries stand for the set's items, in the same order.
    if (current >= 0 && current < set_.size())
        set_.remove(current);
}

void SpectrumCommands::deleteAllSpectra()
{
    set_.clear();
}
