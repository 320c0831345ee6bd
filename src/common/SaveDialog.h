#pragma once

#include <QString>
#include <QStringList>

// A save dialog's settings, kept between runs of the dialog like a form's
// dialog component; `ask` asks through the program's dialogs.
class SaveDialog {
public:
    QString title;
    QString filter;       // the file type chosen, kept for the next time
    QStringList filters;  // every file type offered; empty: `filter` alone
    QString defaultSuffix;  // added to a typed name without one
    QString folder;         // where the dialog starts, with a final separator
    QString fileName;
    bool confirmOverwrite = true;

    // Asks for a file name starting from `folder` and `fileName`. On OK,
    // `fileName` is the chosen path, `folder` its folder, `filter` the
    // file type picked, and true is returned; on cancel nothing changes.
    bool ask();

    // Offers `types`, the same file types in the same order as before (in
    // the language installed now), keeping the one chosen by its place in
    // the list: a kept text may be in the language of an earlier run. The
    // first when none was chosen.
    void offerFilters(const QStringList& types);
    // The place of the chosen file type among those offered; 0 when it is
    // not one of them.
    int chosenFilterIndex() const;
};

// The suffix of a file type's first pattern, without the dot: "sgs" for
// "MIDAS Gen/Civil (*.sgs)"; empty when it has none (*).
QString filterSuffix(const QString& filter);

// The folder the save dialogs start in: the program's own folder, as long as
// the user can write there (not for a program installed under /usr); else
// the user's documents folder. Both with a final separator.
QString initialSaveFolder(const QString& programFolder, const QString& documentsFolder);
