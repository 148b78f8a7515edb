// Benchmark: what the wait for the disk costs a series record, against the same append left
// to the system's cache in one run, by the clock on the wall (the wait uses no processor).
// Usage: log_append_benchmark [--directory=D] [Google Benchmark options]
// D is where the log is written (default the current folder): measure on the disk in question,
// as a folder in memory (tmpfs) syncs for nothing.
#include "drill/drill_log.h"
#include "drill/log_append.h"
#include "tests/ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string logPath;
const std::string series =
    seriesRecord("Anna Lena", 3, 1000, 2, 20, 3, "Mon Jan 01 10:09:00 2024\n");

void appendSeries(benchmark::State& state)
{
    const bool toDisk = state.range(0) != 0;
    for (auto _ : state) {
        if (!appendToFile(logPath.c_str(), series, toDisk))
            state.SkipWithError("the record could not be appended");
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path directory = ".";
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--directory=", 12) == 0)
            directory = argv[i] + 12;
        else
            arguments.push_back(argv[i]);
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    logPath = (directory / ("drill-append-benchmark-" + std::to_string(::getpid()))).string();
    benchmark::RegisterBenchmark("append", appendSeries)
        ->ArgName("toDisk")
        ->Arg(0)
        ->Arg(1)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
    RatioReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove(logPath);

    const double cached = reporter.times["append/toDisk:0/real_time"];
    const double onDisk = reporter.times["append/toDisk:1/real_time"];
    if (cached > 0 && onDisk > 0)
        std::printf("a series record on the disk takes %.0f times as long as one left in the "
                    "cache: %.2f ms more per series\n",
                    onDisk / cached, (onDisk - cached) / 1000);
    return 0;
}
