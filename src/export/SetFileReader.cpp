#include "export/SetFileReader.h"

#include "common/BoundedRead.h"
#include "export/JsonKeys.h"
#include "export/SetFileCheckReader.h"
#include "export/SetFileEntryReader.h"
#include "records/RecordReader.h"
#include "records/TabulatedCurveItem.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <unordered_map>

namespace {

// Far above any real set (1,000 spectra take about 300 kB); keeps a file
// dropped by mistake from filling the memory.
constexpr qint64 largestFile = 64 * 1024 * 1024;

QString describeSyntaxError(const QByteArray& bytes, const QJsonParseError& error)
{
    // Qt stops at the end of a file cut short with any of several errors;
    // where it stopped tells that case from a real mistake.
    qsizetype end = bytes.size();
    while (end > 0 && QByteArray(" \t\r\n").contains(bytes[end - 1]))
        --end;
    if (error.offset >= end || error.error == QJsonParseError::UnterminatedObject
        || error.error == QJsonParseError::UnterminatedArray || error.error == QJsonParseError::UnterminatedString)
        return QCoreApplication::translate("SetFile", "is cut short: the JSON text ends before the set does");
    return QCoreApplication::translate("SetFile", "is not valid JSON (%1 at byte %2)")
        .arg(error.errorString())
        .arg(error.offset);
}

std::int32_t codeTypeOf(const SetFileRefusal& refuse, int index, const QString& code)
{
    const std::string wanted = code.toStdString();
    for (std::int32_t type = 0; type < designCodeCount; ++type) {
        if (setFileCodeName(type) == wanted)
            return type;
    }
    refuse.spectrum(index, QCoreApplication::translate("SetFile", "has the unknown code %1").arg(quoted(code)));
}

// A number of a part of a record entry ("envelope", "match"), finite.
double partNumber(const SetEntryReader& read, const char* part, const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        read.refuse(QCoreApplication::translate("SetFile", "has \"%1\" whose \"%2\" is missing or not a finite number")
                        .arg(QLatin1String(part), QLatin1String(key)));
    return value.toDouble();
}

QJsonObject partObject(const SetEntryReader& read, const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isObject())
        read.refuse(QCoreApplication::translate("SetFile", "has no \"%1\" object").arg(QLatin1String(key)));
    return value.toObject();
}

ArtificialFigures readArtificial(const SetEntryReader& read)
{
    const QJsonObject artificial = partObject(read, read.object(), "artificial");
    ArtificialFigures figures;
    const QJsonValue seed = artificial.value("seed");
    bool seedRead = false;
    if (seed.isString())
        figures.seed = seed.toString().toULongLong(&seedRead, 10);
    if (!seedRead)
        read.refuse(QCoreApplication::translate("SetFile", "has \"artificial\" whose \"seed\" is not a whole number in a text"));
    const QJsonObject envelope = partObject(read, artificial, "envelope");
    figures.envelope.riseEnd = partNumber(read, "envelope", envelope, "riseEnd");
    figures.envelope.strongEnd = partNumber(read, "envelope", envelope, "strongEnd");
    figures.envelope.decay = partNumber(read, "envelope", envelope, "decay");
    const QJsonObject match = partObject(read, artificial, "match");
    figures.match.largestDeviation = partNumber(read, "match", match, "largestDeviation");
    figures.match.largestDeviationPeriod = partNumber(read, "match", match, "largestDeviationPeriod");
    figures.match.meanDeviation = partNumber(read, "match", match, "meanDeviation");
    return figures;
}

// The record of an entry whose name is already checked; every fault names
// the file and the record.
SetRecord readRecordEntry(const SetEntryReader& read)
{
    auto record = std::make_shared<GroundMotionRecord>();
    record->sourceFileName = read.text("file").toStdString();
    const std::string layout = read.text("layout").toStdString();
    if (!recordLayoutFromName(layout, record->layout))
        read.refuse(QCoreApplication::translate("SetFile", "has the unknown layout %1").arg(quoted(QString::fromStdString(layout))));
    const std::string unit = read.text("unit").toStdString();
    if (!accelerationUnitFromName(unit, record->unitAsRead))
        read.refuse(QCoreApplication::translate("SetFile", "has the unknown unit %1").arg(quoted(QString::fromStdString(unit))));
    record->step = read.number("step");
    if (!(record->step > 0))
        read.refuse(QCoreApplication::translate("SetFile", "has a \"step\" of 0"));

    record->accelerationG = read.numberList(
        "samples",
        {2, maxRecordValues, [] { return QCoreApplication::translate("SetFile", "has fewer than 2 samples"); },
         [] { return QCoreApplication::translate("SetFile", "has more than %1 samples").arg(maxRecordValues); },
         [](qsizetype k) {
             return QCoreApplication::translate("SetFile", "has sample %1 that is not a finite number").arg(k);
         }});

    SetRecord r;
    const QJsonValue target = read.object().value("targetPeak");
    if (!target.isUndefined() && !target.isNull())
        r.scaling.targetPeakGal = read.number("targetPeak");
    r.scaling.damping = read.number("dampingRatio");
    if (const std::optional<std::string> fault = RecordItem::scalingFault(r.scaling))
        read.refuse(QCoreApplication::translate("SetFile", "cannot be used: %1").arg(QString::fromStdString(*fault)));
    const QString source = read.text("source");
    if (source == QLatin1String("artificial"))
        r.artificial = readArtificial(read);
    else if (source != QLatin1String("natural"))
        read.refuse(QCoreApplication::translate("SetFile", "has the unknown source %1 (natural or artificial)").arg(quoted(source)));
    r.record = std::move(record);
    return r;
}

// A curve's list of periods or values.
NumberListRule curveListRule(const char* key)
{
    return {0, TabulatedCurveItem::pointLimit, {},
            [key] {
                return QCoreApplication::translate("SetFile", "has more than %1 \"%2\"")
                    .arg(TabulatedCurveItem::pointLimit)
                    .arg(QLatin1String(key));
            },
            [key](qsizetype k) {
                return QCoreApplication::translate("SetFile", "has \"%1\" whose item %2 is not a finite number")
                    .arg(QLatin1String(key))
                    .arg(k);
            }};
}

// The curve of an entry whose name is already checked.
SetCurve readCurveEntry(const SetEntryReader& read)
{
    SetCurve c;
    c.damping = read.number("dampingRatio");
    const QJsonValue records = read.object().value("records");
    if (!records.isUndefined()) {
        if (!records.isArray())
            read.wrongType("records", QT_TRANSLATE_NOOP("SetFile", "a list"));
        for (const QJsonValue name : records.toArray()) {
            if (!name.isString())
                read.refuse(QCoreApplication::translate("SetFile", "has \"records\" with an item that is not a text"));
            c.recordNames.push_back(toNarrow(name.toString()));
        }
    }
    c.periods = read.numberList("periods", curveListRule("periods"));
    c.values = read.numberList("values", curveListRule("values"));
    if (const std::optional<std::string> fault = TabulatedCurveItem::curveFault(c.periods, c.values, c.damping))
        read.refuse(QString::fromStdString(*fault));
    return c;
}

} // namespace

SetContents parseSetFile(const QByteArray& bytes, const QString& fileName, SetCheckInputs* check)
{
    const SetFileRefusal refuse(fileName);
    if (bytes.trimmed().isEmpty())
        refuse.file(QCoreApplication::translate("SetFile", "is empty"));
    const QString notASet = QCoreApplication::translate("SetFile", "is not a set file (its top level is not an object)");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // Qt takes only an object or a list as a whole document; a lone
        // number or text is JSON too, just not a set.
        QJsonParseError asItem{};
        QJsonDocument::fromJson('[' + bytes + ']', &asItem);
        if (asItem.error == QJsonParseError::NoError)
            refuse.file(notASet);
        refuse.file(describeSyntaxError(bytes, error));
    }
    if (!document.isObject())
        refuse.file(notASet);
    if (const std::optional<QString> key = firstRepeatedKey(bytes))
        refuse.file(QCoreApplication::translate("SetFile", "gives the key %1 twice in one object").arg(quoted(*key)));
    const QJsonObject root = document.object();
    if (root.value("format") != QJsonValue(setFileFormatTag))
        refuse.file(QCoreApplication::translate("SetFile", "is not a Kavrel_Spect set file (no \"format\": \"%1\")").arg(setFileFormatTag));

    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        refuse.file(QCoreApplication::translate("SetFile", "has no valid \"version\""));
    if (version.toDouble() > setFileVersion)
        refuse.file(QCoreApplication::translate("SetFile", "was made by a newer version of Kavrel_Spect (set file version %1; this one reads "
                                   "version %2)")
                        .arg(shortestQString(version.toDouble()))
                        .arg(setFileVersion));

    const QJsonValue spectraValue = root.value("spectra");
    if (spectraValue.isUndefined())
        refuse.file(QCoreApplication::translate("SetFile", "has no \"spectra\""));
    if (!spectraValue.isArray())
        refuse.file(QCoreApplication::translate("SetFile", "has \"spectra\" that is not a list"));
    const QJsonArray spectra = spectraValue.toArray();

    SetContents contents;
    contents.reserve(static_cast<std::size_t>(spectra.size()));
    std::unordered_map<std::string, int> firstOfName;
    for (int i = 0; i < spectra.size(); ++i) {
        const QJsonValue value = spectra.at(i);
        if (!value.isObject())
            refuse.spectrum(i, QCoreApplication::translate("SetFile", "is not an object"));
        const QJsonObject object = value.toObject();
        const QJsonValue kind = object.value("kind");
        const bool isRecord = kind == QJsonValue(QStringLiteral("record"));
        const bool isCurve = kind == QJsonValue(QStringLiteral("curve"));
        if (!kind.isUndefined() && !isRecord && !isCurve && kind != QJsonValue(QStringLiteral("spectrum")))
            refuse.spectrum(i, QCoreApplication::translate("SetFile", "has an unknown \"kind\" (spectrum, record or curve)"));
        if (isRecord || isCurve) {
            const int needed = isRecord ? recordSetFileVersion : curveSetFileVersion;
            if (version.toDouble() < needed)
                refuse.file((isRecord ? QCoreApplication::translate(
                                            "SetFile", "holds record %1, which set files of version %2 do not hold")
                                      : QCoreApplication::translate(
                                            "SetFile", "holds curve %1, which set files of version %2 do not hold"))
                                .arg(i + 1)
                                .arg(shortestQString(version.toDouble())));
            const QString label = (isRecord ? QCoreApplication::translate("SetFile", "record %1")
                                            : QCoreApplication::translate("SetFile", "curve %1"))
                                      .arg(i + 1);
            SetSpectrum s;
            s.name = checkedName(refuse, label, SetEntryReader(refuse, label, object).text("name"));
            const SetEntryReader read(refuse, label + QStringLiteral(" (%1)").arg(quoted(fromNarrow(s.name))), object);
            const auto [first, isNew] = firstOfName.emplace(s.name, i);
            if (!isNew)
                read.refuse(QCoreApplication::translate("SetFile", "has the name of item %1").arg(first->second + 1));
            s.visible = read.flag("visible", true);
            if (isCurve) {
                s.curve = readCurveEntry(read);
            } else {
                s.record = readRecordEntry(read);
                std::const_pointer_cast<GroundMotionRecord>(s.record->record)->name = s.name;
            }
            contents.push_back(std::move(s));
            continue;
        }
        const SetEntryReader read(refuse, SetFileRefusal::spectrumLabel(i), object);
        SetSpectrum s;
        s.name = checkedName(refuse, SetFileRefusal::spectrumLabel(i), read.text("name"));
        const auto [first, isNew] = firstOfName.emplace(s.name, i);
        if (!isNew)
            refuse.spectrum(i, QCoreApplication::translate("SetFile", "has the name %1, as spectrum %2 has")
                                   .arg(quoted(fromNarrow(s.name)))
                                   .arg(first->second + 1));
        s.codeType = codeTypeOf(refuse, i, read.text("code"));
        s.alphaMax = read.number("alphaMax");
        s.tg = read.number("tg");
        s.dampingRatio = read.number("dampingRatio");
        s.visible = read.flag("visible", true);
        s.origin = read.origin();
        contents.push_back(std::move(s));
    }
    // Older versions have no such key: one there is not theirs, and ignored.
    const QJsonValue checkValue = root.value("check");
    if (version.toDouble() >= setFileVersion && !checkValue.isUndefined()) {
        SetCheckInputs read = readSetFileCheck(refuse, checkValue);
        if (check)
            *check = std::move(read);
    }
    return contents;
}

SetContents readSetFile(const QString& path, ReadSource source, SetCheckInputs* check)
{
    QByteArray bytes;
    try {
        bytes = readBoundedFile(path, largestFile, source);
    } catch (const FileReadError& error) {
        const SetFileRefusal refuse(error.fileName());
        if (error.fault() == FileReadError::Fault::TooLarge)
            refuse.file(QCoreApplication::translate("SetFile", "is too large to be a set file"));
        refuse.file(error.reason());
    }
    const QString name = QFileInfo(path).fileName();
    return parseSetFile(bytes, name.isEmpty() ? path : name, check);
}
