#pragma once

#include <QString>
#include <QStringList>

// A save dialog's settings, kept between runs of the dialog like a form's
// dialog component; `execute` asks through the program's dialogs.
class SaveDialog {
public:
    QString title;
    QString filter;
    QStringList filters;     // several file types; `filter` alone when empty
    QString selectedFilter;  // the type shown first; after OK, the one chosen
    QString defaultExt;
    QString initialDir;  // with a final separator
    QString fileName;
    bool confirmOverwrite = true;

    // Asks for a file name starting from `initialDir` and `fileName`. On OK,
    // `fileName` is the chosen path, `initialDir` its folder, and true is
    // returned; on cancel nothing changes.
    bool execute();
};

// The folder the save dialogs start in: the program's own folder, as long as
// the user can write there (not for a program installed under /usr); else
// the user's documents folder. Both with a final separator.
QString initialSaveFolder(const QString& programFolder, const QString& documentsFolder);
