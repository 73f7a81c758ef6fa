#include "standins.h"

#include "gui/dialogs/waitcursor.h"

namespace vendrix::test {

void RecordingMessageBox::show(const QString& text) {
    texts << text;
    hourglassShown.push_back(gui::WaitCursor::isShown());
}

bool RecordingMessageBox::ask(const QString& question) {
    questions << question;
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::filesystem::path ScriptedFileDialog::chooseFile(const gui::FileFilter& filter,
                                                     const std::filesystem::path& suggested) {
    filtersAsked << filter.description + QLatin1Char('|') + filter.pattern;
    suggestions.push_back(suggested);
    if (answers_.empty())
        return {};
    std::filesystem::path answer = std::move(answers_.front().path);
    answers_.pop_front();
    return answer;
}

gui::FileChoice ScriptedFileDialog::chooseFileOf(const std::vector<gui::FileFilter>& filters,
                                                 const std::filesystem::path& suggested) {
    for (std::size_t i = 1; i < filters.size(); ++i)
        otherFiltersAsked << filters[i].description + QLatin1Char('|') + filters[i].pattern;
    const int index = answers_.empty() ? 0 : answers_.front().filterIndex;
    return {chooseFile(filters.front(), suggested), index};
}

std::optional<gui::PrintSetup> ScriptedPrintDialog::ask() {
    ++asked;
    if (answers.empty())
        return std::nullopt;
    gui::PrintSetup answer = answers.front();
    answers.pop_front();
    return answer;
}

gui::PrintJob RecordingPrinter::print(const output::PrintedReport& report, const gui::PrintSetup& setup) {
    setups.push_back(setup);
    gui::PrintJob job = print(report);
    if (!setup.printer.isEmpty())
        job.printer = setup.printer;
    job.copies = setup.copies;
    return job;
}

void RecordingPrinter::preview(const output::PrintedReport& report) {
    previewed.push_back(report);
}

gui::PrintJob RecordingPrinter::print(const output::PrintedReport& report) {
    hourglassShown.push_back(gui::WaitCursor::isShown());
    if (failWith)
        throw gui::PrintError(*failWith);
    printed.push_back(report);
    return {name, static_cast<int>(report.sections.size())};
}

std::filesystem::path ScriptedFolderDialog::chooseFolder(const QString&, const std::filesystem::path& start) {
    ++asked;
    starts.push_back(start);
    if (answers.empty())
        return {};
    std::filesystem::path answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

FixedVolumes::FixedVolumes() {
    drives[QStringLiteral("/")] = true;
}

std::vector<gui::Volume> FixedVolumes::readyVolumes() {
    std::vector<gui::Volume> volumes;
    for (const auto& [root, ready] : drives)
        if (ready)
            volumes.push_back({root, {}});
    return volumes;
}

bool FixedVolumes::isReady(const QString& root) {
    const auto it = drives.find(root);
    return it != drives.end() && it->second;
}

} // namespace vendrix::test
