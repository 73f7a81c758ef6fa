#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace vendrix::exporter {

// One file per park, made on every core: each worker makes a park's bytes and writes them beside the
// park's file, renaming them into place once complete, so no half-written file is ever left under a
// park's name, also when Ctrl+C stops the run (see Interruption) or a write fails.
struct ParkFileJob {
    int count = 0;
    std::string what; // for the progress line: "diagrams"
    // Both are called on worker threads, each with the park's index 0..count-1.
    std::function<std::string(int park)> bytesOf;
    std::function<std::filesystem::path(int park)> fileOf;
};

enum class ParkFileOutcome { Written, Failed, Interrupted };

class ParkFileWriter {
public:
    // Messages go to standard error.
    static ParkFileOutcome run(const ParkFileJob& job);
};

} // namespace vendrix::exporter
