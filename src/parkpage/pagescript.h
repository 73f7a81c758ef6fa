#pragma once

#include <string_view>

namespace vendrix::parkpage {

// The page's one inline script: sorting by a column caption (click, or Enter or Space on its
// button), the find box, and the view kept in the page's address (#sort=KEY-asc&find=TEXT).
// Without it the page still holds the whole table in file order.
inline constexpr std::string_view kPageScript = R"js(
(function () {
  "use strict";
  var table = document.getElementById("parks");
  var body = table.tBodies[0];
  var rows = Array.prototype.slice.call(body.rows);
  var heads = Array.prototype.slice.call(table.tHead.rows[1].cells);
  var bar = document.getElementById("findbar");
  var field = document.getElementById("find");
  var count = document.getElementById("count");
  var collator = new Intl.Collator(undefined, {numeric: true, sensitivity: "base"});
  var sortColumn = -1, direction = 0, findText = "";
  var keys = {}, findTexts = null;

  function sortKeys(column) {
    if (keys[column]) return keys[column];
    var numbers = heads[column].hasAttribute("data-number");
    var list = new Array(rows.length);
    for (var i = 0; i < rows.length; i++) {
      var text = rows[i].cells[column].textContent;
      if (numbers) {
        var value = /^-?\d+$/.test(text) ? parseInt(text, 10) : NaN;
        list[i] = isNaN(value) ? -Infinity : value;  /* a cell without a number below every number */
      } else {
        list[i] = text;
      }
    }
    return (keys[column] = list);
  }

  function order() {
    var indices = rows.map(function (row, i) { return i; });
    if (sortColumn >= 0) {
      var list = sortKeys(sortColumn);
      var numbers = heads[sortColumn].hasAttribute("data-number");
      indices.sort(function (a, b) {
        var c = numbers ? (list[a] < list[b] ? -1 : list[a] > list[b] ? 1 : 0) : collator.compare(list[a], list[b]);
        return c * direction || a - b;  /* parks of equal value stay in file order */
      });
    }
    var fragment = document.createDocumentFragment();
    indices.forEach(function (i) { fragment.appendChild(rows[i]); });
    body.appendChild(fragment);
    heads.forEach(function (head, column) {
      if (column === sortColumn) head.setAttribute("aria-sort", direction > 0 ? "ascending" : "descending");
      else head.removeAttribute("aria-sort");
    });
  }

  function filter() {
    if (!findTexts) {
      findTexts = rows.map(function (row) {
        /* A line break between the names: a find text never matches across them. */
        return (row.cells[0].textContent + "\n" + row.cells[1].textContent).toLowerCase();
      });
    }
    var wanted = findText.toLowerCase(), shown = 0;
    rows.forEach(function (row, i) {
      var keep = wanted === "" || findTexts[i].indexOf(wanted) >= 0;
      row.hidden = !keep;
      if (keep) shown++;
    });
    count.textContent = shown + " of " + rows.length + " parks";
  }

  function address() {
    var parts = [];
    if (sortColumn >= 0) parts.push("sort=" + heads[sortColumn].getAttribute("data-key") + (direction > 0 ? "-asc" : "-desc"));
    if (findText !== "") parts.push("find=" + encodeURIComponent(findText));
    return parts.length ? "#" + parts.join("&") : location.pathname + location.search;
  }

  function remember() {
    try { history.replaceState(null, "", address()); } catch (e) { /* some file: pages refuse */ }
  }

  function applyAddress() {
    var hash = location.hash.slice(1);
    if (hash.indexOf("=") < 0) return false;  /* a jump to a diagram or a row, not a view */
    sortColumn = -1; direction = 0; findText = "";
    hash.split("&").forEach(function (part) {
      var eq = part.indexOf("="), name = part.slice(0, eq), value = part.slice(eq + 1);
      try { value = decodeURIComponent(value.replace(/\+/g, " ")); } catch (e) { return; }
      if (name === "find") findText = value;
      if (name === "sort") {
        var m = /^(.*)-(asc|desc)$/.exec(value);
        heads.forEach(function (head, column) {
          if (m && head.getAttribute("data-key") === m[1]) { sortColumn = column; direction = m[2] === "asc" ? 1 : -1; }
        });
      }
    });
    field.value = findText;
    order();
    filter();
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
      order();
      remember();
    });
  });
  field.addEventListener("input", function () { findText = field.value; filter(); remember(); });
  field.addEventListener("keydown", function (event) {
    if (event.key === "Escape") { field.value = ""; findText = ""; filter(); remember(); }
  });
  window.addEventListener("hashchange", applyAddress);
  bar.hidden = false;
  if (!applyAddress()) filter();
})();
)js";

} // namespace vendrix::parkpage
