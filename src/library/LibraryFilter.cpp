#include "library/LibraryFilter.h"

#include <QStringList>

bool FigureRange::admits(const std::optional<double>& value, bool unknownPasses) const
{
    if (!limits())
        return true;
    if (!value)
        return unknownPasses;
    return (!minimum || *value >= *minimum) && (!maximum || *value <= *maximum);
}

bool LibraryFilter::passes(const CatalogueComponent& c) const
{
    if (!magnitude.admits(c.metadata.magnitude, includeUnknown) || !rjbKm.admits(c.metadata.rjbKm, includeUnknown)
        || !vs30.admits(c.metadata.vs30, includeUnknown))
        return false;
    for (const QString& w : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!c.path.contains(w, Qt::CaseInsensitive) && !c.recording.contains(w, Qt::CaseInsensitive)
            && !c.metadata.event.contains(w, Qt::CaseInsensitive) && !c.metadata.station.contains(w, Qt::CaseInsensitive))
            return false;
    }
    return true;
}
