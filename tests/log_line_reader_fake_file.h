// An in-memory file layer for the reader's tests and fuzz target: files by name, short reads,
// failing reads, a refused buffer, and a record of every call.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct FakeOpenFile {
    std::string bytes;
    std::size_t position = 0;
    bool open = true;
};

struct FakeLogFiles {
    std::map<std::string, std::string> files;
    std::vector<FakeOpenFile> opened; // a handle is an index into these

    // Each read delivers at most this many bytes.
    std::int32_t largestRead = 1 << 30;
    // Read calls numbered from 1: from call failingFromRead on, failingReads calls fail
    // (deliver 0); 0 means none fails, and failingReads < 0 means every later one fails.
    int failingFromRead = 0;
    int failingReads = -1;
    // The reader's nothrow buffer is refused while this is set.
    bool refuseBuffer = false;

    // What happened.
    std::vector<std::int32_t> readSizes; // what each read asked for
    int opens = 0;
    int openFiles = 0;
    int misuses = 0; // a call on a handle that is not open, a step back before the start
    long long failedAtPosition = -1; // the file position when the first read failed
};

// The one fake; reset it with `fakeLogFiles() = {};`.
FakeLogFiles& fakeLogFiles();
