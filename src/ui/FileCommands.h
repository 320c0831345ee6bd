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
                 const QString& initialDir);

    void saveData();
    // The format follows the extension typed, else the file type chosen; the
    // bitmap stays the type offered first every time.
    void savePicture();
    void saveForAnalysis();

    SaveDialog& dataDialog() { return data_; }
    SaveDialog& pictureDialog() { return picture_; }
    SaveDialog& analysisDialog() { return analysis_; }

private:
    const SpectrumSet& spectra_;
    ChartControl* chart_;
    const CheckListBox* checkList_;
    SaveDialog data_;
    SaveDialog picture_;
    SaveDialog analysis_;
};
