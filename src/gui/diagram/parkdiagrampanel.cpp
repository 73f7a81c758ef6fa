#include "parkdiagrampanel.h"

#include "gui/dialogs/appmessagebox.h"
#include "gui/dialogs/filedialog.h"
#include "gui/dialogs/savefilechooser.h"
#include "gui/grid/parkgrid.h"
#include "output/outputfile.h"
#include "parkdiagramfiles.h"
#include "parkdiagrampainter.h"

#include <QAction>
#include <QPainter>
#include <algorithm>

namespace vendrix::app {

ParkDiagramPanel::ParkDiagramPanel(gui::ParkGrid& grid, gui::FileDialog& fileDialog,
                                   gui::AppMessageBox& messages, QWidget* parent)
    : QWidget(parent), grid_(grid), fileDialog_(fileDialog), messages_(messages),
      showAction_(new QAction(QStringLiteral("Park diagram"), this)),
      compareAction_(new QAction(QStringLiteral("Compare with this park"), this)),
      stopComparingAction_(new QAction(QStringLiteral("Stop comparing parks"), this)) {
    setObjectName(QStringLiteral("parkDiagramPanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();

    showAction_->setCheckable(true);
    showAction_->setShortcut(Qt::Key_F4);
    showAction_->setShortcutContext(Qt::WindowShortcut);
    connect(showAction_, &QAction::toggled, this, [this](bool shown) {
        setVisible(shown);
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
    if (gui::ParkDiagramFiles::canWriteSvg())
        addAction(saveSvgAction);
    addAction(savePngAction);
    addAction(stopComparingAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(&grid_, &gui::ParkGrid::currentTableRowChanged, this, &ParkDiagramPanel::showRow);
    connect(grid_.model(), &QAbstractItemModel::modelReset, this, &ParkDiagramPanel::tableChanged);
    tableChanged();
}

QRect ParkDiagramPanel::placeBeside(const QRect& tableArea) {
    if (!showAction_->isChecked())
        return tableArea;
    const int width = std::min(tableArea.width() / 2, tableArea.height() * 6 / 5);
    setGeometry(tableArea.right() - width + 1, tableArea.top(), width, tableArea.height());
    return tableArea.adjusted(0, 0, -width - 4, 0);
}

// A new table: its own average and scale, and the comparison of the old one is gone.
void ParkDiagramPanel::tableChanged() {
    season_ = grid_.table() ? parkshape::SeasonShapes::of(*grid_.table()) : parkshape::SeasonShapes{};
    // Rows of another season's comparison belong to the old table; a new comparison brings its own.
    previousOutlines_.clear();
    stopComparing();
    showRow(grid_.currentTableRow());
}

// Before the user picks a row, the first park is shown.
void ParkDiagramPanel::showRow(int tableRow) {
    const parktable::ParkTable* table = grid_.table();
    if (table == nullptr || table->parkCount() == 0) {
        diagram_.reset();
    } else {
        const int row = tableRow < 0 ? parktable::kFirstParkRow : tableRow;
        diagram_ = gui::ParkDiagram::ofRow(*table, row, season_);
        diagram_->compared = compared_;
        if (!compared_ && previousOutlines_.contains(row))
            diagram_->compared = previousOutlines_.value(row);
    }
    update();
}

void ParkDiagramPanel::compareWithCurrent() {
    const parktable::ParkTable* table = grid_.table();
    const int row = grid_.currentTableRow();
    if (table == nullptr || row < 0)
        return;
    compared_ =
        gui::ComparedPark{gui::ParkDiagram::nameOfRow(*table, row), parkshape::measuresOfRow(*table, row)};
    stopComparingAction_->setEnabled(true);
    showAction_->setChecked(true);
    showRow(row);
}

void ParkDiagramPanel::stopComparing() {
    compared_.reset();
    stopComparingAction_->setEnabled(false);
    if (diagram_) {
        diagram_->compared.reset();
        update();
    }
}

void ParkDiagramPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!diagram_) {
        painter.fillRect(rect(), palette().window());
        painter.drawText(
            rect(), Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("The park diagram appears here once Get Park Info has built the table."));
        return;
    }
    gui::ParkDiagramPainter::paint(painter, QRectF(rect()), *diagram_, gui::ParkDiagramPainter::Detail::Full);
}

void ParkDiagramPanel::saveSvg() {
    save(QStringLiteral("SVG image (*.svg)|*.svg"),
         [](const gui::ParkDiagram& diagram) { return gui::ParkDiagramFiles::svg(diagram); });
}

void ParkDiagramPanel::savePng() {
    save(QStringLiteral("PNG image (*.png)|*.png"),
         [](const gui::ParkDiagram& diagram) { return gui::ParkDiagramFiles::png(diagram); });
}

// The file is written under exactly the chosen name, whole or not at all.
void ParkDiagramPanel::save(const QString& filter,
                            const std::function<QByteArray(const gui::ParkDiagram&)>& render) {
    if (!diagram_) {
        messages_.show(QStringLiteral("There is no park diagram to save yet."));
        return;
    }
    // Like the table's outputs: a Save dialog that asks before replacing a file.
    const std::filesystem::path target =
        gui::SaveFileChooser(fileDialog_, messages_).choose(gui::FileFilter::parse(filter));
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

void ParkDiagramPanel::setPreviousOutlines(gui::PreviousOutlines outlines) {
    previousOutlines_ = std::move(outlines);
    showRow(grid_.currentTableRow());
}

} // namespace vendrix::app
