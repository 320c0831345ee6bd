#include "export/SetFileWriter.h"

#include "export/SafeFileWriter.h"
#include "export/SetFileFormat.h"
#include "records/RecordReader.h"
#include "text/NarrowText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray numberList(const std::vector<double>& numbers)
{
    QJsonArray list;
    for (const double value : numbers)
        list.append(value);
    return list;
}

// A record's entry: its record, its use and, for an artificial one, what made it.
QJsonObject recordEntry(const SetSpectrum& item)
{
    const SetRecord& r = *item.record;
    QJsonObject entry{
        {"kind", QStringLiteral("record")},
        {"name", fromNarrow(item.name)},
        {"file", QString::fromStdString(r.record->sourceFileName)},
        {"layout", QLatin1String(recordLayoutName(r.record->layout))},
        {"unit", QLatin1String(accelerationUnitName(r.record->unitAsRead))},
        {"step", r.record->step},
        {"dampingRatio", r.scaling.damping},
        {"visible", item.visible},
        {"source", r.artificial ? QStringLiteral("artificial") : QStringLiteral("natural")},
    };
    if (r.scaling.targetPeakGal)
        entry.insert("targetPeak", *r.scaling.targetPeakGal);
    if (r.artificial) {
        const ArtificialFigures& a = *r.artificial;
        entry.insert("artificial",
                     QJsonObject{{"seed", QString::number(a.seed)},
                                 {"envelope", QJsonObject{{"riseEnd", a.envelope.riseEnd},
                                                          {"strongEnd", a.envelope.strongEnd},
                                                          {"decay", a.envelope.decay}}},
                                 {"match", QJsonObject{{"largestDeviation", a.match.largestDeviation},
                                                       {"largestDeviationPeriod", a.match.largestDeviationPeriod},
                                                       {"meanDeviation", a.match.meanDeviation}}}});
    }
    entry.insert("samples", numberList(r.record->accelerationG));
    return entry;
}

// A curve's entry: its points and the records it was made from.
QJsonObject curveEntry(const SetSpectrum& item)
{
    const SetCurve& c = *item.curve;
    QJsonArray records;
    for (const std::string& name : c.recordNames)
        records.append(fromNarrow(name));
    return QJsonObject{
        {"kind", QStringLiteral("curve")},
        {"name", fromNarrow(item.name)},
        {"dampingRatio", c.damping},
        {"visible", item.visible},
        {"records", records},
        {"periods", numberList(c.periods)},
        {"values", numberList(c.values)},
    };
}

// A code spectrum's entry: its inputs and, when known, the selections they came from.
QJsonObject spectrumEntry(const SetSpectrum& s)
{
    QJsonObject entry{
        {"name", fromNarrow(s.name)},
        {"code", QString::fromStdString(setFileCodeName(s.codeType))},
        // Qt writes a double in its shortest exact form, so it reads back
        // identical; only the sign of a zero is lost, and the window
        // never stores a negative zero.
        {"alphaMax", s.alphaMax},
        {"tg", s.tg},
        {"dampingRatio", s.dampingRatio},
        {"visible", s.visible},
    };
    if (!s.origin.empty()) {
        QJsonObject origin{{"intensity", QString::fromStdString(s.origin.intensity)},
                           {"action", QString::fromStdString(s.origin.action)},
                           {"site", QString::fromStdString(s.origin.site)},
                           {"group", QString::fromStdString(s.origin.group)}};
        // Written only when a rule changed the table values, so that
        // the files of plain table spectra stay as they were.
        if (s.origin.rareTg)
            origin.insert("rareTg", true);
        if (s.origin.vertical)
            origin.insert("vertical", true);
        entry.insert("origin", origin);
    }
    return entry;
}

// The check window's inputs: only the keys that hold something.
QJsonObject checkEntry(const SetCheckInputs& check)
{
    QJsonObject entry;
    if (!check.mainPeriods.isEmpty())
        entry.insert("mainPeriods", check.mainPeriods);
    if (!check.baseShears.empty()) {
        QJsonArray shears;
        for (const auto& [record, value] : check.baseShears)
            shears.append(QJsonArray{record, value});
        entry.insert("baseShears", shears);
    }
    if (!check.ticks.empty()) {
        QJsonArray ticks;
        for (const auto& [record, ticked] : check.ticks)
            ticks.append(QJsonArray{record, ticked});
        entry.insert("ticks", ticks);
    }
    if (check.inelastic)
        entry.insert("inelastic", true);
    if (check.structure) {
        QJsonArray modes;
        for (const StructureMode& mode : check.structure->modes)
            modes.append(QJsonArray{mode.period, mode.massRatio});
        entry.insert("structure",
                     QJsonObject{{"weight", check.structure->weight},
                                 {"combination", check.structure->combination == ModeCombination::Srss
                                                     ? QStringLiteral("srss")
                                                     : QStringLiteral("cqc")},
                                 {"modes", modes}});
    }
    return entry;
}

} // namespace

QByteArray buildSetFile(const SetContents& contents, const SetCheckInputs& check)
{
    QJsonArray spectra;
    bool anyRecord = false;
    bool anyCurve = false;
    for (const SetSpectrum& s : contents) {
        anyRecord = anyRecord || s.isRecord();
        anyCurve = anyCurve || s.isCurve();
        spectra.append(s.isRecord() ? recordEntry(s) : s.isCurve() ? curveEntry(s) : spectrumEntry(s));
    }
    // Each set is written in the oldest version that holds it, so that sets of
    // code spectra alone stay readable by every program that reads set files.
    const int version = !check.empty() ? setFileVersion
                        : anyCurve     ? curveSetFileVersion
                        : anyRecord    ? recordSetFileVersion
                                       : spectraOnlySetFileVersion;
    QJsonObject root{{"format", setFileFormatTag}, {"version", version}, {"spectra", spectra}};
    if (!check.empty())
        root.insert("check", checkEntry(check));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void saveSetFile(const QString& path, const SetContents& contents, const SetCheckInputs& check)
{
    writeFileAtomically(path, buildSetFile(contents, check));
}
