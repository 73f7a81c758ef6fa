#pragma once

#include "foldermemoryfile.h"
#include "form1services.h"
#include "outputcommands.h"
#include "season/seasonscan.h"

#include <QHash>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QToolButton;

namespace vendrix::gui {
class DriveList;
class FileList;
class FilterChips;
class FirstStartHint;
class FlyBallBar;
class FlyBallController;
class FocusFrame;
class FolderList;
class NoticeLine;
class OutputNote;
class ParkDiagramPanel;
class ParkFilters;
class ParkFindBar;
class ParkGrid;
} // namespace vendrix::gui

namespace vendrix::app {

class ComparisonController;

inline constexpr const char* kWindowCaption = "Vendrix V10 (12/17/2010)";
// How long the note after a written file stays.
inline constexpr int kOutputNoteMilliseconds = 5000;

// The one window. It routes each control's event to its job: the drive list to the drive change,
// the folder list to the season folder scan, Get Park Info to the park table build, the three
// output buttons to their commands (OutputCommands), Exit to saving the folder and ending. It owns the state
// those jobs share: the last scan, the caption and the park table.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // Builds the controls; the lists show the working folder, and nothing has been scanned.
    explicit Form1(Form1Services services, QWidget* parent = nullptr);

    // The start-up, once, before the window is first shown: disables the action buttons and moves
    // the lists to the folder that ParkDir.txt in the working folder remembers, if any.
    void load();
    // Opens a season given from outside the lists (the command line, a drop): a folder, or one of
    // its three data files. As if the user had opened it in the folder list.
    void openSeason(const QString& path);
    // F5: reads the open folder again and, when a park table is shown, builds it again from the
    // files as they are now.
    void reload();

    gui::DriveList& driveList() const { return *drive1_; }
    gui::FolderList& folderList() const { return *dir1_; }
    gui::FileList& fileList() const { return *file1_; }
    gui::ParkGrid& grid() const { return *grdParks_; }
    gui::ParkFindBar& findBar() const { return *findBar_; }
    QLabel& captionLabel() const { return *label1_; }
    gui::ParkDiagramPanel& diagramPanel() const { return *diagramPanel_; }
    QPushButton& getParkInfoButton() const { return *cmdGetParkInfo_; }
    // The free space at the top right, kept there as the window grows, for a find field.
    QWidget& findArea() const { return *findArea_; }
    ComparisonController& comparison() const { return *comparison_; }
    gui::ParkFilters& filters() const { return *filters_; }
    gui::FilterChips& filterChips() const { return *chips_; }
    // The line above the table that says what is wrong with the season shown.
    gui::NoticeLine& seasonNotice() const { return *seasonNotice_; }
    // The short note after a file is written or a job printed, beside the caption.
    gui::OutputNote& outputNote() const { return *outputNote_; }
    gui::FirstStartHint& emptyTableHint() const { return *firstStartHint_; }
    OutputCommands& outputs() const { return *outputs_; }
    gui::FocusFrame& focusFrame() const { return *focusFrame_; }
    // Every control that Tab reaches, in reading order: row by row, left to right. Tab and Shift+Tab
    // walk it (orderTabStops); a new control takes its place here.
    QList<QWidget*> tabStopsInReadingOrder() const;
    gui::FlyBallBar& flyBallBar() const { return *flyBallBar_; }
    gui::FlyBallController& flyBall() const { return *flyBall_; }

    const season::SeasonScan& lastScan() const { return scan_; }
    const std::filesystem::path& parkFilePath() const { return parkFilePath_; }
    // The caption label's text as the season files spell it (Windows-1252).
    const std::string& captionBytes() const { return captionBytes_; }

signals:
    // Exit has saved the folder: the program ends now.
    void exitRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void placeControls();
    void restoreFolder(const QString& remembered);
    void changeDrive(const QString& root);
    void scanSeasonFolder(const QString& folder);
    void getParkInfo();
    void exitProgram();

    // Runs a handler; an error it does not handle itself is shown and the handler goes no further.
    void runHandler(const std::function<void()>& handler);
    void setActionButtonsEnabled(bool getParkInfo, bool outputs);
    void showFirstStartHint();
    void tellCannotOpen(const QString& folder);
    void createPrintMenu();
    void orderTabStops();

    Form1Services services_;
    FolderMemoryFile folderMemory_;

    gui::DriveList* drive1_ = nullptr;
    gui::FolderList* dir1_ = nullptr;
    gui::FileList* file1_ = nullptr;
    QLabel* label1_ = nullptr;
    gui::ParkGrid* grdParks_ = nullptr;
    gui::ParkFindBar* findBar_ = nullptr;
    gui::ParkDiagramPanel* diagramPanel_ = nullptr;
    QPushButton* cmdGetParkInfo_ = nullptr;
    QPushButton* cmdPrintInfo_ = nullptr;
    QPushButton* cmdWritetoFile_ = nullptr;
    QPushButton* cmdWriteCSV_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QWidget* findArea_ = nullptr;
    QToolButton* printMore_ = nullptr;
    QToolButton* onlyDiffering_ = nullptr;
    gui::ParkFilters* filters_ = nullptr;
    gui::FilterChips* chips_ = nullptr;
    gui::NoticeLine* seasonNotice_ = nullptr;
    gui::OutputNote* outputNote_ = nullptr;
    gui::FocusFrame* focusFrame_ = nullptr;
    gui::FirstStartHint* firstStartHint_ = nullptr;
    ComparisonController* comparison_ = nullptr;
    gui::FlyBallBar* flyBallBar_ = nullptr;
    gui::FlyBallController* flyBall_ = nullptr;
    std::unique_ptr<OutputCommands> outputs_;

    season::SeasonScan scan_;
    std::string captionBytes_;
    std::filesystem::path parkFilePath_;
    // The folder each drive showed last, as a drive's current folder: going back to a drive
    // returns to it.
    QHash<QString, QString> folderByDrive_;
};

} // namespace vendrix::app
