#pragma once

class CheckListBox;
class KavrelSpectrum;
class RecordItem;
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

// The same for a record: its scaled acceleration history as the time-history
// file of the program picked (export/TimeHistoryFile).
void saveRecordForAnalysis(const RecordItem& record, SaveDialog& dialog);

// The menu command on the window's items: saves the one with the focus
// rectangle in `checkList` (as Delete takes it), or the only one, a spectrum
// as a spectrum file, a record as a history. With none created, or several
// and none with the focus, it says so and stops.
void saveForAnalysis(const SpectrumSet& spectra, const CheckListBox& checkList, SaveDialog& dialog);
