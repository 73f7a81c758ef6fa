#include "pagestyle.h"

#include "model/columns.h"
#include "model/tints.h"

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
#parks tfoot th,#parks tfoot td{font-weight:bold;border-top:2px solid #888;background:#f6f6f6}
#parks tfoot th{text-align:left}
#parks tr[hidden]{display:none}
.chg{text-decoration:underline dotted}
.new{font-weight:bold;font-style:italic}
.bad{background-image:linear-gradient(225deg,#c81e1e 5px,transparent 5px)}
a{color:#1a5fb4}
#parks .chg a,#parks .new a{color:#0a3f7a}
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

// A colour of the window's, with its alpha as a fraction to three places.
std::string cssColour(const model::Rgba& colour) {
    const int thousandths = colour.alpha * 1000 / 255;
    char text[48];
    std::snprintf(text, sizeof text, "rgba(%d,%d,%d,%d.%03d)", colour.red, colour.green, colour.blue,
                  thousandths / 1000, thousandths % 1000);
    return text;
}

void appendTint(std::string& style, char name, int distance) {
    style += "." + std::string(1, name) + std::to_string(distance) +
             "{background:" + cssColour(model::factorTint(100 + (name == 'b' ? -distance : distance))) +
             "}\n";
}

// The park cells aligned as the window aligns them, column by column of the catalogue.
void appendAlignments(std::string& style) {
    for (const auto& [alignment, css] : {std::pair{model::ColumnAlignment::Centred, "center"},
                                         std::pair{model::ColumnAlignment::RightTop, "right"}}) {
        std::string selectors;
        for (const model::Column& column : model::columns())
            if (column.alignment == alignment && column.index > 0)
                selectors += (selectors.empty() ? "" : ",") + std::string("#parks td:nth-child(") +
                             std::to_string(column.index + 1) + ")";
        if (!selectors.empty())
            style += selectors + "{text-align:" + css + "}\n";
    }
}

} // namespace

std::string pageStyle() {
    std::string style = kFixed;
    style += kLayout;
    appendAlignments(style);
    style += ".chg{background:" + cssColour(model::kChangedTint) + "}\n";
    style += ".new{background:" + cssColour(model::kNewParkTint) + "}\n";
    for (int distance = 1; distance <= model::kFactorTintSpan; ++distance) {
        appendTint(style, 'b', distance);
        appendTint(style, 'a', distance);
    }
    return style;
}

std::string_view factorClass(int factor) {
    static const std::array<std::string, 2 * model::kFactorTintSpan + 1> classes = [] {
        std::array<std::string, 2 * model::kFactorTintSpan + 1> names;
        for (int distance = 1; distance <= model::kFactorTintSpan; ++distance) {
            names[static_cast<std::size_t>(model::kFactorTintSpan - distance)] =
                "b" + std::to_string(distance);
            names[static_cast<std::size_t>(model::kFactorTintSpan + distance)] =
                "a" + std::to_string(distance);
        }
        return names;
    }();
    const int offset = std::clamp(factor - 100, -model::kFactorTintSpan, model::kFactorTintSpan);
    return classes[static_cast<std::size_t>(offset + model::kFactorTintSpan)];
}

} // namespace vendrix::parkpage
