#include "parkdiagrampanel.h"

#include "gui/bridge/displaytext.h"
#include "gui/dialogs/appmessagebox.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/savefilechooser.h"
#include "gui/grid/parkgrid.h"
#include "model/parknames.h"
#include "output/outputfile.h"
#include "parkdiagramfiles.h"
#include "parkdiagrampainter.h"
#include "parkdrawing/diagramtext.h"
#include "splithandle.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPainter>
#include <algorithm>

namespace vendrix::gui {

ParkDiagramPanel::ParkDiagramPanel(ParkGrid& grid, FileDialog& fileDialog, AppMessageBox& messages,
                                   QWidget* parent)
    : QWidget(parent), grid_(grid), fileDialog_(fileDialog), messages_(messages),
      showAction_(new QAction(QStringLiteral("Park diagram"), this)),
      compareAction_(new QAction(QStringLiteral("Compare with this park"), this)),
      stopComparingAction_(new QAction(QStringLiteral("Stop comparing parks"), this)),
      averageAction_(new QAction(QStringLiteral("League average outline"), this)),
      handle_(new SplitHandle(parent)) {
    setObjectName(QStringLiteral("parkDiagramPanel"));
    setAccessibleName(QStringLiteral("Park diagram"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();

    showAction_->setCheckable(true);
    showAction_->setShortcut(Qt::Key_F4);
    showAction_->setShortcutContext(Qt::WindowShortcut);
    connect(showAction_, &QAction::toggled, this, [this](bool shown) {
        setVisible(shown);
        handle_->setVisible(shown);
        emit shownChanged(shown);
    });
    connect(compareAction_, &QAction::triggered, this, &ParkDiagramPanel::compareWithCurrent);
    connect(stopComparingAction_, &QAction::triggered, this, &ParkDiagramPanel::stopComparing);
    stopComparingAction_->setEnabled(false);
    grid_.addAction(showAction_);
    grid_.addAction(compareAction_);
    grid_.addAction(stopComparingAction_);

    auto* saveSvgAction = new QAction(QStringLiteral("Save diagram as SVG..."), this);
    auto* savePngAction = new QAction(QStringLiteral("Save diagram as PNG..."), this);
    connect(saveSvgAction, &QAction::triggered, this, &ParkDiagramPanel::saveSvg);
    connect(savePngAction, &QAction::triggered, this, &ParkDiagramPanel::savePng);
    auto* pngSizes = new QMenu(QStringLiteral("PNG size"), this);
    pngScaleGroup_ = new QActionGroup(this);
    for (const int scale : {1, 2, 4}) {
        QAction* action = pngSizes->addAction(scale == 1 ? QStringLiteral("1x (the panel's pixels)")
                                                         : QStringLiteral("%1x").arg(scale));
        action->setCheckable(true);
        action->setChecked(scale == 1);
        action->setData(scale);
        pngScaleGroup_->addAction(action);
        pngScaleActions_.append(action);
    }
    averageAction_->setCheckable(true);
    averageAction_->setChecked(true);
    connect(averageAction_, &QAction::toggled, this, [this] {
        describe();
        update();
    });
    addAction(saveSvgAction);
    addAction(savePngAction);
    addAction(pngSizes->menuAction());
    addAction(averageAction_);
    addAction(stopComparingAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(&grid_, &ParkGrid::currentTableRowChanged, this, &ParkDiagramPanel::showRow);
    // A find or filter that leaves no park leaves no park to draw.
    connect(&grid_, &ParkGrid::shownParksChanged, this, [this] { showRow(grid_.currentTableRow()); });
    connect(grid_.model(), &QAbstractItemModel::modelReset, this, &ParkDiagramPanel::tableChanged);
    connect(handle_, &SplitHandle::draggedTo, this, &ParkDiagramPanel::dragHandleTo);
    tableChanged();
}

int ParkDiagramPanel::pngScale() const {
    for (const QAction* action : pngScaleActions_)
        if (action->isChecked())
            return action->data().toInt();
    return 1;
}

void ParkDiagramPanel::setPngScale(int scale) {
    for (QAction* action : pngScaleActions_)
        action->setChecked(action->data().toInt() == scale);
}

void ParkDiagramPanel::setWidthShare(double share) {
    widthShare_ = std::clamp(share, 0.2, 0.8);
}

// The handle's x becomes the panel's left edge.
void ParkDiagramPanel::dragHandleTo(int x) {
    if (tableArea_.width() <= 0)
        return;
    setWidthShare(static_cast<double>(tableArea_.right() - x) / tableArea_.width());
    emit widthShareChanged(widthShare_);
}

QRect ParkDiagramPanel::placeBeside(const QRect& tableArea) {
    tableArea_ = tableArea;
    if (!showAction_->isChecked())
        return tableArea;
    constexpr int kHandleWidth = 6;
    const int width = static_cast<int>(tableArea.width() * widthShare_);
    setGeometry(tableArea.right() - width + 1, tableArea.top(), width, tableArea.height());
    handle_->setGeometry(tableArea.right() - width + 1 - kHandleWidth, tableArea.top(), kHandleWidth,
                         tableArea.height());
    handle_->raise();
    return tableArea.adjusted(0, 0, -width - kHandleWidth, 0);
}

// A new table: its own average and scale, and the comparison of the old one is gone.
void ParkDiagramPanel::tableChanged() {
    season_ = grid_.season() ? parkshape::SeasonShapes::of(*grid_.season()) : parkshape::SeasonShapes{};
    // Rows of another season's comparison belong to the old table; a new comparison brings its own.
    previousOutlines_.clear();
    stopComparing();
    showRow(grid_.currentTableRow());
}

// Before the user picks a row, the first park is shown.
void ParkDiagramPanel::showRow(int tableRow) {
    const parktable::ParkTable* table = grid_.table();
    if (table == nullptr || table->parkCount() == 0 || grid_.shownRows().shownParkCount() == 0) {
        diagram_.reset();
    } else {
        const model::Park& park = table->park(tableRow < 0 ? parktable::kFirstParkRow : tableRow);
        diagram_ = ParkDiagram::of(park, season_);
        diagram_->compared = compared_;
        if (!compared_ && previousOutlines_.contains(park.row()))
            diagram_->compared = previousOutlines_.value(park.row());
        if (flyBall_)
            diagram_->flyBall = flyBall_(park);
    }
    describe();
    update();
}

// What the panel shows, in words: a screen reader reads them as the panel's description.
void ParkDiagramPanel::describe() {
    setAccessibleDescription(
        diagram_ ? fromUtf8(parkdrawing::describeDiagram(*diagram_, averageAction_->isChecked()))
                 : QString::fromLatin1(kEmptyText));
}

void ParkDiagramPanel::compareWithCurrent() {
    const parktable::ParkTable* table = grid_.table();
    const int row = grid_.currentTableRow();
    if (table == nullptr || row < 0)
        return;
    const model::Park& park = table->park(row);
    compared_ = ComparedPark{model::shownName(park), parkshape::measuresOf(park)};
    stopComparingAction_->setEnabled(true);
    showAction_->setChecked(true);
    showRow(row);
}

void ParkDiagramPanel::stopComparing() {
    compared_.reset();
    stopComparingAction_->setEnabled(false);
    if (diagram_) {
        diagram_->compared.reset();
        describe();
        update();
    }
}

void ParkDiagramPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!diagram_) {
        painter.fillRect(rect(), palette().window());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(kEmptyText));
        return;
    }
    ParkDiagramPainter::paint(painter, QRectF(rect()), *diagram_, ParkDiagramPainter::Detail::Full,
                              averageAction_->isChecked());
}

// Both files show the panel's picture: laid out at the panel's size, the PNG at the chosen multiple of
// its pixels.
void ParkDiagramPanel::saveSvg() {
    save(QStringLiteral("SVG image (*.svg)|*.svg"), ".svg", [this](const ParkDiagram& diagram) {
        return ParkDiagramFiles::svg(diagram, size(), averageAction_->isChecked());
    });
}

void ParkDiagramPanel::savePng() {
    save(QStringLiteral("PNG image (*.png)|*.png"), ".png", [this](const ParkDiagram& diagram) {
        return ParkDiagramFiles::png(diagram, size(), pngScale(), averageAction_->isChecked());
    });
}

namespace {

// "Park Name.svg": the park's name with what Windows or Linux refuses in a file name made "_".
std::filesystem::path suggestedName(const QString& parkName, const char* extension) {
    QString name = parkName;
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c))
            c = QLatin1Char('_');
    return std::filesystem::path((name + QLatin1String(extension)).toStdU16String());
}

} // namespace

// The file is written under exactly the chosen name (with the extension when typed without one),
// whole or not at all.
void ParkDiagramPanel::save(const QString& filter, const char* extension,
                            const std::function<QByteArray(const ParkDiagram&)>& render) {
    if (!diagram_) {
        messages_.show(QStringLiteral("There is no park diagram to save yet."));
        return;
    }
    // Like the table's outputs: a Save dialog that asks before replacing a file.
    const std::filesystem::path target =
        SaveFileChooser(fileDialog_, messages_)
            .choose(FileFilter::parse(filter),
                    SaveFileChooser::Suggestion{
                        seasonFolder_ / suggestedName(QString::fromStdString(diagram_->name), extension),
                        extension});
    if (target.empty())
        return;
    const QByteArray bytes = render(*diagram_);
    try {
        output::writeOutputFile(target,
                                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const output::OutputError& error) {
        messages_.show(QString::fromStdString(error.what()));
    }
}

void ParkDiagramPanel::setFlyBall(FlyBallOfPark flyBall) {
    flyBall_ = std::move(flyBall);
    showRow(grid_.currentTableRow());
}

void ParkDiagramPanel::setPreviousOutlines(PreviousOutlines outlines) {
    previousOutlines_ = std::move(outlines);
    showRow(grid_.currentTableRow());
}

} // namespace vendrix::gui
