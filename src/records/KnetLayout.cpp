#include "records/RecordLayouts.h"

#include <cmath>
#include <cstddef>
#include <string_view>

// K-NET / KiK-net: 17 header lines of a label and a value, then integer counts.

namespace record_text {

constexpr int knetHeaderLines = 17;
constexpr std::size_t knetLabelWidth = 18;

bool looksLikeKnet(std::string_view text)
{
    return startsWith(text, "Origin Time");
}

namespace {

std::string_view knetValue(std::string_view line)
{
    return line.size() > knetLabelWidth ? trimmed(line.substr(knetLabelWidth)) : std::string_view();
}

} // namespace

Values readKnet(std::string_view text, const RecordReadOptions&, bool, const Refusal& refuse)
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

    // The step's range as frequencies, so that the refusal names what the
    // file says.
    if (!(1.0 / frequency >= shortestRecordStep && 1.0 / frequency <= longestRecordStep))
        refuse.line(frequencyNumber, translated(QT_TRANSLATE_NOOP("RecordReader",
                "the sampling frequency %1 lies outside the frequencies of ground-motion records, %2 Hz to %3 Hz"))
                                         .arg(quoted(knetValue(frequencyLine)),
                                              fixedNumber(std::round(1.0 / longestRecordStep)),
                                              fixedNumber(std::round(1.0 / shortestRecordStep))));

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
    if (!std::isfinite(factor))
        refuse.line(scaleNumber, translated(QT_TRANSLATE_NOOP("RecordReader",
                "the scale factor %1 is beyond the largest number this program holds")).arg(quoted(scaleText)));
    double sum = 0;
    for (double& value : result.values) {
        value *= factor;
        sum += value;
    }
    const double count = static_cast<double>(result.values.size());
    double mean = result.values.empty() ? 0.0 : sum / count;
    if (!std::isfinite(sum)) {
        // Values near the largest number: their shares cannot overflow.
        mean = 0;
        for (const double value : result.values)
            mean += value / count;
    }
    for (double& value : result.values)
        value -= mean;
    return result;
}

} // namespace record_text
