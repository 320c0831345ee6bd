#include "ui/SaveForAnalysis.h"

#include "common/CommandMessages.h"
#include "spectrum/SpectrumSet.h"

#include "common/SaveDialog.h"
#include "common/UserDialogs.h"
#include "export/AnalysisFile.h"
#include "export/SpectrumFileName.h"
#include "export/TimeHistoryFile.h"
#include "records/RecordItem.h"
#include "spectrum/KavrelSpectrum.h"
#include "ui/CheckListBox.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

void setUpAnalysisDialog(SaveDialog& dialog, const QString& initialDir)
{
    dialog.title = QCoreApplication::translate("SaveForAnalysis", "Save for Analysis");
    dialog.filters.clear();
    dialog.offerFilters(analysisFormatFilters());
    dialog.defaultSuffix = filterSuffix(dialog.filter);
    dialog.folder = initialDir;
    dialog.confirmOverwrite = true;
}

void saveSpectrumForAnalysis(const KavrelSpectrum& spectrum, SaveDialog& dialog)
{
    dialog.title = QCoreApplication::translate("SaveForAnalysis", "Save for Analysis");
    // The file types in the language installed now, the one chosen last kept.
    dialog.offerFilters(analysisFormatFilters());
    dialog.fileName = spectrumFileBase(spectrum.responseName);
    dialog.defaultSuffix = filterSuffix(dialog.filter);
    if (!dialog.ask())
        return;
    AnalysisFileOptions options;
    options.format = analysisFormatAtFilter(dialog.chosenFilterIndex());
    saveAnalysisFile(dialog.fileName, spectrum, options);
}

void saveRecordForAnalysis(const RecordItem& record, SaveDialog& dialog)
{
    dialog.offerFilters(analysisFormatFilters());
    dialog.fileName = spectrumFileBase(record.name());
    dialog.defaultSuffix = filterSuffix(dialog.filter);
    if (!dialog.ask())
        return;
    TimeHistoryFileOptions options;
    options.format = analysisFormatAtFilter(dialog.chosenFilterIndex());
    saveTimeHistoryFile(dialog.fileName, record.scaledRecord(), options);
}

void saveForAnalysis(const SpectrumSet& spectra, const CheckListBox& checkList, SaveDialog& dialog)
{
    if (spectra.empty()) {
        userDialogs().information(messages::shown(messages::noSpectrum));
        return;
    }
    // The list's entries stand for the set's spectra, in the same order.
    const int entry = spectra.size() == 1 ? 0 : checkList.currentEntry();
    if (entry < 0 || entry >= spectra.size()) {
        userDialogs().information(
            QCoreApplication::translate("SaveForAnalysis", "Click the spectrum to save in the list first."));
        return;
    }
    if (const KavrelSpectrum* spectrum = spectra.spectrumAt(entry))
        saveSpectrumForAnalysis(*spectrum, dialog);
    else if (const RecordItem* record = recordItemOf(spectra.item(entry)))
        saveRecordForAnalysis(*record, dialog);
    else
        userDialogs().information(QCoreApplication::translate(
            "SaveForAnalysis",
            "A mean curve is not a design spectrum for an analysis program. Save Data writes its values."));
}
