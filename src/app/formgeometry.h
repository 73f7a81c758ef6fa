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

// How a control follows a change of the window's size. A window larger than the design shares
// its extra width and height out: each field is the share of the extra by which that edge or
// extent moves. A window narrower than the design scales every control's left and width alike;
// one lower than the design takes the height from the table alone, and what lies below it moves up.
struct Growth {
    double left = 0;
    double width = 0;
    double top = 0;
    double height = 0;
    bool belowTable = false; // moves up by all of a missing height
    bool isTable = false;    // gives up all of a missing height
};

struct DesignControl {
    TwipsRect rect;
    Growth growth;
};

// Converts the design to pixels at the screen's dots per inch (15 twips to a pixel at 96).
class FormGeometry {
public:
    static constexpr int kTwipsPerInch = 1440;
    static constexpr int kClientWidthTwips = 12480;
    static constexpr int kClientHeightTwips = 6870;
    // The smallest window as shares of the design: the table keeps its caption rows and a few parks.
    static constexpr double kMinimumWidthShare = 0.75;
    static constexpr double kMinimumHeightShare = 0.7;

    explicit FormGeometry(double dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    int pixels(int twips) const;
    QSize designClientSize() const;
    // The smallest client area: never so narrow that a button gets narrower than the width its
    // caption needs (`buttonWidthNeeded`, pixels).
    QSize minimumClientSize(int buttonWidthNeeded) const;
    // Where the control stands in a client area of the given size.
    QRect place(const DesignControl& control, QSize clientSize) const;
    // A box widened about its centre until it holds `contentWidth`, never beyond `bounds`: the
    // caption stays whole in a narrow window.
    static QRect widenToFit(const QRect& box, int contentWidth, const QRect& bounds);

private:
    double dotsPerInch_;
};

namespace design {
inline constexpr int kButtonWidthTwips = 2052; // the narrowest button
// The buttons keep their size and spread out evenly along the bottom: Exit keeps its distance
// from the right edge as Get Park Info keeps its from the left.
constexpr Growth buttonAt(double leftShare) {
    return {leftShare, 0, 1, 0, true, false};
}
inline constexpr Growth kTable{0, 1, 0.25, 0.75, false, true};

inline constexpr DesignControl cmdWriteCSV{{7560, 6120, 2055, 495}, buttonAt(0.75)};
inline constexpr DesignControl cmdWritetoFile{{5280, 6120, 2055, 495}, buttonAt(0.5)};
inline constexpr DesignControl cmdPrintInfo{{3000, 6120, 2055, 495}, buttonAt(0.25)};
inline constexpr DesignControl grdParks{{120, 1920, 12255, 3975}, kTable};
inline constexpr DesignControl cmdExit{{9840, 6120, 2055, 492}, buttonAt(1)};
inline constexpr DesignControl cmdGetParkInfo{{720, 6120, 2052, 492}, buttonAt(0)};
// The picker row shares half the extra width among its lists, the folder list most; within the
// row the lists grow taller by a quarter of the extra height, the table takes the rest.
inline constexpr DesignControl File1{{5160, 360, 2052, 1260}, {1.0 / 2, 1.0 / 6, 0, 0.25}};
inline constexpr DesignControl Dir1{{2760, 360, 2052, 1215}, {1.0 / 6, 1.0 / 3, 0, 0.25}};
inline constexpr DesignControl Drive1{{480, 360, 2052, 315}, {0, 1.0 / 6, 0, 0}};
inline constexpr DesignControl Label1{{2640, 1680, 6975, 375}, {0, 1, 0.25, 0}};
// The free space at the top right, beside the file list: the rest of the extra width.
inline constexpr DesignControl findArea{{7332, 360, 5043, 1260}, {2.0 / 3, 1.0 / 3, 0, 0.25}};
} // namespace design

} // namespace vendrix::app
