#include "export/ArtificialRecordFiles.h"

#include "export/SpectrumFileName.h"

#include <QDir>
#include <QFileInfo>

QString timeHistoryFormatFilter(AnalysisFormat format)
{
    QString filter = analysisFormatFilter(format);
    filter.replace(QStringLiteral("*.") + QLatin1String(analysisFormatSuffix(format)),
                   QStringLiteral("*.") + QLatin1String(timeHistoryFileSuffix(format)));
    return filter;
}

QStringList timeHistoryFormatFilters()
{
    QStringList filters;
    for (const AnalysisFormat format : analysisFormatsForDialog())
        filters << timeHistoryFormatFilter(format);
    return filters;
}

std::vector<FileContent> artificialRecordFiles(const std::vector<NamedArtificialRecord>& records,
                                               const QString& chosenPath, AnalysisFormat format)
{
    const QDir folder = QFileInfo(chosenPath).absoluteDir();
    const QString suffix = QLatin1Char('.') + QLatin1String(timeHistoryFileSuffix(format));
    std::vector<FileContent> files;
    for (std::size_t i = 0; i < records.size(); ++i) {
        TimeHistoryFileOptions options;
        options.format = format;
        options.tag = static_cast<int>(i) + 1;
        const QString path = records.size() == 1 ? chosenPath
                                                 : folder.filePath(spectrumFileBase(records[i].name) + suffix);
        files.emplace_back(path, buildTimeHistoryFile(toGroundMotionRecord(records[i]), options));
    }
    return files;
}
