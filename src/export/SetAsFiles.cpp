#include "export/SetAsFiles.h"

#include "export/SafeFileWriter.h"
#include "export/SpectrumFileName.h"
#include "spectrum/KavrelSpectrum.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <algorithm>


QStringList spectrumFileNames(const SetContents& contents, const QString& suffix)
{
    QStringList names;
    QSet<QString> taken;  // case-folded, for file systems that ignore case
    // Per base, the number after the last one given: every lower number was
    // taken then and is still, so the search goes on from there and a set of
    // many names that meet is numbered in linear time.
    QHash<QString, int> nextNumber;
    for (const SetSpectrum& s : contents) {
        if (!s.isCodeSpectrum())
            continue;
        const QString base = spectrumFileBase(s.name);
        QString name = base + u'.' + suffix;
        if (taken.contains(name.toCaseFolded())) {
            int& n = nextNumber[base.toCaseFolded()];
            n = std::max(n, 2);
            do
                name = QStringLiteral("%1 (%2).%3").arg(base).arg(n++).arg(suffix);
            while (taken.contains(name.toCaseFolded()));
        }
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
    // Records and curves have no spectrum file of their own: their names were
    // skipped too.
    std::vector<const SetSpectrum*> spectra;
    spectra.reserve(contents.size());
    QStringList paths;
    for (const SetSpectrum& s : contents) {
        if (!s.isCodeSpectrum())
            continue;
        paths << dir.filePath(names[paths.size()]);
        spectra.push_back(&s);
    }
    // Each file's bytes are made as it is written, never all at once.
    writeFilesTogether(
        paths,
        [&spectra, &format](qsizetype i) {
            const SetSpectrum& s = *spectra[static_cast<std::size_t>(i)];
            return format.build(KavrelSpectrum(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType));
        },
        opening);
    return paths;
}

QStringList writeSetFileAsFiles(const QString& setPath, const QString& folder, const SpectrumFileFormat& format,
                                ReadSource source, StreamOpening opening)
{
    return writeSetAsFiles(readSetFile(setPath, source), folder, format, opening);
}
