#include "export/SetFileEntryReader.h"

#include "inputs/InputRules.h"
#include "spectrum/SpectrumSet.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cmath>
#include <optional>

void SetFileRefusal::spectrum(int index, const QString& what) const
{
    entry(spectrumLabel(index), what);
}

void SetFileRefusal::entry(const QString& label, const QString& what) const
{
    file(QCoreApplication::translate("SetFile", "%1 %2", "an item of the set, then what is wrong with it")
             .arg(label, what));
}

QString SetFileRefusal::spectrumLabel(int index)
{
    return QCoreApplication::translate("SetFile", "spectrum %1").arg(index + 1);
}

SetEntryReader::SetEntryReader(const SetFileRefusal& refuse, QString label, const QJsonObject& object)
    : refuse_(refuse), label_(std::move(label)), object_(object)
{
}

void SetEntryReader::wrongType(const char* key, const char* kind) const
{
    refuse(QCoreApplication::translate("SetFile", "has \"%1\" that is not %2")
               .arg(QLatin1String(key), QCoreApplication::translate("SetFile", kind)));
}

QJsonValue SetEntryReader::required(const char* key) const
{
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined())
        refuse(QCoreApplication::translate("SetFile", "has no \"%1\"").arg(QLatin1String(key)));
    return value;
}

QString SetEntryReader::text(const char* key) const
{
    const QJsonValue value = required(key);
    if (!value.isString())
        wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a text"));
    return value.toString();
}

double SetEntryReader::number(const char* key) const
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

bool SetEntryReader::flag(const char* key, bool absent) const
{
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined())
        return absent;
    if (!value.isBool())
        wrongType(key, QT_TRANSLATE_NOOP("SetFile", "true or false"));
    return value.toBool();
}

SpectrumOrigin SetEntryReader::origin() const
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

std::vector<double> SetEntryReader::numberList(const char* key, const NumberListRule& rule) const
{
    const QJsonValue value = required(key);
    if (!value.isArray())
        wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a list"));
    const QJsonArray list = value.toArray();
    const auto count = static_cast<std::size_t>(list.size());
    if (count < rule.fewest)
        refuse(rule.tooFew());
    if (count > rule.most)
        refuse(rule.tooMany());
    std::vector<double> numbers;
    numbers.reserve(count);
    for (qsizetype k = 0; k < list.size(); ++k) {
        const QJsonValue number = list.at(k);
        if (!number.isDouble() || !std::isfinite(number.toDouble()))
            refuse(rule.notFinite(k + 1));
        numbers.push_back(number.toDouble());
    }
    return numbers;
}

std::string checkedName(const SetFileRefusal& refuse, const QString& label, const QString& name)
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
