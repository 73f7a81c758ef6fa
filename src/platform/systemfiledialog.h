#pragma once

#include "filedialog.h"

class QWidget;

namespace vendrix::platform {

// The file dialog on screen: open-file form, one filter, no title, no start folder, no default
// extension, and a name that does not exist yet may be typed.
class SystemFileDialog : public FileDialog {
public:
    std::filesystem::path chooseFile(const FileFilter& filter) override;
};

} // namespace vendrix::platform
