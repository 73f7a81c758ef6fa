#pragma once

#include <QString>
#include <filesystem>

namespace vendrix::gui {

// One filter choice written as "description|pattern", e.g. "CSV (*.csv)|*.csv".
struct FileFilter {
    QString description;
    QString pattern;

    static FileFilter parse(const QString& filter);
    // The form a Qt file dialog takes: "CSV (*.csv)".
    QString nameFilter() const;
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
};

} // namespace vendrix::gui
