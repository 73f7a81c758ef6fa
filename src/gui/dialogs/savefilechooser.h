#pragma once

#include "appmessagebox.h"
#include "filedialog.h"

#include <filesystem>
#include <functional>

namespace vendrix::gui {

// Asks for the name of an output file and, when a file of that name exists already, whether to
// replace it. No shows the dialog again on that name, so nothing is replaced without a Yes.
class SaveFileChooser {
public:
    // True for a name the caller refuses on its own: such a name is handed back without the
    // question, since nothing will be written to it.
    using RefusedName = std::function<bool(const std::filesystem::path&)>;

    SaveFileChooser(FileDialog& dialog, AppMessageBox& messages) : dialog_(dialog), messages_(messages) {}

    // The path to write, as typed (no extension added); empty when the user cancels.
    std::filesystem::path choose(const FileFilter& filter, const RefusedName& isRefused = {});

    // "NAME already exists.\nReplace it?"
    static QString replaceQuestion(const std::filesystem::path& path);

private:
    FileDialog& dialog_;
    AppMessageBox& messages_;
};

} // namespace vendrix::gui
