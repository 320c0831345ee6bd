#pragma once

#include "records/StructureModes.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <optional>

class OptionReader;

// kspect --check's options of the structure whose modes give the base
// shears: --modes T1:R1,... or --modes-file FILE, --weight G, --combine.
struct ModeOptions {
    QCommandLineOption modes{"modes",
                             "The structure's modes in the direction checked: period in seconds and mass "
                             "participation ratio of each, for base shears computed instead of typed.",
                             "T1:R1,..."};
    QCommandLineOption modesFile{"modes-file",
                                 "The modes from a file: two columns, period and mass ratio, blanks, tabs or "
                                 "commas between them; lines starting with # are skipped.",
                                 "FILE"};
    QCommandLineOption weight{"weight", "With the modes: the representative value of gravity load G, in kN.", "G"};
    QCommandLineOption combine{"combine", "With the modes: how the response-spectrum method combines them, cqc or "
                                          "srss. Default: cqc.",
                               "cqc|srss"};

    QList<QCommandLineOption> all() const { return {modes, modesFile, weight, combine}; }
};

// The structure the options give, checked (structureFault), or nothing when
// no mode option is given; a complaint is kept in `read`, naming the option.
// `baseShearsTyped`: --base-shear was given as well, which is refused.
std::optional<StructureModel> readModeOptions(const ModeOptions& options, const QCommandLineParser& parser,
                                              OptionReader& read, bool baseShearsTyped);

