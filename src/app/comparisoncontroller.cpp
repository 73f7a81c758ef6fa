#include "comparisoncontroller.h"

#include "gui/bridge/displaytext.h"
#include "gui/grid/cellnotes.h"
#include "gui/grid/parkgrid.h"
#include "parkshape/seasonshapes.h"
#include "parktable/parktablebuilder.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasondiff/changenotes.h"
#include "seasondiff/seasoncomparison.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QStringList>

namespace vendrix::app {

namespace {

// Reddish purple for a changed value and bluish green for a new park: apart from the blue and
// orange of the factor colours, and told apart by colour-blind readers; translucent, so the text
// stays readable on light and dark palettes alike.
const QColor kChangedTint(204, 121, 167, 170);
const QColor kNewParkTint(0, 158, 115, 120);

QString fromNative(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct OtherSeason {
    parktable::ParkTable table;
    std::string league;
    std::string season;
};

// The other season, read with the window's own scan and build; the message the exporter gives
// when the folder is not a complete season or has no usable park file.
std::optional<OtherSeason> readSeason(const std::filesystem::path& folder, QString& failure) {
    const season::SeasonScan scan = season::scanSeasonFolder(folder, season::listSeasonFileNames(folder));
    if (!scan.isComplete()) {
        QStringList missing;
        for (const std::string& name : scan.missingFiles())
            missing << QString::fromStdString(name);
        QStringList lines{QStringLiteral("%1 is not a complete season folder: missing %2")
                              .arg(fromNative(folder), missing.join(QStringLiteral(", ")))};
        for (const std::string& problem : scan.problems)
            lines << QStringLiteral("  ") + QString::fromLocal8Bit(problem.c_str());
        failure = lines.join(QLatin1Char('\n'));
        return std::nullopt;
    }
    parktable::ParkTableBuild build = parktable::buildParkTable(scan.parkFile, scan.teamByPark);
    if (!build.built()) {
        failure = QStringLiteral("%1: %2").arg(fromNative(folder),
                                               QString::fromLocal8Bit(build.message.c_str()).trimmed());
        return std::nullopt;
    }
    return OtherSeason{std::move(*build.table), scan.leagueName, scan.seasonText};
}

} // namespace

ComparisonController::ComparisonController(gui::ParkGrid& grid, QWidget& window, gui::AppMessageBox& messages)
    : QObject(&window), grid_(grid), messages_(messages), summary_(new QLabel(&window)),
      compareAction_(new QAction(QString::fromLatin1(kCompareActionText), &grid)),
      stopAction_(new QAction(QString::fromLatin1(kStopComparingText), &grid)) {
    summary_->setObjectName(QStringLiteral("comparisonSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(false);
    summary_->hide();

    compareAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    compareAction_->setShortcutContext(Qt::WindowShortcut);
    connect(compareAction_, &QAction::triggered, this, &ComparisonController::chooseAndCompare);
    // Esc ends the comparison where the table has the keyboard; elsewhere Esc keeps its own meaning.
    stopAction_->setShortcut(QKeySequence(Qt::Key_Escape));
    stopAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    stopAction_->setEnabled(false);
    connect(stopAction_, &QAction::triggered, this, &ComparisonController::stop);
    grid_.addAction(compareAction_);
    grid_.addAction(stopAction_);
}

void ComparisonController::chooseAndCompare() {
    if (grid_.table() == nullptr) {
        messages_.show(QStringLiteral("There is no park table to compare yet: press Get Park Info first."));
        return;
    }
    const std::filesystem::path folder = folderDialog_->chooseFolder(
        QStringLiteral("Compare with season"), otherFolder_.value_or(std::filesystem::path()));
    if (folder.empty())
        return;
    if (compareWith(folder))
        otherFolder_ = folder;
}

void ComparisonController::tableShown() {
    if (otherFolder_ && grid_.table() != nullptr && !compareWith(*otherFolder_))
        stop();
}

void ComparisonController::stop() {
    otherFolder_.reset();
    stopAction_->setEnabled(false);
    grid_.setCellNotes({});
    showSummary({});
    emit previousOutlinesChanged({});
}

bool ComparisonController::compareWith(const std::filesystem::path& folder) {
    QString failure;
    const std::optional<OtherSeason> other = readSeason(folder, failure);
    if (!other) {
        messages_.show(failure);
        return false;
    }
    const std::string folderText = folder.string();
    const seasondiff::ComparedSeason oldSeason{other->league, other->season, folderText, other->table};
    const seasondiff::SeasonComparison comparison = seasondiff::compareSeasons(other->table, *grid_.table());
    const seasondiff::ChangeNotes changes = seasondiff::changeNotes(comparison, oldSeason);

    gui::CellNotes notes;
    for (const seasondiff::ChangeNote& change : changes.notes)
        notes.set(change.row, change.column,
                  {change.newPark ? kNewParkTint : kChangedTint, fromUtf8(change.toolTip), change.newPark});
    grid_.setCellNotes(std::move(notes));
    stopAction_->setEnabled(true);
    showSummary(fromUtf8(changes.summary));

    const QString seasonName = (gui::fromWindows1252(other->league).trimmed() + QLatin1Char(' ') +
                                gui::fromWindows1252(other->season).trimmed())
                                   .trimmed();
    gui::PreviousOutlines outlines;
    for (const seasondiff::ParkChange& change : comparison.changed)
        outlines.insert(change.place.row,
                        {QStringLiteral("%1 in %2")
                             .arg(gui::ParkDiagram::nameOfRow(other->table, change.oldRow), seasonName),
                         parkshape::measuresOfRow(other->table, change.oldRow)});
    emit previousOutlinesChanged(outlines);
    return true;
}

QRect ComparisonController::placeSummaryAbove(const QRect& tableArea) const {
    if (summary_->isHidden())
        return tableArea;
    const int height = summary_->sizeHint().height();
    summary_->setGeometry(tableArea.left(), tableArea.top(), tableArea.width(), height);
    return tableArea.adjusted(0, height, 0, 0);
}

void ComparisonController::showSummary(const QString& text) {
    const bool wasShown = !summary_->isHidden();
    summary_->setText(text);
    summary_->setToolTip(text);
    summary_->setVisible(!text.isEmpty());
    if (wasShown != !text.isEmpty())
        emit summaryShownChanged();
}

} // namespace vendrix::app
