// The park drawing and its SVG: the exact bytes of known diagrams, what XML cannot carry, every text
// inside the picture at any size, a height scale whose steps the eye can order, and the diagram in words.
#include "parkdrawing/parkdrawing.h"

#include "parkdrawing/diagramtext.h"
#include "parkdrawing/fontmetrics.h"
#include "parkdrawing/heightscale.h"
#include "parkdrawing/svgwriter.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace vendrix::parkdrawing {
namespace {

DiagramContent comparedPark() {
    DiagramContent content;
    content.name = "Pine & Oak Park";
    content.team = "<Angle> | \"Park\" M\xC3\xBCller's";
    content.measures = {{330, 360, 385, 404, 380, 355, 325}, {8, 10, 12, 14, 19, 30, 37}};
    content.average =
        parkshape::FenceMeasures{{328, 368, 390, 402, 388, 366, 327}, {10, 10, 10, 11, 10, 10, 10}};
    content.compared = OutlineOverlay{"Pe\xC3\xB1"
                                      "asco Grounds in Northwind Synthetic League 2031",
                                      {{310, 350, 380, 420, 380, 350, 310}, {10, 10, 10, 10, 10, 10, 10}}};
    content.extentFeet = 420;
    return content;
}

DiagramContent undrawablePark() {
    DiagramContent content;
    content.name = "Nowhere";
    content.measures = {{330, 0, 385, 1200, 380, 355, 325}, {8, 10, 12, 14, 19, 30, 45}};
    content.extentFeet = 410;
    return content;
}

// A ball hooking towards left-centre over the wall: its track and side view as a parabola, drawn in a
// golden diagram and over the parks whose texts must stay inside the picture.
FlyBallPath flyBallOver() {
    FlyBallPath path;
    for (int i = 0; i <= 40; ++i) {
        const double reach = 400.0 * i / 40;
        const double degrees = -15.0 - 10.0 * (i / 40.0) * (i / 40.0);
        const parkshape::PlanePoint at = parkshape::ParkShape::onRay(degrees, reach);
        path.track.push_back(at);
        path.side.push_back({reach, 3.0 + reach * (400.0 - reach) / 1800.0});
    }
    path.wall = FlyBallPath::SidePoint{381.0, 12.0};
    path.verdict = "Out by 9 ft";
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// VENDRIX_UPDATE_GOLDEN=1 writes the files anew after an intended change of the drawing.
void expectGolden(const std::string& name, const std::string& svg) {
    const std::string path = std::string(VENDRIX_DRAWING_GOLDEN_DIR) + "/" + name;
    if (std::getenv("VENDRIX_UPDATE_GOLDEN") != nullptr)
        std::ofstream(path, std::ios::binary) << svg;
    EXPECT_TRUE(readFile(path) == svg) << name << " differs from the SVG drawn now";
}

// What a screen reader hears of a diagram: every measure where it stands, what cannot be real said so,
// and the outlines behind the park, the average one only when it is drawn.
TEST(DiagramText, SaysEveryMeasureAndWhatIsDrawnBehind) {
    EXPECT_EQ(describeDiagram(undrawablePark()),
              "Nowhere, seen from above and drawn to scale. Fence distances: 330 ft at the left-field line, 0 ft "
              "at left field (which cannot be real), 385 ft at left-center field, 1200 ft at center field (which "
              "cannot be real), 380 ft at right-center field, 355 ft at right field and 325 ft at the right-field "
              "line. Fence heights: 8 ft at the left-field line, 10 ft at left field, 12 ft at left-center field, "
              "14 ft at center field, 19 ft at right-center field, 30 ft at right field and 45 ft at the "
              "right-field line.");
    const std::string compared = describeDiagram(comparedPark());
    EXPECT_EQ(compared.substr(0, compared.find(',', 17)), "Pine & Oak Park, home of <Angle> | \"Park\" M\xC3\xBCller's");
    EXPECT_TRUE(compared.ends_with(" Drawn behind it: Pe\xC3\xB1" "asco Grounds in Northwind Synthetic League 2031 and "
                                   "League average."));
    EXPECT_TRUE(describeDiagram(comparedPark(), false).ends_with(" League 2031."));
}

TEST(ParkDrawingSvg, KnownDiagramsKeepTheirExactBytes) {
    const DiagramContent full = comparedPark();
    expectGolden("compared-full.svg", SvgWriter::write(ParkDrawing::draw(full, {}),
                                                       {.title = full.name, .description = "Golden"}));
    const DiagramContent broken = undrawablePark();
    expectGolden(
        "undrawable-cell.svg",
        SvgWriter::write(ParkDrawing::draw(broken, {DrawingOptions::Detail::SheetCell, 410.5, 355.25, false}),
                         {.title = broken.name}));
    expectGolden("sheet-legend.svg",
                 SvgWriter::write(ParkDrawing::sheetLegend(900, 30, true), {.title = "Legend"}));
    DiagramContent flown = comparedPark();
    flown.flyBall = flyBallOver();
    expectGolden("flyball-full.svg", SvgWriter::write(ParkDrawing::draw(flown, {}), {.title = flown.name}));
}

TEST(ParkDrawingSvg, FragmentForAPageHasNoDeclarationAndNoIds) {
    const std::string svg =
        SvgWriter::write(ParkDrawing::draw(comparedPark(), {}), {.title = "x", .fragment = true});
    EXPECT_TRUE(svg.starts_with("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_EQ(svg.find("id="), std::string::npos);
}

TEST(SvgWriter, EscapesXmlSpecialsAndReplacesWhatXmlCannotCarry) {
    std::string out;
    SvgWriter::appendEscaped(
        out, "<a & b> \"c\" 'd' \xC3\xB1\xE2\x82\xAC\t\r\n\x01\x7F\xC2\x81 \xFF \xC3 \xE2\x82");
    EXPECT_EQ(out, "&lt;a &amp; b&gt; &quot;c&quot; &apos;d&apos; \xC3\xB1\xE2\x82\xAC&#9;&#13;&#10;"
                   "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD");
}

double luminance(Colour c) {
    auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

// The old scale made 8 to 19 ft one brown; now every colour step is lighter than the one below it by a
// visible amount, at the common heights as much as at the ends.
TEST(HeightScale, EveryStepIsVisiblyLighterThanTheOneBelow) {
    for (double feet = 0; feet < kTallWallFeet; feet += kHeightStepFeet) {
        const double lower = std::cbrt(luminance(heightColour(feet)));
        const double upper = std::cbrt(luminance(heightColour(feet + kHeightStepFeet)));
        EXPECT_GT(upper - lower, 0.012) << feet << " ft";
    }
    EXPECT_EQ(heightColour(-5), heightColour(0));
    EXPECT_EQ(heightColour(400), heightColour(kTallWallFeet));
}

struct TextBox {
    double left, top, right, bottom;
};

TextBox boxOf(const TextRun& run) {
    const double width = textWidth(run.text, {run.size, run.bold});
    const double left = run.anchor == Anchor::Start    ? run.at.x
                        : run.anchor == Anchor::Middle ? run.at.x - width / 2
                                                       : run.at.x - width;
    return {left, run.at.y - kAscent * run.size, left + width, run.at.y + kDescent * run.size};
}

// Long names, compared seasons, walls out of range, any size: no text is cut off at the picture's edge.
TEST(ParkDrawing, EveryTextStaysInsideThePicture) {
    std::mt19937 random(2031);
    std::uniform_int_distribution<int> distance(250, 520);
    std::uniform_int_distribution<int> height(0, 60);
    const std::string longName = "The Exceedingly Long Memorial Ballpark of Greater Northwind";
    for (int park = 0; park < 60; ++park) {
        DiagramContent content = park % 2 ? comparedPark() : undrawablePark();
        for (int i = 0; i < 7; ++i) {
            content.measures.distance[i] = park % 5 == 4 && i == 3 ? 1000 + park : distance(random);
            content.measures.height[i] = height(random);
        }
        if (park % 3 == 0) {
            content.name = longName;
            content.team = longName;
            if (content.compared)
                content.compared->name = longName + " in " + longName;
        }
        if (park % 4 == 1)
            content.flyBall = flyBallOver();
        for (const DrawingOptions& options : {DrawingOptions{DrawingOptions::Detail::Full, 800, 680},
                                              DrawingOptions{DrawingOptions::Detail::Full, 420, 700},
                                              DrawingOptions{DrawingOptions::Detail::Full, 1600, 900},
                                              DrawingOptions{DrawingOptions::Detail::SheetCell, 420, 370},
                                              DrawingOptions{DrawingOptions::Detail::SheetCell, 200, 150}}) {
            const Drawing drawing = ParkDrawing::draw(content, options);
            for (const Primitive& item : drawing.items) {
                const auto* run = std::get_if<TextRun>(&item);
                if (run == nullptr)
                    continue;
                const TextBox box = boxOf(*run);
                EXPECT_TRUE(box.left >= -0.5 && box.top >= -0.5 && box.right <= options.width + 0.5 &&
                            box.bottom <= options.height + 0.5)
                    << '"' << run->text << "\" at " << run->at.x << "," << run->at.y << " in "
                    << options.width << "x" << options.height;
            }
        }
    }
}

TEST(FontMetrics, WrappedLinesFitTheirWidthAndKeepEveryWordThatFits) {
    const TextStyle style{12};
    const std::string text = "Gullwing Field in Northwind Synthetic League 2031";
    for (double width : {60.0, 90.0, 140.0, 400.0}) {
        const auto lines = wrapped(text, style, width, 10);
        std::string joined;
        for (const std::string& line : lines) {
            EXPECT_LE(textWidth(line, style), width) << line;
            joined += (joined.empty() ? "" : " ") + line;
        }
        EXPECT_EQ(joined, text) << width;
    }
    const auto cut = wrapped(text, style, 90, 2);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_TRUE(cut[1].ends_with("\u2026"));
    EXPECT_LE(textWidth(cut[1], style), 90);
}

} // namespace
} // namespace vendrix::parkdrawing
