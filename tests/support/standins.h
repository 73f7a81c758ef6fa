#pragma once

#include "app/form1services.h"
#include "gui/dialogs/folderdialog.h"
#include "output/printedreport.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace vendrix::test {

// Records every message instead of waiting for OK, and whether the hourglass showed meanwhile.
// Questions are answered in advance, one answer per question; with no answer left it says No.
class RecordingMessageBox : public gui::AppMessageBox {
public:
    void show(const QString& text) override;
    bool ask(const QString& question) override;

    QStringList texts;
    std::vector<bool> hourglassShown;
    QStringList questions;
    std::deque<bool> answers;
};

// Answers the file dialog in advance, one answer per showing; with no answer left it is a cancel.
class ScriptedFileDialog : public gui::FileDialog {
public:
    // `filterIndex` answers a dialog with several filters (the encoding of a report: 1 is UTF-8).
    void setNextFileName(std::filesystem::path path, int filterIndex = 0) {
        answers_.push_back({std::move(path), filterIndex});
    }
    std::filesystem::path chooseFile(const gui::FileFilter& filter,
                                     const std::filesystem::path& suggested = {}) override;
    gui::FileChoice chooseFileOf(const std::vector<gui::FileFilter>& filters,
                                 const std::filesystem::path& suggested = {}) override;

    QStringList filtersAsked;      // "description|pattern", the first filter of each showing
    QStringList otherFiltersAsked; // the others
    std::vector<std::filesystem::path> suggestions;

private:
    std::deque<gui::FileChoice> answers_;
};

// Takes each job as one page a section, on the printer `name` or the one the print dialog chose.
class RecordingPrinter : public gui::ReportPrinter {
public:
    gui::PrintJob print(const output::PrintedReport& report) override;
    gui::PrintJob print(const output::PrintedReport& report, const gui::PrintSetup& setup) override;
    void preview(const output::PrintedReport& report) override;

    std::vector<output::PrintedReport> printed;
    std::vector<gui::PrintSetup> setups; // of the jobs the print dialog chose
    std::vector<output::PrintedReport> previewed;
    std::vector<bool> hourglassShown;
    std::optional<std::string> failWith;
    QString name = QStringLiteral("Office");
};

// Answers the print dialog in advance; with no answer left it is a cancel.
class ScriptedPrintDialog : public gui::PrintDialog {
public:
    std::optional<gui::PrintSetup> ask() override;

    std::deque<gui::PrintSetup> answers;
    int asked = 0;
};

// Answers the folder dialog ("Compare with season...") in advance; with no answer left it is a cancel.
class ScriptedFolderDialog : public gui::FolderDialog {
public:
    std::filesystem::path chooseFolder(const QString& title, const std::filesystem::path& start) override;

    std::deque<std::filesystem::path> answers;
    std::vector<std::filesystem::path> starts;
    int asked = 0;
};

// The drives a test wants: the root always, others as the test names them.
class FixedVolumes : public gui::VolumeSource {
public:
    FixedVolumes();
    std::vector<gui::Volume> readyVolumes() override;
    bool isReady(const QString& root) override;

    void addDrive(const QString& root) { drives[root] = true; }

    std::map<QString, bool> drives; // root -> ready
};

// Everything a window needs, standing in for the machine.
struct StandIns {
    RecordingMessageBox messages;
    ScriptedFileDialog fileDialog;
    RecordingPrinter printer;
    FixedVolumes volumes;
    ScriptedPrintDialog printDialog;

    app::Form1Services services() { return {messages, fileDialog, printer, volumes, nullptr, &printDialog}; }
};

} // namespace vendrix::test
