#include "library/LibraryCatalogue.h"

#include "library/LibraryIndex.h"
#include "library/RecordGrouping.h"
#include "records/RecordReader.h"

#include <QSet>

namespace {

void addLocation(const LibraryIndex& index, const LibraryLocation& location, Catalogue& catalogue)
{
    const std::vector<StoredFile> stored = index.storedFiles({location});
    std::vector<ComponentFile> files;
    std::vector<const StoredFile*> records;
    std::vector<SearchResultsSource> tables;
    for (const StoredFile& file : stored) {
        switch (file.kind) {
        case EntryKind::Record:
            files.push_back(ComponentFile{file.path, file.layout, file.facts});
            records.push_back(&file);
            break;
        case EntryKind::Table:
            tables.push_back(SearchResultsSource{file.path, index.tableRows(file.id)});
            break;
        case EntryKind::Refused:
            catalogue.refused.emplace_back(file.path, file.error);
            break;
        }
    }
    const std::vector<ComponentPlace> places = groupComponents(files, tables);
    QSet<QString> recordings;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const StoredFile& file = *records[i];
        const ComponentPlace& place = places[i];
        CatalogueComponent c;
        static_cast<StoredFile&>(c) = file;
        c.recording = place.recording;
        c.component = place.component;
        c.metadata = place.row ? place.row->metadata : file.facts.metadata;
        // Recordings of the same name in different folders are different.
        const qsizetype slash = file.path.lastIndexOf(QLatin1Char('/'));
        recordings.insert(file.path.left(slash < 0 ? 0 : slash) + QLatin1Char('|') + place.recording);
        catalogue.components.push_back(std::move(c));
    }
    catalogue.recordings += static_cast<int>(recordings.size());
}

} // namespace

Catalogue readCatalogue(const LibraryIndex& index, const std::vector<LibraryLocation>& locations)
{
    Catalogue catalogue;
    for (const LibraryLocation& location : locations)
        addLocation(index, location, catalogue);
    return catalogue;
}

SourceFile sourceOf(const CatalogueComponent& component)
{
    SourceFile file;
    file.root = component.root;
    file.path = component.path;
    const qsizetype archiveEnd = component.path.indexOf(QLatin1String(".zip/"), 0, Qt::CaseInsensitive);
    if (archiveEnd < 0) {
        file.diskPath = component.root + QLatin1Char('/') + component.path;
        return file;
    }
    file.diskPath = component.root + QLatin1Char('/') + component.path.left(archiveEnd + 4);
    file.member = component.path.mid(archiveEnd + 5);
    return file;
}

std::vector<double> componentSpectrum(LibraryIndex& index, const CatalogueComponent& component, double damping)
{
    std::vector<double> values = index.spectrum(component.id, damping);
    if (!values.empty())
        return values;
    SourceReader reader;
    const GroundMotionRecord record = parseRecord(reader.read(sourceOf(component)), component.path);
    values = librarySpectrum(record, damping);
    index.storeSpectrum(component.id, damping, values);
    return values;
}
