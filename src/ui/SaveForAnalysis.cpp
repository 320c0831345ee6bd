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

namespace {

AnalysisFormat formatOfFilter(const QString& filter)
{
    AnalysisFormat format = analysisFormatsForDialog().front();
    analysisFormatFromFilter(filter, format);
    return format;
}

} // namespace

void setUpAnalysisDialog(SaveDialog& dialog, const QString& initialDir)
{
    dialog.title = QCoreApplication::translate("SaveForAnalysis", "Save for Analysis");
    dialog.filters.clear();
    for (const AnalysisFormat format : analysisFormatsForDialog())
        dialog.filters << QString::fromLatin1(analysisFormatFilter(format));
    dialog.filter = dialog.filters.first();
    dialog.defaultExt = filterSuffix(dialog.filter);
    dialog.initialDir = initialDir;
    dialog.confirmOverwrite = true;
}

void saveSpectrumForAnalysis(const KavrelSpectrum& spectrum, SaveDialog& dialog)
{
    dialog.title = QCoreApplication::translate("SaveForAnalysis", "Save for Analysis");
    dialog.fileName = spectrumFileBase(spectrum.responseName);
    dialog.defaultExt = filterSuffix(dialog.filter);
    if (!dialog.execute())
        return;
    AnalysisFileOptions options;
    options.format = formatOfFilter(dialog.filter);
    saveAnalysisFile(dialog.fileName, spectrum, options);
}

void saveRecordForAnalysis(const RecordItem& record, SaveDialog& dialog)
{
    dialog.fileName = spectrumFileBase(record.name());
    dialog.defaultExt = filterSuffix(dialog.filter);
    if (!dialog.execute())
        return;
    TimeHistoryFileOptions options;
    options.format = formatOfFilter(dialog.filter);
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
