#include "ui/StringGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent), rows_(1) {}

void StringGridModel::setGridRowCount(int rows)
{
    rows = std::max(rows, 1);
    const int current = gridRowCount();
    if (rows > current) {
        beginInsertRows(QModelIndex(), current - 1, rows - 2);
        rows_.resize(rows);
        endInsertRows();
    } else if (rows < current) {
        beginRemoveRows(QModelIndex(), rows - 1, current - 2);
        rows_.resize(rows);
        endRemoveRows();
    }
}

void StringGridModel::setGridColCount(int cols)
{
    cols = std::max(cols, 0);
    if (cols == colCount_)
        return;
    beginResetModel();
    colCount_ = cols;
    for (QStringList& row : rows_) {
        if (row.size() > cols)
            row.resize(cols);
    }
    endResetModel();
}

QString StringGridModel::cell(int col, int row) const
{
    if (row < 0 || row >= gridRowCount() || col < 0 || col >= colCount_)
        return QString();
    const QStringList& cells = rows_[row];
    return col < cells.size() ? cells[col] : QString();
}

void StringGridModel::setCell(int col, int row, const QString& text)
{
    if (row < 0 || row >= gridRowCount() || col < 0 || col >= colCount_)
        return;
    QStringList& cells = rows_[row];
    if (cells.size() <= col)
        cells.resize(col + 1);
    cells[col] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void StringGridModel::setRow(int row, const QStringList& cells)
{
    if (row < 0 || row >= gridRowCount())
        return;
    rows_[row] = cells.mid(0, colCount_);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, 0, std::max(colCount_ - 1, 0));
    else if (colCount_ > 0)
        emit dataChanged(index(row - 1, 0), index(row - 1, colCount_ - 1));
}

void StringGridModel::setDataRows(std::vector<QStringList> rows)
{
    beginResetModel();
    rows_.resize(1);
    for (QStringList& row : rows) {
        if (row.size() > colCount_)
            row.resize(colCount_);
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : gridRowCount() - 1;
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : colCount_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return cell(index.column(), index.row() + 1);
    // Column 0 is fixed: drawn like a header.
    if (role == Qt::BackgroundRole && index.column() == 0)
        return QApplication::palette().button();
    return QVariant();
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return cell(section, 0);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new StringGridModel(this))
{
    setModel(model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    // Wide enough for a value such as 0.000000 in full.
    horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("0.0000000")) + 10);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
}
