#pragma once

#include "library/LibraryIndex.h"
#include "library/LibrarySources.h"
#include "library/RecordingMetadata.h"

#include <QString>

#include <utility>
#include <vector>

// The components of the libraries as an index holds them: each stored
// file's entry (measures without the spectrum: see componentSpectrum) with
// its recording and what is known of it, from the PEER table where one names
// it, else from the file's header (the place, too, is the header's). Unknown
// stays empty, never 0.
struct CatalogueComponent : StoredFile {
    QString recording;
    QString component;
    RecordingMetadata metadata;
};

struct Catalogue {
    std::vector<CatalogueComponent> components;  // by library, then path
    std::vector<std::pair<QString, QString>> refused;  // path and message
    int recordings = 0;
};

Catalogue readCatalogue(const LibraryIndex& index, const std::vector<LibraryLocation>& locations);

// The component's file where it lies (a member read from its archive).
SourceFile sourceOf(const CatalogueComponent& component);

// The component's spectrum at libraryPeriods() and `damping`: kept in the
// index, or computed from its file the first time and kept. Throws
// LibraryError or RecordReadError when the file cannot be read any more.
std::vector<double> componentSpectrum(LibraryIndex& index, const CatalogueComponent& component, double damping);
