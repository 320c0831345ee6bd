#include "records/RecordLayouts.h"

#include <string>
#include <string_view>
#include <vector>

// PEER NGA (.AT2): four header lines, then the values.

namespace record_text {

constexpr int peerHeaderLines = 4;

namespace {

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

} // namespace

bool looksLikePeer(std::string_view text)
{
    LineCursor lines(text);
    std::string_view line;
    // The database's first line: a file cut short is still told as one.
    if (lines.next(line) && startsWith(upper(line), "PEER NGA"))
        return true;
    lines = LineCursor(text);
    for (int i = 0; i < peerHeaderLines; ++i) {
        if (!lines.next(line))
            return false;
    }
    PeerCountLine ignored;
    return readPeerCountLine(line, ignored);
}

Values readPeer(std::string_view text, const RecordReadOptions&, bool, const Refusal& refuse)
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

} // namespace record_text
