// The three output buttons as the window drives them. The writers' own content is tested with the
// writers; here a file must hold exactly what they return for the table shown.
#include "gui/dialogs/waitcursor.h"
#include "gui/grid/parkgrid.h"
#include "gui/widgets/outputnote.h"
#include "output/csvexport.h"
#include "output/outputname.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "season/windows1252.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

namespace vendrix::test {
namespace {

class OutputButtons : public WindowTest {
protected:
    std::unique_ptr<app::Form1> windowWithTable() {
        auto window = startWindow();
        openFolder(*window, makeSeason("season"));
        button(*window, "cmdGetParkInfo").click();
        if (!window->grid().table())
            throw std::runtime_error("no table was built");
        return window;
    }
    static QString refusedMessage() {
        return QString::fromLatin1(output::kRefusedNameMessage.data(),
                                   static_cast<qsizetype>(output::kRefusedNameMessage.size()));
    }
    static void expectArrow() { EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); }
};

TEST_F(OutputButtons, CsvFileHoldsTheTableAsTheExporterWritesIt) {
    auto window = windowWithTable();
    const auto target = workFolder() / "parks"; // typed without an extension
    writeBytes(target, "old content that must go");
    standIns.fileDialog.setNextFileName(target);
    standIns.messages.answers = {true}; // replace it
    button(*window, "cmdWriteCSV").click();

    EXPECT_EQ(standIns.fileDialog.filtersAsked, QStringList{QStringLiteral("CSV (*.csv)|*.csv")});
    EXPECT_EQ(readBytes(target), output::csvText(*window->grid().table()));
    EXPECT_FALSE(std::filesystem::exists(workFolder() / "parks.csv"));
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    expectArrow();
}

TEST_F(OutputButtons, TextReportCarriesTheCaptionAsItsTitle) {
    auto window = windowWithTable();
    const auto target = workFolder() / "parks.txt";
    standIns.fileDialog.setNextFileName(target);
    button(*window, "cmdWritetoFile").click();

    EXPECT_EQ(standIns.fileDialog.filtersAsked, QStringList{QStringLiteral("Text (*.txt)|*.txt")});
    EXPECT_EQ(window->captionBytes(), "Park Factors for Northwind Baseball League in 2031");
    EXPECT_EQ(readBytes(target), output::textReport(*window->grid().table(), window->captionBytes()));
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    expectArrow();
}

TEST_F(OutputButtons, WebPageGetsItsExtensionBeforeTheReplaceQuestion) {
    auto window = windowWithTable();
    writeBytes(workFolder() / "parks.html", "old page");
    standIns.fileDialog.setNextFileName(workFolder() / "parks"); // typed without an extension
    standIns.messages.answers = {true};
    window->findChild<QAction*>(QStringLiteral("saveWebPage"))->trigger();

    EXPECT_EQ(standIns.fileDialog.filtersAsked, QStringList{QStringLiteral("Web page (*.html)|*.html")});
    EXPECT_EQ(standIns.messages.questions,
              QStringList{QStringLiteral("parks.html already exists.\nReplace it?")});
    const std::string page = readBytes(workFolder() / "parks.html");
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(page.find("<caption>Park Factors for Northwind Baseball League in 2031</caption>"),
              std::string::npos);
    std::size_t cards = 0;
    for (std::size_t at = page.find("<figure"); at != std::string::npos; at = page.find("<figure", at + 1))
        ++cards;
    EXPECT_EQ(static_cast<int>(cards), window->grid().table()->parkCount());
    EXPECT_FALSE(std::filesystem::exists(workFolder() / "parks"));
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    expectArrow();
}

TEST_F(OutputButtons, CancelledDialogWritesNothing) {
    auto window = windowWithTable();
    button(*window, "cmdWriteCSV").click();
    button(*window, "cmdWritetoFile").click();
    EXPECT_EQ(standIns.fileDialog.filtersAsked.size(), 2);
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(workFolder()))
        files.push_back(entry.path().filename());
    EXPECT_EQ(files, std::vector<std::filesystem::path>{"ParkDir.txt"});
    expectArrow();
}

TEST_F(OutputButtons, FolderMemoryIsNeverOverwritten) {
    auto window = windowWithTable();
    remember("/somewhere/else");
    const std::string memory = readBytes(memoryFile());

    standIns.fileDialog.setNextFileName(memoryFile());
    button(*window, "cmdWriteCSV").click();
    standIns.fileDialog.setNextFileName(workFolder() / "Backup" / "PARKDIR.TXT.bak");
    button(*window, "cmdWritetoFile").click();
    standIns.fileDialog.setNextFileName(memoryFile());
    button(*window, "cmdWritetoFile").click();

    EXPECT_EQ(standIns.messages.texts, QStringList(3, refusedMessage()));
    EXPECT_EQ(readBytes(memoryFile()), memory);
    expectArrow();
}

TEST_F(OutputButtons, WriteFailureNamesTheFileAndRestoresTheArrow) {
    auto window = windowWithTable();
    const auto target = workFolder() / "no such folder" / "parks.csv";
    standIns.fileDialog.setNextFileName(target);
    button(*window, "cmdWriteCSV").click();
    standIns.fileDialog.setNextFileName(target.parent_path() / "parks.txt");
    button(*window, "cmdWritetoFile").click();

    ASSERT_EQ(standIns.messages.texts.size(), 2);
    EXPECT_TRUE(standIns.messages.texts[0].contains(QStringLiteral("parks.csv")));
    EXPECT_TRUE(standIns.messages.texts[1].contains(QStringLiteral("parks.txt")));
    EXPECT_EQ(standIns.messages.hourglassShown, (std::vector<bool>{false, false}));
    expectArrow();
}

TEST_F(OutputButtons, PrintSendsTheLaidOutReportUnderTheHourglass) {
    auto window = windowWithTable();
    button(*window, "cmdPrintInfo").click();
    ASSERT_EQ(standIns.printer.printed.size(), 1u);
    EXPECT_EQ(standIns.printer.hourglassShown, std::vector<bool>{true});
    const output::PrintedReport expected =
        output::layoutPrintedReport(*window->grid().table(), window->captionBytes());
    const output::PrintedReport& printed = standIns.printer.printed.front();
    EXPECT_EQ(printed.leadingLines, expected.leadingLines);
    EXPECT_EQ(printed.fontFace, expected.fontFace);
    EXPECT_EQ(printed.fontPoints, expected.fontPoints);
    EXPECT_EQ(printed.sections, expected.sections);
    expectArrow();
    // A note says where the job went, as after a file is written.
    EXPECT_TRUE(window->outputNote().isVisibleTo(window.get()));
    EXPECT_EQ(window->outputNote().toolTip(), QStringLiteral("4 pages sent to Office"));

    window->outputNote().hide();
    standIns.printer.failWith = "No default printer";
    button(*window, "cmdPrintInfo").click();
    EXPECT_EQ(standIns.messages.texts, QStringList{QStringLiteral("No default printer")});
    EXPECT_EQ(standIns.messages.hourglassShown, std::vector<bool>{false});
    EXPECT_FALSE(window->outputNote().isVisibleTo(window.get()));
    expectArrow();
}

TEST_F(OutputButtons, DesignStateHasNothingToWriteOrPrint) {
    const auto season = makeSeason("nopark");
    auto window = startWindow();
    openFolder(*window, season);
    std::filesystem::remove(season / "dmbpark.dat");
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(window->grid().model()->rowCount(), 2);
    EXPECT_EQ(window->grid().model()->columnCount(), 2);
    standIns.messages.texts.clear();

    standIns.fileDialog.setNextFileName(workFolder() / "parks.csv");
    button(*window, "cmdWriteCSV").click();
    button(*window, "cmdWritetoFile").click();
    button(*window, "cmdPrintInfo").click();
    EXPECT_EQ(standIns.messages.texts, QStringList(3, QString::fromLatin1(app::kNoTableMessage)));
    EXPECT_TRUE(standIns.fileDialog.filtersAsked.isEmpty());
    EXPECT_TRUE(standIns.printer.hourglassShown.empty());
    EXPECT_FALSE(std::filesystem::exists(workFolder() / "parks.csv"));
}

} // namespace
} // namespace vendrix::test

namespace vendrix::test {
namespace {

TEST_F(OutputButtons, TheSaveDialogOffersUtf8AndAWrittenFileIsNamedInAPassingNote) {
    auto window = windowWithTable();
    const auto target = workFolder() / "parks utf8.csv";
    standIns.fileDialog.setNextFileName(target, 1); // "CSV in UTF-8"
    button(*window, "cmdWriteCSV").click();
    EXPECT_EQ(standIns.fileDialog.otherFiltersAsked,
              QStringList{QStringLiteral("CSV in UTF-8 (*.csv)|*.csv")});
    EXPECT_EQ(readBytes(target), season::windows1252::toUtf8(output::csvText(*window->grid().table())));
    QLabel& note = window->outputNote();
    EXPECT_FALSE(note.isHidden());
    EXPECT_EQ(note.toolTip(), QStringLiteral("%1 parks written to %2")
                                  .arg(window->grid().table()->parkCount())
                                  .arg(QDir::toNativeSeparators(qpath(target))));
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    // It hides nothing: it stands beside the caption's words, above the table; too narrow a place
    // keeps the start of the note and the file's name.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const QSize size : {window->size(), QSize(1400, 820)}) {
        window->resize(size);
        const QRect caption = window->captionLabel().geometry();
        const int captionWidth =
            window->captionLabel().fontMetrics().horizontalAdvance(window->captionLabel().text());
        EXPECT_FALSE(note.geometry().intersects(window->grid().geometry()));
        EXPECT_TRUE(note.geometry().right() < caption.center().x() - captionWidth / 2 ||
                    note.geometry().left() > caption.center().x() + captionWidth / 2);
        EXPECT_LE(note.fontMetrics().horizontalAdvance(note.text()), note.width());
        EXPECT_TRUE(note.text().startsWith(QStringLiteral("32 parks written to ")));
        EXPECT_TRUE(note.text().endsWith(QStringLiteral("utf8.csv"))) << note.text().toStdString();
    }
    QTRY_VERIFY_WITH_TIMEOUT(note.isHidden(), app::kOutputNoteMilliseconds + 2000);

    // The text report keeps Windows-1252 as its first choice; a failed write leaves no note.
    standIns.fileDialog.setNextFileName(workFolder() / "parks.txt");
    button(*window, "cmdWritetoFile").click();
    EXPECT_EQ(readBytes(workFolder() / "parks.txt"),
              output::textReport(*window->grid().table(), window->captionBytes()));
    EXPECT_FALSE(note.isHidden());
    note.hide();
    standIns.fileDialog.setNextFileName(workFolder() / "no such folder" / "parks.txt");
    button(*window, "cmdWritetoFile").click();
    EXPECT_EQ(standIns.messages.texts.size(), 1);
    EXPECT_TRUE(note.isHidden());
}

TEST_F(OutputButtons, PrintDialogChoosesPrinterPagesAndCopiesAndPreviewShowsTheSameReport) {
    auto window = windowWithTable();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Cancelled: nothing printed.
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(standIns.printDialog.asked, 1);
    EXPECT_TRUE(standIns.printer.printed.empty());

    standIns.printDialog.answers.push_back({QStringLiteral("Office"), 2, 3, 2});
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(standIns.printer.setups.size(), 1u);
    EXPECT_EQ(standIns.printer.setups[0].printer, QStringLiteral("Office"));
    EXPECT_EQ(standIns.printer.setups[0].firstPage, 2);
    EXPECT_EQ(standIns.printer.setups[0].copies, 2);
    const output::PrintedReport expected =
        output::layoutPrintedReport(*window->grid().table(), window->captionBytes());
    ASSERT_EQ(standIns.printer.printed.size(), 1u);
    EXPECT_EQ(standIns.printer.printed[0].sections.size(), expected.sections.size());
    EXPECT_EQ(window->outputNote().toolTip(), QStringLiteral("2 copies of 4 pages sent to Office"));

    // Alt+P still prints at once, without the dialog.
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    QTest::qWait(150); // a mnemonic clicks its button as an animation
    EXPECT_EQ(standIns.printDialog.asked, 2);
    EXPECT_EQ(standIns.printer.printed.size(), 2u);

    auto* preview = window->findChild<QAction*>(QStringLiteral("printPreviewAction"));
    ASSERT_NE(preview, nullptr);
    preview->trigger();
    ASSERT_EQ(standIns.printer.previewed.size(), 1u);
    EXPECT_EQ(standIns.printer.previewed[0].sections.size(), 4u);
    EXPECT_EQ(standIns.printer.previewed[0].title, expected.title);
}

} // namespace
} // namespace vendrix::test
