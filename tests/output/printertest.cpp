// The printer adapters' own parts, on Qt's offscreen platform.
#include "fixtureseason.h"
#include "output/printedreport.h"
#include "platform/pdfprinter.h"
#include "platform/reportpainter.h"
#include "support/tempfolder.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace vendrix;

TEST(ReportPainter, EveryByteDrawsAsOneCharacterAndControlsAsQuestionMarks) {
    const QString text = platform::textFromWindows1252("Pe\xF1"
                                                       "a\t\x80\x81\x7F|");
    EXPECT_EQ(text, QString::fromUtf8("Peña?€??|"));
}

TEST(ReportPainter, ReportFontIsFixedPitchAtTenPoints) {
    output::PrintedReport report;
    report.fontFace = "cOURIER nEW";
    report.fontPoints = 10;
    const QFontInfo font(platform::reportFont(report));
    EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();
    EXPECT_EQ(font.pointSize(), 10);
}

TEST(PdfPrinter, UnwritableTargetIsAPrintErrorNamingTheFile) {
    const test::TempFolder folder;
    const auto fixture = test::fixtureSeason();
    const auto report = output::layoutPrintedReport(fixture.table, fixture.title);
    platform::PdfPrinter printer(folder / "missing" / "parks.pdf");
    try {
        printer.print(report);
        FAIL() << "printed into a missing folder";
    } catch (const platform::PrintError& error) {
        EXPECT_NE(std::string(error.what()).find("missing/parks.pdf"), std::string::npos) << error.what();
    }
    platform::PdfPrinter(folder / "parks.pdf").print(report);
    EXPECT_GT(std::filesystem::file_size(folder / "parks.pdf"), 1000u);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
