#include "comparisoncontroller.h"

#include "gui/bridge/displaytext.h"
#include "gui/bridge/nativepath.h"
#include "gui/dialogs/namelistdialog.h"
#include "gui/filters/parkfilters.h"
#include "gui/grid/cellnotes.h"
#include "gui/grid/factortint.h"
#include "gui/grid/parkgrid.h"
#include "gui/widgets/noticeline.h"
#include "model/seasonloader.h"
#include "model/tints.h"
#include "parkpage/diagramcards.h"
#include "seasondiff/changenotes.h"
#include "seasondiff/comparisontext.h"
#include "seasondiff/seasoncomparison.h"

#include <QAction>
#include <QStringList>

namespace vendrix::app {

namespace {

QString fromUtf8(const std::string& text) {
    return gui::fromUtf8(text);
}

} // namespace

ComparisonController::ComparisonController(gui::ParkGrid& grid, gui::ParkFilters& filters, QWidget& window,
                                           gui::AppMessageBox& messages)
    : QObject(&window), grid_(grid), filters_(filters), messages_(messages),
      summary_(new gui::NoticeLine(&window)),
      compareAction_(new QAction(QString::fromLatin1(kCompareActionText), &grid)),
      stopAction_(new QAction(QString::fromLatin1(kStopComparingText), &grid)),
      onlyDifferingAction_(new QAction(QString::fromLatin1(kOnlyDifferingText), &window)),
      nextAction_(new QAction(QStringLiteral("Next park that differs"), &window)),
      previousAction_(new QAction(QStringLiteral("Previous park that differs"), &window)) {
    summary_->setObjectName(QStringLiteral("comparisonSummary"));
    connect(summary_, &gui::NoticeLine::clicked, this, &ComparisonController::showOnlyInOther);

    onlyDifferingAction_->setCheckable(true);
    // The button beside the find field says it shorter.
    onlyDifferingAction_->setIconText(QStringLiteral("Only differing"));
    onlyDifferingAction_->setEnabled(false);
    onlyDifferingAction_->setToolTip(
        QStringLiteral("Shows only the parks that differ from the season compared with"));
    connect(onlyDifferingAction_, &QAction::toggled, this, &ComparisonController::showOnlyDiffering);
    nextAction_->setShortcut(QKeySequence(Qt::Key_F3));
    previousAction_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    for (QAction* action : {nextAction_, previousAction_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        window.addAction(action);
    }
    connect(nextAction_, &QAction::triggered, this, [this] { goToDifference(true); });
    connect(previousAction_, &QAction::triggered, this, [this] { goToDifference(false); });

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
    grid_.addAction(onlyDifferingAction_);
}

void ComparisonController::chooseAndCompare() {
    if (grid_.table() == nullptr) {
        messages_.show(QStringLiteral("There is no park table to compare yet: press Get Park Info first."));
        return;
    }
    // Seasons of a league usually stand side by side: the dialog opens among them.
    const std::filesystem::path start = otherFolder_ ? *otherFolder_ : grid_.season()->folder().parent_path();
    const std::filesystem::path folder =
        folderDialog_->chooseFolder(QStringLiteral("Compare with season"), start);
    if (folder.empty())
        return;
    if (compareWith(folder))
        otherFolder_ = folder;
}

void ComparisonController::tableShown() {
    if (otherFolder_ && grid_.season() != nullptr && !compareWith(*otherFolder_))
        stop();
}

void ComparisonController::stop() {
    otherFolder_.reset();
    stopAction_->setEnabled(false);
    onlyDifferingAction_->setChecked(false);
    for (QAction* action : {onlyDifferingAction_, nextAction_, previousAction_})
        action->setEnabled(false);
    onlyInOther_.clear();
    other_.reset();
    grid_.setCellNotes({});
    showSummary({});
    emit previousOutlinesChanged({});
}

bool ComparisonController::compareWith(const std::filesystem::path& folder) {
    auto loaded = model::loadSeason(folder, folder.string());
    if (const auto* failure = std::get_if<model::LoadFailure>(&loaded)) {
        messages_.show(gui::fromMessageText(failure->message));
        return false;
    }
    other_ = std::move(std::get<model::Season>(loaded));
    const model::Season& shown = *grid_.season();
    const seasondiff::SeasonComparison comparison = seasondiff::compareSeasons(*other_, shown);
    const seasondiff::ChangeNotes changes = seasondiff::changeNotes(comparison, {*other_, {}}, {shown, {}});
    onlyInOther_.clear();
    for (const seasondiff::ParkPlace& place : comparison.removed)
        onlyInOther_ << fromUtf8(seasondiff::parkLabel(*other_, place));
    otherName_ = fromUtf8(seasondiff::seasonTitle(other_->league(), other_->seasonText()));

    gui::CellNotes notes;
    for (const seasondiff::ChangeNote& change : changes.notes)
        notes.set(change.row + parktable::kCaptionRowCount - 1, change.column,
                  {gui::toQColor(change.newPark ? model::kNewParkTint : model::kChangedTint),
                   fromUtf8(change.toolTip), change.newPark});
    grid_.setCellNotes(std::move(notes));
    for (QAction* action : {stopAction_, onlyDifferingAction_, nextAction_, previousAction_})
        action->setEnabled(true);
    showSummary(fromUtf8(changes.summary));
    if (onlyDifferingAction_->isChecked())
        showOnlyDiffering(true);

    gui::PreviousOutlines outlines;
    for (const auto& [row, outline] : parkpage::previousOutlines(comparison, *other_))
        outlines.insert(row, outline);
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

void ComparisonController::showOnlyDiffering(bool on) {
    if (!on || !isComparing()) {
        filters_.setOtherChoice({});
        return;
    }
    filters_.setOtherChoice([this](int row) { return grid_.parkModel().cellNotes().rowNoted(row); });
}

void ComparisonController::goToDifference(bool forward) {
    const gui::ParkRowProxy& rows = grid_.shownRows();
    const gui::CellNotes& notes = grid_.parkModel().cellNotes();
    const int count = rows.rowCount();
    const int first = parktable::kFirstParkRow;
    if (count <= first)
        return;
    const int current =
        grid_.currentIndex().isValid() ? grid_.currentIndex().row() : (forward ? first - 1 : count);
    // Round the table once, from the row after (or before) the current one.
    const int parks = count - first;
    for (int step = 1; step <= parks; ++step) {
        const int offset = ((current - first) + (forward ? step : -step)) % parks;
        const int row = first + (offset + parks) % parks;
        const int tableRow = rows.mapToSource(rows.index(row, 0)).row();
        if (notes.rowNoted(tableRow)) {
            grid_.goToTableRow(tableRow);
            return;
        }
    }
}

void ComparisonController::showOnlyInOther() {
    if (onlyInOther_.isEmpty())
        return;
    if (list_ != nullptr)
        list_->close();
    list_ = new gui::NameListDialog(
        QStringLiteral("Parks only in %1").arg(otherName_),
        QStringLiteral("%1 parks are only in %2:").arg(onlyInOther_.size()).arg(otherName_), onlyInOther_,
        grid_.window());
    list_->setAttribute(Qt::WA_DeleteOnClose);
    list_->open();
}

void ComparisonController::showSummary(const QString& text) {
    const bool wasShown = !summary_->isHidden();
    summary_->setFullText(text, onlyInOther_.isEmpty()
                                    ? QString()
                                    : QStringLiteral("Click for the list of the %1 parks only in %2")
                                          .arg(onlyInOther_.size())
                                          .arg(otherName_));
    summary_->setVisible(!text.isEmpty());
    if (wasShown != !text.isEmpty())
        emit summaryShownChanged();
}

} // namespace vendrix::app
