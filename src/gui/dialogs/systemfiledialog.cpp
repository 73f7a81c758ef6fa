#include "systemfiledialog.h"

#include "gui/bridge/nativepath.h"

#include <QApplication>
#include <QFileDialog>

namespace vendrix::gui {

std::filesystem::path SystemFileDialog::chooseFile(const FileFilter& filter,
                                                   const std::filesystem::path& suggested) {
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Save"));
    // The replace question is asked by the caller, in the program's own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(filter.nameFilter());
    if (!suggested.empty())
        dialog.selectFile(fromNativePath(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return toNativePath(dialog.selectedFiles().constFirst());
}

} // namespace vendrix::gui
