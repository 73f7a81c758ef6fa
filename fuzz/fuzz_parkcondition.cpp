// The filter language of --where and the grid's filters on any text: every condition is read or
// refused with a message, never a crash; one that is read holds for a park exactly when its
// opposite (= against !=, < against >=, > against <=) does not, on every park of the sample season.
// A text with a character Windows-1252 lacks equals no park's and orders against none: only != holds.
#include "model/seasonloader.h"
#include "parkquery/parkcondition.h"
#include "season/windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <variant>

namespace {

using vendrix::parkquery::ParkCondition;

const vendrix::model::Season& sampleSeason() {
    static const vendrix::model::Season season = [] {
        auto loaded = vendrix::model::loadSeason(VENDRIX_SAMPLE_SEASON, "sample");
        if (!std::holds_alternative<vendrix::model::Season>(loaded))
            std::abort();
        return std::get<vendrix::model::Season>(std::move(loaded));
    }();
    return season;
}

// The condition with its operator turned round: "a< 5" for "a>=5" (a blank, which the reader takes
// away, keeps a value that begins with "=" from joining the operator).
std::string opposite(std::string_view text, std::size_t at) {
    static constexpr std::pair<std::string_view, std::string_view> kTurned[] = {
        {"<=", ">"}, {">=", "<"}, {"!=", "="}, {"<", ">="}, {">", "<="}, {"=", "!="}};
    for (const auto& [spelled, turned] : kTurned)
        if (text.substr(at).starts_with(spelled))
            return std::string(text.substr(0, at)) + std::string(turned) + " " +
                   std::string(text.substr(at + spelled.size()));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParkCondition::parse(text);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        if (message->empty())
            std::abort();
        return 0;
    }
    const ParkCondition& condition = std::get<ParkCondition>(parsed);
    const std::size_t at = text.find_first_of("<>=!");
    const bool ordering = text[at] == '<' || text[at] == '>';
    const std::string_view value = text.substr(at + 1 + (at + 1 < text.size() && text[at + 1] == '='));
    if (ordering && !vendrix::season::windows1252::fromUtf8(value))
        return 0;
    const auto turned = ParkCondition::parse(opposite(text, at));
    const auto* other = std::get_if<ParkCondition>(&turned);
    if (other == nullptr)
        std::abort();
    for (const vendrix::model::Park& park : sampleSeason().parks())
        if (condition.holdsFor(park) == other->holdsFor(park))
            std::abort();
    return 0;
}
