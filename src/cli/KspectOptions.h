#pragma once

#include "export/AnalysisFile.h"
#include "spectrum/StartupDefaults.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

class OptionReader;

// The command line of kspect, read into what to do. Choices and defaults are
// those of the window's input panel at start-up; AlphaMax and Tg come from the
// code tables unless given, and every value the window would refuse is
// refused here with the window's own words.

struct KspectRequest {
    enum class Action { Write, Help, Version };
    Action action = Action::Write;

    std::int32_t codeType = startup::codeType;
    std::string name = startup::spectrumName;  // narrow bytes, as the window keeps names
    double alphaMax = 0.0;
    double tg = 0.0;
    double dampingRatio = startup::dampingRatio;
    AnalysisFileOptions file;
    bool toFile = false;  // else the standard output
    QString outputPath;   // with a set: the folder of the files (empty: the current one)
    QString setPath;      // --set: one file per spectrum of this set file
};

struct KspectParse {
    KspectRequest request;
    // One line that names the option and says what is wrong; empty when the
    // command line is good.
    QString error;
    QString helpText;
};

// `arguments` as the program got them, the program's name first.
KspectParse parseKspectArguments(const QStringList& arguments);

// The options that define one code spectrum, --code to --damping: kspect's
// own and those of the commands that take a target spectrum.
struct SpectrumOptions {
    SpectrumOptions();
    QList<QCommandLineOption> all() const;

    QCommandLineOption code, intensity, action, site, group, rareTg, vertical, alphaMax, tg, damping;
};

// The spectrum the options choose, with the selections it came from.
struct SpectrumChoice {
    std::int32_t codeType = startup::codeType;
    std::int32_t intensityIndex = startup::intensityIndex;
    std::int32_t actionIndex = startup::seismicActionIndex;
    std::int32_t siteIndex = startup::siteClassIndex;
    std::int32_t groupIndex = startup::groupIndex;
    double alphaMax = 0.0;
    double tg = 0.0;
    double dampingRatio = startup::dampingRatio;
};

// Reads the spectrum options of `parser` (which holds `options`); a refusal
// is kept in `reader`. AlphaMax and Tg come from the code tables unless given.
SpectrumChoice readSpectrumOptions(const SpectrumOptions& options, const QCommandLineParser& parser,
                                   OptionReader& reader);
