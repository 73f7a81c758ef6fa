#include "battedballcsv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <variant>

namespace vendrix::flight {

namespace {

enum class Column { Speed, Angle, Direction, Backspin, Sidespin, Hand };
constexpr std::size_t kColumnCount = 6;
constexpr std::array<std::string_view, kColumnCount> kNames{"speed",    "angle",    "direction",
                                                            "backspin", "sidespin", "hand"};
constexpr std::array<std::string_view, kColumnCount> kJsonNames{
    "speed_mph", "angle_deg", "direction_deg", "backspin_rpm", "sidespin_rpm", "batter"};
constexpr std::size_t kRequiredColumns = 3;
constexpr std::size_t kShownBytes = 60;

std::string shown(std::string_view text) {
    std::string out(text.substr(0, kShownBytes));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text.size() > kShownBytes ? out + "..." : out;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// The fields of one line, quotes taken off ("" inside quotes is one quote); none when a quote is left
// open or text follows a closing quote.
std::optional<std::vector<std::string>> fieldsOf(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::string field;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size())
                    return std::nullopt;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            if (i < line.size() && line[i] != ',')
                return std::nullopt;
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            field = std::string(trimmed(line.substr(i, end - i)));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size())
            return fields;
        ++i; // the comma
    }
}

std::optional<double> numberOf(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<Column> columnNamed(std::string_view name) {
    const std::string lower = lowered(trimmed(name));
    for (std::size_t c = 0; c < kColumnCount; ++c)
        if (lower == kNames[c] || lower == kJsonNames[c])
            return static_cast<Column>(c);
    return std::nullopt;
}

struct Layout {
    std::vector<Column> columns;
    bool fixedOrder = false; // no header: 3 to 6 columns in the order of kNames
};

// What is wrong with a header: the field (or the whole line) and why.
struct BadHeader {
    std::string value;
    std::string reason;
};

std::variant<Layout, BadHeader> headerOf(std::string_view line, const std::vector<std::string>& fields) {
    Layout layout;
    std::array<bool, kColumnCount> seen{};
    for (const std::string& field : fields) {
        const std::optional<Column> column = columnNamed(field);
        if (!column)
            return BadHeader{field, "is neither a number nor a column (speed, angle, direction, backspin, "
                                    "sidespin, hand)"};
        if (seen[static_cast<std::size_t>(*column)])
            return BadHeader{field, "names a column twice"};
        seen[static_cast<std::size_t>(*column)] = true;
        layout.columns.push_back(*column);
    }
    for (std::size_t c = 0; c < kRequiredColumns; ++c)
        if (!seen[c])
            return BadHeader{std::string(line), "the header has no " + std::string(kNames[c]) + " column"};
    return layout;
}

} // namespace

std::string BadBallLine::message() const {
    return "line " + std::to_string(line) + ": \"" + value + "\": " + reason;
}

BattedBallFile BattedBallFile::read(std::string_view text, Hand defaultHand) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    BattedBallFile file;
    const auto fail = [&](int line, std::string_view value, std::string reason) {
        file.balls.clear();
        file.error = BadBallLine{line, shown(value), std::move(reason)};
        return file;
    };

    std::optional<Layout> layout;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, newline - start);
        start = newline + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (trimmed(line).empty())
            continue;
        const std::optional<std::vector<std::string>> fields = fieldsOf(line);
        if (!fields)
            return fail(number, line, "has a quote left open or text after a closing quote");

        if (!layout) {
            if (!numberOf((*fields)[0])) {
                auto header = headerOf(line, *fields);
                if (const BadHeader* bad = std::get_if<BadHeader>(&header))
                    return fail(number, bad->value, bad->reason);
                layout = std::get<Layout>(header);
                continue;
            }
            layout = Layout{{Column::Speed, Column::Angle, Column::Direction, Column::Backspin,
                             Column::Sidespin, Column::Hand},
                            true};
        }
        const std::size_t count = fields->size();
        if (layout->fixedOrder ? count < kRequiredColumns || count > kColumnCount
                               : count != layout->columns.size()) {
            const std::string expected = layout->fixedOrder
                                             ? "3 to 6 (speed, angle, direction[, backspin, sidespin, hand])"
                                             : std::to_string(layout->columns.size()) + " as the header";
            return fail(number, line, "has " + std::to_string(count) + " fields; expected " + expected);
        }

        Ball ball;
        ball.batter = defaultHand;
        std::array<std::string_view, kColumnCount> raw{};
        for (std::size_t f = 0; f < count; ++f) {
            const Column column = layout->columns[f];
            const std::string_view value = (*fields)[f];
            raw[static_cast<std::size_t>(column)] = value;
            if (column == Column::Hand) {
                if (value.empty())
                    continue;
                const std::optional<Hand> hand = handOf(value);
                if (!hand)
                    return fail(number, value, "hand must be L or R");
                ball.batter = *hand;
                continue;
            }
            const bool optional = column == Column::Backspin || column == Column::Sidespin;
            if (optional && value.empty())
                continue;
            const std::optional<double> parsed = numberOf(value);
            if (!parsed)
                return fail(number, value,
                            std::string(kNames[static_cast<std::size_t>(column)]) + " is not a number");
            switch (column) {
            case Column::Speed:
                ball.speedMph = *parsed;
                break;
            case Column::Angle:
                ball.angleDegrees = *parsed;
                break;
            case Column::Direction:
                ball.directionDegrees = *parsed;
                break;
            case Column::Backspin:
                ball.backspinRpm = *parsed;
                break;
            default:
                ball.sidespinRpm = *parsed;
                break;
            }
        }
        if (const std::optional<ValueProblem> problem = ball.problem()) {
            const auto column = static_cast<std::size_t>(
                std::find(kNames.begin(), kNames.end(), problem->field) - kNames.begin());
            return fail(number, column < kColumnCount ? raw[column] : line,
                        std::string(problem->field) + " " + problem->rule);
        }
        file.balls.push_back({number, ball});
    }
    return file;
}

} // namespace vendrix::flight
