#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace vendrix::app {

// Lets a season be opened by dropping it on the window: a folder, or one of the three data files
// (which stands for the folder that holds it). Anything else is not accepted, so the desktop shows
// that it cannot be dropped.
class SeasonDrop : public QObject {
    Q_OBJECT
public:
    // Watches the window's drag and drop events; controls that take no drops pass them on to it.
    explicit SeasonDrop(QWidget& window);

    // The folder a path stands for: the folder itself, or the folder of a season data file;
    // empty for anything else.
    static QString seasonFolderOf(const QString& path);
    // The folder the dropped data stands for: the first local file or folder that is a season's.
    static QString seasonFolderOf(const QMimeData& data);

signals:
    void seasonDropped(const QString& folder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vendrix::app
