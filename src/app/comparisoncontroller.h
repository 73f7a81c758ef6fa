#pragma once

#include "gui/diagram/parkdiagram.h"
#include "gui/dialogs/appmessagebox.h"
#include "gui/dialogs/folderdialog.h"
#include "gui/dialogs/namelistdialog.h"
#include "model/season.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

class QAction;
class QWidget;

namespace vendrix::gui {
class NoticeLine;
class ParkFilters;
class ParkGrid;
} // namespace vendrix::gui

namespace vendrix::app {

inline constexpr const char* kCompareActionText = "Compare with season...";
inline constexpr const char* kStopComparingText = "Stop comparing";
inline constexpr const char* kOnlyDifferingText = "Show only parks that differ";

// Compares the season the grid shows with another season folder. "Compare with season..." (the
// grid's context menu, Ctrl+K) asks for the folder; then every changed cell is tinted and its
// tooltip says what it was ("400 in Northwind Baseball League 2030"), each park only in the shown
// season is marked in the park column, and a line above the table gives the totals in words; a
// click on it lists the parks only in the other season. "Show only parks that differ" keeps the
// parks that differ; F3 and Shift+F3 go to the next or previous one. Every new table the grid gets
// (Get Park Info, a reload) is compared again with the same folder, until "Stop comparing" (context
// menu, Esc).
class ComparisonController : public QObject {
    Q_OBJECT
public:
    ComparisonController(gui::ParkGrid& grid, gui::ParkFilters& filters, QWidget& window,
                         gui::AppMessageBox& messages);

    // The line of totals above the table; the window places it, and it shows only while comparing.
    gui::NoticeLine& summaryLine() const { return *summary_; }
    // The parks only in the other season, as the list the summary line opens names them.
    const QStringList& onlyInOther() const { return onlyInOther_; }
    // The list the summary line opened last, while it is open.
    gui::NameListDialog* openList() const { return list_; }
    void showOnlyInOther();
    // Puts the summary line, while it shows, at the top of the area the table would take; the
    // rest of the area is the table's.
    QRect placeSummaryAbove(const QRect& tableArea) const;
    QAction& compareAction() const { return *compareAction_; }
    QAction& stopAction() const { return *stopAction_; }
    QAction& onlyDifferingAction() const { return *onlyDifferingAction_; }
    QAction& nextDifferenceAction() const { return *nextAction_; }
    QAction& previousDifferenceAction() const { return *previousAction_; }
    // The dialog that asks for the other season; the system's unless a test answers in its place.
    void setFolderDialog(gui::FolderDialog& dialog) { folderDialog_ = &dialog; }

    bool isComparing() const { return otherFolder_.has_value(); }
    const std::optional<std::filesystem::path>& otherFolder() const { return otherFolder_; }

    // Asks for a season folder and compares the shown table with it.
    void chooseAndCompare();
    // The grid shows a new season: compared again with the same folder, when comparing.
    void tableShown();
    // The season compared with; none while not comparing.
    const model::Season* otherSeason() const { return other_ ? &*other_ : nullptr; }
    // Makes the next (or previous) park that differs, in the order shown, the current one.
    void goToDifference(bool forward);
    void stop();

signals:
    // The summary line appeared or went: the window places its controls again.
    void summaryShownChanged();
    // The outline each changed park had in the other season; empty when the comparison ends.
    void previousOutlinesChanged(const gui::PreviousOutlines& outlines);

private:
    // Reads the other season and puts the notes on the grid; false, after telling the user, when
    // the folder is not a complete season.
    bool compareWith(const std::filesystem::path& folder);
    void showSummary(const QString& text);
    void showOnlyDiffering(bool on);

    gui::ParkGrid& grid_;
    gui::ParkFilters& filters_;
    gui::AppMessageBox& messages_;
    gui::SystemFolderDialog systemFolderDialog_;
    gui::FolderDialog* folderDialog_ = &systemFolderDialog_;
    gui::NoticeLine* summary_;
    QAction* compareAction_;
    QAction* stopAction_;
    QAction* onlyDifferingAction_;
    QAction* nextAction_;
    QAction* previousAction_;
    std::optional<std::filesystem::path> otherFolder_;
    std::optional<model::Season> other_;
    QStringList onlyInOther_;
    QString otherName_;
    QPointer<gui::NameListDialog> list_;
};

} // namespace vendrix::app
