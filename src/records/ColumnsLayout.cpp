#include "records/RecordLayouts.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <vector>

// Plain columns: values at a given step, or two columns "time value".

namespace record_text {

// Two-column times are equal steps when they differ by less than this share
// of the first step (the rounding of times written with few digits).
constexpr double stepTolerance = 1e-6;

namespace {

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

} // namespace

bool looksLikeColumns(std::string_view)
{
    return true;
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
            if (fields.size() == 1)
                refuse.line(lines.number(),
                            translated(QT_TRANSLATE_NOOP("RecordReader", "one number, not the two columns \"time "
                                                                         "value\" (a file of values needs its step)")));
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

} // namespace record_text
