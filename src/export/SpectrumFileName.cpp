#include "export/SpectrumFileName.h"

#include "text/NarrowText.h"

#include <QStringList>

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

} // namespace

QString spectrumFileBase(const std::string& spectrumName)
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
