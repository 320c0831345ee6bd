#include "common/KavrelVersion.h"
#include "app/CommandLine.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program as a terminal user does, but where no display can be
// reached: a program that made its window's application object here would
// fail instead of answering.
Outcome runWithoutDisplay(const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
    Outcome run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

std::optional<int> answer(std::vector<QByteArray> arguments)
{
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return answerTerminalOptions(static_cast<int>(arguments.size()), argv.data());
}

} // namespace

TEST(WindowProgramCommandLine, VersionIsAnsweredWithoutADisplayAndMatchesKspect)
{
    const QByteArray expected("Kavrel_Spect " KAVREL_VERSION "\n");
    for (const QStringList& arguments : {QStringList{"--version"}, QStringList{"-platform", "xcb", "--version"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome run = runWithoutDisplay(KAVREL_SPECT_PATH, arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.err, QByteArray());
    }
    EXPECT_EQ(runWithoutDisplay(KSPECT_PATH, {"--version"}).out, expected) << "one version for both programs";
}

TEST(WindowProgramCommandLine, HelpListsTheOptionsAndTheSetFileWithoutADisplay)
{
    for (const char* option : {"-h", "--help"}) {
        SCOPED_TRACE(option);
        const Outcome run = runWithoutDisplay(KAVREL_SPECT_PATH, {option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, QByteArray());
        EXPECT_TRUE(run.out.startsWith("Usage: kavrel-spect [options] [FILE.kspect]\n")) << run.out.toStdString();
        for (const char* listed : {"-h, --help\n", "--version\n", "FILE.kspect\n", "-platform"})
            EXPECT_TRUE(run.out.contains(listed)) << listed;
    }
}

TEST(WindowProgramCommandLine, EverythingElseIsLeftToTheApplicationObject)
{
    EXPECT_EQ(answer({"kavrel-spect"}), std::nullopt);
    EXPECT_EQ(answer({"kavrel-spect", "set.kspect"}), std::nullopt);
    // Qt's own single-dash words, and options after "--", are not ours.
    EXPECT_EQ(answer({"kavrel-spect", "-platform", "offscreen", "-style", "Fusion", "-reverse"}), std::nullopt);
    EXPECT_EQ(answer({"kavrel-spect", "-hv"}), std::nullopt);
    EXPECT_EQ(answer({"kavrel-spect", "--", "--version", "-h"}), std::nullopt);
    EXPECT_EQ(answer({"kavrel-spect", "--no-such-option"}), std::nullopt);
}

namespace {

// The arguments left after takeLanguageOption, and the language it gave.
std::pair<QStringList, std::optional<Language>> takeLanguage(std::vector<QByteArray> arguments)
{
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(arguments.size());
    const std::optional<Language> language = takeLanguageOption(argc, argv.data());
    QStringList left;
    for (int i = 0; i < argc; ++i)
        left << argv[static_cast<std::size_t>(i)];
    EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
    return {left, language};
}

} // namespace

TEST(WindowProgramCommandLine, LanguageIsTakenOutOfTheArgumentsSoThatNoFileIsNamedByIt)
{
    using Result = std::pair<QStringList, std::optional<Language>>;
    EXPECT_EQ(takeLanguage({"kavrel-spect", "--language", "zh_CN", "a.kspect"}),
              Result({"kavrel-spect", "a.kspect"}, Language::SimplifiedChinese));
    EXPECT_EQ(takeLanguage({"kavrel-spect", "a.kspect", "--language=en"}),
              Result({"kavrel-spect", "a.kspect"}, Language::English));
    EXPECT_EQ(takeLanguage({"kavrel-spect", "--language", "en", "--language", "zh_CN"}),
              Result({"kavrel-spect"}, Language::SimplifiedChinese))
        << "the last one counts";
    EXPECT_EQ(takeLanguage({"kavrel-spect", "-platform", "offscreen"}),
              Result({"kavrel-spect", "-platform", "offscreen"}, std::nullopt));
    EXPECT_EQ(takeLanguage({"kavrel-spect", "--", "--language", "zh_CN"}),
              Result({"kavrel-spect", "--", "--language", "zh_CN"}, std::nullopt))
        << "after -- a file may have any name";
}

TEST(WindowProgramCommandLine, AnUnknownLanguageIsRefusedWithoutADisplay)
{
    for (const QStringList& arguments :
         {QStringList{"--language", "fr"}, QStringList{"--language=zh-CN"}, QStringList{"--language"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome run = runWithoutDisplay(KAVREL_SPECT_PATH, arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_TRUE(run.err.contains("unknown language")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("use en or zh_CN")) << run.err.toStdString();
    }
    EXPECT_EQ(answer({"kavrel-spect", "--language", "zh_CN", "a.kspect"}), std::nullopt);
    EXPECT_TRUE(runWithoutDisplay(KAVREL_SPECT_PATH, {"--help"}).out.contains("--language en|zh_CN\n"));
}
