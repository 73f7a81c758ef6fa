#pragma once

#include <QRect>
#include <QSize>

namespace vendrix::app {

// A control's place in the window's design, in twips (1440 to the inch).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How a control follows a change of the window's size.
enum class Anchor {
    Top,       // stays where it is: the picker row
    Bottom,    // keeps its distance from the bottom edge: the button row
    GrowWidth, // keeps both side margins: the caption label
    GrowBoth   // keeps all four margins: the park table
};

struct DesignControl {
    TwipsRect rect;
    Anchor anchor = Anchor::Top;
};

// Converts the design to pixels at the screen's dots per inch (15 twips to a pixel at 96).
class FormGeometry {
public:
    static constexpr int kTwipsPerInch = 1440;
    static constexpr int kClientWidthTwips = 12480;
    static constexpr int kClientHeightTwips = 6870;

    explicit FormGeometry(double dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    int pixels(int twips) const;
    QSize designClientSize() const;
    // Where the control stands in a client area of the given size (never smaller than the design).
    QRect place(const DesignControl& control, QSize clientSize) const;

private:
    double dotsPerInch_;
};

namespace design {
inline constexpr DesignControl cmdWriteCSV{{7560, 6120, 2055, 495}, Anchor::Bottom};
inline constexpr DesignControl cmdWritetoFile{{5280, 6120, 2055, 495}, Anchor::Bottom};
inline constexpr DesignControl cmdPrintInfo{{3000, 6120, 2055, 495}, Anchor::Bottom};
inline constexpr DesignControl grdParks{{120, 1920, 12255, 3975}, Anchor::GrowBoth};
inline constexpr DesignControl cmdExit{{9840, 6120, 2055, 492}, Anchor::Bottom};
inline constexpr DesignControl cmdGetParkInfo{{720, 6120, 2052, 492}, Anchor::Bottom};
inline constexpr DesignControl File1{{5160, 360, 2052, 1260}, Anchor::Top};
inline constexpr DesignControl Dir1{{2760, 360, 2052, 1215}, Anchor::Top};
inline constexpr DesignControl Drive1{{480, 360, 2052, 315}, Anchor::Top};
inline constexpr DesignControl Label1{{2640, 1680, 6975, 375}, Anchor::GrowWidth};
} // namespace design

} // namespace vendrix::app
