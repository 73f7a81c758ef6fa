#pragma once

#include <QListWidget>
#include <QString>
#include <string>
#include <vector>

namespace vendrix::gui {

// The file list: the names of the folder's files that match the three season data file names,
// without regard to case. It only shows; selecting a name does nothing.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Lists the folder; false, with nothing changed, when it is not a folder that can be read.
    bool setPath(const QString& path);

    // The names as the folder holds them, bytes unchanged.
    const std::vector<std::string>& names() const { return names_; }

private:
    QString path_;
    std::vector<std::string> names_;
};

} // namespace vendrix::gui
