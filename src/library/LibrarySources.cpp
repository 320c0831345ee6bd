#include "library/LibrarySources.h"

#include "common/BoundedRead.h"
#include "library/LibraryError.h"
#include "records/RecordReader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <zip.h>

#include <algorithm>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("LibrarySources", text);
}

[[noreturn]] void refuse(const QString& name, const QString& what)
{
    throw LibraryError(translated(QT_TRANSLATE_NOOP("LibrarySources", "\"%1\": %2")).arg(name, what));
}

bool isZipName(const QString& name)
{
    return name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

// Not records: hidden files and PEER's velocity and displacement histories.
bool isLeftOut(const QString& name)
{
    return name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1String(".VT2"), Qt::CaseInsensitive)
           || name.endsWith(QLatin1String(".DT2"), Qt::CaseInsensitive);
}

QString zipMessage(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

ZipHandle openZip(const QString& path, QString& error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive)
        error = translated(QT_TRANSLATE_NOOP("LibrarySources", "is not a zip archive this program reads: %1"))
                    .arg(zipMessage(code));
    return ZipHandle(archive);
}

void listArchive(const QString& root, const QString& relative, const QFileInfo& info, std::vector<SourceFile>& out)
{
    QString error;
    const ZipHandle archive = openZip(info.absoluteFilePath(), error);
    if (!archive) {
        SourceFile broken{root, relative, info.absoluteFilePath(), QString(), info.size(),
                          info.lastModified().toMSecsSinceEpoch(), 0, error};
        out.push_back(broken);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !stat.name)
            continue;
        const QString member = QString::fromUtf8(stat.name);
        const QString name = member.mid(member.lastIndexOf(QLatin1Char('/')) + 1);
        if (member.endsWith(QLatin1Char('/')) || name.isEmpty() || isLeftOut(name))
            continue;
        SourceFile file;
        file.root = root;
        file.path = relative + QLatin1Char('/') + member;
        file.diskPath = info.absoluteFilePath();
        file.member = member;
        file.size = (stat.valid & ZIP_STAT_SIZE) ? static_cast<std::int64_t>(stat.size) : 0;
        file.modified = (stat.valid & ZIP_STAT_MTIME) ? static_cast<std::int64_t>(stat.mtime) * 1000 : 0;
        file.crc = (stat.valid & ZIP_STAT_CRC) ? stat.crc : 0;
        out.push_back(file);
    }
}

void addFile(const QString& root, const QFileInfo& info, std::vector<SourceFile>& out)
{
    const QString relative = QDir(root).relativeFilePath(info.absoluteFilePath());
    if (isZipName(info.fileName())) {
        listArchive(root, relative, info, out);
        return;
    }
    out.push_back(SourceFile{root, relative, info.absoluteFilePath(), QString(), info.size(),
                             info.lastModified().toMSecsSinceEpoch(), 0, QString()});
}

} // namespace

LibraryLocation libraryLocation(const QString& folderOrZip)
{
    const QFileInfo info(folderOrZip);
    if (info.isDir())
        return {QDir::cleanPath(info.absoluteFilePath()), QString()};
    if (info.isFile() && isZipName(info.fileName()))
        return {QDir::cleanPath(info.absolutePath()), info.fileName() + QLatin1Char('/')};
    if (!info.exists())
        refuse(folderOrZip, translated(QT_TRANSLATE_NOOP("LibrarySources", "no such folder or zip archive")));
    refuse(folderOrZip, translated(QT_TRANSLATE_NOOP("LibrarySources", "is neither a folder nor a zip archive")));
}

std::vector<SourceFile> listSourceFiles(const LibraryLocation& location, const QStringList& ignored)
{
    std::vector<SourceFile> files;
    if (!location.prefix.isEmpty()) {
        addFile(location.root, QFileInfo(location.root + QLatin1Char('/') + location.prefix.chopped(1)), files);
    } else {
        const QSet<QString> skip(ignored.begin(), ignored.end());
        QDirIterator it(location.root, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            if (isLeftOut(info.fileName()) || skip.contains(info.absoluteFilePath()))
                continue;
            addFile(location.root, info, files);
        }
    }
    std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
    return files;
}

struct SourceReader::Archive {
    QString path;
    ZipHandle handle;
};

SourceReader::SourceReader() = default;
SourceReader::~SourceReader() = default;

QByteArray SourceReader::read(const SourceFile& file)
{
    if (!file.archiveError.isEmpty())
        refuse(file.path, file.archiveError);
    if (!file.isMember()) {
        try {
            return readBoundedFile(file.diskPath, static_cast<qint64>(maxRecordFileBytes));
        } catch (const FileReadError& error) {
            refuse(file.path, error.reason());
        }
    }
    if (!archive_ || archive_->path != file.diskPath) {
        QString error;
        ZipHandle handle = openZip(file.diskPath, error);
        if (!handle)
            refuse(file.path, error);
        archive_ = std::make_unique<Archive>(Archive{file.diskPath, std::move(handle)});
    }
    const QByteArray memberName = file.member.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive_->handle.get(), memberName.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        refuse(file.path, QString::fromUtf8(zip_strerror(archive_->handle.get())));
    if (stat.size > maxRecordFileBytes)
        refuse(file.path, translated(QT_TRANSLATE_NOOP("LibrarySources", "is larger than %1 MiB, too large for a record"))
                              .arg(maxRecordFileBytes / (1024 * 1024)));
    zip_file_t* member = zip_fopen(archive_->handle.get(), memberName.constData(), 0);
    if (!member)
        refuse(file.path, QString::fromUtf8(zip_strerror(archive_->handle.get())));
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(member, bytes.data(), static_cast<zip_uint64_t>(bytes.size()));
    const QString reason = got < 0 ? QString::fromUtf8(zip_error_strerror(zip_file_get_error(member))) : QString();
    zip_fclose(member);
    if (got < 0)
        refuse(file.path, reason);
    if (static_cast<zip_uint64_t>(got) != stat.size)
        refuse(file.path, translated(QT_TRANSLATE_NOOP("LibrarySources", "the archive holds fewer bytes than it says")));
    return bytes;
}
