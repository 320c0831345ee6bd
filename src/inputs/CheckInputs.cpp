#include "inputs/CheckInputs.h"

#include "text/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("CheckInputs", text);
}

constexpr int mostMainPeriods = 6;
constexpr double longestPeriod = 6.0;

}  // namespace

MainPeriodsReading readMainPeriods(const QString& text, const QLocale& locale)
{
    MainPeriodsReading reading;
    // Where the comma is the decimal mark it cannot also part the periods.
    const bool commaIsDecimal = locale.decimalPoint() == QStringLiteral(",");
    const QRegularExpression separators(commaIsDecimal ? QStringLiteral("[;\\s]+") : QStringLiteral("[,;\\s]+"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    const auto refuse = [](const QString& why) {
        MainPeriodsReading refused;
        refused.refusal = why;
        return refused;
    };
    if (parts.isEmpty())
        return refuse(translated(QT_TRANSLATE_NOOP("CheckInputs", "Type the fundamental period T1 and up to five more main periods, e.g. 1.2, 0.4.")));
    if (parts.size() > mostMainPeriods)
        return refuse(translated(QT_TRANSLATE_NOOP("CheckInputs", "At most six main periods: T1 and five more; %1 were typed.")).arg(parts.size()));
    for (const QString& part : parts) {
        double period = 0;
        if (!parseLocaleDouble(part, period, locale))
            return refuse(translated(QT_TRANSLATE_NOOP("CheckInputs", "\"%1\" is not a period in seconds.")).arg(part));
        if (!(period > 0 && period <= longestPeriod))
            return refuse(translated(QT_TRANSLATE_NOOP("CheckInputs", "The main period %1 s is outside the spectrum's range, above 0 up to 6.0 s."))
                              .arg(part));
        reading.periods.push_back(period);
        reading.texts << part;
    }
    return reading;
}

BaseShearsReading readBaseShears(const QStringList& cells, const QLocale& locale)
{
    BaseShearsReading reading;
    if (std::all_of(cells.begin(), cells.end(), [](const QString& cell) { return cell.trimmed().isEmpty(); }))
        return reading;
    for (const QString& cell : cells) {
        double shear = 0;
        if (cell.trimmed().isEmpty())
            return {{}, translated(QT_TRANSLATE_NOOP("CheckInputs", "Give every base shear, V0 and one per record, or none."))};
        if (!parseLocaleDouble(cell, shear, locale) || !(shear > 0))
            return {{}, translated(QT_TRANSLATE_NOOP("CheckInputs", "The base shear \"%1\" is not a positive number.")).arg(cell.trimmed())};
        reading.shears.push_back(shear);
    }
    return reading;
}
