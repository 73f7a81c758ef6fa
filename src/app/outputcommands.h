#pragma once

#include "form1services.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vendrix::gui {
class ParkGrid;
struct PrintJob;
} // namespace vendrix::gui

namespace vendrix::model {
class Season;
} // namespace vendrix::model

namespace vendrix::app {

inline constexpr const char* kNoTableMessage =
    "There is no park table yet: open a season folder and press Get Park Info first.";

// The outputs of the table the grid shows: Write CSV file, Write text file, Print Park Info and
// Save as web page. Each asks for its target where it has one, works under the hourglass and tells the user
// of a failure; none of them changes the table.
class OutputCommands {
public:
    // The reports are titled with the caption of the season shown, whatever folder is open since;
    // the grid outlives the commands.
    // `tellDone` shows a short note when a file has been written or a job printed: what was done and
    // where to, read as one line ("32 parks written to" "C:\Leagues\parks.csv", "4 pages sent to"
    // "Office"). `comparedWith` gives the season the table is compared with, or none.
    using TellDone = std::function<void(const QString& done, const QString& target)>;
    OutputCommands(Form1Services services, const gui::ParkGrid& grid, TellDone tellDone = {},
                   std::function<const model::Season*()> comparedWith = {});

    // The Save dialogs of the CSV and the text report offer the encoding: the season files'
    // Windows-1252 (the first choice) or UTF-8.
    void writeCsvFile();
    void writeTextFile();
    // Alt+P: at once on the default printer.
    void printInfo();
    // "Print...": the system's print dialog chooses the printer, the pages and the copies first.
    void printWithDialog();
    // "Print preview": the printed report's pages on screen.
    void previewInfo();
    // The table as one self-contained web page with each park's diagram, with the changes marked
    // while it is compared with another season; ".html" is added to a name typed without an extension.
    void writeWebPage();

private:
    // False, after telling the user, while no park table has been built.
    bool hasTableForOutput();
    // Asks for the file and its encoding, then writes the table's text (Windows-1252) to it.
    void writeFile(const QString& kind, const QString& extension,
                   const std::function<bool(const std::filesystem::path&)>& isRefused,
                   const std::function<std::string()>& text);
    // The file the user chose, or an empty path when they cancelled or chose a refused name.
    std::filesystem::path chooseOutputFile(const QString& filter,
                                           const std::function<bool(const std::filesystem::path&)>& isRefused,
                                           const std::filesystem::path& extension = {});
    void noteWritten(const std::filesystem::path& path);
    void notePrinted(const gui::PrintJob& job);
    // Runs an output's work under the hourglass; the failure it reports, if any, is shown. True
    // when it succeeded.
    bool runShowingFailure(const std::function<void()>& work);

    Form1Services services_;
    const gui::ParkGrid& grid_;
    TellDone tellDone_;
    std::function<const model::Season*()> comparedWith_;
};

} // namespace vendrix::app
