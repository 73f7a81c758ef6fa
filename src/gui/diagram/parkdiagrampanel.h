#pragma once

#include "parkdiagram.h"
#include "parkshape/seasonshapes.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;

namespace vendrix::gui {
class AppMessageBox;
class FileDialog;
class ParkGrid;
class SplitHandle;

// The park diagram beside the table: draws the park of the grid's current row and follows it as
// the user moves through the table. F4 or the grid's context menu shows and hides it; "Compare with
// this park" in the grid's context menu lays that park's outline over every park shown after it;
// the panel's own context menu saves the diagram shown as SVG or PNG (at 1, 2 or 4 times the panel's
// pixels) and switches the league-average outline off and on. A handle between table and panel shares
// the width out between them.
class ParkDiagramPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kEmptyText =
        "The park diagram appears here once Get Park Info has built the table.";

    ParkDiagramPanel(ParkGrid& grid, FileDialog& fileDialog, AppMessageBox& messages, QWidget* parent);

    // The part of `tableArea` the grid keeps: all of it while the panel is hidden; otherwise the panel
    // takes its share of the right-hand part of it and places itself and the handle there.
    QRect placeBeside(const QRect& tableArea);

    // The panel's share of the table area's width, kept between 0.2 and 0.8.
    double widthShare() const { return widthShare_; }
    void setWidthShare(double share);

    // Where a save suggests the file goes: the season's folder.
    void setSeasonFolder(std::filesystem::path folder) { seasonFolder_ = std::move(folder); }

    // What the panel draws; none before a table has been built.
    const std::optional<ParkDiagram>& diagram() const { return diagram_; }

    QAction& showAction() const { return *showAction_; }
    QAction& compareAction() const { return *compareAction_; }
    QAction& stopComparingAction() const { return *stopComparingAction_; }
    // Checked: the league-average outline is drawn behind the park.
    QAction& averageAction() const { return *averageAction_; }
    // Times the panel's pixels a saved PNG has: 1, 2 or 4.
    int pngScale() const;
    void setPngScale(int scale);
    QActionGroup& pngScaleGroup() const { return *pngScaleGroup_; }

    void saveSvg();
    void savePng();
    // Outlines from another season, drawn behind the park of the same row while no park of this
    // season is laid over it; an empty set removes them.
    void setPreviousOutlines(PreviousOutlines outlines);
    // The fly ball drawn over the park shown, asked anew for each park; an empty function draws none.
    using FlyBallOfPark = std::function<std::optional<parkdrawing::FlyBallPath>(const model::Park&)>;
    void setFlyBall(FlyBallOfPark flyBall);

signals:
    // Shown or hidden: the window places the table anew.
    void shownChanged(bool shown);
    // The user dragged the handle: the window places the table anew and may keep the share.
    void widthShareChanged(double share);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tableChanged();
    void showRow(int tableRow);
    void describe();
    void compareWithCurrent();
    void stopComparing();
    void save(const QString& filter, const char* extension,
              const std::function<QByteArray(const ParkDiagram&)>& render);
    void dragHandleTo(int x);

    ParkGrid& grid_;
    FileDialog& fileDialog_;
    AppMessageBox& messages_;
    parkshape::SeasonShapes season_;
    std::optional<ParkDiagram> diagram_;
    std::optional<ComparedPark> compared_;
    PreviousOutlines previousOutlines_;
    FlyBallOfPark flyBall_;
    QAction* showAction_;
    QAction* compareAction_;
    QAction* stopComparingAction_;
    QAction* averageAction_;
    QList<QAction*> pngScaleActions_;
    QActionGroup* pngScaleGroup_;
    SplitHandle* handle_;
    QRect tableArea_;
    double widthShare_ = 0.45;
    std::filesystem::path seasonFolder_;
};

} // namespace vendrix::gui
