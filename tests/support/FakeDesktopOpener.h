#pragma once

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

// A stand-in for the desktop's xdg-open, first on PATH for its lifetime: it
// notes each file it is given and ends with `exitCode` (xdg-open ends with 3
// when no program handles the file's type). `absent` leaves PATH empty
// instead, as on a desktop without any opener.
class FakeDesktopOpener {
public:
    explicit FakeDesktopOpener(int exitCode, bool absent = false) : path_(qgetenv("PATH"))
    {
        if (absent) {
            qputenv("PATH", "");
            return;
        }
        QFile script(folder_.filePath("xdg-open"));
        if (!script.open(QIODevice::WriteOnly))
            return;  // no opener at all: every test of it then fails loudly
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n")
                         .arg(log(), QString::number(exitCode))
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder_.path()) + ':' + path_);
    }
    ~FakeDesktopOpener() { qputenv("PATH", path_); }
    FakeDesktopOpener(const FakeDesktopOpener&) = delete;
    FakeDesktopOpener& operator=(const FakeDesktopOpener&) = delete;

    // The files handed to the opener, in order.
    QStringList opened() const
    {
        QFile file(log());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QString log() const { return folder_.filePath("opened.txt"); }

    QByteArray path_;
    QTemporaryDir folder_;
};
