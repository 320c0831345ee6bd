#pragma once

#include "library/LibraryCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The library as a table, one line a component: the columns kspect --list
// writes and the library window shows.
//   file recording component points step_s pga_g pgv_cm_s pgd_cm
//   effective_duration_s d5_95_s arias_m_s magnitude rjb_km vs30_m_s event station
// Numbers in the general form (up to 15 significant digits, "."), unknown
// fields empty.

enum class ListingFormat { Table, Csv };

const QStringList& listingColumns();

// The fields of one component, in the order of listingColumns().
QStringList listingFields(const CatalogueComponent& component);

// The header and one line a component: tabs between fields (a tab or line
// break inside a field becomes a blank), or commas (a field holding a comma,
// a quote or a line break in quotes, its quotes doubled); lines end "\n".
QByteArray buildListing(const Catalogue& catalogue, ListingFormat format);
