#include "savefilechooser.h"

#include "gui/bridge/nativepath.h"

namespace vendrix::gui {

std::filesystem::path SaveFileChooser::choose(const FileFilter& filter, const RefusedName& isRefused) {
    std::filesystem::path suggested;
    for (;;) {
        std::filesystem::path path = dialog_.chooseFile(filter, suggested);
        if (path.empty() || (isRefused && isRefused(path)))
            return path;
        std::error_code error;
        if (!std::filesystem::exists(path, error) || messages_.ask(replaceQuestion(path)))
            return path;
        suggested = std::move(path);
    }
}

QString SaveFileChooser::replaceQuestion(const std::filesystem::path& path) {
    return fromNativePath(path.filename()) + QStringLiteral(" already exists.\nReplace it?");
}

} // namespace vendrix::gui
