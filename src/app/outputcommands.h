#pragma once

#include "form1services.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vendrix::gui {
class ParkGrid;
} // namespace vendrix::gui

namespace vendrix::app {

inline constexpr const char* kNoTableMessage =
    "There is no park table yet: open a season folder and press Get Park Info first.";

// The three outputs of the table the grid shows: Write CSV file, Write text file and Print Park
// Info. Each asks for its target where it has one, works under the hourglass and tells the user of a
// failure; none of them changes the table.
class OutputCommands {
public:
    // The reports are titled with `titleBytes`, the caption of the scan the table was built from;
    // both it and the grid outlive the commands.
    // `tellDone` shows a short note when a file has been written ("32 parks written to ...").
    OutputCommands(Form1Services services, const gui::ParkGrid& grid, const std::string& titleBytes,
                   std::function<void(const QString&)> tellDone = {});

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

private:
    // False, after telling the user, while no park table has been built.
    bool hasTableForOutput();
    // Asks for the file and its encoding, then writes the table's text (Windows-1252) to it.
    void writeFile(const QString& kind, const QString& extension,
                   const std::function<bool(const std::filesystem::path&)>& isRefused,
                   const std::function<std::string()>& text);
    // Runs an output's work under the hourglass; the failure it reports, if any, is shown. True
    // when it succeeded.
    bool runShowingFailure(const std::function<void()>& work);

    Form1Services services_;
    const gui::ParkGrid& grid_;
    const std::string& titleBytes_;
    std::function<void(const QString&)> tellDone_;
};

} // namespace vendrix::app
