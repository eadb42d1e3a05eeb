// Morvane benchmarks.
// The console table of a benchmark run, followed by each figure's ratio to its reference.
#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

/// Prints the usual table and keeps each benchmark's times per iteration for the comparison:
/// the median of its repetitions when it was repeated, else its single run.
class ComparingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const std::string name = run.run_name.str();
            if (median || (run.run_type == Run::RT_Iteration && !m_fromMedian[name])) {
                m_times[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(),
                                 benchmark::GetTimeUnitString(run.time_unit)};
                m_fromMedian[name] = median;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    /// Prints both times (in each benchmark's own unit) and their ratio, in real time and in CPU
    /// time; nothing when either benchmark did not run or their units differ.
    void printRatio(const std::string &ours, const std::string &reference) const
    {
        const auto oursTimes = m_times.find(ours);
        const auto referenceTimes = m_times.find(reference);
        if (oursTimes == m_times.end() || referenceTimes == m_times.end())
            return;
        const Times &a = oursTimes->second;
        const Times &b = referenceTimes->second;
        if (a.unit != b.unit)
            return;
        const char *unit = a.unit.c_str();
        std::printf("%-28s %9.4f %s   %-20s %9.4f %s   ratio %.4f   (CPU %.4f %s / %.4f %s: "
                    "%.4f)\n",
                    ours.c_str(), a.real, unit, reference.c_str(), b.real, unit, a.real / b.real,
                    a.cpu, unit, b.cpu, unit, a.cpu / b.cpu);
    }

private:
    struct Times
    {
        double real;
        double cpu;
        std::string unit;
    };
    std::map<std::string, Times> m_times;
    std::map<std::string, bool> m_fromMedian;
};

/// The command line with options that steady the figures on a busy machine put before the
/// given ones, which still win: nine repetitions in random interleaving, shown by their
/// aggregates. The strings live as long as the program.
inline std::vector<char *> withSteadyRepetitions(int argc, char **argv)
{
    static char repetitions[] = "--benchmark_repetitions=9";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
    std::vector<char *> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + (argc > 0 ? 1 : 0),
                     {repetitions, interleaving, aggregatesOnly});
    arguments.push_back(nullptr);
    return arguments;
}
