#pragma once

#include <QLabel>
#include <QTimer>

namespace vendrix::gui {

// The short note after an output ("32 parks written to C:\Leagues\parks.csv", "4 pages sent to
// Office"). It stands in the caption's row above the table, beside the caption's words, where it
// hides nothing a user reads, and goes by itself after a while. Where the row is too narrow, it gives
// up the start of its target and keeps the file's name; its tooltip holds the whole note.
class OutputNote : public QLabel {
    Q_OBJECT
public:
    OutputNote(int shownMilliseconds, QWidget* parent);

    // Shows "DONE TARGET" (what was done, where to) until the time is up or the next note comes. The
    // window places it then.
    void showNote(const QString& done, const QString& target);
    // Places the note on the wider side of `caption`'s words, within the width of `tableArea`, in the
    // row between the caption's top and the table's.
    void place(const QLabel& caption, const QRect& tableArea);

private:
    QTimer hideTimer_;
    QString target_;
};

} // namespace vendrix::gui
