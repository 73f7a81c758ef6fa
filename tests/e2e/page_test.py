"""vendrix-export --html in a real browser (headless Chromium through Selenium): the page asks for nothing
outside itself, shows every cell as the table holds it, sorts, finds, keeps its view in its address, jumps
to a diagram and back, marks a comparison, and prints. Run with Debian's /usr/bin/python3 (its Selenium)."""
import base64
import functools
import html.parser
import os
import re
import shutil
import subprocess
import sys
import threading
import time
import unittest
import xml.etree.ElementTree as ElementTree
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer

from e2esupport import SKIP, TempFolderTest, run_exporter, table_cells, write_season

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    webdriver = None

CHROMEDRIVER = "/usr/bin/chromedriver"
# With VENDRIX_DOCS set to the repository's docs folder, the test leaves the README's pictures there.
DOCS = os.environ.get("VENDRIX_DOCS")
UNDEFINED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


def shown(cell):
    """A cell as the page shows it: Windows-1252, controls as U+FFFD, blanks trimmed and collapsed."""
    text = "".join(chr(b) if b in UNDEFINED else bytes([b]).decode("cp1252") for b in cell)
    text = re.sub(r"[\t\r\n]", " ", text)
    text = "".join("\ufffd" if ord(c) < 0x20 or 0x7F <= ord(c) < 0xA0 else c for c in text)
    return re.sub(" +", " ", text).strip(" ")


class PageParser(html.parser.HTMLParser):
    """Reads the page as Python's parser does, keeping each inline SVG's source."""

    def __init__(self, source):
        super().__init__(convert_charrefs=True)
        self.source, self.svgs, self.tags = source, [], []
        self.feed(source)
        self.close()

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        if tag == "svg":
            start = self._offset()
            self.svgs.append(self.source[start:self.source.index("</svg>", start) + 6])

    def _offset(self):
        line, column = self.getpos()
        return sum(len(l) for l in self.source.splitlines(True)[:line - 1]) + column


class QuietHandler(SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Browser:
    def __init__(self, page_load_strategy="normal"):
        options = webdriver.ChromeOptions()
        options.page_load_strategy = page_load_strategy
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,900"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)

    def open(self, url):
        for log in ("browser", "performance"):  # what earlier pages left
            self.driver.get_log(log)
        self.driver.get(url)
        return self.driver

    def problems(self, page_url):
        """Console messages of level warning and above, and every request for something but the page."""
        console = [e["message"] for e in self.driver.get_log("browser") if e["level"] in ("WARNING", "SEVERE")]
        requests = []
        for entry in self.driver.get_log("performance"):
            message = entry["message"]
            found = re.search(r'"method":"Network\.requestWillBeSent".*?"url":"([^"]*)"', message)
            if found and found.group(1).split("#")[0] != page_url.split("#")[0]:
                requests.append(found.group(1))
        return console + requests

    def rows(self):
        return self.driver.execute_script(
            "return Array.from(document.querySelectorAll('#parks tbody tr')).filter(r => !r.hidden)"
            ".map(r => Array.from(r.cells).map(c => c.textContent))")


@unittest.skipIf(webdriver is None or not os.path.exists(CHROMEDRIVER), "needs chromium-driver and python3-selenium")
class PageTest(TempFolderTest):
    @classmethod
    def setUpClass(cls):
        cls.browser = Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.driver.quit()

    def page_of(self, kind):
        season = write_season(self.path(kind), kind)
        page = self.path(kind + ".html")
        result = run_exporter(season, "--html", page)
        self.assertEqual(result.returncode, 0, result.stderr)
        return season, page

    def test_sample_and_hostile_names_exactly_and_nothing_fetched(self):
        for kind in ("sample", "hostile"):
            with self.subTest(kind=kind):
                season, page = self.page_of(kind)
                with open(page, "rb") as f:
                    data = f.read()
                self.assertNotRegex(data, rb"https?:|//", "the page names no address")
                source = data.decode("utf-8")
                parsed = PageParser(source)
                self.assertEqual(parsed.tags.count("script"), 1, "no name turned into markup")
                for svg in parsed.svgs:
                    ElementTree.fromstring(svg)  # each diagram is well-formed XML
                cells = table_cells(season)[2:]
                self.assertEqual(len(parsed.svgs), len(cells))
                for url in ("file://" + page, self.served(page)):
                    driver = self.browser.open(url)
                    self.assertEqual(self.browser.rows(), [[shown(c) for c in row] for row in cells])
                    self.assertEqual(driver.find_element(By.ID, "count").text, f"{len(cells)} of {len(cells)} parks")
                    self.assertEqual(driver.execute_script("return document.querySelectorAll('svg title').length"),
                                     len(cells))
                    self.assertEqual(self.browser.problems(url), [])

    def served(self, page):
        """The page's address on a local web server that runs until the test ends."""
        server = ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=os.path.dirname(page)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        return f"http://127.0.0.1:{server.server_address[1]}/{os.path.basename(page)}"

    def test_sort_find_address_and_diagram_jumps(self):
        _, page = self.page_of("hostile")
        driver = self.browser.open("file://" + page)
        file_order = self.browser.rows()
        cf = driver.find_element(By.CSS_SELECTOR, "th[data-key='fence_distance.cf']")
        for expected in ("ascending", "descending", None):
            cf.find_element(By.TAG_NAME, "button").click()
            self.assertEqual(cf.get_attribute("aria-sort"), expected)
            values = [int(row[6]) for row in self.browser.rows()]
            if expected:
                self.assertEqual(values, sorted(values, reverse=expected == "descending"))
        self.assertEqual(self.browser.rows(), file_order, "the third click returns to file order")

        name = driver.find_element(By.CSS_SELECTOR, "th[data-key='park'] button")
        name.send_keys(Keys.ENTER)
        names = [row[0] for row in self.browser.rows()]
        numbered = [n for n in names if n.lower().startswith("park ")]
        self.assertEqual(numbered, ["park 2", "Park 9", "Park 10"], "natural order, case ignored")
        self.assertEqual(names[0], "\"Quoted\" Field")
        name.send_keys(Keys.SPACE)
        self.assertEqual([row[0] for row in self.browser.rows()][-1], "\"Quoted\" Field")

        find = driver.find_element(By.ID, "find")
        find.send_keys("PARK")
        kept = self.browser.rows()
        self.assertTrue(kept and all("park" in (r[0] + "\n" + r[1]).lower() for r in kept))
        self.assertEqual(driver.find_element(By.ID, "count").text, f"{len(kept)} of {len(file_order)} parks")
        address = driver.execute_script("return location.hash")
        self.assertEqual(address, "#sort=park-desc&find=PARK")

        driver.get("about:blank")
        driver.get("file://" + page + "#sort=fence_distance.cf-desc&find=%3C")
        rows = self.browser.rows()
        self.assertTrue(rows and all("<" in r[0] + r[1] for r in rows))
        self.assertEqual([int(r[6]) for r in rows], sorted((int(r[6]) for r in rows), reverse=True))
        self.assertEqual(driver.find_element(By.ID, "find").get_attribute("value"), "<")

        driver.find_element(By.CSS_SELECTOR, "#parks tbody tr:not([hidden]) a").click()
        card = driver.execute_script("return location.hash")
        self.assertRegex(card, r"^#d\d+$")
        top = driver.execute_script(f"return document.querySelector('{card}').getBoundingClientRect().top")
        self.assertTrue(-2 < top < driver.execute_script("return innerHeight"), "the card is in view")
        driver.find_element(By.CSS_SELECTOR, f"{card} figcaption a").click()
        self.assertEqual(driver.execute_script("return location.hash"), "#r" + card[2:])
        self.assertEqual(self.browser.problems("file://" + page), [])

    def test_compared_page_marks_changes(self):
        old = write_season(self.path("old"), "sample")
        new = write_season(self.path("new"), "changed")
        page = self.path("compared.html")
        self.assertEqual(run_exporter("compare", old, new, "--html", page).returncode, 0)
        driver = self.browser.open("file://" + page)
        changed = driver.execute_script(
            "return Array.from(document.querySelectorAll('#parks .chg')).map(c => [c.textContent, c.title])")
        self.assertIn(["396", "402 in Northwind Baseball League 2031"], changed)
        self.assertIn(["", "Glen Haven Foxes in Northwind Baseball League 2031"], changed)
        self.assertEqual(len(changed), 5)
        self.assertEqual(len(driver.find_elements(By.CSS_SELECTOR, "#parks th.new")), 3)
        changes = driver.find_element(By.ID, "changes").text
        self.assertIn("1 only in 2031 (Ore Cart Yard)", changes)
        self.assertIn("Only in this season: Ore Cart Ballpark", changes)
        # The changed park's old outline is named in its diagram's legend.
        legend = " ".join(driver.find_element(By.ID, "d1").get_attribute("textContent").split())
        self.assertIn("Gullwing Field in Northwind Baseball League 2031", legend)
        self.assertEqual(self.browser.problems("file://" + page), [])

    def test_largest_season_table_only_written_and_painted_quickly(self):
        season = write_season(self.path("largest"), "synthetic:32767")
        page, json_file = self.path("largest.html"), self.path("largest.json")

        def best_of_three(*args):
            times = []
            for _ in range(3):
                start = time.perf_counter()
                self.assertEqual(run_exporter(season, *args).returncode, 0)
                times.append(time.perf_counter() - start)
            return min(times)

        self.assertLessEqual(best_of_three("--html", page), 3 * best_of_three("--json", json_file))
        with open(page, encoding="utf-8") as f:
            source = f.read()
        self.assertIn("this season has 32767 parks", source)
        self.assertNotIn("<figure", source)
        # A browser of its own that does not wait for the whole page to load, only for its first paint.
        driver = Browser(page_load_strategy="none").driver
        self.addCleanup(driver.quit)
        start = time.perf_counter()
        driver.get("file://" + page)
        painted = False
        while not painted and time.perf_counter() - start < 5:
            time.sleep(0.1)
            painted = driver.execute_script("return performance.getEntriesByName('first-paint').length > 0")
        self.assertTrue(painted, "first paint within 5 s")

    def test_printed_form_and_pictures(self):
        _, page = self.page_of("sample")
        driver = self.browser.open("file://" + page)
        pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
        pdf_file = self.path("page.pdf")
        with open(pdf_file, "wb") as f:
            f.write(pdf)
        text = subprocess.run(["pdftotext", "-layout", pdf_file, "-"], capture_output=True, text=True).stdout
        self.assertNotIn("Find park or team", text)
        self.assertIn("League average", text)
        info = subprocess.run(["pdfinfo", pdf_file], capture_output=True, text=True).stdout
        self.assertRegex(info, r"Page size:\s+841\.\d+ x 59[45]\.\d+", "landscape A4")
        pages = int(re.search(r"Pages:\s+(\d+)", info).group(1))
        table_pages = text.split("\f").index(next(p for p in text.split("\f") if "Park diagrams" in p))
        self.assertEqual(pages - table_pages, (32 + 5) // 6, "six diagrams to a page")
        if DOCS:
            driver.save_screenshot(os.path.join(DOCS, "park-page.png"))
            subprocess.run(["pdftoppm", "-png", "-r", "80", "-f", "1", "-l", "1", "-singlefile", pdf_file,
                            os.path.join(DOCS, "park-page-print")], check=True)


if __name__ == "__main__":
    if webdriver is None or not os.path.exists(CHROMEDRIVER) or not shutil.which("chromium"):
        print("SKIPPED: needs chromium, chromium-driver and python3-selenium")
        sys.exit(SKIP)
    unittest.main()
