#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The typed inputs of the record check: the structure's main periods and the
// base shears. A refusal carries a sentence for the user, in the installed
// language, and leaves the numbers empty.

struct MainPeriodsReading {
    std::vector<double> periods;  // T1 first
    QStringList texts;            // each period as typed, for naming its check
    QString refusal;              // empty when accepted

    bool accepted() const { return refusal.isEmpty(); }
};

// "T1, T2, ...": one to six periods above 0 up to 6 s, separated by commas,
// semicolons or blanks (by semicolons or blanks only where the locale's
// decimal mark is the comma). Numbers are read strictly in `locale`.
MainPeriodsReading readMainPeriods(const QString& text, const QLocale& locale = QLocale());

struct BaseShearsReading {
    std::vector<double> shears;  // empty: no base-shear check
    QString refusal;

    bool accepted() const { return refusal.isEmpty(); }
};

// The base-shear cells: V0 first, then one per record. All blank means no
// check; otherwise every cell must hold a positive number.
BaseShearsReading readBaseShears(const QStringList& cells, const QLocale& locale = QLocale());
