"""vendrix-export --diagrams and --diagram-sheet without a display: one well-formed SVG (or PNG) per park
under a safe name, names read back exactly, progress only on a terminal, Ctrl+C leaving only whole files,
and a landscape PDF sheet of twelve parks a page."""
import math
import os
import pty
import re
import signal
import subprocess
import shutil
import time
import unittest
import zlib
import xml.etree.ElementTree as ElementTree

from e2esupport import (EXPORTER, TempFolderTest, environment_without_display, run_exporter, table_cells,
                        write_season)

SVG = "{http://www.w3.org/2000/svg}"


def png_pixels(data):
    """(width, height, rows of RGB byte triples) of an 8-bit RGB or RGBA PNG, unfiltered."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    at, idat = 8, b""
    while at < len(data):
        length = int.from_bytes(data[at:at + 4], "big")
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height = int.from_bytes(body[0:4], "big"), int.from_bytes(body[4:8], "big")
            depth, colour = body[8], body[9]
            assert depth == 8 and colour in (2, 6), (depth, colour)
            step = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - step] if x >= step else 0
            up, corner = previous[x], previous[x - step] if x >= step else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line) if step == 3 else bytes(b for i, b in enumerate(line) if i % 4 != 3))
        previous = line
    return width, height, rows


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

    def test_names_xml_must_escape_read_back_exactly(self):
        season = write_season(self.path("season"), "xmlnames")
        names = [row[0].decode("cp1252").strip() for row in table_cells(season)[2:]]
        for name in ("Pine & Oak Park", '<Angle> | "Park"', "Pe\u00f1asco", "M\u00fcller's", "\u20acuro \u201cField\u201d \u0160\u0178"):
            self.assertIn(name, names)
        folder = self.path("diagrams")
        self.export(season, "--diagrams", folder)
        for number, name in enumerate(names, start=1):
            file = next(f for f in os.listdir(folder) if f.startswith(f"{number:0{len(str(len(names)))}} "))
            root = ElementTree.parse(os.path.join(folder, file)).getroot()
            self.assertEqual(root.find(SVG + "title").text, name, file)
            texts = [t.text for t in root.iter(SVG + "text")]
            self.assertEqual(texts[0], name, file)
            if number == 1:
                self.assertTrue(texts[1].startswith("R&D <Bees>"), texts[1])

    def test_every_windows_1252_byte_in_a_name_gives_a_well_formed_svg(self):
        season = write_season(self.path("season"), "allbytes")
        folder = self.path("diagrams")
        self.export(season, "--diagrams", folder)
        # XML cannot carry most control characters even escaped; they stand as U+FFFD, all else as is.
        def expected(name):
            return "".join("\ufffd" if (ord(c) < 0x20 and c not in "\t\n\r") or 0x7F <= ord(c) <= 0x9F else c
                           for c in name.decode("cp1252", errors="replace"))
        cells = [row[0] for row in table_cells(season)[2:]]
        width = len(str(len(cells)))
        for number, cell in enumerate(cells, start=1):
            file = next(f for f in os.listdir(folder) if f.startswith(f"{number:0{width}} "))
            root = ElementTree.parse(os.path.join(folder, file)).getroot()
            name = bytes(b for b in cell).strip(b" \0")
            if name.startswith(b"P") and name.endswith(b"Q"):
                self.assertEqual(root.find(SVG + "title").text, expected(name), file)

    def test_png_format_writes_one_png_per_park(self):
        season = write_season(self.path("season"))
        folder = self.path("pngs")
        self.export(season, "--diagrams", folder, "--format", "png")
        files = sorted(os.listdir(folder))
        self.assertEqual(len(files), len(table_cells(season)) - 2)
        for file in files:
            self.assertTrue(file.endswith(".png"), file)
            with open(os.path.join(folder, file), "rb") as png:
                self.assertEqual(png.read(8), b"\x89PNG\r\n\x1a\n", file)
        result = run_exporter(season, "--format", "png")
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"--format", result.stderr)

    def test_svg_and_png_of_a_park_are_the_same_picture(self):
        """Both renderers replay one drawing: the SVG rasterised by rsvg-convert and Qt's PNG differ only
        where two rasterisers smooth edges and glyphs differently."""
        if shutil.which("rsvg-convert") is None:
            self.skipTest("rsvg-convert is not installed")
        season = write_season(self.path("season"), "xmlnames")
        self.export(season, "--diagrams", self.path("svg"))
        self.export(season, "--diagrams", self.path("png"), "--format", "png")
        for file in sorted(os.listdir(self.path("svg")))[:2]:
            with self.subTest(file=file):
                raster = subprocess.run(["rsvg-convert", os.path.join(self.path("svg"), file)], check=True,
                                        capture_output=True).stdout
                with open(os.path.join(self.path("png"), file[:-4] + ".png"), "rb") as png:
                    ours = png_pixels(png.read())
                theirs = png_pixels(raster)
                self.assertEqual(ours[:2], theirs[:2])
                differing = sum(1 for a, b in zip(ours[2], theirs[2]) for x in range(0, len(a), 3)
                                if max(abs(a[x + c] - b[x + c]) for c in range(3)) > 64)
                self.assertLess(differing / (ours[0] * ours[1]), 0.005, f"{differing} pixels differ")

    def test_progress_shows_on_a_terminal_only(self):
        season = write_season(self.path("season"), "synthetic:300")
        leader, follower = pty.openpty()
        process = subprocess.Popen([EXPORTER, season, "--diagrams", self.path("d")], stdout=subprocess.DEVNULL,
                                   stderr=follower, env=environment_without_display())
        os.close(follower)
        shown = b""
        while True:
            try:
                chunk = os.read(leader, 4096)
            except OSError:  # the terminal closes with the process
                break
            if not chunk:
                break
            shown += chunk
        os.close(leader)
        self.assertEqual(process.wait(timeout=60), 0)
        self.assertIn(b"diagrams 300 of 300", shown)
        self.assertNotIn(b"\n", shown.replace(b"\r\n", b""))  # one line, rewritten in place

    def test_ctrl_c_leaves_only_whole_files(self):
        season = write_season(self.path("season"), "synthetic:20000")
        folder = self.path("d")
        process = subprocess.Popen([EXPORTER, season, "--diagrams", folder], stderr=subprocess.PIPE,
                                   env=environment_without_display())
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and len(os.listdir(folder) if os.path.isdir(folder) else []) < 50:
            time.sleep(0.01)
        process.send_signal(signal.SIGINT)
        _, errors = process.communicate(timeout=60)
        files = os.listdir(folder)
        if process.returncode == 0:
            self.skipTest("the run ended before the interruption")
        self.assertEqual(process.returncode, 130, errors)
        self.assertIn(b"interrupted", errors)
        self.assertLess(len(files), 20000)
        for file in files:
            self.assertTrue(file.endswith(".svg"), file)
            ElementTree.parse(os.path.join(folder, file))

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
