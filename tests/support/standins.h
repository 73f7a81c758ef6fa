#pragma once

#include "app/form1services.h"
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
    void setNextFileName(std::filesystem::path path) { answers_.push_back(std::move(path)); }
    std::filesystem::path chooseFile(const gui::FileFilter& filter,
                                     const std::filesystem::path& suggested = {}) override;

    QStringList filtersAsked; // "description|pattern"
    std::vector<std::filesystem::path> suggestions;

private:
    std::deque<std::filesystem::path> answers_;
};

class RecordingPrinter : public gui::ReportPrinter {
public:
    void print(const output::PrintedReport& report) override;

    std::vector<output::PrintedReport> printed;
    std::vector<bool> hourglassShown;
    std::optional<std::string> failWith;
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

    app::Form1Services services() { return {messages, fileDialog, printer, volumes}; }
};

} // namespace vendrix::test
