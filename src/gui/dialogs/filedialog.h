#pragma once

#include <QString>
#include <filesystem>
#include <vector>

namespace vendrix::gui {

// One filter choice written as "description|pattern", e.g. "CSV (*.csv)|*.csv".
struct FileFilter {
    QString description;
    QString pattern;

    static FileFilter parse(const QString& filter);
    // The form a Qt file dialog takes: "CSV (*.csv)".
    QString nameFilter() const;
};

// What a save dialog offering several filters chose: the path, and which filter (0 for the first).
// The filters may stand for more than the name's ending, e.g. the text encoding of the file.
struct FileChoice {
    std::filesystem::path path;
    int filterIndex = 0;
};

// Asks for the name of a file to write, as a save dialog: the user may pick an existing file or
// type a new name. It never asks about replacing a file itself (SaveFileChooser does). Tests answer
// it in advance.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen path as given, no extension added; empty when the user cancels. A `suggested`
    // path opens the dialog on its folder with its name filled in.
    virtual std::filesystem::path chooseFile(const FileFilter& filter,
                                             const std::filesystem::path& suggested = {}) = 0;
    // The same with several filters to choose from, the first chosen at the start.
    virtual FileChoice chooseFileOf(const std::vector<FileFilter>& filters,
                                    const std::filesystem::path& suggested = {}) {
        return {chooseFile(filters.front(), suggested), 0};
    }
};

} // namespace vendrix::gui
