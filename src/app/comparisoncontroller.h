#pragma once

#include "gui/diagram/parkdiagram.h"
#include "gui/dialogs/appmessagebox.h"
#include "gui/dialogs/folderdialog.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <filesystem>
#include <optional>

class QAction;
class QLabel;
class QWidget;

namespace vendrix::gui {
class ParkGrid;
}

namespace vendrix::app {

inline constexpr const char* kCompareActionText = "Compare with season...";
inline constexpr const char* kStopComparingText = "Stop comparing";

// Compares the season the grid shows with another season folder. "Compare with season..." (the
// grid's context menu, Ctrl+K) asks for the folder; then every changed cell is tinted and its
// tooltip says what it was ("400 in Northwind Baseball League 2030"), each new park is marked in
// the park column, and a line above the table gives the totals and names the parks that are gone.
// Every new table the grid gets (Get Park Info, a reload) is compared again with the same folder,
// until "Stop comparing" (context menu, Esc).
class ComparisonController : public QObject {
    Q_OBJECT
public:
    ComparisonController(gui::ParkGrid& grid, QWidget& window, gui::AppMessageBox& messages);

    // The line of totals above the table; the window places it, and it shows only while comparing.
    QLabel& summaryLine() const { return *summary_; }
    // Puts the summary line, while it shows, at the top of the area the table would take; the
    // rest of the area is the table's.
    QRect placeSummaryAbove(const QRect& tableArea) const;
    QAction& compareAction() const { return *compareAction_; }
    QAction& stopAction() const { return *stopAction_; }
    // The dialog that asks for the other season; the system's unless a test answers in its place.
    void setFolderDialog(gui::FolderDialog& dialog) { folderDialog_ = &dialog; }

    bool isComparing() const { return otherFolder_.has_value(); }
    const std::optional<std::filesystem::path>& otherFolder() const { return otherFolder_; }

    // Asks for a season folder and compares the shown table with it.
    void chooseAndCompare();
    // The grid shows a new table: compared again with the same folder, when comparing.
    void tableShown();
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

    gui::ParkGrid& grid_;
    gui::AppMessageBox& messages_;
    gui::SystemFolderDialog systemFolderDialog_;
    gui::FolderDialog* folderDialog_ = &systemFolderDialog_;
    QLabel* summary_;
    QAction* compareAction_;
    QAction* stopAction_;
    std::optional<std::filesystem::path> otherFolder_;
};

} // namespace vendrix::app
