#include "export/SetFile.h"

#include "common/BoundedRead.h"
#include "export/JsonKeys.h"
#include "export/SafeFileWriter.h"
#include "records/RecordReader.h"
#include "inputs/InputRules.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
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

const QString formatTag = QStringLiteral("kavrel-spect-set");
// Far above any real set (1,000 spectra take about 300 kB); keeps a file
// dropped by mistake from filling the memory.
constexpr qint64 largestFile = 64 * 1024 * 1024;

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

std::string codeNameOf(std::int32_t codeType)
{
    const std::optional<DesignCode> code = designCodeOf(codeType);
    return code ? designCodeName(*code) : "";
}

// Every refusal names the file first, as the message box shows it.
class Refusal {
public:
    explicit Refusal(QString fileName) : prefix_(quoted(fileName) + QStringLiteral(": ")) {}

    [[noreturn]] void file(const QString& what) const { throw SetFileError(prefix_ + what); }
    [[noreturn]] void spectrum(int index, const QString& what) const { entry(spectrumLabel(index), what); }
    // An item named by its label: "spectrum 3", "record 4 (\"RSN953\")".
    [[noreturn]] void entry(const QString& label, const QString& what) const
    {
        file(QCoreApplication::translate("SetFile", "%1 %2", "an item of the set, then what is wrong with it")
                 .arg(label, what));
    }

    static QString spectrumLabel(int index)
    {
        return QCoreApplication::translate("SetFile", "spectrum %1").arg(index + 1);
    }

private:
    QString prefix_;
};

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

class SpectrumReader {
public:
    SpectrumReader(const Refusal& refuse, int index, const QJsonObject& object)
        : SpectrumReader(refuse, Refusal::spectrumLabel(index), object)
    {
    }
    SpectrumReader(const Refusal& refuse, QString label, const QJsonObject& object)
        : refuse_(refuse), label_(std::move(label)), object_(object)
    {
    }

    [[noreturn]] void refuse(const QString& what) const { refuse_.entry(label_, what); }
    const QJsonObject& object() const { return object_; }

    QJsonValue required(const char* key) const
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined())
            refuse(QCoreApplication::translate("SetFile", "has no \"%1\"").arg(QLatin1String(key)));
        return value;
    }

    QString text(const char* key) const
    {
        const QJsonValue value = required(key);
        if (!value.isString())
            wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a text"));
        return value.toString();
    }

    // As the window's boxes take a number: finite and not below 0.
    double number(const char* key) const
    {
        const QJsonValue value = required(key);
        if (!value.isDouble())
            wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a number"));
        const double number = value.toDouble();
        if (!std::isfinite(number))
            wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a finite number"));
        const std::optional<double> accepted = numberAccepted(number);
        if (!accepted)
            refuse(QCoreApplication::translate("SetFile", "has a negative \"%1\" (%2)")
                                         .arg(QLatin1String(key))
                                         .arg(shortestQString(number)));
        return *accepted;
    }

    bool flag(const char* key, bool absent) const
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined())
            return absent;
        if (!value.isBool())
            wrongType(key, QT_TRANSLATE_NOOP("SetFile", "true or false"));
        return value.toBool();
    }

    SpectrumOrigin origin() const
    {
        const QJsonValue value = object_.value(QLatin1String("origin"));
        if (value.isUndefined() || value.isNull())
            return {};
        if (!value.isObject())
            wrongType("origin", QT_TRANSLATE_NOOP("SetFile", "an object"));
        const QJsonObject origin = value.toObject();
        auto word = [&](const char* key) {
            const QJsonValue part = origin.value(QLatin1String(key));
            if (part.isUndefined())
                return std::string();
            if (!part.isString())
                refuse(QCoreApplication::translate("SetFile", "has \"origin\" whose \"%1\" is not a text")
                                             .arg(QLatin1String(key)));
            return part.toString().toStdString();
        };
        auto rule = [&](const char* key) {
            const QJsonValue part = origin.value(QLatin1String(key));
            if (part.isUndefined())
                return false;
            if (!part.isBool())
                refuse(QCoreApplication::translate("SetFile", "has \"origin\" whose \"%1\" is not true or false")
                                             .arg(QLatin1String(key)));
            return part.toBool();
        };
        return {word("intensity"), word("action"), word("site"), word("group"), rule("rareTg"), rule("vertical")};
    }

    [[noreturn]] void wrongType(const char* key, const char* kind) const
    {
        refuse(QCoreApplication::translate("SetFile", "has \"%1\" that is not %2")
                   .arg(QLatin1String(key), QCoreApplication::translate("SetFile", kind)));
    }

private:

    const Refusal& refuse_;
    QString label_;
    const QJsonObject& object_;
};

std::string checkedName(const Refusal& refuse, const QString& label, const QString& name)
{
    const std::string narrow = toNarrow(name);
    if (fromNarrow(narrow) != name)
        refuse.entry(label, QCoreApplication::translate("SetFile", "has the name %1, which this system's text encoding cannot hold")
                                   .arg(quoted(name)));
    // The window trims a typed name, so a name with blanks at its ends was
    // not made by it and would look like another.
    if (!name.isEmpty() && (name.front().unicode() <= 0x20 || name.back().unicode() <= 0x20))
        refuse.entry(label, QCoreApplication::translate("SetFile", "has the name %1, which begins or ends with a blank").arg(quoted(name)));
    switch (SpectrumSet::checkNameForm(narrow)) {
    case SpectrumSet::NameCheck::Empty:
        refuse.entry(label, QCoreApplication::translate("SetFile", "has an empty name"));
    case SpectrumSet::NameCheck::TooLong:
        refuse.entry(label, QCoreApplication::translate("SetFile", "has the name %1, which is not less than %2 bytes")
                                   .arg(quoted(name))
                                   .arg(SpectrumSet::NameLimit));
    default:
        break;
    }
    return narrow;
}

std::int32_t codeTypeOf(const Refusal& refuse, int index, const QString& code)
{
    const std::string wanted = code.toStdString();
    for (std::int32_t type = 0; type < designCodeCount; ++type) {
        if (codeNameOf(type) == wanted)
            return type;
    }
    refuse.spectrum(index, QCoreApplication::translate("SetFile", "has the unknown code %1").arg(quoted(code)));
}


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

// A number of a part of a record entry ("envelope", "match"), finite.
double partNumber(const SpectrumReader& read, const char* part, const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        read.refuse(QCoreApplication::translate("SetFile", "has \"%1\" whose \"%2\" is missing or not a finite number")
                        .arg(QLatin1String(part), QLatin1String(key)));
    return value.toDouble();
}

QJsonObject partObject(const SpectrumReader& read, const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isObject())
        read.refuse(QCoreApplication::translate("SetFile", "has no \"%1\" object").arg(QLatin1String(key)));
    return value.toObject();
}

ArtificialFigures readArtificial(const SpectrumReader& read)
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
SetRecord readRecordEntry(const SpectrumReader& read)
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

    const QJsonValue samples = read.required("samples");
    if (!samples.isArray())
        read.wrongType("samples", QT_TRANSLATE_NOOP("SetFile", "a list"));
    const QJsonArray values = samples.toArray();
    if (values.size() < 2)
        read.refuse(QCoreApplication::translate("SetFile", "has fewer than 2 samples"));
    if (static_cast<std::size_t>(values.size()) > maxRecordValues)
        read.refuse(QCoreApplication::translate("SetFile", "has more than %1 samples").arg(maxRecordValues));
    record->accelerationG.reserve(static_cast<std::size_t>(values.size()));
    for (qsizetype k = 0; k < values.size(); ++k) {
        const QJsonValue value = values.at(k);
        if (!value.isDouble() || !std::isfinite(value.toDouble()))
            read.refuse(QCoreApplication::translate("SetFile", "has sample %1 that is not a finite number").arg(k + 1));
        record->accelerationG.push_back(value.toDouble());
    }

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

// A list of finite numbers, checked for its length before it is read.
std::vector<double> readNumberList(const SpectrumReader& read, const char* key)
{
    const QJsonValue value = read.required(key);
    if (!value.isArray())
        read.wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a list"));
    const QJsonArray list = value.toArray();
    if (static_cast<std::size_t>(list.size()) > TabulatedCurveItem::pointLimit)
        read.refuse(QCoreApplication::translate("SetFile", "has more than %1 \"%2\"")
                        .arg(TabulatedCurveItem::pointLimit)
                        .arg(QLatin1String(key)));
    std::vector<double> numbers;
    numbers.reserve(static_cast<std::size_t>(list.size()));
    for (qsizetype k = 0; k < list.size(); ++k) {
        const QJsonValue number = list.at(k);
        if (!number.isDouble() || !std::isfinite(number.toDouble()))
            read.refuse(QCoreApplication::translate("SetFile", "has \"%1\" whose item %2 is not a finite number")
                            .arg(QLatin1String(key))
                            .arg(k + 1));
        numbers.push_back(number.toDouble());
    }
    return numbers;
}

// The curve of an entry whose name is already checked.
SetCurve readCurveEntry(const SpectrumReader& read)
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
    c.periods = readNumberList(read, "periods");
    c.values = readNumberList(read, "values");
    if (const std::optional<std::string> fault = TabulatedCurveItem::curveFault(c.periods, c.values, c.damping))
        read.refuse(QString::fromStdString(*fault));
    return c;
}

} // namespace

SetContents setContentsOf(const SpectrumSet& set)
{
    SetContents contents;
    contents.reserve(static_cast<std::size_t>(set.size()));
    for (int i = 0; i < set.size(); ++i) {
        const SetItem& item = set.item(i);
        if (const KavrelSpectrum* s = codeSpectrumOf(item)) {
            contents.push_back({s->responseName, s->codeType, s->alphaMax, s->tg, s->dampingRatio, set.isVisible(i),
                                set.origin(i), std::nullopt});
        } else if (const RecordItem* r = recordItemOf(item)) {
            SetSpectrum entry;
            entry.name = r->name();
            entry.visible = set.isVisible(i);
            auto record = std::make_shared<GroundMotionRecord>(r->record());
            record->name = r->name();
            entry.record = SetRecord{std::move(record), r->scaling(), r->artificial()};
            contents.push_back(std::move(entry));
        } else if (const TabulatedCurveItem* c = tabulatedCurveOf(item)) {
            SetSpectrum entry;
            entry.name = c->name();
            entry.visible = set.isVisible(i);
            entry.curve = SetCurve{c->periods(), c->values(), c->damping(), c->recordNames()};
            contents.push_back(std::move(entry));
        }
    }
    return contents;
}

QByteArray buildSetFile(const SetContents& contents)
{
    QJsonArray spectra;
    bool anyRecord = false;
    bool anyCurve = false;
    for (const SetSpectrum& s : contents) {
        if (s.isRecord()) {
            spectra.append(recordEntry(s));
            anyRecord = true;
            continue;
        }
        if (s.isCurve()) {
            spectra.append(curveEntry(s));
            anyCurve = true;
            continue;
        }
        QJsonObject entry{
            {"name", fromNarrow(s.name)},
            {"code", QString::fromStdString(codeNameOf(s.codeType))},
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
        spectra.append(entry);
    }
    // Each set is written in the oldest version that holds it, so that sets of
    // code spectra alone stay readable by every program that reads set files.
    const int version = anyCurve ? setFileVersion : anyRecord ? recordSetFileVersion : spectraOnlySetFileVersion;
    const QJsonObject root{{"format", formatTag}, {"version", version}, {"spectra", spectra}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SetContents parseSetFile(const QByteArray& bytes, const QString& fileName)
{
    const Refusal refuse(fileName);
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
    if (root.value("format") != QJsonValue(formatTag))
        refuse.file(QCoreApplication::translate("SetFile", "is not a Kavrel_Spect set file (no \"format\": \"%1\")").arg(formatTag));

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
            const int needed = isRecord ? recordSetFileVersion : setFileVersion;
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
            s.name = checkedName(refuse, label, SpectrumReader(refuse, label, object).text("name"));
            const SpectrumReader read(refuse, label + QStringLiteral(" (%1)").arg(quoted(fromNarrow(s.name))), object);
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
        const SpectrumReader read(refuse, i, object);
        SetSpectrum s;
        s.name = checkedName(refuse, Refusal::spectrumLabel(i), read.text("name"));
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
    return contents;
}

SetContents readSetFile(const QString& path, ReadSource source)
{
    QByteArray bytes;
    try {
        bytes = readBoundedFile(path, largestFile, source);
    } catch (const FileReadError& error) {
        const Refusal refuse(error.fileName());
        if (error.fault() == FileReadError::Fault::TooLarge)
            refuse.file(QCoreApplication::translate("SetFile", "is too large to be a set file"));
        refuse.file(error.reason());
    }
    const QString name = QFileInfo(path).fileName();
    return parseSetFile(bytes, name.isEmpty() ? path : name);
}

void saveSetFile(const QString& path, const SetContents& contents)
{
    writeFileAtomically(path, buildSetFile(contents));
}

void replaceSetContents(SpectrumSet& set, const SetContents& contents)
{
    set.clear();
    for (const SetSpectrum& s : contents) {
        if (s.isRecord()) {
            set.add(std::make_unique<RecordItem>(s.name, s.record->record, s.record->scaling, s.record->artificial),
                    s.visible);
            continue;
        }
        if (s.isCurve()) {
            set.add(std::make_unique<TabulatedCurveItem>(s.name, s.curve->periods, s.curve->values, s.curve->damping,
                                                         s.curve->recordNames),
                    s.visible);
            continue;
        }
        set.add(std::make_unique<KavrelSpectrum>(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType), s.visible,
                s.origin);
    }
}
