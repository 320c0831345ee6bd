#pragma once

class CheckListBox;
class KavrelSpectrum;
class QString;
class SaveDialog;
class SpectrumSet;

// Save for Analysis: one spectrum as the file of a structural analysis
// program, the program picked by the save dialog's file type.

// The dialog's file types, one per analysis format (SAP2000/ETABS first), its
// first folder and overwrite question.
void setUpAnalysisDialog(SaveDialog& dialog, const QString& initialDir);

// Asks for a file, proposing the spectrum's name, and writes `spectrum` in the
// format of the file type picked, at the chart's periods and the curve's
// corners. Nothing happens when the user cancels. Throws KavrelError
// "Cannot create file "<full path>". <reason>" or "Stream write error", and an
// existing file is then left as it was.
void saveSpectrumForAnalysis(const KavrelSpectrum& spectrum, SaveDialog& dialog);

// The menu command on the window's spectra: saves the one with the focus
// rectangle in `checkList` (as Delete takes it), or the only one. With none
// created, or several and none with the focus, it says so and stops.
void saveForAnalysis(const SpectrumSet& spectra, const CheckListBox& checkList, SaveDialog& dialog);
