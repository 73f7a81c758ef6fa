#include "systemfiledialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace vendrix::platform {

std::filesystem::path SystemFileDialog::chooseFile(const FileFilter& filter) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter.nameFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString());
}

} // namespace vendrix::platform
