#include "library/SearchResults.h"

#include "library/LibraryError.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

const QLatin1String tableTitle("Summary of Metadata of Selected Records");

// PEER writes -999 and below for a figure it does not know.
constexpr double unknownMark = -999;

// One field: unquoted as a CSV reader would, then blanks and any further
// layer of quotes removed, so that both dialects give the bare text.
QString cleanField(QString field)
{
    for (;;) {
        field = field.trimmed();
        if (field.size() < 2 || !field.startsWith(QLatin1Char('"')) || !field.endsWith(QLatin1Char('"')))
            return field;
        field = field.mid(1, field.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    }
}

// The fields of one line: commas outside quotes separate, quotes are doubled
// inside a quoted field.
QStringList splitLine(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += QLatin1String("\"\"");
                ++i;
                continue;
            }
            quoted = !quoted;
            field += c;
        } else if (c == QLatin1Char(',') && !quoted) {
            fields << cleanField(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields << cleanField(field);
    // The older dialect's padding.
    while (!fields.isEmpty() && fields.back().isEmpty())
        fields.removeLast();
    return fields;
}

std::optional<double> figure(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= unknownMark)
        return std::nullopt;
    return value;
}

QString fileNameField(const QString& text)
{
    return text.startsWith(QLatin1String("---")) ? QString() : text;
}

QString translated(const char* text)
{
    return QCoreApplication::translate("SearchResults", text);
}

class Columns {
public:
    explicit Columns(const QStringList& heading) : heading_(heading) {}

    QString text(const QStringList& row, const char* name) const
    {
        const qsizetype at = heading_.indexOf(QLatin1String(name));
        return at >= 0 && at < row.size() ? row[at] : QString();
    }
    bool has(const char* name) const { return heading_.contains(QLatin1String(name)); }

private:
    QStringList heading_;
};

} // namespace

bool isSearchResultsName(const QString& fileName)
{
    return fileName.compare(QLatin1String(searchResultsFileName), Qt::CaseInsensitive) == 0;
}

std::vector<SearchResultsRow> parseSearchResults(const QByteArray& bytes, const QString& fileName)
{
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    qsizetype at = 0;
    while (at < lines.size() && !lines[at].contains(tableTitle))
        ++at;
    const auto refuse = [&fileName](const QString& what) {
        throw LibraryError(translated(QT_TRANSLATE_NOOP("SearchResults", "\"%1\": %2")).arg(fileName, what));
    };
    if (at + 1 >= lines.size())
        refuse(translated(QT_TRANSLATE_NOOP("SearchResults", "has no \"%1\" table")).arg(tableTitle));
    const Columns columns(splitLine(lines[at + 1]));
    for (const char* needed : {"Record Sequence Number", "Horizontal-1 Acc. Filename"}) {
        if (!columns.has(needed))
            refuse(translated(QT_TRANSLATE_NOOP("SearchResults", "the table has no column \"%1\""))
                       .arg(QLatin1String(needed)));
    }
    std::vector<SearchResultsRow> rows;
    for (qsizetype i = at + 2; i < lines.size(); ++i) {
        const QStringList fields = splitLine(lines[i]);
        if (fields.isEmpty())
            break;
        SearchResultsRow row;
        bool ok = false;
        row.sequenceNumber = columns.text(fields, "Record Sequence Number").toInt(&ok);
        if (!ok || row.sequenceNumber <= 0)
            refuse(translated(QT_TRANSLATE_NOOP("SearchResults", "line %1: no record sequence number"))
                       .arg(i + 1));
        row.metadata.event = columns.text(fields, "Earthquake Name");
        if (const auto year = figure(columns.text(fields, "Year")))
            row.metadata.year = static_cast<int>(*year);
        row.metadata.station = columns.text(fields, "Station Name");
        row.metadata.magnitude = figure(columns.text(fields, "Magnitude"));
        row.metadata.mechanism = columns.text(fields, "Mechanism");
        row.metadata.rjbKm = figure(columns.text(fields, "Rjb (km)"));
        row.metadata.rrupKm = figure(columns.text(fields, "Rrup (km)"));
        row.metadata.vs30 = figure(columns.text(fields, "Vs30 (m/sec)"));
        row.metadata.lowestUsableFrequencyHz = figure(columns.text(fields, "Lowest Useable Frequency (Hz)"));
        row.d5_95 = figure(columns.text(fields, "5-95% Duration (sec)"));
        row.ariasMetresPerSecond = figure(columns.text(fields, "Arias Intensity (m/sec)"));
        row.horizontal1 = fileNameField(columns.text(fields, "Horizontal-1 Acc. Filename"));
        row.horizontal2 = fileNameField(columns.text(fields, "Horizontal-2 Acc. Filename"));
        row.vertical = fileNameField(columns.text(fields, "Vertical Acc. Filename"));
        rows.push_back(std::move(row));
    }
    return rows;
}
