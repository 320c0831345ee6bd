#pragma once

#include "common/SaveDialog.h"

#include <QString>

#include <functional>

class CheckListBox;
class QWidget;
class SpectrumSet;
struct GeneratedRecords;

// Edit > Artificial Records...: the dialog over the set's code spectra, and
// the generated records joining the set as records of their own.
class ArtificialCommands {
public:
    // `saveFolder` gives the folder the dialog's Save... starts in the first
    // time; `tell` shows a short note to the user (the window's status bar).
    ArtificialCommands(SpectrumSet& set, const CheckListBox* list, QWidget* window,
                       std::function<QString()> saveFolder, std::function<void(const QString&)> tell);

    void generateArtificialRecords();
    // Takes over what the dialog generated, under the names it made unique.
    void addArtificialRecords(const GeneratedRecords& generated);
    // The folder and type last used by the dialog's Save....
    SaveDialog& saveDialog() { return saveDialog_; }

private:
    SpectrumSet& set_;
    const CheckListBox* list_;
    QWidget* window_;
    std::function<QString()> saveFolder_;
    std::function<void(const QString&)> tell_;
    SaveDialog saveDialog_;
};
