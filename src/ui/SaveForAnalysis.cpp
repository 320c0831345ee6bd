#include "ui/SaveForAnalysis.h"

#include "spectrum/SpectrumSet.h"

#include "common/SaveDialog.h"
#include "common/UserDialogs.h"
#include "export/AnalysisFile.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NarrowText.h"
#include "ui/CheckListBox.h"

#include <QString>
#include <QStringList>

namespace {

struct FileType {
    AnalysisFormat format;
    const char* filter;
};

const FileType fileTypes[] = {
    {AnalysisFormat::Csi, "CSI SAP2000/ETABS (*.txt)"},
    {AnalysisFormat::Midas, "MIDAS Gen/Civil (*.sgs)"},
    {AnalysisFormat::Staad, "STAAD.Pro (*.txt)"},
    {AnalysisFormat::OpenSees, "OpenSees Tcl (*.tcl)"},
    {AnalysisFormat::Csv, "CSV (*.csv)"},
    {AnalysisFormat::Table, "Table (*.txt)"},
};

AnalysisFormat formatOfFilter(const QString& filter)
{
    for (const FileType& type : fileTypes) {
        if (filter == QLatin1String(type.filter))
            return type.format;
    }
    return fileTypes[0].format;
}

// A spectrum name may hold characters that a file name cannot.
QString proposedFileName(const std::string& name)
{
    QString fileName = fromNarrow(name);
    for (QChar& c : fileName) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return fileName;
}

} // namespace

void setUpAnalysisDialog(SaveDialog& dialog, const QString& initialDir)
{
    dialog.title = QStringLiteral("Save for Analysis");
    dialog.filters.clear();
    for (const FileType& type : fileTypes)
        dialog.filters << QString::fromLatin1(type.filter);
    dialog.filter = dialog.filters.first();
    dialog.defaultExt = filterSuffix(dialog.filter);
    dialog.initialDir = initialDir;
    dialog.confirmOverwrite = true;
}

void saveSpectrumForAnalysis(const KavrelSpectrum& spectrum, SaveDialog& dialog)
{
    dialog.fileName = proposedFileName(spectrum.responseName);
    dialog.defaultExt = filterSuffix(dialog.filter);
    if (!dialog.execute())
        return;
    AnalysisFileOptions options;
    options.format = formatOfFilter(dialog.filter);
    saveAnalysisFile(dialog.fileName, spectrum, options);
}

void saveForAnalysis(const SpectrumSet& spectra, const CheckListBox& checkList, SaveDialog& dialog)
{
    if (spectra.empty()) {
        userDialogs().information(QStringLiteral("No spectrum have been create."));
        return;
    }
    // The list's entries stand for the set's spectra, in the same order.
    const int entry = spectra.size() == 1 ? 0 : checkList.currentEntry();
    if (entry < 0 || entry >= spectra.size()) {
        userDialogs().information(QStringLiteral("Click the spectrum to save in the list first."));
        return;
    }
    saveSpectrumForAnalysis(spectra.at(entry), dialog);
}
