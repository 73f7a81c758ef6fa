#pragma once

#include <QString>
#include <QTreeWidget>

namespace vendrix::gui {

// The folder list: the folders from the root down to the open folder, then the folders inside it.
// A folder opens on double-click or Enter, its parent on Backspace or Alt+Up; moving the selection
// opens nothing. The path changes
// only then or when the program sets it, and every real change emits pathChanged once.
class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }

    // Opens the folder: true when it is open afterwards (already open included); false, with
    // nothing changed, when it does not exist or cannot be read. A relative path is taken from
    // the working folder.
    bool setPath(const QString& path);
    // Reads the open folder's subfolders again.
    void refresh();
    // Opens the folder that holds the open one; nothing at a root.
    void openParent();

    static bool isOpenable(const QString& path);

signals:
    void pathChanged(const QString& path);
    // The user tried to open a folder that cannot be opened (gone, or no permission).
    void openRefused(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The indentation shows the nesting; there is nothing to fold.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void openItem(QTreeWidgetItem* item);
    void fill();

    QString path_;
};

} // namespace vendrix::gui
