#include "ui/StringGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>

StringGridModel::StringGridModel(QObject* parent) : QAbstractTableModel(parent), rows_(1) {}

void StringGridModel::setRowsWithHeader(int rows)
{
    rows = std::max(rows, 1);
    const int current = rowsWithHeader();
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

void StringGridModel::setColumnCount(int columns)
{
    columns = std::max(columns, 0);
    if (columns == columns_)
        return;
    beginResetModel();
    columns_ = columns;
    for (GridRow& row : rows_)
        row.truncate(columns);
    endResetModel();
}

QString StringGridModel::text(int row, int column) const
{
    if (row < 0 || row >= rowsWithHeader() || column < 0 || column >= columns_)
        return QString();
    return rows_[row].at(column);
}

void StringGridModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowsWithHeader() || column < 0 || column >= columns_)
        return;
    rows_[row].set(column, text);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    else
        emit dataChanged(index(row - 1, column), index(row - 1, column));
}

void StringGridModel::setRow(int row, const QStringList& cells)
{
    if (row < 0 || row >= rowsWithHeader())
        return;
    rows_[row] = GridRow(cells, columns_);
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, 0, std::max(columns_ - 1, 0));
    else if (columns_ > 0)
        emit dataChanged(index(row - 1, 0), index(row - 1, columns_ - 1));
}

void StringGridModel::setDataRows(std::vector<QStringList> rows)
{
    beginResetModel();
    rows_.resize(1);
    rows_.reserve(rows.size() + 1);
    for (const QStringList& row : rows)
        rows_.push_back(GridRow(row, columns_));
    endResetModel();
}

int StringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowsWithHeader() - 1;
}

int StringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row() + 1, index.column());
    // Column 0 is fixed: drawn like a header.
    if (role == Qt::BackgroundRole && index.column() == 0)
        return QApplication::palette().button();
    return QVariant();
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return text(0, section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

StringGrid::StringGrid(QWidget* parent)
    : QTableView(parent), model_(new StringGridModel(this)), nameView_(new QTableView(this))
{
    setModel(model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    // Wide enough for a value such as 0.000000 in full.
    horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("0.0000000")) + 10);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Blocks of cells can be selected for copying, as in a spreadsheet.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    // The columns slide under the fixed one pixel by pixel; whole-column
    // steps would leave part of a column hidden behind it.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    nameView_->setObjectName(QStringLiteral("fixedColumn"));
    nameView_->setModel(model_);
    QItemSelectionModel* ownSelection = nameView_->selectionModel();
    nameView_->setSelectionModel(selectionModel());
    delete ownSelection;
    // The grid keeps the keyboard; the fixed column only shows and takes clicks.
    nameView_->setFocusPolicy(Qt::NoFocus);
    nameView_->setFrameShape(QFrame::NoFrame);
    nameView_->verticalHeader()->hide();
    nameView_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    nameView_->horizontalHeader()->setHighlightSections(false);
    nameView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    nameView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nameView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    nameView_->setWordWrap(false);
    nameView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->stackUnder(nameView_);
    nameView_->viewport()->installEventFilter(this);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column == 0) {
            nameView_->setColumnWidth(0, width);
            placeNameView();
        }
    });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, nameView_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(nameView_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    // A reset or new columns give the name view's header fresh, shown sections.
    connect(model_, &QAbstractItemModel::modelReset, this, &StringGrid::hideScrollingColumnsOfNameView);
    connect(model_, &QAbstractItemModel::columnsInserted, this, &StringGrid::hideScrollingColumnsOfNameView);
    hideScrollingColumnsOfNameView();
}

void StringGrid::hideScrollingColumnsOfNameView()
{
    for (int column = 1; column < model_->columnCount(); ++column)
        nameView_->setColumnHidden(column, true);
    nameView_->setColumnWidth(0, columnWidth(0));
    placeNameView();
}

// Over the left edge of the header and the cells, exactly as wide as the
// first column and as tall as the header and the rows shown.
void StringGrid::placeNameView()
{
    const QRect cells = viewport()->geometry();
    const int headerHeight = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
    nameView_->horizontalHeader()->setFixedHeight(headerHeight);
    nameView_->setGeometry(cells.x(), cells.y() - headerHeight, std::min(columnWidth(0), cells.width()),
                           cells.height() + headerHeight);
    nameView_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

// The wheel over the names scrolls the grid, sideways too.
bool StringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == nameView_->viewport() && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void StringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    placeNameView();
}

void StringGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeNameView();
}

// A point over the fixed column is a name cell, whatever has scrolled under it.
QModelIndex StringGrid::indexAt(const QPoint& point) const
{
    if (point.x() >= 0 && point.x() < columnWidth(0)) {
        const int row = rowAt(point.y());
        return row < 0 ? QModelIndex() : model_->index(row, 0);
    }
    return QTableView::indexAt(point);
}

QRect StringGrid::visualRect(const QModelIndex& index) const
{
    if (index.isValid() && index.column() == 0)
        return QRect(0, rowViewportPosition(index.row()), columnWidth(0), rowHeight(index.row()));
    return QTableView::visualRect(index);
}

// Going to a name keeps the columns where they are; going to a value that
// lies under the fixed column brings it out beside it.
void StringGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0) {
        horizontalScrollBar()->setValue(across);
        return;
    }
    const int hiddenBy = columnWidth(0) - columnViewportPosition(index.column());
    if (hiddenBy > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hiddenBy);
}

QList<QStringList> StringGrid::allTexts() const
{
    QList<QStringList> rows;
    for (int row = 0; row < rowsWithHeader(); ++row) {
        QStringList cellsOfRow;
        for (int column = 0; column < columnCount(); ++column)
            cellsOfRow << text(row, column);
        rows << cellsOfRow;
    }
    return rows;
}

QList<QStringList> StringGrid::selectedTexts() const
{
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    if (chosen.isEmpty())
        return {};
    int top = chosen.first().row(), bottom = top;
    int left = chosen.first().column(), right = left;
    for (const QModelIndex& index : chosen) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QList<QStringList> rows(bottom - top + 1, QStringList(right - left + 1));
    // The model's rows are the grid's rows after the header.
    for (const QModelIndex& index : chosen)
        rows[index.row() - top][index.column() - left] = text(index.row() + 1, index.column());
    return rows;
}
