#pragma once

#include "common/SaveDialog.h"
#include "records/SetContents.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QMenu;
class QMimeData;
class SpectrumSet;

// The shown set as a document: the file it was last saved to or opened
// from, whether it has changed since, the save and open questions, and the
// recently used set files (kept in the settings).
class SetDocument : public QObject {
    Q_OBJECT
public:
    SetDocument(SpectrumSet& set, const QString& initialDir, QObject* parent = nullptr);

    // What the set file keeps beside the set's items, the check window's
    // inputs: asked for when saving, handed over once a file is open.
    void keepBeside(std::function<SetCheckInputs()> give, std::function<void(const SetCheckInputs&)> take);

    // Fills `menu` with the recent sets each time it opens.
    void attachRecentMenu(QMenu* menu);

    void openSet();
    // Asks for a name (proposing the last one) and saves; false when the
    // user cancelled or there was nothing to save.
    bool saveSet();
    // Opens a set file in place of the shown set: the file is read and
    // checked whole first (a refusal is one message naming the file, and
    // nothing changes), then the user is asked about unsaved changes.
    // Returns whether the set was replaced.
    bool openSetFile(const QString& path);
    // The program's arguments after its name: the first one is a set file.
    void openArguments(const QStringList& arguments);
    // Changes to the set since it was last saved or opened.
    bool hasUnsavedChanges() const;
    // True when the shown set may go: nothing unsaved, or the user saved or
    // discarded it.
    bool settleUnsavedChanges();
    // The set file last saved or opened; empty before either.
    const QString& setPath() const { return setPath_; }

    // The first local set file among dropped ones; empty when none.
    static QString droppedSetFile(const QMimeData* data);
    // Most recent first, at most maxRecentSets, as kept in the settings.
    static QStringList recentSets();
    static constexpr int maxRecentSets = 8;

private:
    void showDialogTexts();
    void markSaved(const QString& path, const SetCheckInputs& check);
    void rememberRecentSet(const QString& path);
    void fillRecentMenu();

    SpectrumSet& set_;
    SaveDialog setSaveDialog_;
    QString setPath_;
    std::uint64_t savedRevision_ = 0;
    QMenu* recentMenu_ = nullptr;
    std::function<SetCheckInputs()> giveCheck_;
    std::function<void(const SetCheckInputs&)> takeCheck_;
    SetCheckInputs savedCheck_;
};
