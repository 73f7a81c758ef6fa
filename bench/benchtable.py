#!/usr/bin/env python3
"""Prints the table of scripts/bench from the results it left in a folder: the JSON files of the
Google Benchmark binaries, hyperfine's JSON and the peak resident sets that /usr/bin/time wrote."""
import json
import statistics
import sys
from pathlib import Path


def load_benchmarks(folder):
    """Median of the repetitions of every benchmark, by name."""
    results = {}
    for file in sorted(folder.glob("*.json")):
        data = json.loads(file.read_text())
        if "benchmarks" not in data:
            continue
        for b in data["benchmarks"]:
            if b.get("error_occurred"):
                sys.exit(f"benchmark {b['name']} failed: {b.get('error_message')}")
            if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
                continue
            results[b.get("run_name", b["name"])] = b
    return results


def milliseconds(value):
    if value >= 100:
        return f"{value:,.0f} ms"
    if value >= 10:
        return f"{value:.1f} ms"
    if value >= 1:
        return f"{value:.2f} ms"
    return f"{value:.3f} ms"


def megabytes(size):
    return f"{size / 1e6:.1f} MB"


def mebibytes(size):
    return f"{size / 1024 / 1024:.1f} MiB"


def grid_rows(marks, bench):
    """The park grid: a sort by the slowest of the columns measured, and one find keystroke."""
    sorts = [name for name in marks if name.startswith("BM_GridSortByColumn/")]
    slowest = max(sorts, key=lambda name: bench(name)[0])
    column = slowest.split("column:")[1].split("/")[0]
    plain, _ = bench("BM_GridFindKeystroke/sorted:0/real_time")
    sorted_, _ = bench("BM_GridFindKeystroke/sorted:1/real_time")
    return [
        (f"Sort by a column caption up to the grid painted (slowest of {len(sorts)} columns: {column})",
         milliseconds(bench(slowest)[0]), "", "goal", "100 ms"),
        ("One keystroke in the find field up to the grid painted (file order / sorted)",
         f"{milliseconds(plain)} / {milliseconds(sorted_)}", "", "goal", "50 ms"),
    ]


def page_rows(folder):
    """The web page in headless Chromium (bench/pagebench.py): opening, a sort, a find keystroke, printing."""
    page = json.loads((folder / "page.json").read_text())
    rows = [
        (f"The web page ({megabytes(page['page_bytes'])}) opened in headless Chromium, up to the rows in view drawn",
         milliseconds(page["opened"]), "", "goal", "1,000 ms"),
        ("A sort by a column caption on the page up to the next frame (the first, by CF / again / by park name)",
         " / ".join(milliseconds(page[k]) for k in ("first_sort", "sort_again", "sort_by_name")), "", "goal",
         "300 ms"),
        ("One find keystroke on the page up to the next frame (slowest of 3)", milliseconds(max(page["find"])), "",
         "goal", "300 ms"),
    ]
    for parks, printed in sorted(page["printed"].items(), key=lambda item: int(item[0])):
        if printed["pages"]:
            rows.append((f"The page of {int(parks):,} parks printed by the browser ({printed['pages']} pages)",
                         milliseconds(printed["seconds"] * 1e3), mebibytes(printed["peak_bytes"]) + " renderer",
                         "", ""))
    return rows
def flight_rows(bench, folder):
    """A fly ball against every park, a batted-ball log against a league, the shape factors, the window's
    drag of the Fly ball bar and the exporter's carry end to end."""
    one_ball, _ = bench("BM_FlyBallAgainstEveryPark")
    dragged, _ = bench("BM_FlyBallDragged/0/min_time:2.000")
    dragged_sorted, _ = bench("BM_FlyBallDragged/1/min_time:2.000")
    carry_run, balls_run = json.loads((folder / "process-carry.json").read_text())["results"]
    log, _ = bench("BM_BattedBallLogAgainstLeague")
    shape_league, _ = bench("BM_ShapeFactors/30")
    shape_season, _ = bench("BM_ShapeFactors/32767")
    return [
        ("One fly ball flown and judged against every park (synthetic varied parks)", milliseconds(one_ball), "",
         "goal", "50 ms"),
        ("10,000 batted balls read from CSV, flown and judged against 30 parks", milliseconds(log), "",
         "goal", "2,000 ms"),
        ("Shape factors: the grid of 216 fly balls flown and judged against 30 parks / every park",
         f"{milliseconds(shape_league)} / {milliseconds(shape_season)}", "", "", ""),
        ("The Fly ball bar's direction dragged one step, up to the window painted (file order / sorted by "
         "the Fly ball column)", f"{milliseconds(dragged)} / {milliseconds(dragged_sorted)}", "", "goal", "50 ms"),
        ("`vendrix-export carry SEASON --speed ... --json FILE`, whole process",
         milliseconds(carry_run["median"] * 1e3), "", "the `--csv` export, whole process",
         milliseconds(json.loads((folder / "process.json").read_text())["results"][0]["median"] * 1e3)),
        ("`vendrix-export carry SAMPLE --balls FILE --json FILE` (10,000 balls, 32 parks), whole process",
         milliseconds(balls_run["median"] * 1e3), "", "goal", "2,000 ms"),
    ]


def main():
    folder = Path(sys.argv[1])
    cores, load_before, load_after = sys.argv[2:5]
    marks = load_benchmarks(folder)

    def bench(name):
        if name not in marks:
            sys.exit(f"no result for {name} in {folder}")
        b = marks[name]
        unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        return b["real_time"] * unit, b

    def heap(b):
        return mebibytes(b["peak_MB"] * 1024 * 1024) + " heap"

    hyperfine = json.loads((folder / "process.json").read_text())["results"]
    export_run, true_run = hyperfine[0], hyperfine[1]
    export_pdf_run = json.loads((folder / "process-pdf.json").read_text())["results"][0]
    export_json_run, compare_run = json.loads((folder / "process-json.json").read_text())["results"]
    diagrams_run, sheet_run = json.loads((folder / "process-diagrams.json").read_text())["results"]

    def rss(file):
        kilobytes = [int(line) for line in (folder / file).read_text().split()]
        return statistics.median(kilobytes) * 1024

    build, build_b = bench("BM_DecodeAndBuildSeason")
    read, read_b = bench("BM_ReadParkFileBare")
    csv, csv_b = bench("BM_CsvText")
    text, text_b = bench("BM_TextReport")
    layout, layout_b = bench("BM_LayoutPrintedReport")
    _, pages_b = bench("BM_PaginatePrintedReport")
    pdf, pdf_b = bench("BM_RenderPdf")
    shown, shown_b = bench("BM_GetParkInfoShown/min_time:2.000")
    season_json, season_json_b = bench("BM_SeasonJson")
    season_compare, season_compare_b = bench("BM_CompareSeasons")
    draw_park, _ = bench("BM_DrawParkDiagram")
    lay_out_park, _ = bench("BM_LayOutParkDrawing")
    svg_park, svg_park_b = bench("BM_ParkDrawingSvg")
    files_floor, _ = bench("BM_CreateDiagramFilesFloor/iterations:1")
    atomic_csv, _ = bench("BM_WriteOutputFile/text:0/real_time")
    atomic_text, _ = bench("BM_WriteOutputFile/text:1/real_time")

    def floors(which):
        plain, _ = bench(f"BM_WriteFloor/text:{which}/fsync:0/real_time")
        durable, _ = bench(f"BM_WriteFloor/text:{which}/fsync:1/real_time")
        return plain, durable

    csv_plain, csv_durable = floors(0)
    text_plain, text_durable = floors(1)
    start = true_run["median"] * 1e3
    export_time = export_run["median"] * 1e3
    export_floor = start + read + csv_durable

    rows = [
        ("Decode and build the park table", milliseconds(build), heap(build_b),
         f"read `dmbpark.dat` bare ({megabytes(read_b['size'])})", milliseconds(read)),
        (f"CSV, in memory ({megabytes(csv_b['size'])})", milliseconds(csv), heap(csv_b),
         "write as many bytes, without / with fsync",
         f"{milliseconds(csv_plain)} / {milliseconds(csv_durable)}"),
        (f"Text report, in memory ({megabytes(text_b['size'])})", milliseconds(text), heap(text_b),
         "write as many bytes, without / with fsync",
         f"{milliseconds(text_plain)} / {milliseconds(text_durable)}"),
        ("Atomic write of the CSV / text report (new file, fsync, rename)",
         f"{milliseconds(atomic_csv)} / {milliseconds(atomic_text)}", "",
         "write as many bytes with fsync", f"{milliseconds(csv_durable)} / {milliseconds(text_durable)}"),
        (f"Print layout ({layout_b['size']:,.0f} lines in 4 sections)", milliseconds(layout), heap(layout_b),
         "", ""),
        (f"PDF rendering, in memory ({pages_b['size']:,.0f} pages, {megabytes(pdf_b['size'])})",
         milliseconds(pdf), heap(pdf_b), "", ""),
        ("Get Park Info up to the table shown (offscreen)", milliseconds(shown), heap(shown_b),
         "decode and build", milliseconds(build)),
        ("`vendrix-export SEASON --csv FILE`, whole process", milliseconds(export_time),
         mebibytes(rss("export-rss.txt")) + " peak RSS",
         f"start `/bin/true` ({milliseconds(start)}, {mebibytes(rss('true-rss.txt'))}) "
         "+ read the park file + write the CSV with fsync", milliseconds(export_floor)),
        (f"JSON, in memory ({megabytes(season_json_b['size'])})", milliseconds(season_json), heap(season_json_b),
         "the CSV, in memory", milliseconds(csv)),
        (f"Comparison with a changed copy, in memory ({season_compare_b['size']:,.0f} parks changed, text and JSON)",
         milliseconds(season_compare), heap(season_compare_b), "", ""),
        ("`vendrix-export SEASON --json FILE`, whole process", milliseconds(export_json_run["median"] * 1e3), "",
         "2 x the `--csv` export, whole process", milliseconds(2 * export_time)),
        ("`vendrix-export compare SEASON CHANGED --text FILE --json FILE`, whole process",
         milliseconds(compare_run["median"] * 1e3), "", "the goal", "150 ms"),
        ("`vendrix-export SEASON --pdf FILE`, whole process", milliseconds(export_pdf_run["median"] * 1e3),
         mebibytes(rss("export-pdf-rss.txt")) + " peak RSS", "", ""),
        ("Draw one park's diagram as the window's panel does", milliseconds(draw_park), "", "", ""),
        ("Lay out one park's diagram as drawing primitives", milliseconds(lay_out_park), "", "", ""),
        (f"One park's diagram as SVG, in memory ({svg_park_b['size'] / 1e3:.1f} kB)", milliseconds(svg_park),
         "", "before: Qt's SVG generator (17 kB)", "0.617 ms"),
        ("`vendrix-export SEASON --diagrams FOLDER`, whole process", milliseconds(diagrams_run["median"] * 1e3),
         "", "before: Qt's SVG generator / goal", "14,154 ms / 3,000 ms"),
        ("", "", "", f"create {32767:,} files of that size, bare, one thread", milliseconds(files_floor)),
        ("`vendrix-export SEASON --diagram-sheet FILE`, whole process", milliseconds(sheet_run["median"] * 1e3),
         "", "", ""),
    ]
    rows += grid_rows(marks, bench)
    rows += page_rows(folder)
    rows += flight_rows(bench, folder)

    print("| 32,767 parks | time | peak memory | floor | floor time |")
    print("|---|--:|--:|---|--:|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print()
    print(f"Wall-clock medians of 3 runs (in process, and `--pdf`) and of {len(export_run['times'])} runs "
          "(`--csv`, `--json`, `compare` and `/bin/true`, hyperfine); "
          f"{cores} cores, load average {load_before} before and {load_after} after. Heap: the peak growth of "
          "all malloc'd memory during the step.")


if __name__ == "__main__":
    main()
