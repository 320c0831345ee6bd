#include "export/SetAsFiles.h"

#include "export/SafeFileWriter.h"
#include "export/SpectrumFileName.h"
#include "spectrum/KavrelSpectrum.h"

#include <QDir>
#include <QSet>


QStringList spectrumFileNames(const SetContents& contents, const QString& suffix)
{
    QStringList names;
    QSet<QString> taken;  // case-folded, for file systems that ignore case
    for (const SetSpectrum& s : contents) {
        if (!s.isCodeSpectrum())
            continue;
        const QString base = spectrumFileBase(s.name);
        QString name = base + u'.' + suffix;
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n)
            name = QStringLiteral("%1 (%2).%3").arg(base).arg(n).arg(suffix);
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}

QStringList writeSetAsFiles(const SetContents& contents, const QString& folder, const SpectrumFileFormat& format,
                            StreamOpening opening)
{
    const QStringList names = spectrumFileNames(contents, format.suffix);
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    std::vector<FileContent> files;
    files.reserve(contents.size());
    QStringList paths;
    // Records and curves have no spectrum file of their own: their names were
    // skipped too.
    for (const SetSpectrum& s : contents) {
        if (!s.isCodeSpectrum())
            continue;
        const KavrelSpectrum spectrum(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType);
        paths << dir.filePath(names[paths.size()]);
        files.emplace_back(paths.last(), format.build(spectrum));
    }
    writeFilesTogether(files, opening);
    return paths;
}

QStringList writeSetFileAsFiles(const QString& setPath, const QString& folder, const SpectrumFileFormat& format,
                                ReadSource source, StreamOpening opening)
{
    return writeSetAsFiles(readSetFile(setPath, source), folder, format, opening);
}
