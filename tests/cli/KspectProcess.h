#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <functional>

// kspect run as the user runs it: a separate program, its exit status and
// both of its streams.
struct KspectRun {
    int exitCode = -1;  // -1: it crashed
    QByteArray out;
    QByteArray err;
};

// Runs kspect with `arguments`; `setUp` prepares the process (environment,
// output file, what the child does before the program starts).
inline KspectRun runKspect(const QStringList& arguments, const std::function<void(QProcess&)>& setUp = {})
{
    QProcess process;
    if (setUp)
        setUp(process);
    process.start(KSPECT_PATH, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
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
