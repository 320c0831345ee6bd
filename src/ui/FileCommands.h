#pragma once

#include "common/SaveDialog.h"

#include <QString>

class ChartControl;
class CheckListBox;
class SpectrumSet;

// Save Data, Save Picture and Save for Analysis, each with its save dialog.
// The data and picture dialogs start where the other one saved last.
class FileCommands {
public:
    FileCommands(const SpectrumSet& spectra, ChartControl* chart, const CheckListBox* checkList,
                 const QString& folder);

    void saveData();
    // The format follows the extension typed, else the file type chosen; the
    // bitmap stays the type offered first every time.
    void savePicture();
    void saveForAnalysis();

    SaveDialog& dataDialog() { return csvDialog_; }
    SaveDialog& pictureDialog() { return pictureDialog_; }
    SaveDialog& analysisDialog() { return analysisDialog_; }

private:
    const SpectrumSet& spectra_;
    ChartControl* chart_;
    const CheckListBox* checkList_;
    SaveDialog csvDialog_;
    SaveDialog pictureDialog_;
    SaveDialog analysisDialog_;
};
