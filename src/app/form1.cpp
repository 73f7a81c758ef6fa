#include "form1.h"

#include "comparisoncontroller.h"
#include "formgeometry.h"
#include "gui/bridge/displaytext.h"
#include "gui/bridge/nativepath.h"
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/filters/filterchips.h"
#include "gui/filters/nomatchnotice.h"
#include "gui/filters/parkfilters.h"
#include "gui/flyball/flyballbar.h"
#include "gui/flyball/flyballcontroller.h"
#include "gui/folders/drivelist.h"
#include "gui/folders/filelist.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkfindbar.h"
#include "gui/grid/parkgrid.h"
#include "gui/widgets/firststarthint.h"
#include "gui/widgets/focusframe.h"
#include "gui/widgets/noticeline.h"
#include "gui/widgets/outputnote.h"
#include "model/seasonloader.h"
#include "season/foldermemory.h"
#include "season/seasonfiles.h"
#include "seasondrop.h"
#include "seasonnotice.h"
#include "usersettings.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <optional>

namespace vendrix::app {

namespace {

std::filesystem::path nativePath(const QString& path) {
    return gui::toNativePath(path);
}

// Messages built by the season and output code name files by their native bytes.
QString messageText(std::string_view text) {
    return gui::fromMessageText(text);
}

QString explainIncomplete(const season::SeasonScan& scan) {
    QStringList lines;
    for (const std::string& problem : scan.problems)
        lines << messageText(problem);
    QStringList missing;
    for (const std::string& name : scan.missingFiles())
        missing << QString::fromStdString(name);
    if (lines.isEmpty() && !missing.isEmpty())
        lines << QStringLiteral("This folder is not a season: it lacks %1.")
                     .arg(missing.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}

QPushButton* makeButton(const char* objectName, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

} // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent), services_(services),
      folderMemory_(QString::fromLatin1(season::foldermemory::kFileName.data(),
                                        static_cast<qsizetype>(season::foldermemory::kFileName.size()))) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    createControls();
    outputs_ = std::make_unique<OutputCommands>(
        services_, *grdParks_,
        [this](const QString& done, const QString& target) {
            outputNote_->showNote(done, target);
            placeControls();
        },
        [this] { return comparison_->otherSeason(); });
    createPrintMenu();
    // Beside the table's other views in its context menu: a page of it for the league's web site.
    auto* saveWebPage = new QAction(QStringLiteral("Save as web page..."), this);
    saveWebPage->setObjectName(QStringLiteral("saveWebPage"));
    connect(saveWebPage, &QAction::triggered, this,
            [this] { runHandler([this] { outputs_->writeWebPage(); }); });
    grdParks_->addAction(saveWebPage);
    if (services_.settings) {
        QSettings& settings = *services_.settings;
        UserSettings::rememberToggle(grdParks_->factorColourAction(), settings,
                                     QStringLiteral("grid/factorColours"), true);
        UserSettings::rememberToggle(flyBall_->shapeColumnsAction(), settings,
                                     QStringLiteral("grid/shapeColumns"), true);
        // The diagram panel's place beside the table, its league-average outline and its PNG size.
        UserSettings::rememberToggle(diagramPanel_->averageAction(), settings,
                                     QStringLiteral("diagram/leagueAverage"), true);
        diagramPanel_->setWidthShare(
            settings.value(QStringLiteral("diagram/widthShare"), diagramPanel_->widthShare()).toDouble());
        connect(diagramPanel_, &gui::ParkDiagramPanel::widthShareChanged, this, [&settings](double share) {
            settings.setValue(QStringLiteral("diagram/widthShare"), share);
        });
        diagramPanel_->setPngScale(settings.value(QStringLiteral("diagram/pngScale"), 1).toInt());
        connect(&diagramPanel_->pngScaleGroup(), &QActionGroup::triggered, this, [this, &settings] {
            settings.setValue(QStringLiteral("diagram/pngScale"), diagramPanel_->pngScale());
        });
    }
    const FormGeometry geometry(logicalDpiX());
    int buttonWidthNeeded = 0;
    for (const QPushButton* button :
         {cmdGetParkInfo_, cmdPrintInfo_, cmdWritetoFile_, cmdWriteCSV_, cmdExit_})
        buttonWidthNeeded = std::max(buttonWidthNeeded, button->sizeHint().width());
    setMinimumSize(geometry.minimumClientSize(buttonWidthNeeded));
    resize(geometry.designClientSize());
    placeControls();
    // Controls that come and go as Tab stops take their place in the reading order again.
    connect(filters_, &gui::ParkFilters::filtersChanged, this, &Form1::orderTabStops);
    for (const gui::NoticeLine* line : {seasonNotice_, &comparison_->summaryLine()})
        connect(line, &gui::NoticeLine::clickableChanged, this, &Form1::orderTabStops);
    orderTabStops();
}

QList<QWidget*> Form1::tabStopsInReadingOrder() const {
    // Row by row, left to right: the pickers and the find bar with its chips, the lines above the
    // table, the table, the buttons; the print menu's arrow right after the button it belongs to.
    QList<QWidget*> stops{drive1_, dir1_, file1_, &findBar_->field(), onlyDiffering_};
    for (QWidget* chip : chips_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        stops << chip;
    stops << seasonNotice_ << &comparison_->summaryLine();
    // The Fly ball bar stands over the table: its controls in the order the bar made them, its own.
    for (QWidget* control : flyBallBar_->findChildren<QWidget*>())
        stops << control;
    stops << grdParks_;
    stops << cmdGetParkInfo_ << cmdPrintInfo_ << printMore_ << cmdWritetoFile_ << cmdWriteCSV_ << cmdExit_;
    return stops;
}

void Form1::orderTabStops() {
    QWidget* previous = nullptr;
    for (QWidget* stop : tabStopsInReadingOrder()) {
        // Qt leaves the order as it is for a widget that takes no focus; the next stop follows the last one
        // that does.
        if ((stop->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

void Form1::createControls() {
    // The label first: the table covers the foot of its box, as in the design.
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(12);
    captionFont.setBold(true);
    label1_->setFont(captionFont);

    grdParks_ = new gui::ParkGrid(this);
    grdParks_->setObjectName(QStringLiteral("grdParks"));
    firstStartHint_ = new gui::FirstStartHint(this);

    findArea_ = new QWidget(this);
    findArea_->setObjectName(QStringLiteral("findArea"));
    auto* findLayout = new QVBoxLayout(findArea_);
    findLayout->setContentsMargins(0, 0, 0, 0);
    findLayout->setAlignment(Qt::AlignTop);
    findBar_ = new gui::ParkFindBar(findArea_);
    findBar_->setObjectName(QStringLiteral("findBar"));
    connect(findBar_, &gui::ParkFindBar::findTextChanged, grdParks_, &gui::ParkGrid::setFindText);
    connect(grdParks_, &gui::ParkGrid::shownParksChanged, findBar_, &gui::ParkFindBar::showCount);
    findLayout->addWidget(findBar_);
    chips_ = new gui::FilterChips(findArea_);
    findLayout->addWidget(chips_);
    filters_ = new gui::ParkFilters(*grdParks_, *chips_, this);
    new gui::NoMatchNotice(*grdParks_, findBar_->field(), *filters_);

    seasonNotice_ = new gui::NoticeLine(this);
    seasonNotice_->setObjectName(QStringLiteral("seasonNotice"));
    seasonNotice_->setWarningLook(true);
    outputNote_ = new gui::OutputNote(kOutputNoteMilliseconds, this);
    outputNote_->setObjectName(QStringLiteral("outputNote"));

    diagramPanel_ = new gui::ParkDiagramPanel(*grdParks_, services_.fileDialog, services_.messages, this);
    connect(diagramPanel_, &gui::ParkDiagramPanel::shownChanged, this, &Form1::placeControls);
    connect(diagramPanel_, &gui::ParkDiagramPanel::widthShareChanged, this, &Form1::placeControls);
    comparison_ = new ComparisonController(*grdParks_, *filters_, *this, services_.messages);
    onlyDiffering_ = new QToolButton(findBar_);
    onlyDiffering_->setObjectName(QStringLiteral("onlyDifferingToggle"));
    onlyDiffering_->setDefaultAction(&comparison_->onlyDifferingAction());
    findBar_->addBesideField(onlyDiffering_);
    connect(comparison_, &ComparisonController::summaryShownChanged, this, [this] { placeControls(); });
    connect(comparison_, &ComparisonController::previousOutlinesChanged, diagramPanel_,
            &gui::ParkDiagramPanel::setPreviousOutlines);
    flyBallBar_ = new gui::FlyBallBar(this);
    flyBall_ = new gui::FlyBallController(*grdParks_, *diagramPanel_, *flyBallBar_, this);
    connect(flyBall_, &gui::FlyBallController::barShownChanged, this, &Form1::placeControls);

    drive1_ = new gui::DriveList(services_.volumes, this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    dir1_ = new gui::FolderList(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    file1_ = new gui::FileList(this);
    file1_->setObjectName(QStringLiteral("File1"));

    cmdGetParkInfo_ = makeButton("cmdGetParkInfo", "&Get Park Info", this);
    cmdPrintInfo_ = makeButton("cmdPrintInfo", "&Print Park Info", this);
    cmdWritetoFile_ = makeButton("cmdWritetoFile", "&Write text file", this);
    cmdWriteCSV_ = makeButton("cmdWriteCSV", "Write &CSV file", this);
    cmdExit_ = makeButton("cmdExit", "E&xit", this);

    focusFrame_ = new gui::FocusFrame(*this, {drive1_, dir1_, file1_, grdParks_});

    // Before the start-up every list shows the working folder, without a change event.
    const QString workingFolder = QDir::currentPath();
    drive1_->showDriveOf(workingFolder);
    folderByDrive_.insert(drive1_->drive(), workingFolder);
    {
        const QSignalBlocker blocker(dir1_);
        dir1_->setPath(workingFolder);
    }
    file1_->setPath(workingFolder);

    connect(drive1_, &gui::DriveList::driveChanged, this,
            [this](const QString& root) { runHandler([&] { changeDrive(root); }); });
    connect(dir1_, &gui::FolderList::pathChanged, this,
            [this](const QString& folder) { runHandler([&] { scanSeasonFolder(folder); }); });
    connect(dir1_, &gui::FolderList::openRefused, this, &Form1::tellCannotOpen);
    connect(cmdGetParkInfo_, &QPushButton::clicked, this, [this] { runHandler([this] { getParkInfo(); }); });
    connect(cmdWriteCSV_, &QPushButton::clicked, this,
            [this] { runHandler([this] { outputs_->writeCsvFile(); }); });
    connect(cmdWritetoFile_, &QPushButton::clicked, this,
            [this] { runHandler([this] { outputs_->writeTextFile(); }); });
    connect(cmdPrintInfo_, &QPushButton::clicked, this,
            [this] { runHandler([this] { outputs_->printInfo(); }); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { runHandler([this] { exitProgram(); }); });

    connect(drive1_, &gui::DriveList::driveChosenAgain, this,
            [this](const QString& root) { runHandler([&] { dir1_->setPath(root); }); });
    connect(new SeasonDrop(*this), &SeasonDrop::seasonDropped, this,
            [this](const QString& folder) { runHandler([&] { openSeason(folder); }); });
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
            [this] { runHandler([this] { reload(); }); });
}

void Form1::placeControls() {
    const FormGeometry geometry(logicalDpiX());
    const QSize client = size();
    drive1_->setGeometry(geometry.place(design::Drive1, client));
    dir1_->setGeometry(geometry.place(design::Dir1, client));
    file1_->setGeometry(geometry.place(design::File1, client));
    QRect tableArea =
        diagramPanel_->placeBeside(flyBallBar_->placeAbove(geometry.place(design::grdParks, client)));
    const QRect captionRowBounds = tableArea;
    if (!seasonNotice_->isHidden()) {
        const int height = seasonNotice_->sizeHint().height();
        seasonNotice_->setGeometry(tableArea.left(), tableArea.top(), tableArea.width(), height);
        tableArea.adjust(0, height, 0, 0);
    }
    grdParks_->setGeometry(comparison_->placeSummaryAbove(tableArea));
    label1_->setGeometry(FormGeometry::widenToFit(geometry.place(design::Label1, client),
                                                  label1_->sizeHint().width(), grdParks_->geometry()));
    outputNote_->place(*label1_, captionRowBounds);
    firstStartHint_->setGeometry(grdParks_->geometry());
    firstStartHint_->raise();
    findArea_->setGeometry(geometry.place(design::findArea, client));
    cmdGetParkInfo_->setGeometry(geometry.place(design::cmdGetParkInfo, client));
    cmdPrintInfo_->setGeometry(geometry.place(design::cmdPrintInfo, client));

    cmdWritetoFile_->setGeometry(geometry.place(design::cmdWritetoFile, client));
    cmdWriteCSV_->setGeometry(geometry.place(design::cmdWriteCSV, client));
    // The print menu's arrow stands in the gap after Print Park Info; where the gap is too narrow,
    // the button gives up the rest.
    const int arrow = std::max(14, cmdPrintInfo_->height() / 2);
    const int gap = cmdWritetoFile_->geometry().left() - cmdPrintInfo_->geometry().right() - 1;
    if (gap < arrow + 4)
        cmdPrintInfo_->resize(cmdPrintInfo_->width() - (arrow + 4 - gap), cmdPrintInfo_->height());
    const QRect print = cmdPrintInfo_->geometry();
    printMore_->setGeometry(print.right() + 1, print.top(), arrow, print.height());
    cmdExit_->setGeometry(geometry.place(design::cmdExit, client));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void Form1::runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        services_.messages.show(messageText(error.what()));
    }
}

void Form1::setActionButtonsEnabled(bool getParkInfo, bool outputs) {
    printMore_->setEnabled(outputs);
    for (QAction* action : printMore_->menu()->actions())
        action->setEnabled(outputs);
    cmdGetParkInfo_->setEnabled(getParkInfo);
    cmdPrintInfo_->setEnabled(outputs);
    cmdWritetoFile_->setEnabled(outputs);
    cmdWriteCSV_->setEnabled(outputs);
}

void Form1::load() {
    setActionButtonsEnabled(false, false);
    if (!folderMemory_.holdsFolder()) {
        folderMemory_.createEmpty();
        return;
    }
    // A memory that cannot be read is left as it is; the start goes on as a first start.
    if (const std::optional<QString> remembered = folderMemory_.read())
        restoreFolder(*remembered);
}

void Form1::restoreFolder(const QString& remembered) {
    if (remembered.isEmpty())
        return;
    const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(remembered));
    // Each step that fails is skipped without a word and the next one runs.
    const QString drive = gui::DriveList::driveOf(folder, drive1_->drives());
    if (!drive.isEmpty())
        drive1_->setDrive(drive);
    dir1_->setPath(folder);
    file1_->setPath(folder);
}

void Form1::openSeason(const QString& path) {
    const QString folder = SeasonDrop::seasonFolderOf(path);
    if (folder.isEmpty() || !dir1_->setPath(folder))
        tellCannotOpen(folder.isEmpty() ? path : folder);
}

void Form1::tellCannotOpen(const QString& folder) {
    services_.messages.show(
        QStringLiteral("This folder cannot be opened: %1").arg(QDir::toNativeSeparators(folder)));
}

void Form1::reload() {
    drive1_->refresh();
    // A folder removed meanwhile gives way to the nearest one that is left.
    QString folder = dir1_->path();
    while (!gui::FolderList::isOpenable(folder)) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (folder != dir1_->path()) {
        dir1_->setPath(folder);
        return;
    }
    dir1_->refresh();
    scanSeasonFolder(folder);
    if (grdParks_->table() && scan_.isComplete())
        getParkInfo();
}

void Form1::showFirstStartHint() {
    // A folder with some of the season's files says which are missing or unreadable, and why.
    const bool partSeason = scan_.filesFound != 0 || !scan_.problems.empty();
    firstStartHint_->setText(partSeason && !scan_.isComplete()
                                 ? explainIncomplete(scan_)
                                 : QString::fromLatin1(gui::FirstStartHint::kText));
    firstStartHint_->setVisible(!grdParks_->table() && !scan_.isComplete());
}

void Form1::createPrintMenu() {
    printMore_ = new QToolButton(this);
    printMore_->setObjectName(QStringLiteral("cmdPrintMore"));
    printMore_->setArrowType(Qt::DownArrow);
    printMore_->setToolTip(QStringLiteral("Print with the print dialog, or preview the printed report"));
    printMore_->setAccessibleName(QStringLiteral("More ways to print"));
    printMore_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(printMore_);
    QAction* dialog = menu->addAction(QStringLiteral("Print..."));
    dialog->setObjectName(QStringLiteral("printDialogAction"));
    dialog->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QAction* preview = menu->addAction(QStringLiteral("Print preview"));
    preview->setObjectName(QStringLiteral("printPreviewAction"));
    for (QAction* action : {dialog, preview}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(dialog, &QAction::triggered, this,
            [this] { runHandler([this] { outputs_->printWithDialog(); }); });
    connect(preview, &QAction::triggered, this, [this] { runHandler([this] { outputs_->previewInfo(); }); });
    printMore_->setMenu(menu);
}

void Form1::changeDrive(const QString& root) {
    const QString current = folderByDrive_.value(root, root);
    if (!dir1_->setPath(current))
        dir1_->setPath(root);
}

void Form1::scanSeasonFolder(const QString& folder) {
    drive1_->showDriveOf(folder);
    folderByDrive_.insert(drive1_->drive(), folder);

    file1_->setPath(folder);
    scan_ = season::scanSeasonFolder(nativePath(file1_->path()), file1_->names());
    if (scan_.isComplete()) {
        cmdGetParkInfo_->setEnabled(true);
        cmdGetParkInfo_->setToolTip({});
        captionBytes_ = scan_.caption();
        label1_->setText(gui::fromWindows1252(captionBytes_));
        label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        placeControls();
    } else {
        cmdGetParkInfo_->setEnabled(false);
        cmdGetParkInfo_->setToolTip(explainIncomplete(scan_));
    }
    showFirstStartHint();
}

void Form1::getParkInfo() {
    setActionButtonsEnabled(false, true);
    cmdGetParkInfo_->setToolTip({});
    parkFilePath_ = scan_.parkFile.empty()
                        ? nativePath(dir1_->path()) / std::string(season::seasonfiles::kParkFile)
                        : scan_.parkFile;
    model::SeasonBuild build = model::buildSeason(scan_, parkFilePath_.parent_path(), parkFilePath_);
    if (!build.built()) {
        services_.messages.show(messageText(build.message));
        return;
    }
    const QString notice = seasonNoticeText(*build.season);
    seasonNotice_->setFullText(notice);
    seasonNotice_->setVisible(!notice.isEmpty());
    placeControls();
    grdParks_->setSeason(std::move(*build.season));
    diagramPanel_->setSeasonFolder(parkFilePath_.parent_path());
    showFirstStartHint();
    comparison_->tableShown();
}

void Form1::exitProgram() {
    if (const std::optional<QString> failure = folderMemory_.write(file1_->path())) {
        services_.messages.show(QStringLiteral("The folder cannot be remembered: %1 cannot be written (%2).")
                                    .arg(folderMemory_.fileName(), *failure));
    }
    hide();
    emit exitRequested();
}

} // namespace vendrix::app
