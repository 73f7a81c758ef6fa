#include "parkpage.h"

#include "pagescript.h"
#include "pagestyle.h"
#include "pagetexts.h"
#include "parkjson/parkvalues.h"
#include "parktable/columntexts.h"
#include "parktable/parkcolumnstats.h"
#include "sha256.h"

#include <array>
#include <charconv>
#include <vector>

namespace vendrix::parkpage {

namespace {

using parktable::ParkColumnStats;
using parktable::ParkTable;
namespace col = parktable::col;

constexpr int kLastColumn = col::lastCaptioned;

bool isFactorColumn(int column) {
    return column >= col::firstFactorLHB && column < col::firstAttribute;
}

// The comparison's notes by table row, for one look-up per row.
class NotesByRow {
public:
    NotesByRow(const seasondiff::ChangeNotes* changes, int rowCount) {
        if (changes == nullptr)
            return;
        rows_.resize(static_cast<std::size_t>(rowCount));
        for (const seasondiff::ChangeNote& note : changes->notes)
            if (note.row >= 0 && note.row < rowCount)
                rows_[static_cast<std::size_t>(note.row)].push_back(&note);
    }
    const seasondiff::ChangeNote* find(int row, int column) const {
        if (rows_.empty())
            return nullptr;
        for (const seasondiff::ChangeNote* note : rows_[static_cast<std::size_t>(row)])
            if (note->column == column)
                return note;
        return nullptr;
    }

private:
    std::vector<std::vector<const seasondiff::ChangeNote*>> rows_;
};

std::string seasonTitle(const parkjson::SeasonNames& names) {
    std::string title;
    appendDisplayHtml(title, names.league);
    title += ' ';
    appendDisplayHtml(title, names.season);
    return title;
}

// How many columns from this one share its group caption; 1 for a column without one.
int groupSpan(int column) {
    const std::string_view group = parktable::kParkColumns[static_cast<std::size_t>(column)].groupCaption;
    int span = 1;
    while (!group.empty() && column + span <= kLastColumn &&
           parktable::kParkColumns[static_cast<std::size_t>(column + span)].groupCaption == group)
        ++span;
    return span;
}

void appendColumns(std::string& out) {
    // One column group per caption of the first row, so that a group caption's scope is its columns.
    for (int column = 0; column <= kLastColumn; column += groupSpan(column)) {
        const int span = groupSpan(column);
        out += span == 1 ? "<colgroup></colgroup>"
                         : "<colgroup span=\"" + std::to_string(span) + "\"></colgroup>";
    }
    out += '\n';
}

void appendCaptions(std::string& out) {
    out += "<thead>\n<tr>";
    for (int column = 0; column <= kLastColumn;) {
        const std::string_view group = parktable::kParkColumns[static_cast<std::size_t>(column)].groupCaption;
        const int span = groupSpan(column);
        if (group.empty()) {
            out += "<td></td>";
        } else {
            out += "<th scope=\"colgroup\" colspan=\"" + std::to_string(span) + "\">";
            appendHtml(out, group);
            out += "</th>";
        }
        column += span;
    }
    out += "</tr>\n<tr>";
    for (int column = 0; column <= kLastColumn; ++column) {
        out += "<th scope=\"col\" data-key=\"" + columnKey(column) + '"';
        if (ParkColumnStats::isNumberColumn(column))
            out += " data-number";
        out += " title=\"";
        appendHtml(out, parktable::columnMeaning(column));
        out += "\"><button type=\"button\">";
        appendDisplayHtml(out, parktable::kParkColumns[static_cast<std::size_t>(column)].caption);
        out += "</button></th>";
    }
    out += "</tr>\n</thead>\n";
}

// The opening tag of a park cell with its class and tooltip: a change note wins over the factor
// colour, as in the window.
void openCell(std::string& out, const char* tag, const seasondiff::ChangeNote* note, std::string_view tint) {
    out += '<';
    out += tag;
    if (note != nullptr) {
        out += note->newPark ? " class=\"new\" title=\"" : " class=\"chg\" title=\"";
        appendHtmlUtf8(out, note->toolTip);
        out += '"';
    } else if (!tint.empty()) {
        out += " class=\"";
        out += tint;
        out += '"';
    }
    if (tag[1] == 'h')
        out += " scope=\"row\"";
    out += '>';
}

void appendParkRow(std::string& out, const ParkTable& table, int row, const NotesByRow& notes, bool cards) {
    const std::string number = std::to_string(row - parktable::kCaptionRowCount + 1);
    out += "<tr id=\"r" + number + "\">";
    openCell(out, "th", notes.find(row, col::parkName), {});
    if (cards)
        out += "<a href=\"#d" + number + "\">";
    appendDisplayHtml(out, table.cell(row, col::parkName));
    out += cards ? "</a></th>" : "</th>";
    for (int column = 1; column <= kLastColumn; ++column) {
        const std::string_view cell = table.cell(row, column);
        std::string_view tint;
        if (isFactorColumn(column))
            if (const std::optional<int> value = parkjson::cellNumber(cell))
                tint = factorClass(*value);
        openCell(out, "td", notes.find(row, column), tint);
        appendDisplayHtml(out, cell);
        out += "</td>";
    }
    out += "</tr>\n";
}

void appendAverages(std::string& out, const ParkTable& table) {
    // The window's League average: the mean over the parks that hold a number, shown to one decimal.
    std::array<double, parktable::kParkColumnCount> sums{};
    std::array<int, parktable::kParkColumnCount> counts{};
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
        for (int column = col::year; column < col::firstAttribute; ++column)
            if (const std::optional<int> value = ParkColumnStats::number(table, row, column)) {
                sums[static_cast<std::size_t>(column)] += *value;
                ++counts[static_cast<std::size_t>(column)];
            }
    out += "<tfoot>\n<tr><th scope=\"row\">League average</th>";
    for (int column = 1; column <= kLastColumn; ++column) {
        const auto at = static_cast<std::size_t>(column);
        if (counts[at] == 0) {
            out += "<td></td>";
            continue;
        }
        out += "<td title=\"";
        appendHtml(out, parktable::columnShortName(column));
        out += ": mean over all " + std::to_string(counts[at]) + " parks\">";
        char digits[48];
        const auto written =
            std::to_chars(digits, digits + sizeof digits, sums[at] / counts[at], std::chars_format::fixed, 1);
        out.append(digits, written.ptr);
        out += "</td>";
    }
    out += "</tr>\n</tfoot>\n";
}

void appendLegend(std::string& out, bool compared) {
    out += "<p class=\"legend\">Park factors, 100 = neutral: <span class=\"b25\">75</span> <span "
           "class=\"b12\">88</span> "
           "<span>100</span> <span class=\"a12\">112</span> <span class=\"a25\">125</span> "
           "blue below 100, orange above, stronger up to 25 points away.";
    if (compared)
        out += " <span class=\"chg\">changed</span> a changed value (the old one in its tooltip); "
               "<span class=\"new\">new</span> a park only in this season.";
    out += "</p>\n";
}

void appendChanges(std::string& out, const ParkTable& table, const seasondiff::ChangeNotes& changes) {
    out += "<p id=\"changes\">";
    appendHtmlUtf8(out, changes.summary);
    std::string added;
    for (const seasondiff::ChangeNote& note : changes.notes)
        if (note.newPark) {
            added += added.empty() ? ". Only in this season: " : ", ";
            appendDisplayHtml(added, table.cell(note.row, col::parkName));
        }
    out += added + "</p>\n";
}

void appendCards(std::string& out, const ParkTable& table, const DiagramSource& diagrams) {
    out += "<section id=\"diagrams\">\n<h2>Park diagrams</h2>\n<div class=\"cards\">\n";
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row) {
        const std::string number = std::to_string(row - parktable::kCaptionRowCount + 1);
        out += "<figure class=\"card\" id=\"d" + number + "\">\n";
        out += diagrams(row);
        out += "\n<figcaption><a href=\"#r" + number + "\">";
        appendDisplayHtml(out, table.cell(row, col::parkName));
        out += "</a></figcaption>\n</figure>\n";
    }
    out += "</div>\n</section>\n";
}

} // namespace

std::string parkPage(const ParkPageContent& content) {
    const ParkTable& table = content.table;
    const std::string style = pageStyle();
    const std::string_view script = kPageScript;
    const std::string title = "Park Factors for " + [&] {
        std::string league, season;
        appendDisplayHtml(league, content.names.league);
        appendDisplayHtml(season, content.names.season);
        return league + " in " + season;
    }();
    const int parks = table.parkCount() > 0 ? table.parkCount() : 0;
    const bool cards = content.diagrams && parks > 0 && parks <= kMostDiagramCards;

    std::string out;
    out.reserve(static_cast<std::size_t>(parks) * 700 + 16384);
    out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    out += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'sha256-" +
           sha256Base64(script) + "'; style-src 'sha256-" + sha256Base64(style) +
           "'; base-uri 'none'; form-action 'none'\">\n";
    out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out += "<meta name=\"generator\" content=\"Vendrix\">\n<title>" + title + "</title>\n";
    out += "<style>" + style + "</style>\n</head>\n<body>\n<h1>" + seasonTitle(content.names) + "</h1>\n";
    out += "<div class=\"tools\"><p id=\"findbar\" hidden><label for=\"find\">Find park or team</label> "
           "<input id=\"find\" type=\"search\" autocomplete=\"off\"> <output id=\"count\" for=\"find\" "
           "aria-live=\"polite\"></output></p>\n";
    appendLegend(out, content.changes != nullptr);
    out += "</div>\n";
    if (content.changes != nullptr)
        appendChanges(out, table, *content.changes);
    if (content.diagrams && parks > kMostDiagramCards)
        out += "<p id=\"nodiagrams\">The park diagrams are left out: this season has " +
               std::to_string(parks) + " parks, and a page of more than " +
               std::to_string(kMostDiagramCards) +
               " diagrams grows too large to open. <code>vendrix-export SEASON --diagrams FOLDER</code> "
               "writes them all.</p>\n";

    // A long table's markup as text the browser does not lay out; the script draws the rows in view.
    const bool slices = parks > kMostParksDrawnWhole;
    out += slices ? "<div class=\"scroll\">\n<noscript id=\"parksource\">\n" : "<div class=\"scroll\">\n";
    out += "<table id=\"parks\">\n<caption>" + title + "</caption>\n";
    appendColumns(out);
    appendCaptions(out);
    const NotesByRow notes(content.changes, table.rowCount());
    out += "<tbody>\n";
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
        appendParkRow(out, table, row, notes, cards);
    out += "</tbody>\n";
    appendAverages(out, table);
    out += slices ? "</table>\n</noscript>\n</div>\n" : "</table>\n</div>\n";
    if (cards)
        appendCards(out, table, content.diagrams);
    out += "<script>";
    out += script;
    out += "</script>\n</body>\n</html>\n";
    return out;
}

} // namespace vendrix::parkpage
