// Morvane benchmarks.
// The console table of a benchmark run, followed by each figure's ratio to its reference.
#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

/// Prints the usual table and keeps each benchmark's time per iteration for the comparison.
class ComparingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    /// Prints both times and their ratio; nothing when either benchmark did not run.
    void printRatio(const std::string &ours, const std::string &reference) const
    {
        const auto oursTime = m_times.find(ours);
        const auto referenceTime = m_times.find(reference);
        if (oursTime == m_times.end() || referenceTime == m_times.end())
            return;
        std::printf("%-17s %8.2f ms   %-20s %8.2f ms   ratio %.2f\n", ours.c_str(),
                    oursTime->second, reference.c_str(), referenceTime->second,
                    oursTime->second / referenceTime->second);
    }

private:
    std::map<std::string, double> m_times;
};
