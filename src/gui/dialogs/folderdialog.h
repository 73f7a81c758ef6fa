#pragma once

#include <QString>
#include <filesystem>

namespace vendrix::gui {

// Asks for a folder with the standard folder dialog. Tests answer it in advance.
class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // The chosen folder; empty when the user cancels. The dialog opens on `start` when given.
    virtual std::filesystem::path chooseFolder(const QString& title, const std::filesystem::path& start) = 0;
};

// The folder dialog on screen.
class SystemFolderDialog : public FolderDialog {
public:
    std::filesystem::path chooseFolder(const QString& title, const std::filesystem::path& start) override;
};

} // namespace vendrix::gui
