#include "ui/LibraryTableModel.h"

#include "export/CheckSheet.h"
#include "library/LibraryListing.h"

#include <limits>

namespace {

// The columns of listingColumns() that hold text; the others hold numbers.
constexpr int fileColumn = 0;
constexpr int recordingColumn = 1;
constexpr int componentColumn = 2;
constexpr int eventColumn = 14;
constexpr int stationColumn = 15;
constexpr int shownDigits = 6;

bool isTextColumn(int column)
{
    return column == fileColumn || column == recordingColumn || column == componentColumn || column == eventColumn
        || column == stationColumn;
}

} // namespace

LibraryTableModel::LibraryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

QStringList LibraryTableModel::columnTitles()
{
    // In the order of listingColumns().
    return {tr("File"),         tr("Recording"),      tr("Component"),         tr("Points"),
            tr("Step (s)"),     tr("PGA (g)"),        tr("PGV (cm/s)"),        tr("PGD (cm)"),
            effectiveDurationHeading(), tr("D5-95 (s)"), tr("Arias intensity (m/s)"), tr("Magnitude"),
            tr("Rjb (km)"),     tr("Vs30 (m/s)"),     tr("Event"),             tr("Station")};
}

void LibraryTableModel::setComponents(std::vector<CatalogueComponent> components)
{
    beginResetModel();
    all_ = std::move(components);
    fields_.clear();
    for (const CatalogueComponent& c : all_)
        fields_.push_back(listingFields(c));
    refilter();
    endResetModel();
}

void LibraryTableModel::setFilter(const LibraryFilter& filter)
{
    beginResetModel();
    filter_ = filter;
    refilter();
    endResetModel();
}

void LibraryTableModel::refilter()
{
    shown_.clear();
    for (std::size_t i = 0; i < all_.size(); ++i) {
        if (filter_.passes(all_[i]))
            shown_.push_back(static_cast<int>(i));
    }
}

const CatalogueComponent& LibraryTableModel::component(int row) const
{
    return all_.at(static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(row))));
}

int LibraryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int LibraryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(listingColumns().size());
}

QVariant LibraryTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QString& field =
        fields_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])].at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        // Six significant digits read at a glance; the tip has every digit.
        if (isTextColumn(index.column()) || field.isEmpty())
            return field;
        return QString::number(field.toDouble(), 'g', shownDigits);
    case Qt::ToolTipRole:
        return field;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(isTextColumn(index.column()) ? Qt::AlignLeft | Qt::AlignVCenter
                                                                : Qt::AlignRight | Qt::AlignVCenter);
    case sortRole:
        if (isTextColumn(index.column()))
            return field;
        // Unknown below every number, so that an ascending sort puts it first.
        return field.isEmpty() ? -std::numeric_limits<double>::infinity() : field.toDouble();
    default:
        return {};
    }
}

QVariant LibraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const QStringList titles = columnTitles();
    return section >= 0 && section < titles.size() ? QVariant(titles.at(section)) : QVariant();
}

void LibraryTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}
