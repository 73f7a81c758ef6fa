#include "columnmeanings.h"

#include "parktable/parkcolumns.h"

#include <array>

namespace vendrix::gui {

namespace col = parktable::col;

namespace {

constexpr std::array<const char*, 7> kFencePoints{
    "the left-field line", "left field",  "left-center field",   "center field",
    "right-center field",  "right field", "the right-field line"};
constexpr std::array<const char*, 4> kHits{"single", "double", "triple", "home-run"};
constexpr std::array<const char*, 8> kAttributes{"the park's roof: a dome, open air or both",
                                                 "the playing surface: grass or artificial turf",
                                                 "how much foul ground the park has",
                                                 "the park's time zone",
                                                 "how strongly the wind blows",
                                                 "the average temperature at game time",
                                                 "how much the temperature changes during a game",
                                                 "how often rain falls"};

QString caption(int column) {
    const std::string_view text = parktable::kParkColumns[static_cast<std::size_t>(column)].caption;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

} // namespace

QString columnMeaning(int column) {
    if (column < 0 || column > col::lastCaptioned)
        return {};
    const QString name = caption(column);
    if (column == col::parkName)
        return QStringLiteral("Park Name: the ballpark's name");
    if (column == col::teamName)
        return QStringLiteral("Team Name: the team that plays in the park this season");
    if (column == col::year)
        return QStringLiteral("Year: the season");
    if (column < col::firstFenceHeight)
        return QStringLiteral("%1: distance to the fence at %2, feet")
            .arg(name,
                 QLatin1String(kFencePoints[static_cast<std::size_t>(column - col::firstFenceDistance)]));
    if (column < col::firstFactorLHB)
        return QStringLiteral("%1: height of the fence at %2, feet")
            .arg(name, QLatin1String(kFencePoints[static_cast<std::size_t>(column - col::firstFenceHeight)]));
    if (column < col::firstAttribute) {
        const bool left = column < col::firstFactorRHB;
        const int hit = column - (left ? col::firstFactorLHB : col::firstFactorRHB);
        return QStringLiteral("%1 (Factors %2): %3 park factor for %4-handed batters, 100 = neutral")
            .arg(name, left ? QStringLiteral("LHB") : QStringLiteral("RHB"),
                 QLatin1String(kHits[static_cast<std::size_t>(hit)]),
                 left ? QStringLiteral("left") : QStringLiteral("right"));
    }
    return QStringLiteral("%1: %2").arg(
        name, QLatin1String(kAttributes[static_cast<std::size_t>(column - col::firstAttribute)]));
}

QString columnShortName(int column) {
    if (column < 0 || column > col::lastCaptioned)
        return {};
    const QString name = caption(column);
    if (column < col::firstFenceDistance || column >= col::firstAttribute)
        return name;
    if (column < col::firstFenceHeight)
        return name + QStringLiteral(", distance");
    if (column < col::firstFactorLHB)
        return name + QStringLiteral(", height");
    return name + (column < col::firstFactorRHB ? QStringLiteral(", LHB") : QStringLiteral(", RHB"));
}

} // namespace vendrix::gui
