#pragma once

#include <QLabel>

namespace vendrix::gui {

// One line of words above the table (a season's warnings, the comparison's totals). Too long for
// the window, it ends in "..." rather than running off it; when it has more to show, a click, or
// Enter or Space on it, asks for that (the window opens a list). A warning stands out in the
// platform's own colours for a tooltip, framed, behind the style's warning sign, so that it shows
// in a high-contrast scheme as well as in any other.
class NoticeLine : public QLabel {
    Q_OBJECT
public:
    explicit NoticeLine(QWidget* parent = nullptr);

    // The whole text; empty hides the line. A line with a `clickTip` (its tooltip: what a click
    // shows) can be clicked; one without shows its whole text as its tooltip when it is cut.
    void setFullText(const QString& text, const QString& clickTip = {});
    const QString& fullText() const { return fullText_; }
    bool isClickable() const { return clickable_; }
    // Shows the line as a warning, or as plain words (the default).
    void setWarningLook(bool warning);
    bool hasWarningLook() const { return warning_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    // The line became a Tab stop or stopped being one.
    void clickableChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void elide();
    int signSize() const;

    QString fullText_;
    QString clickTip_;
    bool clickable_ = false;
    bool warning_ = false;
};

} // namespace vendrix::gui
