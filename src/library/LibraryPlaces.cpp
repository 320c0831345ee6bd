#include "library/LibraryPlaces.h"

#include "library/LibraryIndex.h"

#include <QSettings>

namespace {

const QString foldersKey = QStringLiteral("library/folders");
const QString indexKey = QStringLiteral("library/index");

} // namespace

LibraryPlaces rememberedLibraryPlaces(const QSettings& settings)
{
    LibraryPlaces places;
    places.folders = settings.value(foldersKey).toStringList();
    places.folders.removeAll(QString());
    places.indexPath = settings.value(indexKey).toString();
    if (places.indexPath.isEmpty())
        places.indexPath = defaultIndexPath();
    return places;
}

void rememberLibraryPlaces(QSettings& settings, const LibraryPlaces& places)
{
    settings.setValue(foldersKey, places.folders);
    settings.setValue(indexKey, places.indexPath);
}
