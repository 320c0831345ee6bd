#include "export/SetFileCheckReader.h"

#include "text/NarrowText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("SetFile", text);
}

// A list of [text, item] pairs, each item checked by `take`.
template <typename Take>
void readPairs(const SetEntryReader& read, const char* key, Take take)
{
    const QJsonValue list = read.object().value(QLatin1String(key));
    if (list.isUndefined())
        return;
    if (!list.isArray())
        read.wrongType(key, QT_TRANSLATE_NOOP("SetFile", "a list"));
    qsizetype item = 0;
    for (const QJsonValue pair : list.toArray()) {
        ++item;
        const QJsonArray two = pair.toArray();
        if (!pair.isArray() || two.size() != 2 || !two.at(0).isString() || !take(two.at(0).toString(), two.at(1)))
            read.refuse(translated(QT_TRANSLATE_NOOP("SetFile", "has \"%1\" whose item %2 is not a pair of a name "
                                                                "and its value"))
                            .arg(QLatin1String(key))
                            .arg(item));
    }
}

StructureModel readStructure(const SetFileRefusal& refuse, const SetEntryReader& check)
{
    const QJsonValue value = check.object().value("structure");
    if (!value.isObject())
        check.wrongType("structure", QT_TRANSLATE_NOOP("SetFile", "an object"));
    const QJsonObject object = value.toObject();
    const SetEntryReader read(refuse, QStringLiteral("\"check\" \"structure\""), object);
    StructureModel structure;
    structure.weight = read.number("weight");
    const QString combination = read.text("combination");
    if (combination == QLatin1String("srss"))
        structure.combination = ModeCombination::Srss;
    else if (combination != QLatin1String("cqc"))
        read.refuse(translated(QT_TRANSLATE_NOOP("SetFile", "has the unknown \"combination\" %1 (cqc or srss)"))
                        .arg(quoted(combination)));
    const QJsonValue modes = read.required("modes");
    if (!modes.isArray())
        read.wrongType("modes", QT_TRANSLATE_NOOP("SetFile", "a list"));
    // Counted before any mode is read, so that a hostile list costs nothing.
    if (static_cast<std::size_t>(modes.toArray().size()) > modeLimits::maximumModes)
        read.refuse(translated(QT_TRANSLATE_NOOP("SetFile", "has more than %1 \"modes\"")).arg(modeLimits::maximumModes));
    qsizetype number = 0;
    for (const QJsonValue mode : modes.toArray()) {
        ++number;
        const QJsonArray pair = mode.toArray();
        if (!mode.isArray() || pair.size() != 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble()
            || !std::isfinite(pair.at(0).toDouble()) || !std::isfinite(pair.at(1).toDouble()))
            read.refuse(translated(QT_TRANSLATE_NOOP("SetFile", "has mode %1 that is not a pair of finite numbers "
                                                                "(period, mass ratio)"))
                            .arg(number));
        structure.modes.push_back({pair.at(0).toDouble(), pair.at(1).toDouble()});
    }
    if (const std::optional<StructureFault> fault = structureFault(structure))
        read.refuse(translated(QT_TRANSLATE_NOOP("SetFile", "cannot be used: %1"))
                        .arg(QString::fromStdString(fault->sentence)));
    return structure;
}

} // namespace

SetCheckInputs readSetFileCheck(const SetFileRefusal& refuse, const QJsonValue& value)
{
    const QString label = QStringLiteral("\"check\"");
    if (!value.isObject())
        refuse.entry(label, translated(QT_TRANSLATE_NOOP("SetFile", "is not an object")));
    const QJsonObject object = value.toObject();
    const SetEntryReader read(refuse, label, object);
    SetCheckInputs check;
    if (object.contains("mainPeriods"))
        check.mainPeriods = read.text("mainPeriods");
    readPairs(read, "baseShears", [&check](const QString& record, const QJsonValue& shear) {
        check.baseShears.emplace_back(record, shear.toString());
        return shear.isString();
    });
    readPairs(read, "ticks", [&check](const QString& record, const QJsonValue& ticked) {
        check.ticks.emplace_back(record, ticked.toBool());
        return ticked.isBool();
    });
    check.inelastic = read.flag("inelastic", false);
    if (object.contains("structure"))
        check.structure = readStructure(refuse, read);
    return check;
}
