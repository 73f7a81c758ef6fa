// One League average in every output: the window's row, the exporter's JSON and its web page give the
// same value for every column and each names over how many parks, on the samples and on a season with
// values that cannot be real.
#include "gui/grid/leagueaveragemodel.h"
#include "gui/grid/parkgrid.h"
#include "model/columns.h"
#include "windowtest.h"

#include <QProcess>
#include <QRegularExpression>

namespace vendrix::test {
namespace {

// What one output says of one column's League average: the value as shown and over how many parks.
struct Shown {
    QString value;
    QString parks;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.value.toStdString() << " over " << shown.parks.toStdString();
}

QByteArray exported(const std::filesystem::path& season, const char* option) {
    QProcess exporter;
    exporter.start(QStringLiteral(VENDRIX_EXPORTER), {QString::fromStdString(season.string()), option, "-"});
    EXPECT_TRUE(exporter.waitForFinished(60000));
    EXPECT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
    return exporter.readAllStandardOutput();
}

// "mean over all 32 parks" and "mean over 31 of 32 parks; ..." both name the parks taken in first.
QString parksTakenIn(const QString& note) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("mean over (?:all )?(\\d+)")).match(note);
    return match.captured(1);
}

class AveragesAgree : public WindowTest {};

TEST_F(AveragesAgree, WindowJsonAndPageShowOneLeagueAverage) {
    seasonkit::SeasonContent broken = seasonkit::sampleSeason();
    broken.parks[3].record.fenceDistance[6] = 1200;
    broken.parks[4].record.factorsLHB[3] = 0;
    broken.parks[5].record.fenceHeight[2] = 255;
    const std::vector<std::filesystem::path> seasons{
        std::filesystem::path(VENDRIX_SAMPLES_DIR) / "northwind-2031",
        std::filesystem::path(VENDRIX_SAMPLES_DIR) / "northwind-2032", makeSeason("broken", broken)};
    for (const std::filesystem::path& season : seasons) {
        SCOPED_TRACE(season.string());
        auto window = startWindow();
        ASSERT_TRUE(openFolder(*window, season));
        button(*window, "cmdGetParkInfo").click();
        const QAbstractItemModel& foot = window->grid().leagueAverage();

        const QByteArray json = exported(season, "--json");
        const QString page = QString::fromUtf8(exported(season, "--html"));
        const QString tfoot =
            page.section(QStringLiteral("<tfoot>"), 1).section(QStringLiteral("</tfoot>"), 0, 0);
        const QRegularExpression cell(QStringLiteral("<td(?: title=\"[^\"]*: ([^\"]*)\")?>([^<]*)</td>"));
        std::vector<Shown> pageRow;
        for (auto match = cell.globalMatch(tfoot); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            pageRow.push_back({found.captured(2), parksTakenIn(found.captured(1))});
        }
        ASSERT_EQ(pageRow.size(), static_cast<std::size_t>(model::col::lastCaptioned));

        for (const model::Column& column : model::columns()) {
            if (column.index == 0 || column.index > model::col::lastCaptioned)
                continue;
            SCOPED_TRACE(std::string(column.shortName));
            const QModelIndex at = foot.index(0, column.index);
            const Shown window{at.data().toString(), parksTakenIn(at.data(Qt::ToolTipRole).toString())};
            Shown inJson;
            if (column.averaged) {
                const QString key = QString::fromUtf8(column.keyMember().data(), column.keyMember().size());
                const QString group = QString::fromUtf8(column.keyGroup().data(), column.keyGroup().size());
                const QRegularExpression member(QStringLiteral("\"%1\": \\{[^}]*\"%2\":([-0-9.]+|null)")
                                                    .arg(group, QRegularExpression::escape(key)));
                const QString text = QString::fromUtf8(json);
                inJson.value =
                    member.match(text.section(QStringLiteral("\"league_average\""), 1)).captured(1);
                inJson.parks =
                    member.match(text.section(QStringLiteral("\"league_average_parks\""), 1)).captured(1);
                EXPECT_FALSE(window.value.isEmpty());
                EXPECT_FALSE(window.parks.isEmpty());
            }
            EXPECT_EQ(window, pageRow[static_cast<std::size_t>(column.index - 1)]);
            EXPECT_EQ(window, inJson);
        }
    }
}

} // namespace
} // namespace vendrix::test
