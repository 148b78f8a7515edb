// Fuzz target: the reader against the reference splitter on any bytes, however the file layer
// hands them out, with or without the buffer, and with reads that start failing.
// Input: one byte choosing the read size and the buffer, one byte choosing the first failing
// read (0: none), then the file's bytes.
#include "drillview/log_line_reader.h"
#include "tests/log_line_reader_fake_file.h"
#include "tests/log_line_reader_reference.h"
#include "tests/next_line.h"

#include <cstdio>
#include <cstdlib>

namespace {

void expect(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "reader and reference disagree: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    constexpr std::int32_t readSizes[] = {1 << 30, 1, 2,  3,
                                          5,       7, 13, LogLineReader::bufferSize - 1};
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    FakeLogFiles& fake = fakeLogFiles();
    fake = {};
    fake.files["log"] = std::string(bytes);
    fake.largestRead = readSizes[data[0] & 7];
    fake.refuseBuffer = (data[0] & 8) != 0;
    fake.failingFromRead = data[1];

    std::vector<std::string> lines;
    {
        LogLineReader reader;
        expect(reader.open("log"), "open");
        while (!reader.atEnd())
            lines.push_back(nextLine(reader));
        expect(nextLine(reader).empty(), "a line after the end");
        expect(reader.atEnd(), "more data after the end");
    }
    expect(fake.openFiles == 0 && fake.misuses == 0, "the file layer used wrongly");

    // Reads that fail for good end the data where the first one failed. Without the buffer,
    // atEnd may have seen a byte that the next read then fails to bring: that line is
    // the empty line collected so far.
    std::string_view delivered = bytes;
    if (fake.failedAtPosition >= 0)
        delivered = bytes.substr(0, static_cast<std::size_t>(fake.failedAtPosition));
    std::vector<std::string> expected = referenceLines(delivered);
    if (fake.refuseBuffer && fake.failedAtPosition >= 0 && lines.size() == expected.size() + 1)
        expected.emplace_back();
    expect(lines == expected, "lines");
    return 0;
}
