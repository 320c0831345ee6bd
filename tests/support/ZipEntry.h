#pragma once

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

// The text of one part of a zip file (an .xlsx), by the unzip program;
// fails the test and gives an empty text when it cannot be read.
inline QString zipEntry(const QString& file, const QString& entry)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, entry});
    if (!unzip.waitForFinished(30000) || unzip.exitStatus() != QProcess::NormalExit || unzip.exitCode() != 0) {
        ADD_FAILURE() << "unzip -p " << file.toStdString() << " " << entry.toStdString() << " failed: "
                      << unzip.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(unzip.readAllStandardOutput());
}
