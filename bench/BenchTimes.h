#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console report, keeping each run's wall and processor time by the
// benchmark's name, with and without its arguments ("BM_Open/1000/iterations:3"
// and "BM_Open"), so that a benchmark program can print the ratio it is
// judged by once all have run.
class BenchTimes : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.benchmark_name();
            for (const std::string& key : {name, name.substr(0, name.find('/'))}) {
                real[key] = run.GetAdjustedRealTime();
                cpu[key] = run.GetAdjustedCPUTime();
            }
        }
    }

    // Runs the benchmarks the command line selects, reporting here.
    void runAll(int& argc, char** argv)
    {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks(this);
        benchmark::Shutdown();
    }

    // times[a] / times[b], or 0 when either did not run (a filter may run
    // only some).
    static double ratio(const std::map<std::string, double>& times, const std::string& a, const std::string& b)
    {
        const auto x = times.find(a);
        const auto y = times.find(b);
        return x != times.end() && y != times.end() && y->second > 0 ? x->second / y->second : 0.0;
    }

    std::map<std::string, double> real;
    std::map<std::string, double> cpu;
};
