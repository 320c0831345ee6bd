#include "records/ModeTable.h"

#include "text/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("ModeTable", text);
}

}  // namespace

ModeTableReading readModeTable(const QString& text, const QLocale& locale)
{
    const bool commaIsDecimal = locale.decimalPoint() == QLatin1String(",");
    const QRegularExpression separators(commaIsDecimal ? QStringLiteral("[ \\t]+") : QStringLiteral("[ \\t]*,[ \\t]*|[ \\t]+"));
    ModeTableReading reading;
    bool firstContent = true;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(separators, Qt::SkipEmptyParts);
        const bool header = firstContent;
        firstContent = false;
        const auto lineNumber = static_cast<qulonglong>(i + 1);
        StructureMode mode;
        const bool periodRead = !fields.isEmpty() && parseLocaleDouble(fields[0], mode.period, locale);
        if (header && !periodRead && !fields.isEmpty() && fields[0].front().isLetter())
            continue;
        if (fields.size() != 2) {
            reading.refusal = translated(QT_TRANSLATE_NOOP("ModeTable",
                                                           "Line %1: give two columns, the period and the mass "
                                                           "ratio, not %2."))
                                  .arg(lineNumber)
                                  .arg(fields.size());
            break;
        }
        for (int f = 0; f < 2; ++f) {
            double& value = f == 0 ? mode.period : mode.massRatio;
            if ((f == 0 && !periodRead) || (f == 1 && !parseLocaleDouble(fields[1], value, locale))) {
                reading.refusal = translated(QT_TRANSLATE_NOOP("ModeTable", "Line %1: \"%2\" is not a number."))
                                      .arg(lineNumber)
                                      .arg(fields[f]);
                break;
            }
        }
        if (!reading.accepted())
            break;
        reading.modes.push_back(mode);
    }
    if (!reading.accepted())
        reading.modes.clear();
    return reading;
}

StructureReading readStructureCells(const std::vector<std::pair<QString, QString>>& rows, const QString& weight,
                                    ModeCombination combination, const QLocale& locale)
{
    StructureReading reading;
    reading.structure.combination = combination;
    const auto refuse = [&reading](const QString& sentence) {
        reading.refusal = sentence;
        reading.structure.modes.clear();
        return reading;
    };
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const QString period = rows[j].first.trimmed(), ratio = rows[j].second.trimmed();
        if (period.isEmpty() && ratio.isEmpty())
            continue;
        reading.given = true;
        StructureMode mode;
        const auto number = static_cast<qulonglong>(reading.structure.modes.size() + 1);
        if (!parseLocaleDouble(period, mode.period, locale))
            return refuse(translated(QT_TRANSLATE_NOOP("ModeTable", "Mode %1: the period \"%2\" is not a number."))
                              .arg(number)
                              .arg(period));
        if (!parseLocaleDouble(ratio, mode.massRatio, locale))
            return refuse(
                translated(QT_TRANSLATE_NOOP("ModeTable", "Mode %1: the mass ratio \"%2\" is not a number."))
                    .arg(number)
                    .arg(ratio));
        reading.structure.modes.push_back(mode);
    }
    const QString weightText = weight.trimmed();
    if (!reading.given && weightText.isEmpty())
        return reading;
    reading.given = true;
    if (!weightText.isEmpty() && !parseLocaleDouble(weightText, reading.structure.weight, locale))
        return refuse(translated(QT_TRANSLATE_NOOP("ModeTable", "G \"%1\" is not a number.")).arg(weightText));
    if (const auto fault = structureFault(reading.structure))
        return refuse(QString::fromStdString(fault->sentence));
    return reading;
}
