#include "ui/SetDocument.h"

#include "common/CommandMessages.h"
#include "common/UserDialogs.h"
#include "export/SetFile.h"
#include "spectrum/SpectrumSet.h"
#include "text/NarrowText.h"
#include "ui/KavrelApplication.h"

#include <QFileInfo>
#include <new>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

namespace {

const QString recentSetsKey = QStringLiteral("recentSets");

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kavrel_Spect"),
                     QStringLiteral("Kavrel_Spect"));
}

bool isSetFile(const QString& path)
{
    return path.endsWith(QLatin1Char('.') + QLatin1String(setFileSuffix), Qt::CaseInsensitive);
}

} // namespace

SetDocument::SetDocument(SpectrumSet& set, const QString& initialDir, QObject* parent) : QObject(parent), set_(set)
{
    setSaveDialog_.folder = initialDir;
    showDialogTexts();
    setSaveDialog_.defaultSuffix = setFileSuffix;
    setSaveDialog_.confirmOverwrite = true;
}

// The dialogs' texts in the installed language, set again before each use.
void SetDocument::showDialogTexts()
{
    setSaveDialog_.title = tr("Save Set");
    setSaveDialog_.filter = tr("Kavrel_Spect sets (*.%1)").arg(QLatin1String(setFileSuffix));
}

void SetDocument::attachRecentMenu(QMenu* menu)
{
    recentMenu_ = menu;
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    fillRecentMenu();
}

QString SetDocument::droppedSetFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && isSetFile(url.toLocalFile()))
            return url.toLocalFile();
    }
    return {};
}

bool SetDocument::hasUnsavedChanges() const
{
    // An empty window that was never saved holds nothing to lose.
    if (setPath_.isEmpty() && set_.empty())
        return false;
    return set_.revision() != savedRevision_ || (giveCheck_ && !sameCheckInputs(giveCheck_(), savedCheck_));
}

// True when the shown set may be replaced: no unsaved changes, or the user
// saved or discarded them.
bool SetDocument::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    const QString what = setPath_.isEmpty()
        ? tr("The spectra have not been saved as a set.")
        : tr("The set %1 has changed since it was saved.").arg(quoted(QFileInfo(setPath_).fileName()));
    switch (userDialogs().askSaveChanges(what + tr(" Save the changes?"))) {
    case UserDialogs::SaveChoice::Save:
        return saveSet();
    case UserDialogs::SaveChoice::Discard:
        return true;
    case UserDialogs::SaveChoice::Cancel:
        break;
    }
    return false;
}

void SetDocument::markSaved(const QString& path, const SetCheckInputs& check)
{
    savedCheck_ = check;
    setPath_ = QFileInfo(path).absoluteFilePath();
    savedRevision_ = set_.revision();
    setSaveDialog_.folder = QFileInfo(setPath_).absolutePath() + u'/';
    rememberRecentSet(setPath_);
}

void SetDocument::openSet()
{
    OpenFileRequest request;
    showDialogTexts();
    request.title = tr("Open Set");
    request.filter = setSaveDialog_.filter;
    request.initialDir = setSaveDialog_.folder;
    const std::optional<QString> chosen = userDialogs().askOpenFileName(request);
    if (chosen && !chosen->isEmpty())
        openSetFile(*chosen);
}

void SetDocument::keepBeside(std::function<SetCheckInputs()> give, std::function<void(const SetCheckInputs&)> take)
{
    giveCheck_ = std::move(give);
    takeCheck_ = std::move(take);
}

bool SetDocument::openSetFile(const QString& path)
{
    SetContents contents;
    SetCheckInputs check;
    try {
        contents = readSetFile(path, ReadSource::RegularFileOnly, &check);
    } catch (const SetFileError& error) {
        userDialogs().warning(error.message());
        return false;
    }
    if (!settleUnsavedChanges())
        return false;
    try {
        replaceSetContents(set_, contents);
    } catch (const std::bad_alloc&) {
        // As after a failed Create: the set keeps what it could take, and
        // counts as changed, since it is not the file. Other failures reach
        // the general error handler with their own words.
        userDialogs().warning(messages::shown(messages::outOfMemory));
        return false;
    }
    if (takeCheck_)
        takeCheck_(check);
    markSaved(path, check);
    return true;
}

bool SetDocument::saveSet()
{
    if (set_.empty()) {
        userDialogs().information(messages::shown(messages::noSpectrum));
        return false;
    }
    showDialogTexts();
    setSaveDialog_.fileName = setPath_.isEmpty() ? QStringLiteral("Spectra") : QFileInfo(setPath_).fileName();
    if (!setSaveDialog_.ask())
        return false;
    const SetCheckInputs check = giveCheck_ ? giveCheck_() : SetCheckInputs();
    saveSetFile(setSaveDialog_.fileName, setContentsOf(set_), check);
    markSaved(setSaveDialog_.fileName, check);
    return true;
}


void SetDocument::openArguments(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        openSetFile(arguments.first());
}




QStringList SetDocument::recentSets()
{
    return settings().value(recentSetsKey).toStringList().mid(0, maxRecentSets);
}

void SetDocument::rememberRecentSet(const QString& path)
{
    QStringList recent = recentSets();
    recent.removeAll(path);
    recent.prepend(path);
    settings().setValue(recentSetsKey, recent.mid(0, maxRecentSets));
    // Not refilled here: this may run from one of the menu's own items.
    if (recentMenu_)
        recentMenu_->setEnabled(true);
}

void SetDocument::fillRecentMenu()
{
    recentMenu_->clear();
    const QStringList recent = recentSets();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("RecentSet%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, guarded([this, path] {
                    // A set that is gone leaves the list once the user has seen why.
                    if (!openSetFile(path) && !QFileInfo::exists(path)) {
                        QStringList left = recentSets();
                        left.removeAll(path);
                        settings().setValue(recentSetsKey, left);
                        recentMenu_->setEnabled(!left.isEmpty());
                    }
                }));
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}
