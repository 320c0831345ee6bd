#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// kspect run as the user runs it: a separate program, its exit status and
// both of its streams.
struct KspectRun {
    int exitCode = -1;  // -1: it crashed
    QByteArray out;
    QByteArray err;
};

// Runs kspect with `arguments`; `setUp` prepares the process (environment,
// output file, what the child does before the program starts). It runs in a
// folder of its own, so that a file it writes where no path was given fails
// the test instead of landing wherever the tests were started.
inline KspectRun runKspect(const QStringList& arguments, const std::function<void(QProcess&)>& setUp = {})
{
    QTemporaryDir workingFolder;
    EXPECT_TRUE(workingFolder.isValid());
    QProcess process;
    process.setWorkingDirectory(workingFolder.path());
    if (setUp)
        setUp(process);
    process.start(KSPECT_PATH, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(QDir(workingFolder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList())
        << "written into the working folder: " << arguments.join(' ').toStdString();
    KspectRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A file's bytes, or "<missing>".
inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
