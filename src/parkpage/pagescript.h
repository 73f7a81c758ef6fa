#pragma once

#include <string_view>

namespace vendrix::parkpage {

// The page's one inline script: sorting by a column caption (click, or Enter or Space on its
// button), the find box (the diagram cards follow it, and a find that keeps no park says so), and
// the view kept in the page's address (#sort=KEY-asc&find=TEXT&park=N, park naming the diagram
// shown). A season of many parks brings its table as markup inside <noscript id="parksource">:
// the browser keeps that as one text, so the page opens at once, and the script draws only the
// rows in view (all of them for printing). Without script the page holds the whole table in file
// order either way.
inline constexpr std::string_view kPageScript = R"js(
(function () {
  "use strict";
  var source = document.getElementById("parksource");
  var table, marks = null;
  if (source) {
    var text = source.textContent;
    var open = text.indexOf(">", text.indexOf("<tbody")) + 1, close = text.lastIndexOf("</tbody>");
    var shell = document.createElement("div");
    shell.innerHTML = text.slice(0, open) + text.slice(close);
    table = shell.querySelector("table");
    source.parentNode.insertBefore(table, source);
    /* Each park's row as written; the text after the last row is only a line break. */
    marks = text.slice(open, close).split("</tr>");
    marks.pop();
    table.classList.add("slices");
  } else {
    table = document.getElementById("parks");
  }
  var body = table.tBodies[0];
  var rows = marks ? null : Array.prototype.slice.call(body.rows);
  var parks = marks ? marks.length : rows.length;
  var cards = rows ? rows.map(function (row) { return document.getElementById("d" + row.id.slice(1)); }) : [];
  var heads = Array.prototype.slice.call(table.tHead.rows[1].cells);
  var bar = document.getElementById("findbar");
  var field = document.getElementById("find");
  var count = document.getElementById("count");
  var diagrams = document.getElementById("diagrams");
  var none = document.createElement("p");
  none.id = "nomatch";
  none.hidden = true;
  table.parentNode.parentNode.insertBefore(none, table.parentNode.nextSibling);
  var collator = new Intl.Collator(undefined, {numeric: true, sensitivity: "base"});
  var sortColumn = -1, direction = 0, findText = "";
  var keys = {}, findTexts = null, sequence = null, sequenceOf = "", view = [];

  var cellStart = /<t[dh][\s>]/g;
  var references = new Map([["amp", "&"], ["lt", "<"], ["gt", ">"], ["quot", "\""], ["apos", "'"]]);
  function decode(html) {
    if (html.indexOf("<") >= 0) html = html.replace(/<[^>]*>/g, "");
    if (html.indexOf("&") < 0) return html;
    return html.replace(/&(#x[0-9a-f]+|#\d+|[a-z]+);/gi, function (all, name) {
      if (name.charAt(0) !== "#") return references.get(name) || all;
      var hex = name.charAt(1) === "x" || name.charAt(1) === "X";
      try { return String.fromCodePoint(parseInt(name.slice(hex ? 2 : 1), hex ? 16 : 10)); } catch (e) { return all; }
    });
  }

  /* A cell's text as the page shows it: from the row itself, or from its markup before it is drawn. */
  function cellText(park, column) {
    if (!marks) return rows[park].cells[column].textContent;
    var markup = marks[park], found = null;
    cellStart.lastIndex = 0;
    for (var c = 0; c <= column; c++) if (!(found = cellStart.exec(markup))) return "";
    var from = markup.indexOf(">", found.index) + 1;
    return decode(markup.slice(from, markup.indexOf("</t", from)));
  }

  function sortKeys(column) {
    if (keys[column]) return keys[column];
    var numbers = heads[column].hasAttribute("data-number");
    var list = new Array(parks);
    for (var i = 0; i < parks; i++) {
      var text = cellText(i, column);
      if (numbers) {
        var value = /^-?\d+$/.test(text) ? parseInt(text, 10) : NaN;
        list[i] = isNaN(value) ? -Infinity : value;  /* a cell without a number below every number */
      } else {
        list[i] = text;
      }
    }
    return (keys[column] = list);
  }

  function sorted() {
    var name = sortColumn + "/" + direction;
    if (sequence && sequenceOf === name) return sequence;
    var indices = new Array(parks);
    for (var i = 0; i < parks; i++) indices[i] = i;
    if (sortColumn >= 0) {
      var list = sortKeys(sortColumn);
      var numbers = heads[sortColumn].hasAttribute("data-number");
      indices.sort(function (a, b) {
        var c = numbers ? (list[a] < list[b] ? -1 : list[a] > list[b] ? 1 : 0) : collator.compare(list[a], list[b]);
        return c * direction || a - b;  /* parks of equal value stay in file order */
      });
    }
    sequenceOf = name;
    return (sequence = indices);
  }

  function found() {
    if (!findTexts) {
      findTexts = new Array(parks);
      /* A line break between the names: a find text never matches across them. */
      for (var i = 0; i < parks; i++) findTexts[i] = (cellText(i, 0) + "\n" + cellText(i, 1)).toLowerCase();
    }
    var wanted = findText.toLowerCase(), order = sorted();
    if (wanted === "") return order;
    return order.filter(function (i) { return findTexts[i].indexOf(wanted) >= 0; });
  }

  function show() {
    view = found();
    if (rows) {
      var fragment = document.createDocumentFragment(), kept = new Array(parks);
      view.forEach(function (i) { kept[i] = true; });
      sorted().forEach(function (i) {
        rows[i].hidden = !kept[i];
        if (cards[i]) cards[i].hidden = !kept[i];
        fragment.appendChild(rows[i]);
      });
      body.appendChild(fragment);
    } else {
      draw(true);
    }
    heads.forEach(function (head, column) {
      if (column === sortColumn) head.setAttribute("aria-sort", direction > 0 ? "ascending" : "descending");
      else head.removeAttribute("aria-sort");
    });
    count.textContent = view.length + " of " + parks + " parks";
    none.hidden = view.length > 0;
    none.textContent = view.length > 0 ? "" : "No park or team name holds \u201C" + findText + "\u201D.";
    if (diagrams) diagrams.hidden = view.length === 0;
  }

  /* Only the rows in view and some around them are drawn; a spacer row above and one below stand
     for the rest, at the height of a drawn row (the rows of a long table keep to one line). */
  var spacers = null, rowHeight = 18, drawnFrom = 0, drawnTo = 0, printing = false, pending = false;
  function spacer() {
    var row = document.createElement("tr"), cell = document.createElement("td");
    row.className = "spacer";
    row.setAttribute("aria-hidden", "true");
    cell.colSpan = heads.length;
    row.appendChild(cell);
    return row;
  }
  /* A row no taller than nothing that holds each column's longest text, so that the columns keep
     their widths whichever rows are drawn; found a slice of parks at a time once the page is open. */
  var sizer = null;
  function measureColumns(longest, from) {
    var to = Math.min(parks, from + 2048);
    for (var i = from; i < to; i++) {
      var markup = marks[i], cell, column = 0;
      cellStart.lastIndex = 0;
      while ((cell = cellStart.exec(markup))) {
        var open = markup.indexOf(">", cell.index) + 1, length = markup.indexOf("</t", open) - open;
        if (!longest[column] || length > longest[column][1]) longest[column] = [i, length];
        column++;
      }
    }
    if (to < parks) { setTimeout(function () { measureColumns(longest, to); }, 0); return; }
    sizer = document.createElement("tr");
    sizer.className = "sizer";
    sizer.setAttribute("aria-hidden", "true");
    longest.forEach(function (found, column) {
      var cell = document.createElement(column === 0 ? "th" : "td");
      cell.textContent = cellText(found[0], column);
      sizer.appendChild(cell);
    });
    body.insertBefore(sizer, spacers[0].nextSibling);
  }
  function markup(from, to) {
    var parts = new Array(to - from);
    for (var i = from; i < to; i++) parts[i - from] = marks[view[i]];
    return parts.join("</tr>") + (to > from ? "</tr>" : "");
  }
  function draw(again, measuredOnce) {
    if (printing) return;
    if (!spacers) spacers = [spacer(), spacer()];
    var n = view.length, top = body.getBoundingClientRect().top;
    var from = Math.max(0, Math.min(n, Math.floor(-top / rowHeight) - 10));
    var to = Math.max(from, Math.min(n, Math.ceil((innerHeight - top) / rowHeight) + 10));
    if (!again && from >= drawnFrom && to <= drawnTo) return;
    /* Drawn with a margin, so that scrolling a few lines draws nothing. */
    from = Math.max(0, from - 40);
    to = Math.min(n, to + 40);
    body.innerHTML = markup(from, to);
    body.insertBefore(spacers[0], body.firstChild);
    if (sizer) body.insertBefore(sizer, spacers[0].nextSibling);
    body.appendChild(spacers[1]);
    drawnFrom = from;
    drawnTo = to;
    /* Assistive technology hears where the drawn rows stand among all of them (two caption rows first). */
    table.setAttribute("aria-rowcount", n + 3);
    for (var i = from; i < to; i++) body.rows[i - from + (sizer ? 2 : 1)].setAttribute("aria-rowindex", i + 3);
    if (to > from) {
      var measured = (spacers[1].getBoundingClientRect().top - spacers[0].getBoundingClientRect().bottom) / (to - from);
      if (measured > 0 && Math.abs(measured - rowHeight) > 0.5 && !measuredOnce) {
        rowHeight = measured;
        spacers[0].firstChild.style.height = from * rowHeight + "px";
        spacers[1].firstChild.style.height = (n - to) * rowHeight + "px";
        draw(true, true);  /* the rows in view under the true height */
        return;
      }
    }
    spacers[0].firstChild.style.height = from * rowHeight + "px";
    spacers[1].firstChild.style.height = (n - to) * rowHeight + "px";
  }
  function scrolled() {
    if (pending) return;
    pending = true;
    requestAnimationFrame(function () { pending = false; draw(false); });
  }

  function address(park) {
    var parts = [];
    if (sortColumn >= 0) parts.push("sort=" + heads[sortColumn].getAttribute("data-key") + (direction > 0 ? "-asc" : "-desc"));
    if (findText !== "") parts.push("find=" + encodeURIComponent(findText));
    if (park) parts.push("park=" + park);
    return parts.length ? "#" + parts.join("&") : location.pathname + location.search;
  }

  function remember(park, anew) {
    try { history[anew ? "pushState" : "replaceState"](null, "", address(park)); } catch (e) { /* some file: pages refuse */ }
  }

  function showPark(park) {
    var card = document.getElementById("d" + park);
    if (card && !card.hidden) card.scrollIntoView();
    return card;
  }

  function applyAddress() {
    var hash = location.hash.slice(1);
    if (hash.indexOf("=") < 0) return false;  /* a jump to a diagram or a row, not a view */
    var park = "";
    sortColumn = -1; direction = 0; findText = "";
    hash.split("&").forEach(function (part) {
      var eq = part.indexOf("="), name = part.slice(0, eq), value = part.slice(eq + 1);
      try { value = decodeURIComponent(value.replace(/\+/g, " ")); } catch (e) { return; }
      if (name === "find") findText = value;
      if (name === "park" && /^\d+$/.test(value)) park = value;
      if (name === "sort") {
        var m = /^(.*)-(asc|desc)$/.exec(value);
        heads.forEach(function (head, column) {
          if (m && head.getAttribute("data-key") === m[1]) { sortColumn = column; direction = m[2] === "asc" ? 1 : -1; }
        });
      }
    });
    field.value = findText;
    show();
    if (park) showPark(park);
    return true;
  }

  heads.forEach(function (head, column) {
    var button = head.querySelector("button");
    if (!button) return;
    /* Up, then down, then back to file order; another caption starts again from up. */
    button.addEventListener("click", function () {
      if (column !== sortColumn) { sortColumn = column; direction = 1; }
      else if (direction > 0) direction = -1;
      else { sortColumn = -1; direction = 0; }
      show();
      remember();
    });
  });
  field.addEventListener("input", function () { findText = field.value; show(); remember(); });
  field.addEventListener("keydown", function (event) {
    if (event.key === "Escape") { field.value = ""; findText = ""; show(); remember(); }
  });
  /* A park's link to its diagram, and the diagram's back to the row, keep the view in the address. */
  document.addEventListener("click", function (event) {
    var link = event.target.closest ? event.target.closest("a[href^='#d'], a[href^='#r']") : null;
    if (!link || event.button !== 0 || event.ctrlKey || event.shiftKey || event.metaKey || event.altKey) return;
    var name = link.getAttribute("href").slice(1), target = document.getElementById(name);
    if (!target) return;
    event.preventDefault();
    remember(name.charAt(0) === "d" ? name.slice(1) : "", true);
    target.scrollIntoView();
    var next = target.querySelector("a");
    if (next) next.focus({preventScroll: true});
  });
  window.addEventListener("hashchange", applyAddress);
  if (marks) {
    window.addEventListener("scroll", scrolled, {passive: true});
    window.addEventListener("resize", scrolled);
    /* A printed page holds every park of the view. */
    window.addEventListener("beforeprint", function () {
      printing = true;
      body.innerHTML = markup(0, view.length);
    });
    window.addEventListener("afterprint", function () { printing = false; draw(true); });
    setTimeout(function () { measureColumns([], 0); }, 0);
  }
  bar.hidden = false;
  if (!applyAddress()) show();
})();
)js";

} // namespace vendrix::parkpage
