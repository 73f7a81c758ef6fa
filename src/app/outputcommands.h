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
    OutputCommands(Form1Services services, const gui::ParkGrid& grid, const std::string& titleBytes);

    void writeCsvFile();
    void writeTextFile();
    void printInfo();

private:
    // False, after telling the user, while no park table has been built.
    bool hasTableForOutput();
    // The file the user chose, or an empty path when they cancelled or chose a refused name.
    std::filesystem::path
    chooseOutputFile(const QString& filter,
                     const std::function<bool(const std::filesystem::path&)>& isRefused);
    // Runs an output's work under the hourglass; the failure it reports, if any, is shown.
    void runShowingFailure(const std::function<void()>& work);

    Form1Services services_;
    const gui::ParkGrid& grid_;
    const std::string& titleBytes_;
};

} // namespace vendrix::app
