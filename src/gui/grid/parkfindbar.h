#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace vendrix::gui {

// The find field above the grid: keeps only the parks whose park or team name contains the typed
// text, and says beside it how many are shown ("12 of 30 parks"). Ctrl+F anywhere in its window
// puts the cursor in it; Esc clears it.
class ParkFindBar : public QWidget {
    Q_OBJECT
public:
    explicit ParkFindBar(QWidget* parent = nullptr);

    QLineEdit& field() const { return *field_; }
    QLabel& countLabel() const { return *count_; }

public slots:
    void showCount(int shown, int total);

signals:
    void findTextChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    QLabel* count_;
};

} // namespace vendrix::gui
