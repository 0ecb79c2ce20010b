#pragma once

#include <benchmark/benchmark.h>

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
