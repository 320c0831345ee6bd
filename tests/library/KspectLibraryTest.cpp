#include "LibraryFixtures.h"
#include "cli/KspectProcess.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sqlite3.h>

namespace {

const QByteArray listHeader = "file\trecording\tcomponent\tpoints\tstep_s\tpga_g\tpgv_cm_s\tpgd_cm\t"
                              "effective_duration_s\td5_95_s\tarias_m_s\tmagnitude\trjb_km\tvs30_m_s\tevent\tstation\n";

QList<QByteArray> fieldsOfLine(const QByteArray& out, const QByteArray& start, char separator = '\t')
{
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith(start))
            return line.split(separator);
    }
    return {};
}

class KspectLibrary : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.path() + QLatin1Char('/') + name; }
    QTemporaryDir folder_;
};

TEST_F(KspectLibrary, ListsEveryComponentWithTheTablesMetadataAndSaysWhatItDid)
{
    const QString index = path(QStringLiteral("i.sqlite"));
    const KspectRun first =
        runKspect({QStringLiteral("--library"), testData(QString()), QStringLiteral("--index"), index, QStringLiteral("--list")});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.startsWith(listHeader));
    EXPECT_EQ(first.out.count('\n'), 14) << first.out.toStdString();
    // RSN6's first horizontal: 5372 samples at 0.01 s, figures of the table.
    const QList<QByteArray> rsn6 = fieldsOfLine(first.out, "RSN6_IMPVALL.I_I-ELC180.AT2\t");
    ASSERT_EQ(rsn6.size(), 16);
    EXPECT_EQ(rsn6[1], "RSN6");
    EXPECT_EQ(rsn6[2], "H1");
    EXPECT_EQ(rsn6[3], "5372");
    EXPECT_EQ(rsn6[4], "0.01");
    EXPECT_EQ(rsn6[11], "6.95");
    EXPECT_EQ(rsn6[12], "6.09");
    EXPECT_EQ(rsn6[13], "213.44");
    EXPECT_EQ(rsn6[14], "Imperial Valley-02");
    EXPECT_EQ(rsn6[15], "El Centro Array #9");
    // The Rinaldi set, in no table: one recording by its headers, its
    // magnitude and distances unknown (empty, not 0).
    const QList<QByteArray> up = fieldsOfLine(first.out, "RinaldiUP.AT2\t");
    ASSERT_EQ(up.size(), 16);
    EXPECT_EQ(up[1], "Rinaldi");
    EXPECT_EQ(up[2], "V");
    EXPECT_EQ(up[11], "");
    EXPECT_EQ(up[12], "");
    EXPECT_EQ(up[15], "Rinaldi Receiving Sta");
    EXPECT_TRUE(first.err.startsWith("kspect: library: 14 files seen, 14 new, 0 changed, 0 unchanged, 0 moved, "
                                     "0 removed, 0 refused\nkspect: 13 components in 11 recordings, "))
        << first.err.toStdString();

    const KspectRun again = runKspect({QStringLiteral("--library"), testData(QString()), QStringLiteral("--index"),
                                       index, QStringLiteral("--list"), QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.err.startsWith("kspect: library: 14 files seen, 0 new, 0 changed, 14 unchanged,"))
        << again.err.toStdString();
    QByteArray csvHeader = listHeader;
    csvHeader.replace('\t', ',');
    EXPECT_TRUE(again.out.startsWith(csvHeader));
    const QList<QByteArray> csv = fieldsOfLine(again.out, "RSN6_IMPVALL.I_I-ELC180.AT2,", ',');
    EXPECT_EQ(csv.mid(0, 14), rsn6.mid(0, 14));
}

TEST_F(KspectLibrary, ReportsEachRefusedFileWithItsMessage)
{
    writeBytes(path(QStringLiteral("lib/a.AT2")), peerFile(shaking(200, 1), 0.01));
    writeBytes(path(QStringLiteral("lib/broken.zip")), "not a zip");
    const KspectRun run = runKspect({QStringLiteral("--library"), path(QStringLiteral("lib")), QStringLiteral("--index"),
                                     path(QStringLiteral("i.sqlite"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("1 refused\nkspect: refused: \"broken.zip\": is not a zip archive this program reads: "))
        << run.err.toStdString();
}

struct Refusal {
    const char* name;
    QStringList arguments;  // "@" is the test's folder
    int exitCode;
    const char* message;
};

class KspectLibraryRefuses : public KspectLibrary, public ::testing::WithParamInterface<Refusal> {};

TEST_P(KspectLibraryRefuses, WithItsExitCodeAndOneLine)
{
    writeBytes(path(QStringLiteral("lib/a.AT2")), peerFile(shaking(200, 1), 0.01));
    writeBytes(path(QStringLiteral("foreign.sqlite")), "SQLite format 3");
    QDir().mkpath(path(QStringLiteral("empty")));
    QStringList arguments;
    for (const QString& argument : GetParam().arguments)
        arguments << QString(argument).replace(QLatin1Char('@'), folder_.path());
    const QByteArray foreign = bytesOf(path(QStringLiteral("foreign.sqlite")));
    const KspectRun run = runKspect(arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    QByteArray expected = GetParam().message;
    expected.replace("@", QFile::encodeName(folder_.path()));
    EXPECT_TRUE(run.err.contains("kspect: " + expected)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(bytesOf(path(QStringLiteral("foreign.sqlite"))), foreign);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, KspectLibraryRefuses,
    ::testing::Values(
        Refusal{"MissingFolder", {"--library", "@/nowhere", "--index", "@/i.sqlite"}, 2,
                "--library: \"@/nowhere\": no such folder or zip archive"},
        Refusal{"NoReadableRecord", {"--library", "@/empty", "--index", "@/i.sqlite"}, 2,
                "--library: no readable record in the library"},
        Refusal{"UnknownFormat", {"--library", "@/lib", "--index", "@/i.sqlite", "--list", "--format", "xml"}, 2,
                "--format"},
        Refusal{"FormatWithoutList", {"--library", "@/lib", "--index", "@/i.sqlite", "--format", "csv"}, 2,
                "--format: applies to --list only"},
        Refusal{"ForeignIndex", {"--library", "@/lib", "--index", "@/foreign.sqlite"}, 1,
                "\"@/foreign.sqlite\": is not a record index of this program"},
        Refusal{"IndexInAFile", {"--library", "@/lib", "--index", "@/lib/a.AT2/i.sqlite"}, 1,
                "\"@/lib/a.AT2/i.sqlite\": cannot be written"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

int entriesIn(const QString& index)
{
    sqlite3* db = nullptr;
    int count = 0;
    if (sqlite3_open_v2(QFile::encodeName(index).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM files", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

// kspect killed with SIGKILL in the middle of indexing: the index opens,
// holds whole entries and the next run finishes from there.
TEST_F(KspectLibrary, AnIndexingKilledMidwayOpensAndTheNextRunFinishes)
{
    constexpr int records = 30;
    for (int i = 0; i < records; ++i)
        writeBytes(path(QStringLiteral("lib/r%1.AT2").arg(i)), peerFile(shaking(4000, i), 0.01));
    const QString index = path(QStringLiteral("i.sqlite"));
    const QStringList arguments{QStringLiteral("--library"), path(QStringLiteral("lib")), QStringLiteral("--index"), index};
    QProcess process;
    process.start(KSPECT_PATH, arguments);
    ASSERT_TRUE(process.waitForStarted());
    int written = 0;
    while (process.state() == QProcess::Running && written < 2) {
        QThread::msleep(50);
        written = entriesIn(index);
    }
    ASSERT_EQ(process.state(), QProcess::Running) << "finished before it could be killed";
    process.kill();
    ASSERT_TRUE(process.waitForFinished());
    ASSERT_EQ(process.exitStatus(), QProcess::CrashExit);

    // The rest of the library may take a while on a busy machine.
    QProcess again;
    again.start(KSPECT_PATH, arguments + QStringList{QStringLiteral("--list")});
    ASSERT_TRUE(again.waitForFinished(600000));
    KspectRun resumed;
    resumed.exitCode = again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    resumed.out = again.readAllStandardOutput();
    resumed.err = again.readAllStandardError();
    EXPECT_EQ(resumed.exitCode, 0) << resumed.err.toStdString();
    EXPECT_EQ(resumed.out.count('\n'), records + 1);
    // What was written before the kill is kept, the rest is read now.
    const QList<QByteArray> counts = resumed.err.split(',');
    ASSERT_GE(counts.size(), 4);
    const int added = counts[1].trimmed().split(' ').first().toInt();
    const int unchanged = counts[3].trimmed().split(' ').first().toInt();
    EXPECT_GE(unchanged, 2);
    EXPECT_EQ(added + unchanged, records) << resumed.err.toStdString();
}

} // namespace
