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
    std::filesystem::path answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void RecordingPrinter::print(const output::PrintedReport& report) {
    hourglassShown.push_back(gui::WaitCursor::isShown());
    if (failWith)
        throw gui::PrintError(*failWith);
    printed.push_back(report);
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
