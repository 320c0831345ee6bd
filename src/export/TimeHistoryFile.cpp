#include "export/TimeHistoryFile.h"

#include "export/SafeFileWriter.h"
#include "records/GroundMotionRecord.h"
#include "records/RecordMeasures.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <cmath>
#include <string>

namespace {

// Times of sample i as i x step rounded to the step's own decimals, so that
// every time is the exact decimal the step's text promises (0.015, never
// 0.015000000000000001).
class SampleTimes {
public:
    explicit SampleTimes(double step) : step_(step), decimals_(shortestDecimals(step)) {}

    void append(std::string& out, std::size_t i) const
    {
        appendShortestFixed(out, roundedToDecimals(static_cast<double>(i) * step_, decimals_));
    }

private:
    double step_;
    int decimals_;
};

class HistoryText {
public:
    HistoryText(const GroundMotionRecord& record, const TimeHistoryFileOptions& options)
        : record_(record), options_(options), times_(record.step)
    {
        // About 24 bytes a sample in every format.
        out_.reserve(record.count() * 32 + 512);
    }

    std::string build()
    {
        switch (options_.format) {
        case AnalysisFormat::Table:
            pairs("time_s\taccel_g", "\t", "\n");
            break;
        case AnalysisFormat::Csv:
            pairs("time_s,accel_g", ",", "\n");
            break;
        case AnalysisFormat::Csi:
            csi();
            break;
        case AnalysisFormat::Midas:
            midas();
            break;
        case AnalysisFormat::Staad:
            pairLines(" ", "\r\n");
            break;
        case AnalysisFormat::OpenSees:
            openSees();
            break;
        }
        return std::move(out_);
    }

private:
    void line(const std::string& text, const char* end)
    {
        out_ += text;
        out_ += end;
    }

    void pairLines(const char* separator, const char* end)
    {
        for (std::size_t i = 0; i < record_.count(); ++i) {
            times_.append(out_, i);
            out_ += separator;
            appendShortest(out_, record_.accelerationG[i]);
            out_ += end;
        }
    }

    void pairs(const char* header, const char* separator, const char* end)
    {
        line(header, end);
        pairLines(separator, end);
    }

    std::string name() const { return oneLineText(record_.name); }
    std::string source() const { return oneLineText(record_.sourceFileName); }
    std::string step() const { return shortestText(record_.step); }
    std::string peak() const { return shortestText(peakAbsolute(record_.accelerationG)); }

    // SAP2000 and ETABS skip lines that start with "$" and stop at the first
    // blank line; the function is read as "Time and Function Values".
    void csi()
    {
        const char* end = "\r\n";
        line("$ Time history: " + name(), end);
        line("$ Source file: " + source(), end);
        line("$ Step: " + step() + " s, " + std::to_string(record_.count()) + " points", end);
        line("$ Unit: g", end);
        line("$ Peak: " + peak() + " g", end);
        line("$ Time (s) vs. acceleration (g)", end);
        pairLines(" ", end);
    }

    // The time history function file MIDAS Gen/Civil documents for Import
    // (.thd): "**" comment lines, the units (GRAV: values in g; the load unit
    // is required but unused for an acceleration) and the type, then the
    // "time, value" pairs after *DATA.
    void midas()
    {
        const char* end = "\r\n";
        line("** Time history: " + name(), end);
        line("** Source file: " + source() + ", step " + step() + " s, peak " + peak() + " g", end);
        line("*UNIT, GRAV, KN", end);
        line("*TYPE, ACCEL", end);
        line("*DATA", end);
        pairLines(", ", end);
    }

    // Names are quoted so that no comment line ends in a backslash, which
    // would make Tcl read the next line as part of the comment.
    void openSees()
    {
        const char* end = "\n";
        line("# Time history: \"" + name() + "\"", end);
        line("# Source file: \"" + source() + "\"", end);
        line("# Step " + step() + " s, " + std::to_string(record_.count()) + " points, peak " + peak() + " g", end);
        line("# -values: ground acceleration in g (-factor 9.80665 gives m/s^2)", end);
        out_ += "timeSeries Path " + std::to_string(options_.tag) + " -dt " + step() + " -values {";
        for (std::size_t i = 0; i < record_.count(); ++i) {
            if (i > 0)
                out_ += ' ';
            appendShortest(out_, record_.accelerationG[i]);
        }
        out_ += "}";
        out_ += end;
    }

    const GroundMotionRecord& record_;
    const TimeHistoryFileOptions& options_;
    const SampleTimes times_;
    std::string out_;
};

} // namespace

const char* timeHistoryFileSuffix(AnalysisFormat format)
{
    return format == AnalysisFormat::Midas ? "thd" : analysisFormatSuffix(format);
}

QByteArray buildTimeHistoryFile(const GroundMotionRecord& record, const TimeHistoryFileOptions& options)
{
    const std::string text = HistoryText(record, options).build();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

void saveTimeHistoryFile(const QString& path, const GroundMotionRecord& record, const TimeHistoryFileOptions& options)
{
    writeFileAtomically(path, buildTimeHistoryFile(record, options));
}
