#include "excel/workbook/RangeReference.h"

#include "excel/CellReference.h"

namespace wb {

namespace {

// Reads [$]letters[$]digits from `text` at `pos`.
bool readCell(const QString& text, qsizetype& pos, std::int32_t& row, std::int32_t& column, QString& problem)
{
    const qsizetype start = pos;
    if (pos < text.size() && text[pos] == u'$')
        ++pos;
    std::int64_t letters = 0;
    int letterCount = 0;
    while (pos < text.size() && text[pos].toUpper() >= u'A' && text[pos].toUpper() <= u'Z' && letterCount < 4) {
        letters = letters * 26 + (text[pos].toUpper().unicode() - u'A' + 1);
        ++letterCount;
        ++pos;
    }
    if (pos < text.size() && text[pos] == u'$')
        ++pos;
    std::int64_t digits = 0;
    int digitCount = 0;
    while (pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128 && digitCount < 8) {
        digits = digits * 10 + (text[pos].unicode() - u'0');
        ++digitCount;
        ++pos;
    }
    const QString cell = text.mid(start, pos - start);
    if (letterCount == 0 || digitCount == 0) {
        problem = QStringLiteral("\"%1\" is not a cell such as $A$2").arg(cell);
        return false;
    }
    if (letters > xl::MaxColumns || digits < 1 || digits > xl::MaxRows) {
        problem = QStringLiteral("cell %1 is outside the sheet, whose rows run from 1 to %2 and columns from A to XFD")
                      .arg(cell)
                      .arg(xl::MaxRows);
        return false;
    }
    row = static_cast<std::int32_t>(digits);
    column = static_cast<std::int32_t>(letters);
    return true;
}

bool readSheetName(const QString& text, qsizetype& pos, QString& name, QString& problem)
{
    if (pos < text.size() && text[pos] == u'\'') {
        ++pos;
        while (pos < text.size()) {
            if (text[pos] == u'\'') {
                if (pos + 1 < text.size() && text[pos + 1] == u'\'') {
                    name += u'\'';
                    pos += 2;
                    continue;
                }
                ++pos;
                return true;
            }
            name += text[pos++];
        }
        problem = QStringLiteral("the quoted sheet name has no closing quote");
        return false;
    }
    const qsizetype mark = text.indexOf(u'!', pos);
    if (mark < 0) {
        problem = QStringLiteral("it names no sheet; write it as =Sheet1!$A$2:$A$602");
        return false;
    }
    name = text.mid(pos, mark - pos);
    pos = mark;
    return true;
}

bool needsQuotes(const QString& sheetName)
{
    if (sheetName.isEmpty() || sheetName[0].isDigit())
        return true;
    for (const QChar c : sheetName) {
        if (!(c.isLetterOrNumber() || c == u'_' || c == u'.'))
            return true;
    }
    return false;
}

} // namespace

bool parseReference(const QString& text, ParsedReference& reference, QString& problem)
{
    qsizetype pos = 0;
    if (!text.startsWith(u'=')) {
        problem = QStringLiteral("it does not start with =");
        return false;
    }
    pos = 1;
    ParsedReference parsed;
    if (!readSheetName(text, pos, parsed.sheetName, problem))
        return false;
    if (pos >= text.size() || text[pos] != u'!') {
        problem = QStringLiteral("the sheet name is not followed by !");
        return false;
    }
    ++pos;
    if (!readCell(text, pos, parsed.firstRow, parsed.firstColumn, problem))
        return false;
    parsed.lastRow = parsed.firstRow;
    parsed.lastColumn = parsed.firstColumn;
    if (pos < text.size() && text[pos] == u':') {
        ++pos;
        if (!readCell(text, pos, parsed.lastRow, parsed.lastColumn, problem))
            return false;
    }
    if (pos != text.size()) {
        problem = QStringLiteral("\"%1\" follows the reference").arg(text.mid(pos));
        return false;
    }
    if (parsed.lastRow < parsed.firstRow)
        std::swap(parsed.lastRow, parsed.firstRow);
    if (parsed.lastColumn < parsed.firstColumn)
        std::swap(parsed.lastColumn, parsed.firstColumn);
    reference = parsed;
    return true;
}

std::string referenceFormula(const CellArea& area)
{
    QString sheet = area.sheet->name();
    if (needsQuotes(sheet))
        sheet = QStringLiteral("'%1'").arg(sheet.replace(u'\'', QStringLiteral("''")));
    std::string formula = "=" + sheet.toStdString() + "!" + cellReference(area.firstRow, area.firstColumn, "$");
    if (area.lastRow != area.firstRow || area.lastColumn != area.firstColumn)
        formula += ":" + cellReference(area.lastRow, area.lastColumn, "$");
    return formula;
}

} // namespace wb
