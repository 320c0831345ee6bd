#include "export/SetFile.h"

#include "common/BoundedRead.h"
#include "export/JsonKeys.h"
#include "export/SafeFileWriter.h"
#include "inputs/InputRules.h"
#include "spectrum/KavrelSpectrum.h"
#include "spectrum/SpectrumSet.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

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
    [[noreturn]] void spectrum(int index, const QString& what) const
    {
        file(QStringLiteral("spectrum %1 %2").arg(index + 1).arg(what));
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
        return QStringLiteral("is cut short: the JSON text ends before the set does");
    return QStringLiteral("is not valid JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
}

class SpectrumReader {
public:
    SpectrumReader(const Refusal& refuse, int index, const QJsonObject& object)
        : refuse_(refuse), index_(index), object_(object)
    {
    }

    QJsonValue required(const char* key) const
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined())
            refuse_.spectrum(index_, QStringLiteral("has no \"%1\"").arg(QLatin1String(key)));
        return value;
    }

    QString text(const char* key) const
    {
        const QJsonValue value = required(key);
        if (!value.isString())
            wrongType(key, "a text");
        return value.toString();
    }

    // As the window's boxes take a number: finite and not below 0.
    double number(const char* key) const
    {
        const QJsonValue value = required(key);
        if (!value.isDouble())
            wrongType(key, "a number");
        const double number = value.toDouble();
        if (!std::isfinite(number))
            wrongType(key, "a finite number");
        const std::optional<double> accepted = numberAccepted(number);
        if (!accepted)
            refuse_.spectrum(index_, QStringLiteral("has a negative \"%1\" (%2)")
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
            wrongType(key, "true or false");
        return value.toBool();
    }

    SpectrumOrigin origin() const
    {
        const QJsonValue value = object_.value(QLatin1String("origin"));
        if (value.isUndefined() || value.isNull())
            return {};
        if (!value.isObject())
            wrongType("origin", "an object");
        const QJsonObject origin = value.toObject();
        auto word = [&](const char* key) {
            const QJsonValue part = origin.value(QLatin1String(key));
            if (part.isUndefined())
                return std::string();
            if (!part.isString())
                refuse_.spectrum(index_, QStringLiteral("has \"origin\" whose \"%1\" is not a text")
                                             .arg(QLatin1String(key)));
            return part.toString().toStdString();
        };
        auto rule = [&](const char* key) {
            const QJsonValue part = origin.value(QLatin1String(key));
            if (part.isUndefined())
                return false;
            if (!part.isBool())
                refuse_.spectrum(index_, QStringLiteral("has \"origin\" whose \"%1\" is not true or false")
                                             .arg(QLatin1String(key)));
            return part.toBool();
        };
        return {word("intensity"), word("action"), word("site"), word("group"), rule("rareTg"), rule("vertical")};
    }

private:
    [[noreturn]] void wrongType(const char* key, const char* kind) const
    {
        refuse_.spectrum(index_, QStringLiteral("has \"%1\" that is not %2")
                                     .arg(QLatin1String(key), QLatin1String(kind)));
    }

    const Refusal& refuse_;
    int index_;
    const QJsonObject& object_;
};

std::string checkedName(const Refusal& refuse, int index, const QString& name)
{
    const std::string narrow = toNarrow(name);
    if (fromNarrow(narrow) != name)
        refuse.spectrum(index, QStringLiteral("has the name %1, which this system's text encoding cannot hold")
                                   .arg(quoted(name)));
    // The window trims a typed name, so a name with blanks at its ends was
    // not made by it and would look like another.
    if (!name.isEmpty() && (name.front().unicode() <= 0x20 || name.back().unicode() <= 0x20))
        refuse.spectrum(index, QStringLiteral("has the name %1, which begins or ends with a blank").arg(quoted(name)));
    switch (SpectrumSet::checkNameForm(narrow)) {
    case SpectrumSet::NameCheck::Empty:
        refuse.spectrum(index, QStringLiteral("has an empty name"));
    case SpectrumSet::NameCheck::TooLong:
        refuse.spectrum(index, QStringLiteral("has the name %1, which is not less than %2 bytes")
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
    refuse.spectrum(index, QStringLiteral("has the unknown code %1").arg(quoted(code)));
}

} // namespace

SetContents setContentsOf(const SpectrumSet& set)
{
    SetContents contents;
    contents.reserve(static_cast<std::size_t>(set.size()));
    for (int i = 0; i < set.size(); ++i) {
        const KavrelSpectrum& s = set.at(i);
        contents.push_back({s.responseName, s.codeType, s.alphaMax, s.tg, s.dampingRatio, set.isVisible(i),
                            set.origin(i)});
    }
    return contents;
}

QByteArray buildSetFile(const SetContents& contents)
{
    QJsonArray spectra;
    for (const SetSpectrum& s : contents) {
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
    const QJsonObject root{{"format", formatTag}, {"version", setFileVersion}, {"spectra", spectra}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SetContents parseSetFile(const QByteArray& bytes, const QString& fileName)
{
    const Refusal refuse(fileName);
    if (bytes.trimmed().isEmpty())
        refuse.file(QStringLiteral("is empty"));
    const QString notASet = QStringLiteral("is not a set file (its top level is not an object)");
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
        refuse.file(QStringLiteral("gives the key %1 twice in one object").arg(quoted(*key)));
    const QJsonObject root = document.object();
    if (root.value("format") != QJsonValue(formatTag))
        refuse.file(QStringLiteral("is not a Kavrel_Spect set file (no \"format\": \"%1\")").arg(formatTag));

    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        refuse.file(QStringLiteral("has no valid \"version\""));
    if (version.toDouble() > setFileVersion)
        refuse.file(QStringLiteral("was made by a newer version of Kavrel_Spect (set file version %1; this one reads "
                                   "version %2)")
                        .arg(shortestQString(version.toDouble()))
                        .arg(setFileVersion));

    const QJsonValue spectraValue = root.value("spectra");
    if (spectraValue.isUndefined())
        refuse.file(QStringLiteral("has no \"spectra\""));
    if (!spectraValue.isArray())
        refuse.file(QStringLiteral("has \"spectra\" that is not a list"));
    const QJsonArray spectra = spectraValue.toArray();

    SetContents contents;
    contents.reserve(static_cast<std::size_t>(spectra.size()));
    std::unordered_map<std::string, int> firstOfName;
    for (int i = 0; i < spectra.size(); ++i) {
        const QJsonValue value = spectra.at(i);
        if (!value.isObject())
            refuse.spectrum(i, QStringLiteral("is not an object"));
        const QJsonObject object = value.toObject();
        const SpectrumReader read(refuse, i, object);
        SetSpectrum s;
        s.name = checkedName(refuse, i, read.text("name"));
        const auto [first, isNew] = firstOfName.emplace(s.name, i);
        if (!isNew)
            refuse.spectrum(i, QStringLiteral("has the name %1, as spectrum %2 has")
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
            refuse.file(QStringLiteral("is too large to be a set file"));
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
        set.add(std::make_unique<KavrelSpectrum>(s.name, s.alphaMax, s.tg, s.dampingRatio, s.codeType), s.visible,
                s.origin);
    }
}
