#pragma once

#include "records/StructureModes.h"

#include <QLocale>
#include <QString>

#include <utility>
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

// The structure as typed in a window: one row of (period, mass ratio) cells
// per mode, G and the combination. Rows left blank are skipped; no mode and
// no G typed at all is no structure (`given` false: the base shears are then
// typed). A cell that is no number in `locale` is refused naming its mode;
// the rest is judged by structureFault.
struct StructureReading {
    bool given = false;
    StructureModel structure;
    QString refusal;

    bool accepted() const { return refusal.isEmpty(); }
};

StructureReading readStructureCells(const std::vector<std::pair<QString, QString>>& rows, const QString& weight,
                                    ModeCombination combination, const QLocale& locale = QLocale());
