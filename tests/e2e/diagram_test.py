"""vendrix-export --diagrams and --diagram-sheet without a display: one well-formed SVG per park under a
safe name, and a landscape PDF sheet of twelve parks a page."""
import math
import os
import re
import subprocess
import unittest
import xml.etree.ElementTree as ElementTree

from e2esupport import TempFolderTest, environment_without_display, run_exporter, table_cells, write_season

REFUSED_IN_FILE_NAMES = set('<>:"/\\|?*') | {chr(c) for c in range(32)}


def pdf_info(path):
    out = subprocess.run(["pdfinfo", path], check=True, capture_output=True, text=True).stdout
    return dict(line.split(":", 1) for line in out.splitlines() if ":" in line)


class Diagrams(TempFolderTest):
    def export(self, season, *args):
        result = run_exporter(season, *args, env=environment_without_display())
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, b"")

    def test_one_well_formed_svg_per_park_in_a_new_folder(self):
        season = write_season(self.path("season"))
        names = [row[0].decode("cp1252").strip() for row in table_cells(season)[2:]]
        folder = self.path("out", "diagrams")  # neither folder exists yet
        self.export(season, "--diagrams", folder)
        files = sorted(os.listdir(folder))
        width = len(str(len(names)))
        self.assertEqual(files, [f"{n:0{width}} {name}.svg" for n, name in enumerate(names, start=1)])
        for file, name in zip(files, names):
            root = ElementTree.parse(os.path.join(folder, file)).getroot()
            self.assertTrue(root.tag.endswith("svg"), file)
            texts = "".join(root.itertext())
            self.assertIn(name, texts)
            self.assertIn("Fair area", texts)

    def test_awkward_names_become_safe_file_names(self):
        season = write_season(self.path("season"), "awkward")
        folder = self.path("diagrams")
        self.export(season, "--diagrams", folder)
        files = os.listdir(folder)
        self.assertEqual(len(files), len(table_cells(season)) - 2)
        for file in files:
            self.assertFalse(REFUSED_IN_FILE_NAMES & set(file), file)
            self.assertEqual(file, file.strip())
            ElementTree.parse(os.path.join(folder, file))
        self.assertTrue(any("Caf\u00e9 \u20acuro Park" in file for file in files), files)
        self.assertTrue(any(re.fullmatch(r"\d+ Line__Break Park\.svg", file) for file in files), files)

    def test_sheet_has_twelve_parks_a_landscape_page(self):
        for parks in (30, 25):
            with self.subTest(parks=parks):
                season = write_season(self.path(f"season{parks}"), f"synthetic:{parks}")
                sheet = self.path(f"sheet{parks}.pdf")
                self.export(season, "--diagram-sheet", sheet)
                info = pdf_info(sheet)
                self.assertEqual(int(info["Pages"]), math.ceil(parks / 12))
                width, height = map(float, re.match(r"\s*([\d.]+) x ([\d.]+)", info["Page size"]).groups())
                self.assertGreater(width, height)

    def test_a_file_in_the_way_of_the_folder_fails_clearly(self):
        season = write_season(self.path("season"))
        blocker = self.path("taken")
        open(blocker, "w").close()
        result = run_exporter(season, "--diagrams", blocker, env=environment_without_display())
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"cannot make the folder", result.stderr)


if __name__ == "__main__":
    unittest.main()
