#!/usr/bin/python3
"""The web page of a long season in headless Chromium: how soon it opens, how long a sort by a column
caption, a find keystroke and a scroll take up to the next frame drawn, and how long the browser takes to
print pages of a few sizes, with its renderer's peak memory. Run with Debian's /usr/bin/python3 (its
Selenium); scripts/bench runs it on the 32,767 parks, or by hand:

    /usr/bin/python3 bench/pagebench.py EXPORTER MAKE_SAMPLE SEASON OUT.json [--runs 3] [--print 300,1000]

Prints a Markdown table and writes the medians to OUT.json for bench/benchtable.py."""
import argparse
import base64
import json
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CF = "document.querySelector(\"th[data-key='fence_distance.cf'] button\").click()"
PARK = "document.querySelector(\"th[data-key='park'] button\").click()"


def find(text):
    return f"const f = document.getElementById('find'); f.value = {json.dumps(text)}; f.dispatchEvent(new Event('input'))"


class Browser:
    def __init__(self):
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,900"):
            options.add_argument(argument)
        self.service = Service("/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(service=self.service, options=options)
        self.driver.set_script_timeout(600)

    def timed(self, action):
        """Milliseconds from running `action` to the next frame drawn after it, and the page's clock then."""
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1], start = performance.now();" + action +
            ";requestAnimationFrame(() => setTimeout(() => done([performance.now() - start, performance.now()])))")

    def renderer_rss(self):
        """The largest resident set of this browser's processes, in bytes."""
        children, largest = {}, 0
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/stat") as f:
                    parent = int(f.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(pid))
            except (OSError, IndexError, ValueError):
                pass
        todo = [self.service.process.pid]
        while todo:
            pid = todo.pop()
            todo += children.get(pid, [])
            try:
                with open(f"/proc/{pid}/statm") as f:
                    largest = max(largest, int(f.read().split()[1]) * os.sysconf("SC_PAGE_SIZE"))
            except OSError:
                pass
        return largest

    def quit(self):
        self.driver.quit()


def interaction(browser, url):
    """One opening of the page and the steps after it, in milliseconds."""
    driver = browser.driver
    driver.get("about:blank")
    driver.get(url)
    marks = driver.execute_script(
        "const n = performance.getEntriesByType('navigation')[0];"
        "const p = performance.getEntriesByName('first-contentful-paint')[0];"
        "return [n.domContentLoadedEventEnd, p ? p.startTime : null]")
    result = {"opened": marks[0], "first_paint": marks[1]}
    result["first_sort"], result["sorted_at"] = browser.timed(CF)
    result["sort_again"], _ = browser.timed(CF)
    result["sort_by_name"], _ = browser.timed(PARK)
    browser.timed(PARK + ";" + PARK)  # back to file order
    result["find"] = [browser.timed(find(text))[0] for text in ("1", "12", "123")]
    result["find_cleared"], _ = browser.timed(find(""))
    result["scroll"], _ = browser.timed("scrollTo(0, document.documentElement.scrollHeight / 2)")
    result["print_rows"], _ = browser.timed("dispatchEvent(new Event('beforeprint'))")
    result["print_rows_drawn"] = driver.execute_script("return document.querySelectorAll('#parks tbody tr').length")
    browser.timed("dispatchEvent(new Event('afterprint'))")
    result["rows_drawn"] = driver.execute_script("return document.querySelectorAll('#parks tbody tr').length")
    return result


def printed(browser, url, limit):
    """Seconds for the browser to print the page to PDF, its pages and the renderer's peak memory."""
    browser.driver.get(url)
    peak, done = [0], threading.Event()

    def watch():
        while not done.is_set():
            peak[0] = max(peak[0], browser.renderer_rss())
            if peak[0] > limit:  # the machine is shared: stop before it runs out of memory
                browser.service.process.kill()
                subprocess.run(["pkill", "-KILL", "-P", str(browser.service.process.pid)])
                return
            time.sleep(0.2)

    watcher = threading.Thread(target=watch)
    watcher.start()
    start = time.perf_counter()
    try:
        pdf = base64.b64decode(browser.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
    except Exception:
        pdf = None
    seconds = time.perf_counter() - start
    done.set()
    watcher.join()
    if pdf is None:
        return {"seconds": seconds, "pages": None, "peak_bytes": peak[0], "stopped_over": limit}
    with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
        f.write(pdf)
        f.flush()
        info = subprocess.run(["pdfinfo", f.name], capture_output=True, text=True).stdout
    pages = int(next(line.split()[1] for line in info.splitlines() if line.startswith("Pages:")))
    return {"seconds": seconds, "pages": pages, "peak_bytes": peak[0]}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exporter")
    parser.add_argument("make_sample")
    parser.add_argument("season")
    parser.add_argument("out")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--print", default="300,1000", help="park counts of the pages printed, or none")
    parser.add_argument("--memory-limit", type=float, default=12, help="GiB a print may take before it is stopped")
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="vendrix-pagebench-")
    page = os.path.join(work, "season.html")
    subprocess.run([args.exporter, args.season, "--html", page], check=True)
    url = "file://" + page

    runs = []
    for _ in range(args.runs):
        browser = Browser()  # a fresh browser each run: nothing cached from the run before
        try:
            runs.append(interaction(browser, url))
        finally:
            browser.quit()

    def median(key, index=None):
        return statistics.median(r[key] if index is None else r[key][index] for r in runs)

    result = {
        "page_bytes": os.path.getsize(page),
        "parks": runs[0]["print_rows_drawn"],
        "runs": runs,
        "opened": median("opened"),
        "first_paint": median("first_paint"),
        "first_sort": median("first_sort"),
        "sorted_at": median("sorted_at"),
        "sort_again": median("sort_again"),
        "sort_by_name": median("sort_by_name"),
        "find": [median("find", i) for i in range(3)],
        "find_cleared": median("find_cleared"),
        "scroll": median("scroll"),
        "print_rows": median("print_rows"),
        "load": open("/proc/loadavg").read().split()[:3],
        "printed": {},
    }
    for parks in ([] if args.print == "none" else [int(n) for n in args.print.split(",")]):
        season = os.path.join(work, f"season-{parks}")
        subprocess.run([args.make_sample, season, str(parks)], check=True, stdout=subprocess.DEVNULL)
        printed_page = os.path.join(work, f"season-{parks}.html")
        subprocess.run([args.exporter, season, "--html", printed_page], check=True)
        browser = Browser()
        try:
            result["printed"][parks] = printed(browser, "file://" + printed_page, args.memory_limit * 2**30)
        finally:
            try:
                browser.quit()
            except Exception:
                pass
    subprocess.run(["rm", "-rf", work], check=True)

    with open(args.out, "w") as f:
        json.dump(result, f, indent=1)
    print(f"| {result['parks']:,} parks, page of {result['page_bytes'] / 1e6:.1f} MB, headless Chromium | median of {args.runs} |")
    print("|---|--:|")
    for name, value in (("opened: script run, rows in view drawn (first paint)", f"{result['opened']:,.0f} ms ({result['first_paint']:,.0f} ms)"),
                        ("first sort by CF, clicked on opening / done after opening", f"{result['first_sort']:,.0f} ms / {result['sorted_at']:,.0f} ms"),
                        ("CF again (descending) / by park name", f"{result['sort_again']:,.0f} ms / {result['sort_by_name']:,.0f} ms"),
                        ("find keystrokes 1, 12, 123 / cleared", " / ".join(f"{t:,.0f}" for t in result["find"]) + f" / {result['find_cleared']:,.0f} ms"),
                        ("scroll to the middle", f"{result['scroll']:,.0f} ms"),
                        ("every row put in the page for printing", f"{result['print_rows']:,.0f} ms")):
        print(f"| {name} | {value} |")
    for parks, p in result["printed"].items():
        what = f"{p['pages']} pages" if p["pages"] else f"stopped at {p['stopped_over'] / 2**30:.0f} GiB"
        print(f"| printed by the browser, {parks:,} parks ({what}), renderer peak {p['peak_bytes'] / 2**30:.1f} GiB | {p['seconds']:,.1f} s |")
    print(f"\nLoad average {' '.join(result['load'])} at the end.")


if __name__ == "__main__":
    sys.exit(main())
