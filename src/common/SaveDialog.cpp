#include "common/SaveDialog.h"

#include "common/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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

bool SaveDialog::ask()
{
    SaveFileRequest request;
    request.title = title;
    request.filter = filter;
    request.filters = filters;
    request.defaultSuffix = defaultSuffix;
    request.initialDir = folder;
    request.fileName = fileName;
    request.confirmOverwrite = confirmOverwrite;
    const auto chosen = userDialogs().askSaveFile(request);
    if (!chosen || chosen->fileName.isEmpty())
        return false;
    fileName = chosen->fileName;
    if (!chosen->filter.isEmpty())
        filter = chosen->filter;
    // Next time the dialog starts where the user saved last.
    folder = withSeparator(QFileInfo(fileName).absolutePath());
    return true;
}

void SaveDialog::offerFilters(const QStringList& types)
{
    const qsizetype kept = filters.indexOf(filter);
    filters = types;
    filter = types.value(kept < 0 ? 0 : kept);
}

int SaveDialog::chosenFilterIndex() const
{
    return static_cast<int>(std::max<qsizetype>(filters.indexOf(filter), 0));
}

QString filterSuffix(const QString& filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype pattern = filter.indexOf(QLatin1String("*."), open + 1);
    if (open < 0 || pattern < 0)
        return QString();
    qsizetype end = pattern + 2;
    while (end < filter.size() && filter[end] != QLatin1Char(' ') && filter[end] != QLatin1Char(')')
           && filter[end] != QLatin1Char('*'))
        ++end;
    return filter.mid(pattern + 2, end - pattern - 2);
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
