#include "ui/GridRow.h"

#include <algorithm>

GridRow::GridRow(const QStringList& cells, int limit)
{
    const int count = std::clamp(static_cast<int>(cells.size()), 0, std::max(limit, 0));
    qsizetype length = 0;
    for (int c = 0; c < count; ++c)
        length += cells[c].size();
    text_.reserve(length);
    ends_.reserve(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
        text_ += cells[c];
        ends_.push_back(static_cast<int>(text_.size()));
    }
}

QString GridRow::at(int col) const
{
    if (col < 0 || col >= size())
        return QString();
    return text_.mid(start(col), ends_[static_cast<std::size_t>(col)] - start(col));
}

void GridRow::set(int col, const QString& text)
{
    if (col < 0)
        return;
    if (col >= size())
        ends_.resize(static_cast<std::size_t>(col) + 1, static_cast<int>(text_.size()));
    const int begin = start(col);
    const int end = ends_[static_cast<std::size_t>(col)];
    text_.replace(begin, end - begin, text);
    const int shift = static_cast<int>(text.size()) - (end - begin);
    for (std::size_t c = static_cast<std::size_t>(col); c < ends_.size(); ++c)
        ends_[c] += shift;
}

void GridRow::truncate(int cols)
{
    if (cols < 0 || cols >= size())
        return;
    text_.truncate(start(cols));
    ends_.resize(static_cast<std::size_t>(cols));
}
