#pragma once

#include "appmessagebox.h"
#include "filedialog.h"

#include <filesystem>
#include <functional>
#include <string>

namespace vendrix::gui {

// Asks for the name of an output file and, when a file of that name exists already, whether to
// replace it. No shows the dialog again on that name, so nothing is replaced without a Yes.
class SaveFileChooser {
public:
    // True for a name the caller refuses on its own: such a name is handed back without the
    // question, since nothing will be written to it.
    using RefusedName = std::function<bool(const std::filesystem::path&)>;

    SaveFileChooser(FileDialog& dialog, AppMessageBox& messages) : dialog_(dialog), messages_(messages) {}

    // Where the dialog opens, and the extension (".svg") a typed name without one gets before it is
    // checked against the files there.
    struct Suggestion {
        std::filesystem::path path;
        std::string extension;
    };

    // The path to write, as typed (no extension added); empty when the user cancels.
    std::filesystem::path choose(const FileFilter& filter, const RefusedName& isRefused = {});
    // The same, opening on the suggested path and adding its extension to a name typed without one.
    std::filesystem::path choose(const FileFilter& filter, const Suggestion& suggestion);
    // The same with both: a name the caller refuses, and where to open with what extension to add.
    std::filesystem::path choose(const FileFilter& filter, const RefusedName& isRefused,
                                 const Suggestion& suggestion);
    // The most general: several filters (the choice says which one was chosen), a name the caller
    // refuses, and where to open with what extension to add.
    FileChoice chooseOf(const std::vector<FileFilter>& filters, const RefusedName& isRefused = {},
                        const Suggestion& suggestion = {});

    // "NAME already exists.\nReplace it?"
    static QString replaceQuestion(const std::filesystem::path& path);

private:
    FileDialog& dialog_;
    AppMessageBox& messages_;
};

} // namespace vendrix::gui
