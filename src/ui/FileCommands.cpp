#include "ui/FileCommands.h"

#include "common/CommandMessages.h"
#include "common/UserDialogs.h"
#include "export/PictureFormat.h"
#include "export/SpectrumCsv.h"
#include "spectrum/SpectrumSet.h"
#include "ui/ChartControl.h"
#include "ui/ChartPicture.h"
#include "ui/CheckListBox.h"
#include "ui/SaveForAnalysis.h"

#include <QCoreApplication>

FileCommands::FileCommands(const SpectrumSet& spectra, ChartControl* chart, const CheckListBox* checkList,
                           const QString& folder)
    : spectra_(spectra), chart_(chart), checkList_(checkList)
{
    csvDialog_.folder = folder;
    csvDialog_.filter = QString::fromUtf8("CSV(逗号分隔)(*.csv)");
    csvDialog_.defaultSuffix = "csv";
    csvDialog_.confirmOverwrite = true;
    pictureDialog_.folder = folder;
    pictureDialog_.defaultSuffix = "bmp";
    // Replacing a picture the user picked by mistake would lose it: ask too.
    pictureDialog_.confirmOverwrite = true;
    setUpAnalysisDialog(analysisDialog_, folder);
}

void FileCommands::saveData()
{
    if (spectra_.empty()) {
        userDialogs().information(messages::shown(messages::noSpectrum));
        return;
    }
    csvDialog_.fileName = "Spectrum";
    if (!csvDialog_.ask())
        return;
    std::vector<const SetItem*> all;
    for (int i = 0; i < spectra_.size(); ++i)
        all.push_back(&spectra_.item(i));
    saveSpectrumCsv(csvDialog_.fileName, all);
    userDialogs().information(QCoreApplication::translate("FileCommands", "Export Completed"));
    pictureDialog_.folder = csvDialog_.folder;
}

void FileCommands::savePicture()
{
    pictureDialog_.fileName = "Spectrum";
    // The file types in the installed language.
    pictureDialog_.filters = pictureFilters();
    pictureDialog_.filter = pictureFilter(PictureFormat::Bmp);
    if (!pictureDialog_.ask())
        return;
    const PictureFormat format = pictureFormatFor(pictureDialog_.fileName, pictureDialog_.filter);
    saveWidgetPicture(chart_, pictureDialog_.fileName, format);
    csvDialog_.folder = pictureDialog_.folder;
}

void FileCommands::saveForAnalysis()
{
    ::saveForAnalysis(spectra_, *checkList_, analysisDialog_);
}
