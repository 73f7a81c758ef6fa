#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace vendrix::gui {

// A list of names under a heading, for a list too long for a line: it scrolls, and its names can
// be selected and copied (Ctrl+C, or "Copy all"), one name a line.
class NameListDialog : public QDialog {
    Q_OBJECT
public:
    NameListDialog(const QString& title, const QString& heading, const QStringList& names,
                   QWidget* parent = nullptr);

    QListWidget& list() const { return *list_; }
    // The selected names, or every name when none is selected, one a line.
    QString selectedText() const;
    void copy() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* list_;
};

} // namespace vendrix::gui
