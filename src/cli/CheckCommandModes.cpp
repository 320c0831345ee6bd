#include "cli/CheckCommandModes.h"

#include "cli/OptionReader.h"
#include "common/BoundedRead.h"
#include "inputs/InputRules.h"
#include "records/ModeTable.h"
#include "text/NumberText.h"
#include "text/RecordRules.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

namespace {


// A modes file is a short table; anything larger is not one.
constexpr qint64 largestModesFile = 1024 * 1024;

// "T1:R1,T2:R2,...": numbers always with ".".
bool readPairs(const QCommandLineOption& option, const QString& text, OptionReader& read,
               std::vector<StructureMode>& modes)
{
    for (const QString& pair : text.split(QLatin1Char(','))) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        if (parts.size() != 2)
            return read.refuse(option, quoted(pair.trimmed()) + " is not a period:ratio pair");
        StructureMode mode;
        for (int i = 0; i < 2; ++i) {
            if (!parseLocaleDouble(parts[i], i == 0 ? mode.period : mode.massRatio, QLocale::c()))
                return read.refuse(option, notANumberMessage(parts[i]));
        }
        modes.push_back(mode);
    }
    return true;
}

bool readFile(const QCommandLineOption& option, const QString& path, OptionReader& read,
              std::vector<StructureMode>& modes)
{
    QByteArray bytes;
    try {
        bytes = readBoundedFile(path, largestModesFile, ReadSource::AnyStream);
    } catch (const FileReadError& error) {
        return read.refuse(option, error.message());
    }
    const ModeTableReading table = readModeTable(QString::fromUtf8(bytes), QLocale::c());
    if (!table.accepted())
        return read.refuse(option, quoted(QFileInfo(path).fileName()) + ": " + refusalFragment(table.refusal));
    modes = table.modes;
    return true;
}

}  // namespace

std::optional<StructureModel> readModeOptions(const ModeOptions& options, const QCommandLineParser& parser,
                                              OptionReader& read, bool baseShearsTyped)
{
    const bool typed = parser.isSet(options.modes);
    const bool fromFile = parser.isSet(options.modesFile);
    if (!typed && !fromFile) {
        for (const QCommandLineOption* alone : {&options.weight, &options.combine}) {
            if (parser.isSet(*alone))
                read.refuse(*alone, "only with --modes or --modes-file");
        }
        return std::nullopt;
    }
    const QCommandLineOption& source = typed ? options.modes : options.modesFile;
    if (typed && fromFile)
        read.refuse(options.modesFile, "give the modes once, with --modes or with --modes-file");
    if (baseShearsTyped)
        read.refuse(source, "the base shears come from the modes; give --base-shear or the modes, not both");
    StructureModel structure;
    QString text;
    if (typed ? read.value(source, text) : read.path(source, text)) {
        if (typed)
            readPairs(source, text, read, structure.modes);
        else
            readFile(source, text, read, structure.modes);
    }
    if (!read.number(options.weight, structure.weight))
        read.refuse(options.weight, "not given; the base shears from modes need G in kN");
    int combination = 0;
    if (read.choice(options.combine, {QStringLiteral("cqc"), QStringLiteral("srss")}, combination))
        structure.combination = combination == 0 ? ModeCombination::Cqc : ModeCombination::Srss;
    if (read.failed())
        return std::nullopt;
    if (const auto fault = structureFault(structure)) {
        const bool weight = fault->input == StructureFault::Input::Weight;
        read.refuse(weight ? options.weight : source, refusalFragment(QString::fromStdString(fault->sentence)));
        return std::nullopt;
    }
    return structure;
}
