#pragma once

#include "filedialog.h"

class QWidget;

namespace vendrix::gui {

// The file dialog on screen: a save dialog titled "Save" with a Save button, the given filters (the
// first chosen), no default extension; a name that does not exist yet may be typed. It leaves the
// question about an existing file to SaveFileChooser.
class SystemFileDialog : public FileDialog {
public:
    std::filesystem::path chooseFile(const FileFilter& filter,
                                     const std::filesystem::path& suggested = {}) override;
    FileChoice chooseFileOf(const std::vector<FileFilter>& filters,
                            const std::filesystem::path& suggested = {}) override;
};

} // namespace vendrix::gui
