// Save Data of 500 spectra: the program's CSV builder against the plainest
// writer of the same bytes (snprintf into one buffer), in the same run. The
// two outputs are compared before timing; the benchmark fails if they differ.
#include "export/SpectrumCsv.h"
#include "spectrum/KavrelSpectrum.h"

#include <QByteArray>
#include <QLocale>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int spectrumCount = 500;

struct Spectra {
    Spectra()
    {
        for (int k = 0; k < spectrumCount; ++k) {
            // Plain parameters, whose general form %.15g writes alike.
            owned.push_back(std::make_unique<KavrelSpectrum>("S" + std::to_string(k + 1), 0.04 * (1 + k % 8),
                                                             0.2 + 0.05 * (k % 13), 0.05, k % 3));
            list.push_back(owned.back().get());
        }
    }
    std::vector<std::unique_ptr<KavrelSpectrum>> owned;
    std::vector<const KavrelSpectrum*> list;
};

const Spectra& spectra()
{
    static const Spectra made;
    return made;
}

// The floor: the same file with snprintf, in the C locale's ".".
QByteArray plainCsv(const std::vector<const KavrelSpectrum*>& list)
{
    std::string out;
    out.reserve(4096 + list.size() * 128 + 601 * (8 + list.size() * 12));
    char field[64];
    out += "ResponseName,DesignCode,Alphamax,Tg(s),DampingRatio\r\n";
    for (const KavrelSpectrum* s : list) {
        const int n = std::snprintf(field, sizeof field, ",%s,%.15g,%.15g,%.15g\r\n", s->codeName().c_str(),
                                    s->alphaMax, s->tg, s->dampingRatio);
        out += s->responseName;
        out.append(field, static_cast<std::size_t>(n));
    }
    out += "\r\n,";
    for (const KavrelSpectrum* s : list)
        out += s->responseName + ",";
    out += "\r\nPeriod(s),";
    for (std::size_t k = 0; k < list.size(); ++k)
        out += "Sa(g),";
    out += "\r\n";
    for (int i = 0; i <= 600; ++i) {
        const double period = i * 0.01;
        out.append(field, static_cast<std::size_t>(std::snprintf(field, sizeof field, "%.2f,", period)));
        for (const KavrelSpectrum* s : list) {
            double alpha = 0.0;
            s->alphaAt(period, alpha);
            out.append(field, static_cast<std::size_t>(std::snprintf(field, sizeof field, "%.4E,", alpha)));
        }
        out += "\r\n";
    }
    return QByteArray::fromStdString(out);
}

bool sameBytes(benchmark::State& state)
{
    if (buildSpectrumCsv(spectra().list, QLocale::c()) == plainCsv(spectra().list))
        return true;
    state.SkipWithError("the CSV builder and the plain writer disagree");
    return false;
}

void ProgramsCsvBuilder(benchmark::State& state)
{
    if (!sameBytes(state))
        return;
    const QLocale c = QLocale::c();
    for (auto _ : state)
        benchmark::DoNotOptimize(buildSpectrumCsv(spectra().list, c));
    state.SetBytesProcessed(state.iterations() * buildSpectrumCsv(spectra().list, c).size());
}
BENCHMARK(ProgramsCsvBuilder)->Unit(benchmark::kMillisecond);

void PlainSnprintfWriter(benchmark::State& state)
{
    if (!sameBytes(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(plainCsv(spectra().list));
    state.SetBytesProcessed(state.iterations() * plainCsv(spectra().list).size());
}
BENCHMARK(PlainSnprintfWriter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
