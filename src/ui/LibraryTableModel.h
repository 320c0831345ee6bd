#pragma once

#include "library/LibraryCatalogue.h"
#include "library/LibraryFilter.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// The library window's table: one row a component of the catalogue that the
// filter passes, the columns of kspect --list under translated headers, the
// fields as the listing writes them (unknown ones empty). Sorted through a
// proxy by sortRole: numbers as numbers, unknown below every number.
class LibraryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int sortRole = Qt::UserRole + 1;
    // Columns of listingColumns() that the filter's ranges apply to.
    static constexpr int magnitudeColumn = 11;
    static constexpr int rjbColumn = 12;
    static constexpr int vs30Column = 13;

    explicit LibraryTableModel(QObject* parent = nullptr);

    void setComponents(std::vector<CatalogueComponent> components);
    void setFilter(const LibraryFilter& filter);
    // The component of a row of this model.
    const CatalogueComponent& component(int row) const;
    // The catalogue's components, whether the filter passes them or not.
    int componentCount() const { return static_cast<int>(all_.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The headers in the window's language.
    static QStringList columnTitles();
    void retranslate();

private:
    void refilter();

    std::vector<CatalogueComponent> all_;
    std::vector<QStringList> fields_;  // listingFields of all_
    std::vector<int> shown_;           // indices into all_
    LibraryFilter filter_;
};
