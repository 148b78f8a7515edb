// The benchmarks' reporter: it keeps each benchmark's time per iteration for the ratios printed
// after the run, the median standing for repetitions.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Processor time by default: the thread's own time, user and system, is steadier than wall
// time on a shared machine; wall time where the wait is what is measured.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(bool wallTime = false) : wallTime_(wallTime) {}

    std::map<std::string, double> times;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            times[run.run_name.str()] =
                wallTime_ ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

private:
    bool wallTime_;
};
