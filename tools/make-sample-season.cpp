// Writes the bundled sample season or a synthetic season of N parks into a folder, or, with
// --changed, either of them a year on with some parks changed (to try the season comparison).
#include "seasonkit/changedseason.h"
#include "seasonkit/sampleseason.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    std::optional<std::string> folder;
    std::optional<int> parkCount;
    bool changed = false;
    bool usable = argc >= 2;
    for (int i = 1; i < argc && usable; ++i) {
        const std::string argument = argv[i];
        if (argument == "--changed" && !changed)
            changed = true;
        else if (!folder && !argument.starts_with("-"))
            folder = argument;
        else if (folder && !parkCount && !argument.empty() &&
                 argument.find_first_not_of("0123456789") == std::string::npos)
            parkCount = std::stoi(argument);
        else
            usable = false;
    }
    if (!usable || !folder) {
        std::cerr << "usage: make-sample-season FOLDER [PARK_COUNT] [--changed]\n"
                     "  Writes dmbpark.dat, dmbteam.dat and dmborg.dat into FOLDER: the sample season,\n"
                     "  or, with PARK_COUNT, a synthetic season of that many parks. With --changed, the\n"
                     "  same season a year on with some parks changed, to compare the two.\n";
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
