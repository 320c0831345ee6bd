#include "records/RecordReader.h"

#include "common/BoundedRead.h"
#include "records/RecordLayouts.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

using namespace record_text;

const LayoutReader& readerOf(RecordLayout layout)
{
    const std::vector<LayoutReader>& readers = layoutReaders();
    return *std::find_if(readers.begin(), readers.end(),
                         [layout](const LayoutReader& reader) { return reader.layout == layout; });
}

RecordLayout detectLayout(std::string_view text)
{
    for (const LayoutReader& reader : layoutReaders()) {
        if (reader.recognises(text))
            return reader.layout;
    }
    return RecordLayout::Columns;
}

// Through the program's one bounded reader: never a FIFO (the window must not
// wait in open()), never more than the limit in memory.
QByteArray readRecordBytes(const QString& path, qint64 limit, const Refusal& refuse)
{
    const auto tooLarge = [&] {
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "is larger than %1 MiB, too large for a record")).arg(limit / (1024 * 1024)));
    };
    // A regular file says its size: one too large is refused before a byte is read.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > limit)
        tooLarge();
    try {
        return readBoundedFile(path, limit, ReadSource::RegularFileOnly);
    } catch (const FileReadError& error) {
        if (error.fault() == FileReadError::Fault::TooLarge)
            tooLarge();
        refuse.file(error.reason());
    }
    return {};
}

// Every value as the program keeps it, in g, finite and within what any
// ground motion could be, so that nothing computed from it overflows.
void refuseOverflow(const std::vector<double>& values, const Refusal& refuse)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i]))
            refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                    "value %1 overflows the largest number this program holds")).arg(static_cast<qulonglong>(i + 1)));
        if (!(std::fabs(values[i]) <= largestRecordValueG))
            refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                    "value %1 is %2 g, beyond any ground motion (at most %3 g): the record overflows"))
                            .arg(static_cast<qulonglong>(i + 1))
                            .arg(number(values[i]), fixedNumber(largestRecordValueG)));
    }
}

} // namespace

GroundMotionRecord parseRecord(const QByteArray& bytes, const QString& fileName, const RecordReadOptions& options)
{
    const Refusal refuse(fileName);
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const bool detected = !options.layout.has_value();
    if (text.find('\0') != std::string_view::npos)
        refuse.file(notAKnownLayout());
    const RecordLayout layout = detected ? detectLayout(text) : *options.layout;
    Values read = readerOf(layout).read(text, options, detected, refuse);
    if (read.values.size() < 2)
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader", "holds fewer than 2 values")));
    checkStep(read.step, number(read.step), refuse);

    GroundMotionRecord record;
    record.sourceFileName = fileName.toStdString();
    record.name = recordNameFromFileName(record.sourceFileName);
    record.layout = layout;
    record.unitAsRead = read.unit;
    record.step = read.step;
    const double factor = gravityPerUnit(read.unit);
    if (factor != 1.0) {
        for (double& value : read.values)
            value *= factor;
    }
    refuseOverflow(read.values, refuse);
    record.accelerationG = std::move(read.values);
    return record;
}

GroundMotionRecord readRecordFile(const QString& path, const RecordReadOptions& options)
{
    const QFileInfo info(path);
    const QString name = info.fileName().isEmpty() ? path : info.fileName();
    const QByteArray bytes = readRecordBytes(path, static_cast<qint64>(maxRecordFileBytes), Refusal(name));
    return parseRecord(bytes, name, options);
}
