#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Prints the usual table and keeps each benchmark's time in its unit, by function name: the
// median when the benchmark repeats, else its one measurement.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            const std::string& name = r.run_name.function_name;
            if (r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : !m_medians.count(name))
                m_times[name] = r.GetAdjustedRealTime();
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                m_medians[name] = true;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const
    {
        const auto it = m_times.find(name);
        return it == m_times.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_times;
    std::map<std::string, bool> m_medians;
};

// Runs the benchmarks with the repetitions of all of them interleaved at random, so that a
// figure and its floor meet the same load of the machine.
inline void runInterleaved(int argc, char** argv, TimesReporter& reporter)
{
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
}

// The summary lines, one per figure, in milliseconds.
inline void printRatioFigure(const char* name, double ms, double floorMs, double targetRatio)
{
    std::printf("%s: %.2f ms, floor %.2f ms, ratio %.2f (target <= %g)\n", name, ms, floorMs,
                floorMs > 0 ? ms / floorMs : 0.0, targetRatio);
}

inline void printFloorFigure(const char* name, double ms, double floorMs, double targetMs)
{
    std::printf("%s: %.2f ms, floor %.2f ms, ratio %.2f (target <= %g ms)\n", name, ms, floorMs,
                floorMs > 0 ? ms / floorMs : 0.0, targetMs);
}

inline void printFigure(const char* name, double ms, double targetMs)
{
    std::printf("%s: %.2f ms (target <= %g ms)\n", name, ms, targetMs);
}
