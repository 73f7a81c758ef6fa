#include "carrycommand.h"

#include "carryoutput.h"
#include "exportrun.h"
#include "flight/league/battedballcsv.h"
#include "native/nativefile.h"
#include "output/outputname.h"
#include "seasonload.h"

#include <cerrno>
#include <cstring>

namespace vendrix::exporter {

namespace {

// The whole file (standard input for "-"), or none with the reason told.
std::optional<std::string> readWhole(const std::string& name) {
    const bool standardInput = name == kStandardOutput;
    std::FILE* file = standardInput ? stdin : native::openFile(native::pathFromText(name), "rb");
    if (file == nullptr) {
        tell("cannot read " + name + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::string text;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    if (!standardInput)
        std::fclose(file);
    if (failed) {
        tell("cannot read " + name);
        return std::nullopt;
    }
    return text;
}

bool refusesNames(const CarryOptions& options) {
    bool refused = false;
    for (const auto* file : {&options.jsonFile, &options.csvFile})
        if (*file && **file != kStandardOutput && output::isFolderMemoryFile(native::pathFromText(**file))) {
            tell(**file + ": " + std::string(output::kRefusedNameMessage));
            refused = true;
        }
    return refused;
}

int oneBall(const CarryOptions& options, const model::Season& season, const flight::SeasonParks& parks) {
    const flight::SeasonCarry carry = flight::SeasonCarry::of(parks, options.ball, options.air);
    bool done = true;
    if (!options.jsonFile && !options.csvFile)
        done = deliver(std::string(kStandardOutput), carryText(season, carry));
    if (options.jsonFile)
        done = deliver(*options.jsonFile, carryJson(season, carry, false)) && done;
    if (options.csvFile) {
        std::string csv = carryCsvHeader(false);
        appendCarryCsv(csv, season, carry);
        done = deliver(*options.csvFile, csv) && done;
    }
    return done ? kExitDone : kExitFailed;
}

int eachBall(const CarryOptions& options, const model::Season& season, const flight::SeasonParks& parks,
             const flight::BattedBallFile& log) {
    const std::optional<std::string> jsonFile =
        options.jsonFile || options.csvFile ? options.jsonFile : std::optional<std::string>(kStandardOutput);
    std::string json;
    std::string csv = options.csvFile ? carryCsvHeader(true) : std::string();
    for (const flight::BattedBall& batted : log.balls) {
        const flight::SeasonCarry carry = flight::SeasonCarry::of(parks, batted.ball, options.air);
        if (jsonFile)
            json += carryJson(season, carry, true);
        if (options.csvFile)
            appendCarryCsv(csv, season, carry, batted.line);
    }
    bool done = true;
    if (jsonFile)
        done = deliver(*jsonFile, json);
    if (options.csvFile)
        done = deliver(*options.csvFile, csv) && done;
    return done ? kExitDone : kExitFailed;
}

} // namespace

int runCarry(const CarryOptions& options) {
    if (refusesNames(options))
        return kExitFailed;
    std::optional<flight::BattedBallFile> log;
    if (options.ballsFile) {
        const std::optional<std::string> text = readWhole(*options.ballsFile);
        if (!text)
            return kExitFailed;
        log = flight::BattedBallFile::read(*text, options.ball.batter);
        if (log->error) {
            tell(*options.ballsFile + ": " + log->error->message());
            return kExitUsage;
        }
    }
    const std::optional<model::Season> season = loadSeason(options.seasonFolder);
    if (!season)
        return kExitFailed;
    const flight::SeasonParks parks(*season);
    return log ? eachBall(options, *season, parks, *log) : oneBall(options, *season, parks);
}

} // namespace vendrix::exporter
