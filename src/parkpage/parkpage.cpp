#include "parkpage.h"

#include "diagramcards.h"
#include "model/columns.h"
#include "model/leagueaverage.h"
#include "model/parknames.h"
#include "pagescript.h"
#include "pagestyle.h"
#include "pagetexts.h"
#include "parktable/parktable.h"
#include "seasondiff/comparedseason.h"
#include "seasondiff/seasoncomparison.h"
#include "sha256.h"

#include <array>
#include <charconv>
#include <vector>

namespace vendrix::parkpage {

namespace {

using parktable::ParkTable;
namespace col = model::col;

constexpr int kLastColumn = col::lastCaptioned;

// The comparison's notes by table row, for one look-up per row.
class NotesByRow {
public:
    NotesByRow(const seasondiff::ChangeNotes* changes, int rowCount) {
        if (changes == nullptr)
            return;
        rows_.resize(static_cast<std::size_t>(rowCount) + 1);
        for (const seasondiff::ChangeNote& note : changes->notes)
            if (note.row >= 1 && note.row <= rowCount)
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

std::string seasonTitle(const model::Season& season) {
    std::string title;
    appendDisplayHtml(title, season.league());
    title += ' ';
    appendDisplayHtml(title, season.seasonText());
    return title;
}

// How many columns from this one share its group caption; 1 for a column without one.
int groupSpan(int column) {
    const std::string_view group = model::column(column).groupCaption;
    int span = 1;
    while (!group.empty() && column + span <= kLastColumn &&
           model::column(column + span).groupCaption == group)
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
        const std::string_view group = model::column(column).groupCaption;
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
        const model::Column& about = model::column(column);
        out += "<th scope=\"col\" data-key=\"" + std::string(about.key) + '"';
        if (about.isNumber())
            out += " data-number";
        out += " title=\"";
        appendHtml(out, about.meaning());
        out += "\"><button type=\"button\"";
        // A caption under a group is named with it, as the window's table heads its columns: "HR" alone
        // stands under both hands. The name keeps the caption that is seen, for those who say it.
        if (!about.groupCaption.empty()) {
            out += " aria-label=\"";
            appendHtml(out, about.longName);
            out += '"';
        }
        out += '>';
        appendDisplayHtml(out, about.caption);
        out += "</button></th>";
    }
    out += "</tr>\n</thead>\n";
}

// What marks a park cell: the comparison's note, the factor colour, and why its value cannot be
// real. A change note wins over the factor colour, as in the window.
struct CellMarks {
    const seasondiff::ChangeNote* note = nullptr;
    std::string_view tint;
    std::string notReal; // the window's tooltip of a value that cannot be real
};

// The opening tag of a park cell with its classes and tooltip.
void openCell(std::string& out, const char* tag, const CellMarks& marks) {
    out += '<';
    out += tag;
    std::string classes;
    if (marks.note != nullptr)
        classes = marks.note->newPark ? "new" : "chg";
    else if (!marks.tint.empty())
        classes = marks.tint;
    if (!marks.notReal.empty())
        classes += classes.empty() ? "bad" : " bad";
    if (!classes.empty())
        out += " class=\"" + classes + '"';
    if (marks.note != nullptr || !marks.notReal.empty()) {
        out += " title=\"";
        if (marks.note != nullptr)
            appendHtmlUtf8(out, marks.note->toolTip);
        if (marks.note != nullptr && !marks.notReal.empty())
            out += "&#10;";
        appendHtml(out, marks.notReal);
        out += '"';
    }
    if (tag[1] == 'h')
        out += " scope=\"row\"";
    out += '>';
}

void appendParkRow(std::string& out, const ParkTable& table, const model::Park& park, const NotesByRow& notes,
                   bool cards) {
    const std::string number = std::to_string(park.row());
    const int row = ParkTable::rowOf(park);
    out += "<tr id=\"r" + number + "\">";
    openCell(out, "th", {notes.find(park.row(), col::parkName), {}, {}});
    if (cards)
        out += "<a href=\"#d" + number + "\">";
    appendDisplayHtml(out, table.cell(row, col::parkName));
    out += cards ? "</a></th>" : "</th>";
    for (int column = 1; column <= kLastColumn; ++column) {
        const model::Column& about = model::column(column);
        CellMarks marks{notes.find(park.row(), column), {}, {}};
        if (const std::optional<int> value = park.number(column)) {
            if (about.tint == model::ColumnTint::Factor)
                marks.tint = factorClass(*value);
            if (!about.canBeReal(*value))
                marks.notReal = about.whyNotReal(*value) + "; left out of the League average and the ranks";
        }
        openCell(out, "td", marks);
        appendDisplayHtml(out, table.cell(row, column));
        out += "</td>";
    }
    out += "</tr>\n";
}

void appendAverages(std::string& out, const model::Season& season) {
    const model::LeagueAverages averages(season);
    out += "<tfoot>\n<tr><th scope=\"row\">League average</th>";
    for (int column = 1; column <= kLastColumn; ++column) {
        const model::LeagueAverage& average = averages.of(column);
        if (!average.exists()) {
            out += "<td></td>";
            continue;
        }
        out += "<td title=\"";
        appendHtml(out, model::column(column).shortName);
        out += ": " + average.note() + "\">" + average.text() + "</td>";
    }
    out += "</tr>\n</tfoot>\n";
}

void appendLegend(std::string& out, bool compared) {
    out += "<p class=\"legend\">Park factors, 100 = neutral: <span class=\"b25\">75</span> <span "
           "class=\"b12\">88</span> "
           "<span>100</span> <span class=\"a12\">112</span> <span class=\"a25\">125</span> "
           "blue below 100, orange above, stronger up to 25 points away. <span class=\"bad\">-1</span> a "
           "value that cannot be real, left out of the averages (its tooltip says why).";
    if (compared)
        out += " <span class=\"chg\">changed</span> a changed value (the old one in its tooltip); "
               "<span class=\"new\">new</span> a park only in this season.";
    out += "</p>\n";
}

void appendChanges(std::string& out, const model::Season& season, const seasondiff::ChangeNotes& changes) {
    out += "<p id=\"changes\">";
    appendHtmlUtf8(out, changes.summary);
    // The parks only in this season, told apart from their namesakes as the window tells them.
    const model::Namesakes namesakes(season);
    std::string added;
    for (const seasondiff::ChangeNote& note : changes.notes)
        if (note.newPark) {
            added += added.empty() ? ". Only in this season: " : ", ";
            appendHtmlUtf8(added, namesakes.label(season.parkAtRow(note.row)));
        }
    out += added + "</p>\n";
}

void appendCards(std::string& out, const ParkTable& table, const DiagramSource& diagrams) {
    out += "<section id=\"diagrams\">\n<h2>Park diagrams</h2>\n<div class=\"cards\">\n";
    for (const model::Park& park : table.season().parks()) {
        const std::string number = std::to_string(park.row());
        out += "<figure class=\"card\" id=\"d" + number + "\">\n";
        out += diagrams(park.row());
        out += "\n<figcaption><a href=\"#r" + number + "\">";
        appendDisplayHtml(out, table.cell(ParkTable::rowOf(park), col::parkName));
        out += "</a></figcaption>\n</figure>\n";
    }
    out += "</div>\n</section>\n";
}

} // namespace

std::string parkPage(const ParkPageContent& content) {
    const model::Season& season = content.season;
    const ParkTable table(season);
    const std::string style = pageStyle();
    const std::string_view script = kPageScript;
    const std::string title = "Park Factors for " + [&] {
        std::string league, seasonText;
        appendDisplayHtml(league, content.season.league());
        appendDisplayHtml(seasonText, content.season.seasonText());
        return league + " in " + seasonText;
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
    out += "<style>" + style + "</style>\n</head>\n<body>\n<main>\n<h1>" + seasonTitle(season) + "</h1>\n";
    out += "<div class=\"tools\"><p id=\"findbar\" hidden><label for=\"find\">Find park or team</label> "
           "<input id=\"find\" type=\"search\" autocomplete=\"off\"> <output id=\"count\" for=\"find\" "
           "aria-live=\"polite\"></output></p>\n";
    appendLegend(out, content.changes != nullptr);
    out += "</div>\n";
    if (content.changes != nullptr)
        appendChanges(out, season, *content.changes);
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
    const NotesByRow notes(content.changes, season.parkCount());
    out += "<tbody>\n";
    for (const model::Park& park : season.parks())
        appendParkRow(out, table, park, notes, cards);
    out += "</tbody>\n";
    appendAverages(out, season);
    out += slices ? "</table>\n</noscript>\n</div>\n" : "</table>\n</div>\n";
    if (cards)
        appendCards(out, table, content.diagrams);
    // Everything the page shows is its one main landmark, where a screen reader's landmark keys go.
    out += "</main>\n<script>";
    out += script;
    out += "</script>\n</body>\n</html>\n";
    return out;
}

std::string seasonPage(const model::Season& season) {
    return parkPage({season, nullptr, seasonDiagrams(season)});
}

std::string comparedPage(const model::Season& other, const model::Season& shown) {
    const seasondiff::SeasonComparison comparison = seasondiff::compareSeasons(other, shown);
    const seasondiff::ChangeNotes notes = seasondiff::changeNotes(comparison, {other, {}}, {shown, {}});
    return parkPage({shown, &notes, seasonDiagrams(shown, previousOutlines(comparison, other))});
}

} // namespace vendrix::parkpage
