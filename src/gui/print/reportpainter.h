#pragma once

#include "output/printedreport.h"

#include <QFont>
#include <QString>
#include <string_view>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace vendrix::gui {

// Draws the printed report on a paged device (a printer or a PDF writer) whose painter is active:
// the leading lines in the painter's font, the rest in the report font, every section from a new
// page and a new page whenever the next line would fall below the printable area. Throws PrintError
// naming the device when it refuses a new page.
// `pages` chooses the pages to paint, counted from 1 (a print dialog's "Pages from ... to"); returns
// how many were painted.
struct PageRange {
    int first = 1;
    int last = 0; // 0: to the end
    bool holds(int page) const { return page >= first && (last == 0 || page <= last); }
};
int paintPrintedReport(QPainter& painter, QPagedPaintDevice& device, const output::PrintedReport& report,
                       const QString& deviceName, const PageRange& pages = {});

// The report's font face at its size as the device draws it; where the device would not draw that
// face fixed pitch (a system without the face hands over another), a fixed-pitch face that it does,
// so that the columns stay straight. Never with ligatures or kerning.
QFont reportFont(const output::PrintedReport& report, const QPaintDevice& device);

} // namespace vendrix::gui
