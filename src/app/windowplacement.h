#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <memory>

class QWidget;

namespace vendrix::app {

// Remembers the window's size and place between runs in the user's settings (not in ParkDir.txt,
// which keeps only the folder): puts them back before the window is first shown and saves them
// whenever the window goes away, by Exit or by the close box.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    WindowPlacement(QWidget& window, std::unique_ptr<QSettings> settings);
    ~WindowPlacement() override;

    // Gives the window the size and place last saved; false, with the window as it was, when there
    // is none or it does not fit any screen.
    bool restore();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace vendrix::app
