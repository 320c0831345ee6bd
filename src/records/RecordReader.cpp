#include "records/RecordReader.h"

#include "common/BoundedRead.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>


namespace {

constexpr int peerHeaderLines = 4;
constexpr int knetHeaderLines = 17;
constexpr std::size_t knetLabelWidth = 18;
// CSMNC headers run to about 15 lines; a file whose count line comes later is
// not one.
constexpr int csmncHeaderSearch = 40;
// Two-column times are equal steps when they differ by less than this share
// of the first step (the rounding of times written with few digits).
constexpr double stepTolerance = 1e-6;

// A refusal's words in the installed language (kspect installs none: English).
QString translated(const char* text)
{
    return QCoreApplication::translate("RecordReader", text);
}

QString quoted(std::string_view text)
{
    // A token from a damaged file may be long or not text at all.
    constexpr std::size_t shown = 40;
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(text.size(), shown)));
    if (text.size() > shown)
        result += QStringLiteral("...");
    return QLatin1Char('"') + result + QLatin1Char('"');
}

QString number(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

// Every refusal names the file first, as the message box shows it.
class Refusal {
public:
    explicit Refusal(const QString& fileName) : fileName_(fileName) {}

    [[noreturn]] void file(const QString& what) const
    {
        throw RecordReadError(translated(QT_TRANSLATE_NOOP("RecordReader", "\"%1\": %2")).arg(fileName_, what));
    }
    [[noreturn]] void line(int number, const QString& what) const
    {
        file(translated(QT_TRANSLATE_NOOP("RecordReader", "line %1: %2")).arg(QString::number(number), what));
    }

private:
    QString fileName_;
};

// The file's lines one after the other, without their line ends (LF or CR LF),
// numbered from 1, never all in memory at once.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number_;
        return true;
    }

    int number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\v' || c == '\f';
}

// The fields of a line between blanks, tabs and commas.
std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isSeparator(line[i]))
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (isSeparator(text.front()) || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (isSeparator(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool isBlank(std::string_view line)
{
    return trimmed(line).empty();
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// A finite number, the whole field: "1.5", "-.0050", "+2E-3"; never nan, inf
// or a number beyond the doubles.
bool parseNumber(std::string_view field, double& value)
{
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty() || field.front() == '+')
        return false;
    const char* end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value, std::chars_format::general);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

QString notANumber(std::string_view field)
{
    return translated(QT_TRANSLATE_NOOP("RecordReader", "%1 is not a number")).arg(quoted(field));
}

QString notAKnownLayout()
{
    return translated(QT_TRANSLATE_NOOP("RecordReader", "is not a record in a layout this program reads "
                                                        "(PEER NGA, CSMNC, K-NET/KiK-net or plain columns)"));
}

class ValueList {
public:
    explicit ValueList(const Refusal& refuse) : refuse_(refuse) {}

    void add(double value)
    {
        if (values_.size() >= maxRecordValues)
            refuse_.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                    "holds more than %1 values")).arg(maxRecordValues));
        values_.push_back(value);
    }

    // Every field of the line as a value.
    void addLine(std::string_view line, int lineNumber)
    {
        for (const std::string_view field : fieldsOf(line)) {
            double value = 0;
            if (!parseNumber(field, value))
                refuse_.line(lineNumber, notANumber(field));
            add(value);
        }
    }

    // The rest of the file's lines, blank ones skipped.
    void addLines(LineCursor& lines)
    {
        std::string_view line;
        while (lines.next(line))
            addLine(line, lines.number());
    }

    std::vector<double>& values() { return values_; }

private:
    const Refusal& refuse_;
    std::vector<double> values_;
};

void checkStep(double step, const QString& text, const Refusal& refuse)
{
    if (!(step > 0) || !std::isfinite(step))
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "the step %1 is not a positive number of seconds")).arg(text));
}

void checkCount(std::size_t expected, std::size_t held, const Refusal& refuse)
{
    if (expected != held) {
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader", "the header gives %1 values, the file holds %2"))
                        .arg(static_cast<qulonglong>(expected))
                        .arg(static_cast<qulonglong>(held)));
    }
}

std::size_t parseCount(std::string_view text, int lineNumber, const Refusal& refuse)
{
    unsigned long long count = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, count);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        refuse.line(lineNumber, translated(QT_TRANSLATE_NOOP("RecordReader",
                "%1 is not a number of values")).arg(quoted(text)));
    if (count > maxRecordValues)
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader", "holds more than %1 values")).arg(maxRecordValues));
    return static_cast<std::size_t>(count);
}

double parseStep(std::string_view text, int lineNumber, const Refusal& refuse)
{
    double step = 0;
    if (!parseNumber(text, step))
        refuse.line(lineNumber, notANumber(text));
    checkStep(step, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), refuse);
    return step;
}

// The value after `key` and an "=" or ":" (blanks allowed around), up to the
// next blank or comma.
bool valueAfter(std::string_view line, std::string_view key, char mark, std::string_view& value)
{
    const std::string upperLine = upper(line);
    const std::size_t at = upperLine.find(key);
    if (at == std::string::npos)
        return false;
    std::size_t i = at + key.size();
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i >= line.size() || line[i] != mark)
        return false;
    ++i;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    const std::size_t start = i;
    while (i < line.size() && !isSeparator(line[i]))
        ++i;
    value = line.substr(start, i - start);
    return true;
}

// A unit as the agencies write it.
bool unitFromHeader(std::string_view word, AccelerationUnit& unit)
{
    const std::string name = upper(word);
    for (const char* g : {"G", "G'S"}) {
        if (name == g) {
            unit = AccelerationUnit::G;
            return true;
        }
    }
    for (const char* gal : {"GAL", "CM/S/S", "CM/SEC/SEC", "CM/S2", "CM/S^2", "CM/SEC2", "CM/SEC^2"}) {
        if (name == gal) {
            unit = AccelerationUnit::Gal;
            return true;
        }
    }
    for (const char* metres : {"M/S/S", "M/SEC/SEC", "M/S2", "M/S^2", "M/SEC2", "M/SEC^2"}) {
        if (name == metres) {
            unit = AccelerationUnit::MetresPerSecondSquared;
            return true;
        }
    }
    return false;
}

void refuseOtherHistories(std::string_view line, int lineNumber, const Refusal& refuse)
{
    const std::string text = upper(line);
    if (text.find("VELOCITY") != std::string::npos || text.find("DISPLACEMENT") != std::string::npos)
        refuse.line(lineNumber, translated(QT_TRANSLATE_NOOP("RecordReader",
                "the file holds velocities or displacements, not accelerations")));
}

struct Values {
    std::vector<double> values;
    double step = 0;
    AccelerationUnit unit = AccelerationUnit::G;
};

// --- PEER NGA -------------------------------------------------------------

struct PeerCountLine {
    std::string_view count;
    std::string_view step;
};

// "NPTS=  16396, DT=   0.005 SEC" and "  3930 0.00500 NPTS, DT".
bool readPeerCountLine(std::string_view line, PeerCountLine& found)
{
    if (valueAfter(line, "NPTS", '=', found.count) && valueAfter(line, "DT", '=', found.step))
        return true;
    const std::vector<std::string_view> fields = fieldsOf(line);
    if (fields.size() >= 3 && upper(fields[2]) == "NPTS") {
        found = {fields[0], fields[1]};
        return true;
    }
    return false;
}

bool looksLikePeer(std::string_view text)
{
    LineCursor lines(text);
    std::string_view line;
    for (int i = 0; i < peerHeaderLines; ++i) {
        if (!lines.next(line))
            return false;
    }
    PeerCountLine ignored;
    return readPeerCountLine(line, ignored);
}

Values readPeer(std::string_view text, const Refusal& refuse)
{
    LineCursor lines(text);
    std::string_view header[peerHeaderLines];
    for (std::string_view& line : header) {
        if (!lines.next(line))
            refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                    "ends within the four header lines of a PEER NGA record")));
    }
    PeerCountLine countLine;
    if (!readPeerCountLine(header[3], countLine))
        refuse.line(4, translated(QT_TRANSLATE_NOOP("RecordReader", "gives no NPTS and DT: not a PEER NGA record")));
    Values result;
    refuseOtherHistories(header[2], 3, refuse);
    const std::string unitLine = upper(header[2]);
    const std::size_t units = unitLine.find("UNITS OF");
    if (units != std::string::npos) {
        const std::vector<std::string_view> after = fieldsOf(header[2].substr(units + 8));
        if (after.empty() || !unitFromHeader(after.front(), result.unit))
            refuse.line(3, translated(QT_TRANSLATE_NOOP("RecordReader", "the unit is not one of g, cm/s/s, m/s/s")));
    }
    const std::size_t count = parseCount(countLine.count, 4, refuse);
    result.step = parseStep(countLine.step, 4, refuse);
    ValueList values(refuse);
    values.addLines(lines);
    checkCount(count, values.values().size(), refuse);
    result.values = std::move(values.values());
    return result;
}

// --- CSMNC ----------------------------------------------------------------

// The line number (from 1) of "NO. OF POINTS: ... INTERVALS OF: ...", or 0.
int csmncCountLine(std::string_view text)
{
    LineCursor lines(text);
    std::string_view line;
    while (lines.number() < csmncHeaderSearch && lines.next(line)) {
        const std::string upperLine = upper(line);
        if (upperLine.find("NO. OF POINTS") != std::string::npos && upperLine.find("INTERVALS OF") != std::string::npos)
            return lines.number();
    }
    return 0;
}

Values readCsmnc(std::string_view text, const Refusal& refuse)
{
    const int countLineNumber = csmncCountLine(text);
    if (countLineNumber == 0)
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "has no \"NO. OF POINTS ... INTERVALS OF\" line: not a CSMNC record")));
    Values result;
    bool unitFound = false;
    std::string_view count, step;
    LineCursor lines(text);
    std::string_view line;
    while (lines.next(line) && !(lines.number() > countLineNumber && isBlank(line))) {
        std::string_view unitWord;
        if (valueAfter(line, "UNIT", ':', unitWord)) {
            refuseOtherHistories(line, lines.number(), refuse);
            if (!unitFromHeader(unitWord, result.unit))
                refuse.line(lines.number(), translated(QT_TRANSLATE_NOOP("RecordReader",
                        "the unit %1 is not one of g, cm/sec/sec, m/sec/sec"))
                                                .arg(quoted(unitWord)));
            unitFound = true;
        }
        if (lines.number() == countLineNumber
            && (!valueAfter(line, "NO. OF POINTS", ':', count) || !valueAfter(line, "INTERVALS OF", ':', step)))
            refuse.line(lines.number(), translated(QT_TRANSLATE_NOOP("RecordReader",
                    "the count and the step are not numbers after \":\"")));
    }
    if (!isBlank(line))
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader", "no blank line ends the CSMNC header")));
    if (!unitFound)
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader", "the CSMNC header names no unit")));
    const std::size_t expected = parseCount(count, countLineNumber, refuse);
    result.step = parseStep(step, countLineNumber, refuse);
    ValueList values(refuse);
    values.addLines(lines);
    checkCount(expected, values.values().size(), refuse);
    result.values = std::move(values.values());
    return result;
}

// --- K-NET / KiK-net -------------------------------------------------------

bool looksLikeKnet(std::string_view text)
{
    return startsWith(text, "Origin Time");
}

std::string_view knetValue(std::string_view line)
{
    return line.size() > knetLabelWidth ? trimmed(line.substr(knetLabelWidth)) : std::string_view();
}

Values readKnet(std::string_view text, const Refusal& refuse)
{
    LineCursor lines(text);
    std::string_view frequencyLine, scaleLine;
    int frequencyNumber = 0, scaleNumber = 0;
    std::string_view line;
    for (int i = 0; i < knetHeaderLines; ++i) {
        if (!lines.next(line))
            refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                    "ends within the 17 header lines of a K-NET record")));
        if (startsWith(line, "Sampling Freq")) {
            frequencyLine = line;
            frequencyNumber = lines.number();
        } else if (startsWith(line, "Scale Factor")) {
            scaleLine = line;
            scaleNumber = lines.number();
        }
    }
    if (frequencyNumber == 0 || scaleNumber == 0)
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "has no \"Sampling Freq(Hz)\" or \"Scale Factor\" line: not a K-NET record")));

    std::string_view frequencyText = knetValue(frequencyLine);
    if (upper(frequencyText).size() >= 2 && upper(frequencyText.substr(frequencyText.size() - 2)) == "HZ")
        frequencyText.remove_suffix(2);
    double frequency = 0;
    if (!parseNumber(frequencyText, frequency) || !(frequency > 0))
        refuse.line(frequencyNumber, translated(QT_TRANSLATE_NOOP("RecordReader",
                "%1 is not a sampling frequency")).arg(quoted(knetValue(frequencyLine))));

    // "3920(gal)/6182761": gal per count.
    const std::string_view scaleText = knetValue(scaleLine);
    const std::size_t open = scaleText.find("(gal)/");
    double numerator = 0, denominator = 0;
    if (open == std::string_view::npos || !parseNumber(scaleText.substr(0, open), numerator)
        || !parseNumber(scaleText.substr(open + 6), denominator) || denominator == 0)
        refuse.line(scaleNumber, translated(QT_TRANSLATE_NOOP("RecordReader",
                "%1 is not a scale factor \"A(gal)/B\"")).arg(quoted(scaleText)));

    ValueList values(refuse);
    values.addLines(lines);
    Values result;
    result.unit = AccelerationUnit::Gal;
    result.step = 1.0 / frequency;
    result.values = std::move(values.values());
    const double factor = numerator / denominator;
    double sum = 0;
    for (double& value : result.values) {
        value *= factor;
        sum += value;
    }
    const double mean = result.values.empty() ? 0.0 : sum / static_cast<double>(result.values.size());
    for (double& value : result.values)
        value -= mean;
    return result;
}

// --- Plain columns ----------------------------------------------------------

bool isCommentLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    return !text.empty() && (text.front() == '#' || text.front() == '$');
}

// The step of equally spaced times: the mean over the whole record, as the
// shortest decimal within its rounding (times 10, 10.005, ... give 0.005, not
// the 0.0050000000000007816 of one difference).
double stepOfTimes(double first, double last, std::size_t count)
{
    const double mean = (last - first) / static_cast<double>(count - 1);
    for (int digits = 1; digits <= 15; ++digits) {
        char buffer[64];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, mean, std::chars_format::scientific, digits - 1);
        double candidate = mean;
        std::from_chars(buffer, written.ptr, candidate);
        if (std::fabs(candidate - mean) <= 1e-9 * std::fabs(mean))
            return candidate;
    }
    return mean;
}

Values readColumns(std::string_view text, const RecordReadOptions& options, bool detected, const Refusal& refuse)
{
    Values result;
    result.unit = options.unit;
    if (options.step)
        checkStep(*options.step, number(*options.step), refuse);
    LineCursor lines(text);
    ValueList values(refuse);
    std::vector<double> times;
    bool firstLine = true;
    std::string_view line;
    while (lines.next(line)) {
        if (isBlank(line) || isCommentLine(line))
            continue;
        const std::vector<std::string_view> fields = fieldsOf(line);
        double first = 0;
        if (!parseNumber(fields.front(), first)) {
            if (firstLine) {
                firstLine = false;
                continue;  // a heading such as "time_s,accel_g"
            }
            if (detected && values.values().empty())
                refuse.file(notAKnownLayout());
        }
        firstLine = false;
        if (options.step) {
            values.addLine(line, lines.number());
            continue;
        }
        if (fields.size() != 2) {
            double ignored = 0;
            for (const std::string_view field : fields) {
                if (!parseNumber(field, ignored))
                    refuse.line(lines.number(), notANumber(field));
            }
            refuse.line(lines.number(),
                        translated(QT_TRANSLATE_NOOP("RecordReader", "%1 numbers, not the two columns \"time value\" "
                                                                     "(a file of values needs its step)"))
                            .arg(fields.size()));
        }
        double time = 0, value = 0;
        if (!parseNumber(fields[0], time))
            refuse.line(lines.number(), notANumber(fields[0]));
        if (!parseNumber(fields[1], value))
            refuse.line(lines.number(), notANumber(fields[1]));
        const std::size_t n = times.size();
        if (n >= 2) {
            const double firstStep = times[1] - times[0];
            const double thisStep = time - times[n - 1];
            if (std::fabs(thisStep - firstStep) > stepTolerance * firstStep)
                refuse.line(lines.number(), translated(QT_TRANSLATE_NOOP("RecordReader",
                        "the time step %1 s differs from the first, %2 s"))
                                                .arg(number(thisStep), number(firstStep)));
        }
        times.push_back(time);
        values.add(value);
        if (n == 1)
            checkStep(time - times[0], number(time - times[0]), refuse);
    }
    if (options.step)
        result.step = *options.step;
    else if (times.size() >= 2)
        result.step = stepOfTimes(times.front(), times.back(), times.size());
    result.values = std::move(values.values());
    return result;
}

RecordLayout detectLayout(std::string_view text)
{
    if (looksLikeKnet(text))
        return RecordLayout::Knet;
    if (looksLikePeer(text))
        return RecordLayout::Peer;
    if (csmncCountLine(text) != 0)
        return RecordLayout::Csmnc;
    return RecordLayout::Columns;
}

// Through the program's one bounded reader: never a FIFO (the window must not
// wait in open()), never more than the limit in memory.
QByteArray readRecordBytes(const QString& path, qint64 limit, const Refusal& refuse)
{
    try {
        return readBoundedFile(path, limit, ReadSource::RegularFileOnly);
    } catch (const FileReadError& error) {
        if (error.fault() == FileReadError::Fault::TooLarge)
            refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                    "is larger than %1 MiB, too large for a record")).arg(limit / (1024 * 1024)));
        refuse.file(error.reason());
    }
    return {};
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
    Values read;
    switch (layout) {
    case RecordLayout::Peer:
        read = readPeer(text, refuse);
        break;
    case RecordLayout::Csmnc:
        read = readCsmnc(text, refuse);
        break;
    case RecordLayout::Knet:
        read = readKnet(text, refuse);
        break;
    case RecordLayout::Columns:
        read = readColumns(text, options, detected, refuse);
        break;
    }
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
