#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// The files of a record library: a folder searched with its sub-folders, or
// one zip archive; the members of every zip archive found are read in place,
// nothing is unpacked.

struct SourceFile {
    QString root;      // the library folder (a zip given alone: the zip's folder), absolute
    QString path;      // relative to root, "/" between parts; a member "a.zip/member"
    QString diskPath;  // the file, or the archive that holds the member
    QString member;    // the member's name in the archive; empty for a plain file
    std::int64_t size = 0;
    std::int64_t modified = 0;  // milliseconds since 1970
    std::uint32_t crc = 0;      // a member's CRC-32 (0 for a plain file)
    // An archive that cannot be opened: listed as a file with this reason.
    QString archiveError;

    bool isMember() const { return !member.isEmpty(); }
    // A name for messages: the path from the library folder.
    const QString& displayName() const { return path; }
};

// Where a library is: its folder (root) and, for a zip given alone, the
// archive's path below the folder, so that only its files belong to it.
struct LibraryLocation {
    QString root;
    QString prefix;  // "" for a whole folder, "a.zip/" for one archive
};

// A folder or a zip archive given by the user. Throws LibraryError when it
// is neither.
LibraryLocation libraryLocation(const QString& folderOrZip);

// Every file of the library, sorted by path, leaving out hidden files,
// PEER's velocity and displacement histories (.VT2, .DT2) and the files in
// `ignored` (absolute paths: the index itself and its companions).
std::vector<SourceFile> listSourceFiles(const LibraryLocation& location, const QStringList& ignored = {});

// Reads the bytes of source files; keeps archives open between members. One
// reader per thread.
class SourceReader {
public:
    SourceReader();
    ~SourceReader();
    SourceReader(const SourceReader&) = delete;
    SourceReader& operator=(const SourceReader&) = delete;

    // Throws LibraryError ("\"a.zip/x.AT2\": ...") when they cannot be read.
    QByteArray read(const SourceFile& file);

private:
    struct Archive;
    std::unique_ptr<Archive> archive_;
};
