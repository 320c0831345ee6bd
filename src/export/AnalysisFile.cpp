#include "export/AnalysisFile.h"

#include "common/KavrelError.h"
#include "export/SafeFileWriter.h"
#include "spectrum/KavrelSpectrum.h"
#include "text/NarrowText.h"
#include "text/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace {

// Two periods closer than this are one period.
constexpr double samePeriod = 1e-9;
constexpr double lastPeriod = 6.0;

// How many steps from START stay at or below STOP, allowing for the rounding
// of (STOP - START) / STEP: 0 ... 6 every 0.01 s gives 601.
double gridCount(const PeriodRange& range)
{
    return std::floor((range.stop - range.start) / range.step + samePeriod) + 1;
}

std::vector<double> gridPeriods(const PeriodRange& range)
{
    const int count = static_cast<int>(gridCount(range));
    const int decimals = std::max(shortestDecimals(range.start), shortestDecimals(range.step));
    std::vector<double> periods;
    periods.reserve(static_cast<std::size_t>(count) + 3);
    for (int i = 0; i < count; ++i) {
        const double period = roundedToDecimals(range.start + i * range.step, decimals);
        periods.push_back(std::min(period, range.stop));
    }
    return periods;
}

// The periods at which the curve changes its formula; 5 Tg only where a
// straight branch follows the curve. 5 Tg is rounded to Tg's own decimals so
// that Tg 0.35 gives 1.75, not 1.7499999999999998.
std::vector<double> cornerPeriods(const KavrelSpectrum& spectrum)
{
    std::vector<double> corners = {0.1, spectrum.tg};
    if (spectrum.designCode() && hasStraightDescent(*spectrum.designCode())) {
        const double fiveTg = 5 * spectrum.tg;
        if (fiveTg <= lastPeriod)
            corners.push_back(roundedToDecimals(fiveTg, shortestDecimals(spectrum.tg)));
    }
    std::sort(corners.begin(), corners.end());
    return corners;
}

bool nearGrid(const std::vector<double>& grid, double period)
{
    const auto above = std::lower_bound(grid.begin(), grid.end(), period);
    if (above != grid.end() && *above - period <= samePeriod)
        return true;
    return above != grid.begin() && period - *(above - 1) <= samePeriod;
}

std::vector<double> writtenPeriods(const KavrelSpectrum& spectrum, const PeriodRange& range)
{
    std::vector<double> grid = gridPeriods(range);
    std::vector<double> extra;
    for (const double corner : cornerPeriods(spectrum)) {
        // Written so that a NaN Tg is left out as well.
        if (!(corner >= range.start && corner <= range.stop) || nearGrid(grid, corner))
            continue;
        if (!extra.empty() && corner - extra.back() <= samePeriod)
            continue;
        extra.push_back(corner);
    }
    std::vector<double> periods;
    periods.reserve(grid.size() + extra.size());
    std::merge(grid.begin(), grid.end(), extra.begin(), extra.end(), std::back_inserter(periods));
    return periods;
}

std::string lineText(const std::string& name)
{
    return oneLineText(name);
}

class FileText {
public:
    FileText(const KavrelSpectrum& spectrum, const AnalysisFileOptions& options)
        : spectrum_(spectrum), options_(options), points_(analysisPoints(spectrum, options.periods))
    {
        // About 16 bytes a point in every format.
        out_.reserve(points_.size() * 48 + 512);
    }

    std::string build()
    {
        switch (options_.format) {
        case AnalysisFormat::Table:
            pairs("period_s\talpha_g", "\t", "\n");
            break;
        case AnalysisFormat::Csv:
            pairs("period_s,alpha_g", ",", "\n");
            break;
        case AnalysisFormat::Csi:
            csi();
            break;
        case AnalysisFormat::Midas:
            midas();
            break;
        case AnalysisFormat::Staad:
            staad();
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
        for (const SpectrumPoint& p : points_) {
            appendShortestFixed(out_, p.period);
            out_ += separator;
            appendShortest(out_, p.alpha);
            out_ += end;
        }
    }

    void pairs(const char* header, const char* separator, const char* end)
    {
        line(header, end);
        pairLines(separator, end);
    }

    // SAP2000 and ETABS skip lines that start with "$" and stop reading at
    // the first blank line, so there is none before the end.
    void csi()
    {
        const char* end = "\r\n";
        line("$ Response spectrum: " + lineText(spectrum_.responseName), end);
        line("$ Design code: " + spectrum_.codeName(), end);
        line("$ AlphaMax: " + shortestText(spectrum_.alphaMax), end);
        line("$ Tg: " + shortestText(spectrum_.tg) + " s", end);
        line("$ Damping ratio: " + shortestText(spectrum_.dampingRatio), end);
        line("$ Period (s) vs. value (g)", end);
        pairLines(" ", end);
    }

    // MIDAS reads a title up to the end of its line; a comma in it would start
    // another field, so it becomes a blank.
    void midas()
    {
        const char* end = "\r\n";
        std::string title = lineText(spectrum_.responseName);
        std::replace(title.begin(), title.end(), ',', ' ');
        line("*SGSw", end);
        line("*TITLE, " + title, end);
        line("*TITLE, " + spectrum_.codeName() + " AlphaMax " + shortestText(spectrum_.alphaMax) + " Tg "
                 + shortestText(spectrum_.tg) + " s Damping ratio " + shortestText(spectrum_.dampingRatio),
             end);
        line("*X-AXIS, Period (sec)", end);
        line("*Y-AXIS, Spectral Data", end);
        line("*UNIT&TYPE, GRAV, ACCEL", end);
        line("*FLAGS, 0, 0", end);
        line("*DATA", end);
        pairLines(", ", end);
        line("*ENDDATA", end);
    }

    // One damping curve whose N points come as pairs (a negative count);
    // STAAD takes no comment line here.
    void staad()
    {
        const char* end = "\r\n";
        line("1 -" + std::to_string(points_.size()), end);
        line(shortestText(spectrum_.dampingRatio), end);
        pairLines(" ", end);
    }

    // A Tcl comment that ends in a backslash would swallow the next line, so
    // the name is quoted and no comment line ends with it.
    void openSees()
    {
        const char* end = "\n";
        line("# Response spectrum: \"" + lineText(spectrum_.responseName) + "\"", end);
        line("# Design code: " + spectrum_.codeName() + ", AlphaMax " + shortestText(spectrum_.alphaMax) + ", Tg "
                 + shortestText(spectrum_.tg) + " s, damping ratio " + shortestText(spectrum_.dampingRatio),
             end);
        line("# -time: period (s), -values: alpha (g)", end);
        out_ += "timeSeries Path " + std::to_string(options_.tag) + " -time {";
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (i > 0)
                out_ += ' ';
            appendShortestFixed(out_, points_[i].period);
        }
        out_ += "} -values {";
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (i > 0)
                out_ += ' ';
            appendShortest(out_, points_[i].alpha);
        }
        out_ += "}";
        out_ += end;
    }

    const KavrelSpectrum& spectrum_;
    const AnalysisFileOptions& options_;
    const std::vector<SpectrumPoint> points_;
    std::string out_;
};

struct FormatInfo {
    AnalysisFormat format;
    const char* name;
    const char* suffix;
    const char* filter;  // the save dialog's file type, its source text
    int dialogPlace;     // the dialog offers the programs' formats first
};

// Every format once, in the command line's order. The programs' names are
// names: only the other words of a file type are translated.
const FormatInfo formatTable[] = {
    {AnalysisFormat::Table, "table", "txt", QT_TRANSLATE_NOOP("AnalysisFile", "Table (*.txt)"), 5},
    {AnalysisFormat::Csv, "csv", "csv", QT_TRANSLATE_NOOP("AnalysisFile", "CSV (*.csv)"), 4},
    {AnalysisFormat::Csi, "csi", "txt", "CSI SAP2000/ETABS (*.txt)", 0},
    {AnalysisFormat::Midas, "midas", "sgs", "MIDAS Gen/Civil (*.sgs)", 1},
    {AnalysisFormat::Staad, "staad", "txt", "STAAD.Pro (*.txt)", 2},
    {AnalysisFormat::OpenSees, "opensees", "tcl", "OpenSees Tcl (*.tcl)", 3},
};

const FormatInfo& infoOf(AnalysisFormat format)
{
    for (const FormatInfo& info : formatTable) {
        if (info.format == format)
            return info;
    }
    return formatTable[0];
}

} // namespace

const std::vector<AnalysisFormat>& analysisFormats()
{
    static const std::vector<AnalysisFormat> all = [] {
        std::vector<AnalysisFormat> formats;
        for (const FormatInfo& info : formatTable)
            formats.push_back(info.format);
        return formats;
    }();
    return all;
}

const std::vector<AnalysisFormat>& analysisFormatsForDialog()
{
    static const std::vector<AnalysisFormat> all = [] {
        std::vector<AnalysisFormat> formats(std::size(formatTable));
        for (const FormatInfo& info : formatTable)
            formats[static_cast<std::size_t>(info.dialogPlace)] = info.format;
        return formats;
    }();
    return all;
}

const char* analysisFormatName(AnalysisFormat format)
{
    return infoOf(format).name;
}

const char* analysisFormatSuffix(AnalysisFormat format)
{
    return infoOf(format).suffix;
}

QString analysisFormatFilter(AnalysisFormat format)
{
    return QCoreApplication::translate("AnalysisFile", infoOf(format).filter);
}

QStringList analysisFormatFilters()
{
    QStringList filters;
    for (const AnalysisFormat format : analysisFormatsForDialog())
        filters << analysisFormatFilter(format);
    return filters;
}

AnalysisFormat analysisFormatAtFilter(int index)
{
    const std::vector<AnalysisFormat>& formats = analysisFormatsForDialog();
    return index >= 0 && static_cast<std::size_t>(index) < formats.size() ? formats[static_cast<std::size_t>(index)]
                                                                           : formats.front();
}

bool analysisFormatFromName(const QString& name, AnalysisFormat& format)
{
    for (const FormatInfo& info : formatTable) {
        if (name == QLatin1String(info.name)) {
            format = info.format;
            return true;
        }
    }
    return false;
}

QString periodRangeProblem(const PeriodRange& range)
{
    // In the installed language; the command line installs none.
    const auto problem = [](const char* text) { return QCoreApplication::translate("AnalysisFile", text); };
    // Written so that a NaN fails the test as well.
    if (!(range.start >= 0.0 && range.stop <= lastPeriod && range.start <= lastPeriod && range.stop >= 0.0))
        return problem(QT_TRANSLATE_NOOP("AnalysisFile", "the periods must lie within 0 and 6 s"));
    if (!(range.step > 0.0))
        return problem(QT_TRANSLATE_NOOP("AnalysisFile", "STEP must be greater than 0"));
    if (range.stop < range.start)
        return problem(QT_TRANSLATE_NOOP("AnalysisFile", "STOP must not be less than START"));
    if (gridCount(range) > maxPeriodCount)
        return problem(QT_TRANSLATE_NOOP("AnalysisFile", "more than %1 periods"))
            .arg(static_cast<qint64>(maxPeriodCount));
    return QString();
}

std::vector<SpectrumPoint> analysisPoints(const KavrelSpectrum& spectrum, const PeriodRange& range)
{
    const QString problem = periodRangeProblem(range);
    if (!problem.isEmpty())
        throw KavrelError(problem);
    const std::vector<double> periods = writtenPeriods(spectrum, range);
    std::vector<SpectrumPoint> points;
    points.reserve(periods.size());
    for (const double period : periods) {
        // Every period lies within 0 ... 6.0 s, which alphaAt always takes.
        double alpha = 0.0;
        if (spectrum.alphaAt(period, alpha) != 0)
            break;
        points.push_back({period, alpha});
    }
    return points;
}

QByteArray buildAnalysisFile(const KavrelSpectrum& spectrum, const AnalysisFileOptions& options)
{
    const std::string text = FileText(spectrum, options).build();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

void writeAnalysisFile(QIODevice* device, const KavrelSpectrum& spectrum, const AnalysisFileOptions& options)
{
    writeAllBytes(device, buildAnalysisFile(spectrum, options));
}

void saveAnalysisFile(const QString& path, const KavrelSpectrum& spectrum, const AnalysisFileOptions& options)
{
    writeFileAtomically(path, buildAnalysisFile(spectrum, options));
}
