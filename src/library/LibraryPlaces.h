#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The record library the window works on: its folders (or zip archives)
// and the index's file, kept between runs in the program's settings.
struct LibraryPlaces {
    QStringList folders;
    QString indexPath;

    bool operator==(const LibraryPlaces& other) const
    {
        return folders == other.folders && indexPath == other.indexPath;
    }
};

// What was kept; no folders and defaultIndexPath() when nothing was.
LibraryPlaces rememberedLibraryPlaces(const QSettings& settings);
void rememberLibraryPlaces(QSettings& settings, const LibraryPlaces& places);
