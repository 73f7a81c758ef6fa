#include "savefilechooser.h"

#include "gui/bridge/nativepath.h"

namespace vendrix::gui {

std::filesystem::path SaveFileChooser::choose(const FileFilter& filter, const RefusedName& isRefused) {
    return choose(filter, isRefused, {});
}

std::filesystem::path SaveFileChooser::choose(const FileFilter& filter, const Suggestion& suggestion) {
    return choose(filter, {}, suggestion);
}

std::filesystem::path SaveFileChooser::choose(const FileFilter& filter, const RefusedName& isRefused,
                                              const Suggestion& suggestion) {
    return chooseOf({filter}, isRefused, suggestion).path;
}

FileChoice SaveFileChooser::chooseOf(const std::vector<FileFilter>& filters, const RefusedName& isRefused,
                                     const Suggestion& suggestion) {
    std::filesystem::path suggested = suggestion.path;
    for (;;) {
        FileChoice choice = filters.size() == 1
                                ? FileChoice{dialog_.chooseFile(filters.front(), suggested), 0}
                                : dialog_.chooseFileOf(filters, suggested);
        std::filesystem::path& path = choice.path;
        if (!path.empty() && !suggestion.extension.empty() && !path.has_extension())
            path += suggestion.extension;
        if (path.empty() || (isRefused && isRefused(path)))
            return choice;
        std::error_code error;
        if (!std::filesystem::exists(path, error) || messages_.ask(replaceQuestion(path)))
            return choice;
        suggested = path;
    }
}

QString SaveFileChooser::replaceQuestion(const std::filesystem::path& path) {
    return fromNativePath(path.filename()) + QStringLiteral(" already exists.\nReplace it?");
}

} // namespace vendrix::gui
