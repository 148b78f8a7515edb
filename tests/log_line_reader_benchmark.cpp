// Benchmark: the line reader against a plain read-and-memchr line count over the same log,
// in one run, and the ratios of their speeds. The baseline reads in blocks of the reader's
// buffer size and, for comparison, in 64 KiB blocks. Usage:
//   log_line_reader_benchmark [--megabytes=N] [Google Benchmark options]   (N defaults to 200)
// It fails when the two disagree on the number of lines.
#include "drill/drill_log.h"
#include "drillview/log_line_reader.h"
#include "tests/ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string logPath;
long long expectedLines = 0;
std::size_t logBytes = 0;
bool countsAgree = true;

// Drill records, start, name entry and series, repeated to the size asked for.
void writeLog(std::size_t megabytes)
{
    const std::string records =
        startRecord("Mon Jan 01 10:00:00 2024\n") + nameEntryRecord("Mon Jan 01 10:00:05 2024\n") +
        seriesRecord("Anna Lena", 3, 1000, 2, 20, 3, "Mon Jan 01 10:09:00 2024\n");
    std::string chunk;
    long long chunkLines = 0;
    while (chunk.size() < (1u << 20)) {
        chunk += records;
        chunkLines += 10;
    }
    std::ofstream out(logPath, std::ios::binary | std::ios::trunc);
    for (logBytes = 0; logBytes < megabytes << 20; logBytes += chunk.size()) {
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        expectedLines += chunkLines;
    }
}

void checkCount(benchmark::State& state, long long lines)
{
    if (lines != expectedLines) {
        countsAgree = false;
        state.SkipWithError("wrong number of lines");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * logBytes));
}

void readAndMemchr(benchmark::State& state)
{
    std::vector<char> buffer(static_cast<std::size_t>(state.range(0)));
    long long lines = 0;
    for (auto _ : state) {
        const int fd = ::open(logPath.c_str(), O_RDONLY | O_CLOEXEC);
        lines = 0;
        ssize_t got;
        while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
            const char* at = buffer.data();
            const char* end = at + got;
            while ((at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr) {
                ++lines;
                ++at;
            }
        }
        ::close(fd);
        benchmark::DoNotOptimize(lines);
    }
    checkCount(state, lines);
}

// As the viewer's fill reads: one string, reused for every line.
void logLineReader(benchmark::State& state)
{
    long long lines = 0;
    std::string line;
    for (auto _ : state) {
        LogLineReader reader;
        reader.open(logPath.c_str());
        lines = 0;
        while (!reader.atEnd()) {
            line.clear();
            reader.readLinePart(line, std::string::npos);
            benchmark::DoNotOptimize(line.data());
            ++lines;
        }
        reader.close();
    }
    checkCount(state, lines);
}

// A new string for every line.
void logLineReaderNewStrings(benchmark::State& state)
{
    long long lines = 0;
    for (auto _ : state) {
        LogLineReader reader;
        reader.open(logPath.c_str());
        lines = 0;
        while (!reader.atEnd()) {
            std::string line;
            reader.readLinePart(line, std::string::npos);
            benchmark::DoNotOptimize(line.data());
            ++lines;
        }
        reader.close();
    }
    checkCount(state, lines);
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t megabytes = 200;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--megabytes=", 12) == 0)
            megabytes = std::strtoul(argv[i] + 12, nullptr, 10);
        else
            arguments.push_back(argv[i]);
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    logPath = (std::filesystem::temp_directory_path() /
               ("drill-reader-benchmark-" + std::to_string(::getpid()) + ".log"))
                  .string();
    writeLog(megabytes);
    benchmark::RegisterBenchmark("read+memchr", readAndMemchr)
        ->Arg(LogLineReader::bufferSize)
        ->Arg(65536)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LogLineReader", logLineReader)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LogLineReader/new strings", logLineReaderNewStrings)
        ->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove(logPath);

    std::map<std::string, double>& times = reporter.times;
    std::printf("log of %zu bytes, %lld lines\n", logBytes, expectedLines);
    for (const char* reader : {"LogLineReader", "LogLineReader/new strings"}) {
        const std::string name = reader;
        if (times.count(name) == 0)
            continue;
        for (const int blocks : {LogLineReader::bufferSize, 65536}) {
            const std::string baseline = "read+memchr/" + std::to_string(blocks);
            if (times.count(baseline) != 0)
                std::printf("%s runs at %.2f of the speed of %s\n", reader,
                            times[baseline] / times[name], baseline.c_str());
        }
    }
    return countsAgree ? 0 : 1;
}
