#include "systemfiledialog.h"

#include "nativepath.h"

#include <QApplication>
#include <QFileDialog>

namespace vendrix::platform {

std::filesystem::path SystemFileDialog::chooseFile(const FileFilter& filter) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter.nameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return toNativePath(dialog.selectedFiles().constFirst());
}

} // namespace vendrix::platform
