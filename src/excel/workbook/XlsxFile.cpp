#include "excel/workbook/XlsxFile.h"

#include "common/KavrelError.h"
#include "excel/workbook/XlsxChart.h"
#include "export/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace wb {

namespace {

QString libraryText(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

// Writes the cells and charts of one sheet; the first failure stops it.
lxw_error writeSheet(lxw_workbook* workbook, const SheetData& sheet, const BookData& book, QString& problem)
{
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name().toStdString().c_str());
    if (!worksheet) {
        problem = QStringLiteral("the sheet %1 cannot be added").arg(sheet.name());
        return LXW_ERROR_PARAMETER_VALIDATION;
    }
    lxw_error error = LXW_NO_ERROR;
    // Numbers stay numbers: the chart's caches are read from them.
    sheet.forEachCell([&](std::int32_t row, std::int32_t column, const CellData& cell) {
        if (error != LXW_NO_ERROR)
            return;
        const auto fileRow = static_cast<lxw_row_t>(row - 1);
        const auto fileColumn = static_cast<lxw_col_t>(column - 1);
        switch (cell.kind) {
        case CellData::Kind::Number:
            error = worksheet_write_number(worksheet, fileRow, fileColumn, cell.number, nullptr);
            break;
        case CellData::Kind::Boolean:
            error = worksheet_write_boolean(worksheet, fileRow, fileColumn, cell.number != 0, nullptr);
            break;
        case CellData::Kind::Text:
            error = worksheet_write_string(worksheet, fileRow, fileColumn, cell.text.toStdString().c_str(), nullptr);
            break;
        }
        if (error != LXW_NO_ERROR)
            problem = QStringLiteral("cell (%1, %2) of %3: %4").arg(row).arg(column).arg(sheet.name(), libraryText(error));
    });
    if (error != LXW_NO_ERROR)
        return error;

    for (const auto& shape : sheet.charts) {
        lxw_chart* chart = buildChart(workbook, shape->chart, book);
        if (!chart) {
            problem = QStringLiteral("a chart on %1 cannot be made").arg(sheet.name());
            return LXW_ERROR_PARAMETER_VALIDATION;
        }
        ChartPlacement placement = chartPlacement(*shape);
        error = worksheet_insert_chart_opt(worksheet, placement.row, placement.column, chart, &placement.options);
        if (error != LXW_NO_ERROR) {
            problem = QStringLiteral("a chart on %1: %2").arg(sheet.name(), libraryText(error));
            return error;
        }
    }
    return LXW_NO_ERROR;
}

// Writes the whole workbook into the file `fileName`; `path` names it in a problem.
bool assemble(const BookData& book, const QByteArray& fileName, const QString& path, QString& problem)
{
    lxw_workbook* workbook = workbook_new(fileName.constData());
    if (!workbook) {
        problem = QStringLiteral("the workbook cannot be started");
        return false;
    }
    lxw_error error = LXW_NO_ERROR;
    for (const auto& sheet : book.sheets) {
        error = writeSheet(workbook, *sheet, book, problem);
        if (error != LXW_NO_ERROR)
            break;
    }
    // Closing writes the file and frees the workbook in every case.
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR && closed != LXW_NO_ERROR)
        problem = QStringLiteral("%1 cannot be written: %2").arg(path, libraryText(closed));
    return error == LXW_NO_ERROR && closed == LXW_NO_ERROR;
}

} // namespace

bool writeXlsxFile(const BookData& book, const QString& path, QString& problem)
{
    // The library writes only to a file of its own opening, not to a device:
    // it assembles the workbook in a private temporary file, whose bytes then
    // reach `path` through the safe writer, complete and on the disk, or not
    // at all.
    // Empty when TMPDIR names no folder; the file must not land in "/" then.
    const QString temporaryFolder = QDir::tempPath();
    QTemporaryFile assembled(temporaryFolder + QStringLiteral("/kavrel-workbook-XXXXXX.xlsx"));
    if (temporaryFolder.isEmpty()) {
        problem = QStringLiteral("the temporary folder named by TMPDIR does not exist");
        return false;
    }
    if (!assembled.open()) {
        problem = QStringLiteral("no temporary file for it can be made in %1: %2")
                      .arg(QDir::toNativeSeparators(temporaryFolder), assembled.errorString());
        return false;
    }
    assembled.close();
    if (!assemble(book, QFile::encodeName(assembled.fileName()), path, problem))
        return false;

    QFile written(assembled.fileName());
    const QByteArray bytes = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    if (written.error() != QFileDevice::NoError || bytes.isEmpty() || bytes.size() != written.size()) {
        problem = QStringLiteral("the assembled workbook cannot be read back: %1").arg(written.errorString());
        return false;
    }
    try {
        writeFileAtomically(path, bytes);
    } catch (const KavrelError& failure) {
        problem = failure.message();
        return false;
    }
    return true;
}

} // namespace wb
