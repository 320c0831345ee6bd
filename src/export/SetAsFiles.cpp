#include "export/SetAsFiles.h"

#include "export/SafeFileWriter.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NarrowText.h"

#include <QDir>
#include <QSet>

namespace {

bool unfitForFileName(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
}

// Windows refuses these as file names whatever suffix follows.
bool deviceName(const QString& base)
{
    static const QStringList devices = {"CON", "PRN", "AUX", "NUL"};
    const QString upper = base.toUpper();
    if (devices.contains(upper))
        return true;
    return upper.size() == 4 && (upper.startsWith("COM") || upper.startsWith("LPT")) && upper[3] >= u'1'
        && upper[3] <= u'9';
}

QString fileBaseFor(const std::string& spectrumName)
{
    QString base = fromNarrow(spectrumName);
    for (QChar& c : base) {
        if (unfitForFileName(c))
            c = u'_';
    }
    // A leading dot hides the file (and "." or ".." name folders); Windows
    // drops trailing dots and blanks.
    if (base.startsWith(u'.'))
        base[0] = u'_';
    for (qsizetype i = base.size() - 1; i >= 0 && (base[i] == u'.' || base[i] == u' '); --i)
        base[i] = u'_';
    if (base.isEmpty() || deviceName(base))
        base.prepend(u'_');
    return base;
}

} // namespace

QStringList spectrumFileNames(const SetContents& contents, const QString& suffix)
{
    QStringList names;
    QSet<QString> taken;  // case-folded, for file systems that ignore case
    for (const SetSpectrum& s : contents) {
        const QString base = fileBaseFor(s.name);
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
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const SetSpectrum& s = contents[i];
        const KavrelSpectrum spectrum(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType);
        paths << dir.filePath(names[static_cast<qsizetype>(i)]);
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
