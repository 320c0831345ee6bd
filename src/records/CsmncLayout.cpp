#include "records/RecordLayouts.h"

#include <string>
#include <string_view>

// CSMNC: the network's header, a blank line, then the values.

namespace record_text {

// CSMNC headers run to about 15 lines; a file whose count line comes later is
// not one.
constexpr int csmncHeaderSearch = 40;

namespace {

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

} // namespace

bool looksLikeCsmnc(std::string_view text)
{
    return csmncCountLine(text) != 0;
}

Values readCsmnc(std::string_view text, const RecordReadOptions&, bool, const Refusal& refuse)
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

} // namespace record_text
