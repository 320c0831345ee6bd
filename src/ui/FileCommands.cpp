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
                           const QString& initialDir)
    : spectra_(spectra), chart_(chart), checkList_(checkList)
{
    data_.initialDir = initialDir;
    data_.filter = QString::fromUtf8("CSV(逗号分隔)(*.csv)");
    data_.defaultExt = "csv";
    data_.confirmOverwrite = true;
    picture_.initialDir = initialDir;
    picture_.defaultExt = "bmp";
    // Replacing a picture the user picked by mistake would lose it: ask too.
    picture_.confirmOverwrite = true;
    setUpAnalysisDialog(analysis_, initialDir);
}

void FileCommands::saveData()
{
    if (spectra_.empty()) {
        userDialogs().information(messages::shown(messages::noSpectrum));
        return;
    }
    data_.fileName = "Spectrum";
    if (!data_.execute())
        return;
    std::vector<const SetItem*> all;
    for (int i = 0; i < spectra_.size(); ++i)
        all.push_back(&spectra_.item(i));
    saveSpectrumCsv(data_.fileName, all);
    userDialogs().information(QCoreApplication::translate("FileCommands", "Export Completed"));
    picture_.initialDir = data_.initialDir;
}

void FileCommands::savePicture()
{
    picture_.fileName = "Spectrum";
    // The file types in the installed language.
    picture_.filters = pictureFilters();
    picture_.filter = pictureFilter(PictureFormat::Bmp);
    if (!picture_.execute())
        return;
    const PictureFormat format = pictureFormatFor(picture_.fileName, picture_.filter);
    saveWidgetPicture(chart_, picture_.fileName, format);
    data_.initialDir = picture_.initialDir;
}

void FileCommands::saveForAnalysis()
{
    ::saveForAnalysis(spectra_, *checkList_, analysis_);
}
