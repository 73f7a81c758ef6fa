// Writes the bundled sample season, or a synthetic season of N parks, into a folder.
#include "seasonkit/sampleseason.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || std::string(argv[1]) == "--help") {
        std::cerr << "usage: make-sample-season FOLDER [PARK_COUNT]\n"
                     "  Writes dmbpark.dat, dmbteam.dat and dmborg.dat into FOLDER: the sample season,\n"
                     "  or, with PARK_COUNT, a synthetic season of that many parks.\n";
        return 2;
    }
    try {
        const auto content = argc == 3 ? vendrix::seasonkit::syntheticSeason(std::stoi(argv[2]))
                                       : vendrix::seasonkit::sampleSeason();
        vendrix::seasonkit::writeSeason(argv[1], content);
    } catch (const std::exception& error) {
        std::cerr << "make-sample-season: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
