#include "pagestyle.h"

#include "parktable/columntexts.h"
#include "parktable/parkcolumns.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace vendrix::parkpage {

namespace {

constexpr const char* kFixed = R"css(
body{font:14px/1.35 system-ui,"Segoe UI",Arial,sans-serif;margin:12px;color:#111;background:#fff}
h1{font-size:20px;margin:0 0 6px}
h2{font-size:17px;margin:18px 0 6px}
p{margin:4px 0}
.tools{display:flex;flex-wrap:wrap;gap:6px 18px;align-items:center;margin:6px 0}
#find{font:inherit;width:16em}
.legend span{display:inline-block;min-width:2.6em;padding:0 4px;text-align:center;border:1px solid #c8c8c8}
.scroll{overflow-x:auto}
#parks{border-collapse:collapse;font-size:12px;font-variant-numeric:tabular-nums}
#parks caption{text-align:left;font-weight:bold;font-size:14px;padding:4px 0}
#parks th,#parks td{border:1px solid #c8c8c8;padding:1px 4px;white-space:nowrap;vertical-align:top}
#parks tbody th,#parks tbody td:nth-child(2){white-space:normal;min-width:11em}
#parks thead th,#parks thead td{background:#eef0f3;text-align:center;vertical-align:middle}
#parks thead{position:sticky;top:0}
#parks thead button{font:inherit;font-weight:bold;color:inherit;background:none;border:0;padding:2px 0;width:100%;cursor:pointer}
#parks thead button:focus-visible{outline:2px solid #1a5fb4}
#parks th[aria-sort=ascending] button::after{content:" \25B2"}
#parks th[aria-sort=descending] button::after{content:" \25BC"}
#parks tbody th{text-align:left;font-weight:normal}
#parks td:nth-child(3),#parks td:nth-child(n+26){text-align:center}
#parks td:nth-child(n+4):nth-child(-n+25){text-align:right}
#parks tfoot th,#parks tfoot td{font-weight:bold;border-top:2px solid #888;background:#f6f6f6}
#parks tfoot th{text-align:left}
#parks tr[hidden]{display:none}
.chg{background:rgba(204,121,167,.667);text-decoration:underline dotted}
.new{background:rgba(0,158,115,.47);font-weight:bold;font-style:italic}
a{color:#1a5fb4}
.cards{display:flex;flex-wrap:wrap;gap:12px}
.card{margin:0;width:420px;border:1px solid #c8c8c8;padding:6px}
.card svg{width:100%;height:auto;white-space:pre}
.card figcaption{font-weight:bold}
@media print{
@page{size:A4 landscape;margin:8mm}
body{margin:0;font-size:10px;-webkit-print-color-adjust:exact;print-color-adjust:exact}
.tools .find,.scroll{overflow:visible}
#findbar{display:none}
#parks{font-size:8px}
#parks tbody th,#parks tbody td:nth-child(2){min-width:7em}
#parks thead{position:static}
#parks tr{break-inside:avoid}
#diagrams{break-before:page}
.cards{display:block}
.card{display:inline-block;vertical-align:top;width:31%;height:88mm;margin:0 1% 4mm 0;break-inside:avoid;overflow:hidden}
.card svg{max-height:78mm}
a{color:inherit;text-decoration:none}
}
)css";

// The page's layout for long tables, the find's word when it keeps no park, the diagram cards' size
// and the printed table's page breaks: apart from the table's own rules above, which it only adds to.
constexpr const char* kLayout = R"css(
#nomatch{font-weight:bold}
.card[hidden]{display:none}
#parks .spacer td{border:0;padding:0}
#parks .sizer{visibility:collapse}
#parks.slices{overflow-anchor:none}
@media screen{
#parks.slices tbody th,#parks.slices tbody td{white-space:nowrap}
.card{box-sizing:border-box;width:814px;max-width:100%}
}
@media print{
#parks thead button{display:contents}
#parks tfoot{display:table-row-group}
#parks caption,#parks thead tr{break-after:avoid}
#parks tbody tr:nth-last-child(-n+2),#parks tfoot tr{break-before:avoid}
}
@media print{
#parks tbody tr:nth-last-child(-n+2 of :not([hidden])){break-before:avoid}
}
)css";

void appendTint(std::string& style, char name, int distance, const parktable::Rgb& rgb) {
    const int alpha = parktable::factorTintAlpha(100 + distance);
    char line[80];
    std::snprintf(line, sizeof line, ".%c%d{background:rgba(%d,%d,%d,%d.%03d)}\n", name, distance, rgb.red,
                  rgb.green, rgb.blue, alpha * 1000 / 255 / 1000, alpha * 1000 / 255 % 1000);
    style += line;
}

} // namespace

std::string pageStyle() {
    std::string style = kFixed;
    style += kLayout;
    for (int distance = 1; distance <= parktable::kFactorTintSpan; ++distance) {
        appendTint(style, 'b', distance, parktable::kFactorBelow);
        appendTint(style, 'a', distance, parktable::kFactorAbove);
    }
    return style;
}

std::string_view factorClass(int factor) {
    static const std::array<std::string, 2 * parktable::kFactorTintSpan + 1> classes = [] {
        std::array<std::string, 2 * parktable::kFactorTintSpan + 1> names;
        for (int distance = 1; distance <= parktable::kFactorTintSpan; ++distance) {
            names[static_cast<std::size_t>(parktable::kFactorTintSpan - distance)] =
                "b" + std::to_string(distance);
            names[static_cast<std::size_t>(parktable::kFactorTintSpan + distance)] =
                "a" + std::to_string(distance);
        }
        return names;
    }();
    const int offset = std::clamp(factor - 100, -parktable::kFactorTintSpan, parktable::kFactorTintSpan);
    return classes[static_cast<std::size_t>(offset + parktable::kFactorTintSpan)];
}

} // namespace vendrix::parkpage
