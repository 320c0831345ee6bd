#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The texts of one grid row packed in one string: a large set's grid holds
// half a million cells, and one block per row instead of one per cell keeps
// clearing it (Delete All) from being a walk through the allocator.
class GridRow {
public:
    GridRow() = default;
    // The first `limit` of `cells`.
    GridRow(const QStringList& cells, int limit);

    int size() const { return static_cast<int>(ends_.size()); }
    // The text of column `col`; empty beyond the row.
    QString at(int col) const;
    // Sets the text of column `col`, widening the row with empty cells.
    void set(int col, const QString& text);
    // Drops the cells from column `cols` on.
    void truncate(int cols);

private:
    int start(int col) const { return col == 0 ? 0 : ends_[static_cast<std::size_t>(col) - 1]; }

    QString text_;
    std::vector<int> ends_;  // where each cell's text ends in text_
};
