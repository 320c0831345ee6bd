#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
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
