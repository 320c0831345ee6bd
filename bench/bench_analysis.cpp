// 10,000 spectra written as SAP2000/ETABS (csi) files through the program's
// writer, against a minimal writer of the same bytes: snprintf digits (the
// shortest of %.15g, %.16g, %.17g that reads back) and a plain POSIX safe
// write (temporary file, fsync, rename). Both sample the spectra the same
// way, so the difference is the text and file code. The files go to a
// memory file system when there is one, so that the disk's fsync does not
// drown the figures. Prints the ratio of the two; the goal is at most 2.
#include "BenchTimes.h"
#include "export/AnalysisFile.h"
#include "spectrum/CodeTables.h"
#include "spectrum/KavrelSpectrum.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int spectrumCount = 10000;

// Every code, intensity, action, site, group and a few damping ratios.
std::vector<std::unique_ptr<KavrelSpectrum>> makeSpectra()
{
    const double dampings[] = {0.05, 0.02, 0.035, 0.1};
    std::vector<std::unique_ptr<KavrelSpectrum>> spectra;
    spectra.reserve(spectrumCount);
    for (int i = 0; i < spectrumCount; ++i) {
        spectra.push_back(std::make_unique<KavrelSpectrum>(
            "S" + std::to_string(i), lookupAlphaMax(i % 6, (i / 6) % 4), lookupTg((i / 24) % 5, (i / 120) % 3),
            dampings[(i / 360) % 4], i % 3));
    }
    return spectra;
}

QString benchFolderBase()
{
    const QFileInfo memory("/dev/shm");
    if (memory.isDir() && memory.isWritable())
        return memory.absoluteFilePath() + "/kavrel-bench-XXXXXX";
    return QDir::tempPath() + "/kavrel-bench-XXXXXX";
}

// The shortest of %.15g, %.16g and %.17g that reads back as `value`.
void appendNumber(std::string& out, double value)
{
    char text[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    out += text;
}

std::string floorCsi(const KavrelSpectrum& s)
{
    std::string out;
    char line[160];
    std::snprintf(line, sizeof line, "$ Response spectrum: %s\r\n$ Design code: %s\r\n$ AlphaMax: ",
                  s.responseName.c_str(), s.codeName().c_str());
    out += line;
    appendNumber(out, s.alphaMax);
    out += "\r\n$ Tg: ";
    appendNumber(out, s.tg);
    out += " s\r\n$ Damping ratio: ";
    appendNumber(out, s.dampingRatio);
    out += "\r\n$ Period (s) vs. value (g)\r\n";
    for (const SpectrumPoint& p : analysisPoints(s, PeriodRange{})) {
        appendNumber(out, p.period);
        out += ' ';
        appendNumber(out, p.alpha);
        out += "\r\n";
    }
    return out;
}

bool floorWrite(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return written && synced && ::rename(temporary.c_str(), path.c_str()) == 0;
}

AnalysisFileOptions csiOptions()
{
    AnalysisFileOptions options;
    options.format = AnalysisFormat::Csi;
    return options;
}

void BM_AnalysisWriter(benchmark::State& state)
{
    const auto spectra = makeSpectra();
    QTemporaryDir folder(benchFolderBase());
    std::vector<QString> paths;
    for (int i = 0; i < spectrumCount; ++i)
        paths.push_back(folder.filePath(QString("S%1.txt").arg(i)));
    for (auto _ : state) {
        for (int i = 0; i < spectrumCount; ++i)
            saveAnalysisFile(paths[i], *spectra[i], csiOptions());
    }
    // The floor must have written exactly what the program writes.
    for (int i = 0; i < spectrumCount; ++i) {
        QFile file(paths[i]);
        if (!file.open(QIODevice::ReadOnly) || file.readAll().toStdString() != floorCsi(*spectra[i])) {
            state.SkipWithError("the floor writes other bytes");
            return;
        }
    }
}
BENCHMARK(BM_AnalysisWriter)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_SnprintfFloor(benchmark::State& state)
{
    const auto spectra = makeSpectra();
    QTemporaryDir folder(benchFolderBase());
    std::vector<std::string> paths;
    for (int i = 0; i < spectrumCount; ++i)
        paths.push_back(folder.filePath(QString("S%1.txt").arg(i)).toStdString());
    for (auto _ : state) {
        for (int i = 0; i < spectrumCount; ++i) {
            if (!floorWrite(paths[i], floorCsi(*spectra[i]))) {
                state.SkipWithError(std::strerror(errno));
                return;
            }
        }
    }
}
BENCHMARK(BM_SnprintfFloor)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    BenchTimes reporter;
    reporter.runAll(argc, argv);
    if (const double ratio = BenchTimes::ratio(reporter.real, "BM_AnalysisWriter", "BM_SnprintfFloor"))
        std::printf("writer / floor: %.2f (goal: at most 2)\n", ratio);
    return 0;
}
