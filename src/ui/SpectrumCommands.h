#pragma once

class CheckListBox;
class InputPanel;
class SpectrumSet;

// Create, Delete and Delete All: a code spectrum from the input panel joins
// the set, the focused entry's item or every item leaves it.
class SpectrumCommands {
public:
    SpectrumCommands(SpectrumSet& set, InputPanel* inputs, const CheckListBox* list);

    // Reads the panel's inputs (a refusal shows its warning and adds
    // nothing) and adds the spectrum with the selections it came from.
    void createSpectrum();
    // Deletes the item of the entry with the focus rectangle, whatever is selected.
    void deleteSpectrum();
    void deleteAllSpectra();

private:
    SpectrumSet& set_;
    InputPanel* inputs_;
    const CheckListBox* list_;
};
