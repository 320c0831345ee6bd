#pragma once

#include "export/SafeFileWriter.h"
#include "export/SetFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class KavrelSpectrum;

// One file per code spectrum of a set, for scripts (kspect --set); the
// records of a set are not spectrum files and are passed over.

// The content of one spectrum's file in some format, and the suffix of such
// files without the dot ("txt", "csv", ...).
struct SpectrumFileFormat {
    QString suffix;
    std::function<QByteArray(const KavrelSpectrum&)> build;
};

// The file names for the spectra of `contents`, in order: each spectrum's
// spectrumFileBase, then ".suffix". Names
// that then meet, ignoring case, are numbered: "A.txt", "a (2).txt".
QStringList spectrumFileNames(const SetContents& contents, const QString& suffix);

// Writes the file of every spectrum into `folder`, all or none (the safe
// writer's writeFilesTogether), and returns their paths. If any write fails,
// every file that existed keeps its old bytes, every new one is removed, and
// the KavrelError of the safe writer is passed on.
QStringList writeSetAsFiles(const SetContents& contents, const QString& folder, const SpectrumFileFormat& format,
                            StreamOpening opening = StreamOpening::Immediately);

// Reads and checks the set file at `setPath` whole, then writes its spectra
// as above. A damaged set throws SetFileError (naming the file and the fault)
// before anything is written; a write failure throws a plain KavrelError.
QStringList writeSetFileAsFiles(const QString& setPath, const QString& folder, const SpectrumFileFormat& format,
                                ReadSource source = ReadSource::RegularFileOnly,
                                StreamOpening opening = StreamOpening::Immediately);
