#include "records/RecordText.h"

#include "text/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace record_text {

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

QString fixedNumber(double value)
{
    std::string text;
    appendShortestFixed(text, value);
    return QString::fromStdString(text);
}

void Refusal::file(const QString& what) const
{
    throw RecordReadError(translated(QT_TRANSLATE_NOOP("RecordReader", "\"%1\": %2")).arg(fileName_, what));
}

void Refusal::line(int number, const QString& what) const
{
    file(translated(QT_TRANSLATE_NOOP("RecordReader", "line %1: %2")).arg(QString::number(number), what));
}

bool LineCursor::next(std::string_view& line)
{
    if (rest_.empty())
        return false;
    // LF, CR LF, or CR alone as the old Macintosh files have it.
    const std::size_t end = rest_.find_first_of("\r\n");
    line = rest_.substr(0, end);
    std::size_t next = end == std::string_view::npos ? rest_.size() : end + 1;
    if (end != std::string_view::npos && rest_[end] == '\r' && next < rest_.size() && rest_[next] == '\n')
        ++next;
    rest_ = rest_.substr(next);
    ++number_;
    return true;
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\v' || c == '\f';
}

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

void ValueList::add(double value)
{
    if (values_.size() >= maxRecordValues)
        refuse_.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "holds more than %1 values")).arg(maxRecordValues));
    values_.push_back(value);
}

void ValueList::addLine(std::string_view line, int lineNumber)
{
    for (const std::string_view field : fieldsOf(line)) {
        double value = 0;
        if (!parseNumber(field, value))
            refuse_.line(lineNumber, notANumber(field));
        add(value);
    }
}

void ValueList::addLines(LineCursor& lines)
{
    std::string_view line;
    while (lines.next(line))
        addLine(line, lines.number());
}

void checkStep(double step, const QString& text, const Refusal& refuse)
{
    if (!(step > 0) || !std::isfinite(step))
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "the step %1 is not a positive number of seconds")).arg(text));
    if (step < shortestRecordStep || step > longestRecordStep)
        refuse.file(translated(QT_TRANSLATE_NOOP("RecordReader",
                "the step %1 s lies outside the steps of ground-motion records, %2 s to %3 s"))
                        .arg(text, fixedNumber(shortestRecordStep), fixedNumber(longestRecordStep)));
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

} // namespace record_text
