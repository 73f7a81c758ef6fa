"""vendrix-export --pdf without a display: four landscape pages whose text stands in the layout's columns."""
import re
import subprocess
import unittest

from e2esupport import TempFolderTest, environment_without_display, printed_sections, run_exporter, write_season

TITLE = "Park Factors for Northwind Baseball League in 2031"
# Liberation Mono and Courier New at 10 points are 6 points a character.
CHARACTER_WIDTH = "6"


def pdf_info(path):
    out = subprocess.run(["pdfinfo", path], check=True, capture_output=True, text=True).stdout
    return dict(line.split(":", 1) for line in out.splitlines() if ":" in line)


def pdf_pages_as_text(path):
    out = subprocess.run(["pdftotext", "-layout", "-fixed", CHARACTER_WIDTH, path, "-"],
                         check=True, capture_output=True).stdout.decode("utf-8")
    return out.split("\f")[:-1]


class PdfReport(TempFolderTest):
    def setUp(self):
        super().setUp()
        self.season = write_season(self.path("season"))
        self.pdf = self.path("parks.pdf")
        result = run_exporter(self.season, "--pdf", self.pdf, env=environment_without_display())
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, b"")

    def test_four_landscape_pages(self):
        info = pdf_info(self.pdf)
        self.assertEqual(int(info["Pages"]), 4)
        width, height = map(float, re.match(r"\s*([\d.]+) x ([\d.]+)", info["Page size"]).groups())
        self.assertGreater(width, height)
        self.assertEqual(int(info.get("Page rot", "0").strip()), 0)
        self.assertIn(TITLE, info["Title"])

    def test_text_stands_in_the_columns_of_the_layout(self):
        pages = pdf_pages_as_text(self.pdf)
        sections = printed_sections(self.season)
        self.assertEqual(len(pages), len(sections))
        for number, (page, section) in enumerate(zip(pages, sections), start=1):
            with self.subTest(page=number):
                printed = [line.rstrip() for line in page.splitlines() if line.strip()]
                expected = [line.decode("cp1252").rstrip() for line in section if line.strip()]
                # The page margin shifts every line by the same number of columns.
                title = printed[0]
                margin = title.index(TITLE) - 46
                self.assertGreaterEqual(margin, 0)
                self.assertEqual([line[margin:] for line in printed], expected)
                self.assertTrue(all(not line[:margin].strip() for line in printed))


if __name__ == "__main__":
    unittest.main(verbosity=2)
