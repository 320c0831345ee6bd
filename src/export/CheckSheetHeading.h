#pragma once

#include "records/StructureModes.h"
#include "spectrum/SpectrumOrigin.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The lines above the printed and copied check sheet, in the installed
// language: a heading, the target the records were checked against, and
// what is known of each record. The sheet goes into a calculation report,
// so it says what it is about.

struct CheckSheetTarget {
    QString name;
    int codeType = 0;
    double alphaMax = 0;
    double tg = 0;
    double damping = 0.05;
    SpectrumOrigin origin;  // empty texts: not known
};

struct CheckSheetRecord {
    QString name;
    QString file;  // empty for a record generated and not read from a file
    bool artificial = false;
    double scaleFactor = 1;
};

// The heading, one line of the target's selections (those known), one of its
// figures, and one line per record.
QStringList checkSheetHeading(const CheckSheetTarget& target, const QList<CheckSheetRecord>& records,
                              const QLocale& locale = QLocale());

// The lines of the structure whose modes gave the base shears: G, the number
// of modes and their combination, then the modes, several a line (period in
// s, mass ratio).
QStringList checkSheetStructureLines(const StructureModel& structure, const QLocale& locale = QLocale());

// The line saying the base shears' upper limits are off (records of an
// inelastic analysis).
QString checkSheetInelasticLine();

// The same lines as HTML: the heading as a title, the others as paragraphs.
QString checkSheetHeadingHtml(const QStringList& lines);
