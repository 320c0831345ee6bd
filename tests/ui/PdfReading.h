#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PDF read back as a reader sees it, with poppler-utils (installed by
// scripts/install-deps): its text, and its page facts from pdfinfo.
inline QString runPoppler(const QString& program, const QStringList& arguments)
{
    QProcess reader;
    reader.start(program, arguments);
    if (!reader.waitForFinished(30000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return "(" + program + " failed: is poppler-utils installed?)";
    return QString::fromUtf8(reader.readAllStandardOutput());
}

inline QString pdfFileText(const QString& path)
{
    return runPoppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

inline QString pdfFileInfo(const QString& path)
{
    return runPoppler(QStringLiteral("pdfinfo"), {path});
}

inline QString pdfText(const QByteArray& pdf)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("document.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return QStringLiteral("(cannot write)");
    file.close();
    return pdfFileText(file.fileName());
}
