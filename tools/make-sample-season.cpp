// Writes the bundled sample season or a synthetic season of N parks into a folder, or, with
// --changed, either of them a year on with some parks changed (to try the season comparison).
#include "seasonkit/changedseason.h"
#include "seasonkit/sampleseason.h"

#include <charconv>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: make-sample-season FOLDER [PARK_COUNT] [--changed]\n"
    "  Writes dmbpark.dat, dmbteam.dat and dmborg.dat into FOLDER: the sample season,\n"
    "  or, with PARK_COUNT, a synthetic season of that many parks (a park file holds at\n"
    "  most 32767). With --changed, the same season a year on with some parks changed,\n"
    "  to compare the two.\n";

// A whole number of parks, or nothing (a count too large for an int included).
std::optional<int> parkCountOf(const std::string& text) {
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || count < 0)
        return std::nullopt;
    return count;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<std::string> folder;
    std::optional<int> parkCount;
    bool changed = false;
    bool usable = argc >= 2;
    for (int i = 1; i < argc && usable; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "--changed" && !changed)
            changed = true;
        else if (!folder && !argument.starts_with("-"))
            folder = argument;
        else if (folder && !parkCount && parkCountOf(argument))
            parkCount = parkCountOf(argument);
        else
            usable = false;
    }
    if (!usable || !folder) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        using namespace vendrix::seasonkit;
        const auto content =
            parkCount ? (changed ? changedSyntheticSeason(*parkCount) : syntheticSeason(*parkCount))
                      : (changed ? changedSampleSeason() : sampleSeason());
        writeSeason(*folder, content);
    } catch (const std::exception& error) {
        std::cerr << "make-sample-season: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
