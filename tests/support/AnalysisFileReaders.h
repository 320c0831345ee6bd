#pragma once

// Readers of the analysis programs' spectrum files, each written from that
// program's documentation of its import format (not from the writer), so
// that a file these accept is a file the program accepts:
//   SAP2000/ETABS "from file": skip lines whose first character is "$", read
//     "period value" per line, stop at a blank line or the end of the file.
//   MIDAS Gen/Civil .sgs: *SGSw, *TITLE, *X-AXIS, *Y-AXIS, *UNIT&TYPE,
//     *FLAGS, *DATA, "period, value" lines, *ENDDATA.
//   MIDAS Gen/Civil time history function .thd: "**" comment lines anywhere;
//     optional *UNIT, LENGTH, LOAD (MM, CM, M, INCH, FEET or GRAV; KG, TON,
//     KN, LBF or KIP) and *TYPE, ACCEL|FORCE|MOMENT; required *DATA, then
//     "time, value" lines.
//   STAAD.Pro spectrum data FILE: MDAMPCV NPOINTCV, the damping values, then
//     per damping the points (as pairs when NPOINTCV is negative); values
//     separated by blanks or commas over any lines, no comment lines, no
//     semicolons, no line ending in a hyphen.
//   OpenSees Tcl: comment lines start with "#" (a backslash at the end of a
//     comment line continues the comment), then
//     timeSeries Path tag -time {list} -values {list} <-factor f>.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cmath>
#include <utility>
#include <vector>

struct ReadFile {
    std::vector<std::pair<double, double>> points;
    QStringList comments;  // CSI "$" lines, OpenSees "#" lines
    QStringList titles;    // MIDAS *TITLE texts
    double damping = std::nan("");
    long long tag = -1;
    QString error;  // empty when the file reads as documented
};

namespace analysis_readers {

inline bool number(const QByteArray& text, double& value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && !text.trimmed().isEmpty();
}

// Lines without their line end (LF or CR LF); a final line end does not start
// another line.
inline QList<QByteArray> lines(const QByteArray& bytes)
{
    QList<QByteArray> result = bytes.split('\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    for (QByteArray& line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return result;
}

inline QList<QByteArray> blankSeparated(const QByteArray& text)
{
    return text.simplified().split(' ');
}

} // namespace analysis_readers

inline ReadFile readCsiFile(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    const QList<QByteArray> all = lines(bytes);
    int i = 0;
    for (; i < all.size(); ++i) {
        const QByteArray& line = all[i];
        if (line.startsWith('$')) {
            file.comments << QString::fromUtf8(line.mid(1).trimmed());
            continue;
        }
        if (line.trimmed().isEmpty())
            break;
        const QList<QByteArray> fields = blankSeparated(line);
        double period = 0;
        double value = 0;
        if (fields.size() != 2 || !number(fields[0], period) || !number(fields[1], value)) {
            file.error = "not a period and a value: " + QString::fromUtf8(line);
            return file;
        }
        file.points.emplace_back(period, value);
    }
    if (i < all.size())
        file.error = QString("reading stopped at the blank line %1 of %2").arg(i + 1).arg(all.size());
    return file;
}

inline ReadFile readMidasFile(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    const QList<QByteArray> all = lines(bytes);
    if (all.isEmpty() || all[0] != "*SGSw") {
        file.error = "the first line is not *SGSw";
        return file;
    }
    bool inData = false;
    bool ended = false;
    bool units = false;
    for (int i = 1; i < all.size(); ++i) {
        const QByteArray line = all[i].trimmed();
        if (ended) {
            file.error = "a line after *ENDDATA";
            return file;
        }
        if (inData) {
            if (line == "*ENDDATA") {
                ended = true;
                continue;
            }
            const QList<QByteArray> fields = line.split(',');
            double period = 0;
            double value = 0;
            if (fields.size() != 2 || !number(fields[0], period) || !number(fields[1], value)) {
                file.error = "not \"period, value\": " + QString::fromUtf8(line);
                return file;
            }
            file.points.emplace_back(period, value);
            continue;
        }
        const qsizetype comma = line.indexOf(',');
        const QByteArray key = (comma < 0 ? line : line.left(comma)).trimmed();
        const QByteArray rest = comma < 0 ? QByteArray() : line.mid(comma + 1).trimmed();
        if (key == "*TITLE") {
            file.titles << QString::fromUtf8(rest);
        } else if (key == "*UNIT&TYPE") {
            QList<QByteArray> fields = rest.split(',');
            for (QByteArray& f : fields)
                f = f.trimmed();
            // Values in g (GRAV) of an acceleration spectrum (ACCEL).
            units = fields == QList<QByteArray>{"GRAV", "ACCEL"};
        } else if (key == "*FLAGS" || key == "*X-AXIS" || key == "*Y-AXIS") {
        } else if (key == "*DATA") {
            inData = true;
        } else {
            file.error = "unknown line: " + QString::fromUtf8(line);
            return file;
        }
    }
    if (!ended)
        file.error = "no *ENDDATA";
    else if (!units)
        file.error = "the values are not GRAV, ACCEL";
    return file;
}

inline ReadFile readMidasHistory(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    const auto fieldsOf = [](const QByteArray& text) {
        QList<QByteArray> fields = text.split(',');
        for (QByteArray& f : fields)
            f = f.trimmed();
        return fields;
    };
    bool inData = false;
    QList<QByteArray> unit;
    QByteArray type;
    for (const QByteArray& raw : lines(bytes)) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("**")) {
            file.comments << QString::fromUtf8(line.mid(2).trimmed());
            continue;
        }
        const QList<QByteArray> fields = fieldsOf(line);
        if (inData) {
            double time = 0;
            double value = 0;
            if (fields.size() != 2 || !number(fields[0], time) || !number(fields[1], value)) {
                file.error = "not \"time, value\": " + QString::fromUtf8(line);
                return file;
            }
            file.points.emplace_back(time, value);
        } else if (fields[0] == "*UNIT" && fields.size() == 3
                   && QList<QByteArray>{"MM", "CM", "M", "INCH", "FEET", "GRAV"}.contains(fields[1])
                   && QList<QByteArray>{"KG", "TON", "KN", "LBF", "KIP"}.contains(fields[2])) {
            unit = fields;
        } else if (fields[0] == "*TYPE" && fields.size() == 2
                   && QList<QByteArray>{"ACCEL", "FORCE", "MOMENT"}.contains(fields[1])) {
            type = fields[1];
        } else if (line == "*DATA") {
            inData = true;
        } else {
            file.error = "not a line of a .thd file: " + QString::fromUtf8(line);
            return file;
        }
    }
    if (!inData)
        file.error = "no *DATA";
    // Values in g of a ground acceleration.
    else if (unit.value(1) != "GRAV" || type != "ACCEL")
        file.error = "not an acceleration in g";
    return file;
}

inline ReadFile readStaadFile(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    QList<QByteArray> tokens;
    for (const QByteArray& line : lines(bytes)) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('*') || trimmed.contains(';') || trimmed.endsWith('-')) {
            file.error = "a comment, semicolon or continuation: " + QString::fromUtf8(line);
            return file;
        }
        QByteArray blanks = trimmed;
        blanks.replace(',', ' ');
        if (!blanks.trimmed().isEmpty())
            tokens << blankSeparated(blanks);
    }
    qsizetype next = 0;
    auto take = [&](double& value) {
        if (next >= tokens.size())
            return false;
        return number(tokens[next++], value);
    };
    double curves = 0;
    double count = 0;
    if (!take(curves) || !take(count) || curves != 1 || count == 0) {
        file.error = "not one damping curve with points";
        return file;
    }
    if (!take(file.damping)) {
        file.error = "no damping value";
        return file;
    }
    const bool pairs = count < 0;
    const int n = static_cast<int>(std::fabs(count));
    std::vector<double> periods(n);
    std::vector<double> values(n);
    for (int i = 0; i < n; ++i) {
        bool ok = pairs ? take(periods[i]) && take(values[i]) : take(periods[i]);
        if (!ok) {
            file.error = QString("point %1 of %2 is missing").arg(i + 1).arg(n);
            return file;
        }
    }
    for (int i = 0; !pairs && i < n; ++i) {
        if (!take(values[i])) {
            file.error = QString("value %1 of %2 is missing").arg(i + 1).arg(n);
            return file;
        }
    }
    if (next != tokens.size()) {
        file.error = QString("%1 values more than the count says").arg(tokens.size() - next);
        return file;
    }
    for (int i = 0; i < n; ++i)
        file.points.emplace_back(periods[i], values[i]);
    return file;
}

inline ReadFile readOpenSeesFile(const QByteArray& bytes)
{
    using namespace analysis_readers;
    ReadFile file;
    const QList<QByteArray> all = lines(bytes);
    QByteArray command;
    bool inComment = false;
    for (const QByteArray& line : all) {
        if (inComment || line.trimmed().startsWith('#')) {
            if (!inComment)
                file.comments << QString::fromUtf8(line.trimmed().mid(1).trimmed());
            inComment = line.endsWith('\\');
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (!command.isEmpty()) {
            file.error = "more than one command";
            return file;
        }
        command = line;
    }
    // Tcl words: blank-separated, a word that starts with "{" runs to its
    // matching "}".
    QList<QByteArray> words;
    for (qsizetype i = 0; i < command.size();) {
        if (command[i] == ' ' || command[i] == '\t') {
            ++i;
            continue;
        }
        if (command[i] == '{') {
            int depth = 0;
            const qsizetype start = i;
            for (; i < command.size(); ++i) {
                depth += command[i] == '{' ? 1 : command[i] == '}' ? -1 : 0;
                if (depth == 0)
                    break;
            }
            if (depth != 0) {
                file.error = "an open brace";
                return file;
            }
            words << command.mid(start + 1, i - start - 1);
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < command.size() && command[i] != ' ' && command[i] != '\t')
            ++i;
        words << command.mid(start, i - start);
    }
    if (words.size() < 3 || words[0] != "timeSeries" || words[1] != "Path") {
        file.error = "not a timeSeries Path command";
        return file;
    }
    bool ok = false;
    file.tag = words[2].toLongLong(&ok);
    if (!ok) {
        file.error = "the tag is not an integer";
        return file;
    }
    QList<QByteArray> times;
    QList<QByteArray> values;
    for (qsizetype w = 3; w + 1 < words.size(); w += 2) {
        if (words[w] == "-time")
            times = blankSeparated(words[w + 1]);
        else if (words[w] == "-values")
            values = blankSeparated(words[w + 1]);
        else if (words[w] != "-factor") {
            file.error = "unknown option " + QString::fromUtf8(words[w]);
            return file;
        }
    }
    if (words.size() % 2 == 0 || times.size() != values.size() || times.isEmpty()) {
        file.error = "-time and -values do not pair up";
        return file;
    }
    for (qsizetype i = 0; i < times.size(); ++i) {
        double period = 0;
        double value = 0;
        if (!number(times[i], period) || !number(values[i], value)) {
            file.error = "not a number in the lists";
            return file;
        }
        file.points.emplace_back(period, value);
    }
    return file;
}

// Our own "csv" and "table": a header line, then "period<sep>value" lines.
inline ReadFile readDelimitedFile(const QByteArray& bytes, char separator, const QByteArray& header)
{
    using namespace analysis_readers;
    ReadFile file;
    const QList<QByteArray> all = lines(bytes);
    if (all.isEmpty() || all[0] != header) {
        file.error = "the header line is not " + QString::fromUtf8(header);
        return file;
    }
    for (int i = 1; i < all.size(); ++i) {
        const QList<QByteArray> fields = all[i].split(separator);
        double period = 0;
        double value = 0;
        if (fields.size() != 2 || !number(fields[0], period) || !number(fields[1], value)) {
            file.error = "not a period and a value: " + QString::fromUtf8(all[i]);
            return file;
        }
        file.points.emplace_back(period, value);
    }
    return file;
}
