#pragma once

#include "ui/GridRow.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

// Cell texts of a grid whose row 0 is a fixed header row and whose column 0 is
// a fixed column, addressed as (row, column) with the header as row 0. Row 0 is
// shown as the view's header; the other rows as the table's rows, so the
// model's own rowCount() is one less than rowsWithHeader().
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(QObject* parent = nullptr);

    int rowsWithHeader() const { return static_cast<int>(rows_.size()); }
    // At least one row (the header) always remains.
    void setRowsWithHeader(int rows);
    void setColumnCount(int columns);

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    // Replaces a whole row in one change (missing cells are empty).
    void setRow(int row, const QStringList& cells);
    // Replaces every data row (rows 1..n) in one change.
    void setDataRows(std::vector<QStringList> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<GridRow> rows_;
    int columns_ = 0;
};

// The data grid: one fixed header row, one fixed first column. The other
// columns scroll sideways under the first, which a second view of the same
// model and selection keeps in place over the left edge, as a spreadsheet's
// frozen pane does. This view still holds every cell: it alone is what item
// searches and the accessibility interface see, and it reports the first
// column's cells where they are shown.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    QModelIndex indexAt(const QPoint& point) const override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    StringGridModel* textModel() const { return model_; }

    // Rows counted with the header row, unlike the model's rowCount().
    int rowsWithHeader() const { return model_->rowsWithHeader(); }
    void setRowsWithHeader(int rows) { model_->setRowsWithHeader(rows); }
    int columnCount() const { return model_->columnCount(); }
    void setColumnCount(int columns) { model_->setColumnCount(columns); }
    // Row 0 is the header row.
    QString text(int row, int column) const { return model_->text(row, column); }
    void setText(int row, int column, const QString& text) { model_->setText(row, column, text); }

    // Every row's cell texts as shown, the header row first.
    QList<QStringList> allTexts() const;
    // The smallest block of rows and columns holding every selected cell,
    // its unselected cells empty; nothing when no cell is selected.
    QList<QStringList> selectedTexts() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void hideScrollingColumnsOfNameView();
    void placeNameView();

    StringGridModel* model_;
    QTableView* nameView_;
};
