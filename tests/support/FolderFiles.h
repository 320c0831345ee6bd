#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A test's own folder of files, removed with the test.
class FolderFiles {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size()) << name.toStdString();
    }

    // The bytes of the file at `file` (a full path), or none.
    static QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};
