#include "common/SaveDialog.h"

#include "common/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString withSeparator(const QString& folder)
{
    QString path = QDir::fromNativeSeparators(folder);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

bool SaveDialog::execute()
{
    SaveFileRequest request;
    request.title = title;
    request.filter = filter;
    request.filters = filters;
    request.selectedFilter = selectedFilter;
    request.defaultSuffix = defaultExt;
    request.initialDir = initialDir;
    request.fileName = fileName;
    request.confirmOverwrite = confirmOverwrite;
    const auto chosen = userDialogs().askSaveFileName(request);
    if (!chosen || chosen->isEmpty())
        return false;
    fileName = *chosen;
    selectedFilter = request.selectedFilter;
    // Next time the dialog starts where the user saved last.
    initialDir = withSeparator(QFileInfo(fileName).absolutePath());
    return true;
}

QString initialSaveFolder(const QString& programFolder, const QString& documentsFolder)
{
    const QFileInfo info(programFolder);
    // access() asks the system itself: it knows about root, ACLs and
    // read-only mounts, which the permission bits alone do not tell.
    if (info.isDir() && ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) == 0)
        return withSeparator(info.absoluteFilePath());
    return withSeparator(documentsFolder);
}
