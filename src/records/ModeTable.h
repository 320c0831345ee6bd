#pragma once

#include "records/StructureModes.h"

#include <QLocale>
#include <QString>

#include <vector>

// The modes as an analysis program lists them: two columns, the period in
// seconds and the mass ratio, one mode a line, blanks, tabs or commas between
// them (blanks and tabs only where the locale's decimal mark is the comma).
// Blank lines and lines starting with "#" are skipped, and so is a first line
// of words (a copied table's header). Numbers are read strictly in `locale`.
// The values themselves are judged by structureFault.

struct ModeTableReading {
    std::vector<StructureMode> modes;
    QString refusal;  // in the installed language, naming the line; empty when read

    bool accepted() const { return refusal.isEmpty(); }
};

ModeTableReading readModeTable(const QString& text, const QLocale& locale = QLocale::c());
