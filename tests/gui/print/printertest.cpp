// The printer adapters' own parts, on Qt's offscreen platform.
#include "fixtureseason.h"
#include "gui/bridge/displaytext.h"
#include "gui/print/fixedpitchfont.h"
#include "gui/print/pdfprinter.h"
#include "gui/print/reportglyphs.h"
#include "gui/print/reportpainter.h"
#include "gui/print/reportpreview.h"
#include "output/printedreport.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QBuffer>
#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

using namespace vendrix;

TEST(ReportPainter, EveryByteDrawsAsOneCharacterAndControlsAsQuestionMarks) {
    const QString text = gui::printableFromWindows1252("Pe\xF1"
                                                       "a\t\x80\x81\x7F|");
    EXPECT_EQ(text, QString::fromUtf8("Peña?€??|"));
}

TEST(ReportPainter, ReportFontIsDrawnFixedPitchAtTenPointsWithoutShapingWhateverTheFace) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QPdfWriter pdf(&buffer);
    output::PrintedReport report;
    report.fontPoints = 10;
    // A proportional face stands here for a system that hands one over for a face it lacks.
    for (const char* face : {"cOURIER nEW", "Liberation Serif"}) {
        report.fontFace = face;
        const QFont font = gui::reportFont(report, pdf);
        EXPECT_TRUE(gui::drawsFixedPitch(font, pdf)) << face << ": " << font.family().toStdString();
        EXPECT_EQ(font.pointSize(), 10) << face;
        EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping) << face;
        EXPECT_FALSE(font.kerning()) << face;
    }
    EXPECT_FALSE(gui::drawsFixedPitch(QFont("Liberation Serif", 10), pdf));
}

TEST(ReportGlyphs, LineIsItsInkAtFixedColumnsAndOnlyAFixedPitchFontQualifies) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QPdfWriter pdf(&buffer);
    output::PrintedReport report;
    report.fontFace = "cOURIER nEW";
    report.fontPoints = 10;
    const gui::ReportGlyphs glyphs(gui::reportFont(report, pdf), pdf);
    ASSERT_TRUE(glyphs.fitColumns());

    const QGlyphRun ink = glyphs.inkOf("  Pe\xF1"
                                       "a  7 ");
    const qreal w = glyphs.columnWidth();
    EXPECT_EQ(ink.positions(), (QList<QPointF>{{2 * w, 0}, {3 * w, 0}, {4 * w, 0}, {5 * w, 0}, {8 * w, 0}}));
    EXPECT_EQ(ink.glyphIndexes(), ink.rawFont().glyphIndexesForString(QString::fromUtf8("Peña7")));
    EXPECT_TRUE(glyphs.inkOf("      ").isEmpty());

    // Columns of a proportional face would not line up: such lines are drawn as text.
    EXPECT_FALSE(gui::ReportGlyphs(QFont("Liberation Sans", 10), pdf).fitColumns());
}

TEST(PdfPrinter, UnwritableTargetIsAPrintErrorNamingTheFile) {
    const test::TempFolder folder;
    const auto fixture = test::fixtureSeason();
    const auto report = output::layoutPrintedReport(fixture.table(), fixture.title);
    gui::PdfPrinter printer(folder / "missing" / "parks.pdf");
    try {
        printer.print(report);
        FAIL() << "printed into a missing folder";
    } catch (const gui::PrintError& error) {
        EXPECT_NE(std::string(error.what()).find("missing/parks.pdf"), std::string::npos) << error.what();
    }
    gui::PdfPrinter(folder / "parks.pdf").print(report);
    EXPECT_GT(std::filesystem::file_size(folder / "parks.pdf"), 1000u);
}

// Pages of a PDF document: its page objects.
static int pdfPages(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                            pdf.count("/Type /Page>>") + pdf.count("/Type /Page/"));
}

TEST(ReportPreview, ShowsThePagesThePrinterGetsAndAPageRangeKeepsItsPages) {
    const auto fixture = test::fixtureSeason();
    const auto report = output::layoutPrintedReport(fixture.table(), fixture.title);
    const int printed = pdfPages(gui::PdfPrinter::render(report));
    ASSERT_GE(printed, 4); // a page at least for each of the four sections
    EXPECT_EQ(gui::ReportPreview(report).pageCount(), printed);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter(&writer);
    gui::paintPrintedReport(painter, writer, report, QStringLiteral("test"), {2, 3});
    painter.end();
    EXPECT_EQ(pdfPages(buffer.data()), 2);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
