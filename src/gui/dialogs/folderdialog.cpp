#include "folderdialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace vendrix::gui {

std::filesystem::path SystemFolderDialog::chooseFolder(const QString& title,
                                                       const std::filesystem::path& start) {
    const QString folder = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), title, QFile::decodeName(QByteArray::fromStdString(start.string())));
    if (folder.isEmpty())
        return {};
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

} // namespace vendrix::gui
