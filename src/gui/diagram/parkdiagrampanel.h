#pragma once

#include "parkdiagram.h"
#include "parkshape/seasonshapes.h"

#include <QWidget>
#include <functional>
#include <optional>

class QAction;

namespace vendrix::gui {
class AppMessageBox;
class FileDialog;
class ParkGrid;
} // namespace vendrix::gui

namespace vendrix::app {

// The park diagram beside the table: draws the park of the grid's current row and follows it as
// the user moves through the table. F4 or the grid's context menu shows and hides it; "Compare with
// this park" in the grid's context menu lays that park's outline over every park shown after it;
// the panel's own context menu saves the diagram shown as SVG or PNG.
class ParkDiagramPanel : public QWidget {
    Q_OBJECT
public:
    ParkDiagramPanel(gui::ParkGrid& grid, gui::FileDialog& fileDialog, gui::AppMessageBox& messages,
                     QWidget* parent);

    // The part of `tableArea` the grid keeps: all of it while the panel is hidden; otherwise the panel
    // takes the right-hand part of it and places itself there.
    QRect placeBeside(const QRect& tableArea);

    // What the panel draws; none before a table has been built.
    const std::optional<gui::ParkDiagram>& diagram() const { return diagram_; }

    QAction& showAction() const { return *showAction_; }
    QAction& compareAction() const { return *compareAction_; }
    QAction& stopComparingAction() const { return *stopComparingAction_; }

    void saveSvg();
    void savePng();
    // Outlines from another season, drawn behind the park of the same row while no park of this
    // season is laid over it; an empty set removes them.
    void setPreviousOutlines(gui::PreviousOutlines outlines);

signals:
    // Shown or hidden: the window places the table anew.
    void shownChanged(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tableChanged();
    void showRow(int tableRow);
    void compareWithCurrent();
    void stopComparing();
    void save(const QString& filter, const std::function<QByteArray(const gui::ParkDiagram&)>& render);

    gui::ParkGrid& grid_;
    gui::FileDialog& fileDialog_;
    gui::AppMessageBox& messages_;
    parkshape::SeasonShapes season_;
    std::optional<gui::ParkDiagram> diagram_;
    std::optional<gui::ComparedPark> compared_;
    gui::PreviousOutlines previousOutlines_;
    QAction* showAction_;
    QAction* compareAction_;
    QAction* stopComparingAction_;
};

} // namespace vendrix::app
