#pragma once

#include <QStringList>
#include <QWidget>

class QHBoxLayout;

namespace vendrix::gui {

// The active filters as a row of chips ("Surface: Grass ✕"); a click on a chip, or Delete on it,
// takes its filter away.
class FilterChips : public QWidget {
    Q_OBJECT
public:
    explicit FilterChips(QWidget* parent = nullptr);

    void showChips(const QStringList& texts);
    int chipCount() const { return texts_.size(); }
    QStringList chipTexts() const { return texts_; }

signals:
    void removeRequested(int index);

private:
    QHBoxLayout* layout_;
    QStringList texts_;
};

} // namespace vendrix::gui
