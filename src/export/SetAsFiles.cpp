#include "export/SetAsFiles.h"

#include "export/SafeFileWriter.h"
#include "export/SpectrumFileName.h"
#include "spectrum/KavrelSpectrum.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>


QStringList spectrumFileNames(const SetContents& contents, const QString& suffix)
{
    QStringList names;
    QSet<QString> taken;  // case-folded, for file systems that ignore case
    for (const SetSpectrum& s : contents) {
        if (s.isRecord())
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

QStringList writeSetAsFiles(const SetContents& contents, const QString& folder, const SpectrumFileFormat& format)
{
    const QStringList names = spectrumFileNames(contents, format.suffix);
    std::vector<QByteArray> files;
    files.reserve(contents.size());
    for (const SetSpectrum& s : contents) {
        if (s.isRecord())
            continue;
        const KavrelSpectrum spectrum(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType);
        files.push_back(format.build(spectrum));
    }

    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    QStringList written;
    QStringList created;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            const QString path = dir.filePath(names[static_cast<qsizetype>(i)]);
            const bool existed = QFileInfo::exists(path);
            writeFileAtomically(path, files[i]);
            written << path;
            if (!existed)
                created << path;
        }
    } catch (...) {
        for (const QString& path : created)
            QFile::remove(path);
        throw;
    }
    return written;
}

QStringList writeSetFileAsFiles(const QString& setPath, const QString& folder, const SpectrumFileFormat& format)
{
    return writeSetAsFiles(readSetFile(setPath), folder, format);
}
