"""vendrix-export --json and --encoding utf-8: what Python and pandas read back equals the park table."""
import csv
import io
import json
import os
import re
import struct
import unittest
from decimal import ROUND_HALF_UP, Decimal

from e2esupport import TempFolderTest, run_exporter, table_cells, write_season

# Windows-1252 leaves these five bytes undefined; the export keeps them as the C1 controls of the same value.
UNDEFINED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}
GROUPS = [("fence_distance", 3, ["lf_line", "lf", "lcf", "cf", "rcf", "rf", "rf_line"]),
          ("fence_height", 10, ["lf_line", "lf", "lcf", "cf", "rcf", "rf", "rf_line"]),
          ("factors_lhb", 17, ["1b", "2b", "3b", "hr"]),
          ("factors_rhb", 21, ["1b", "2b", "3b", "hr"])]
WORDS = ["type", "surface", "foul_ground", "time_zone", "wind_speed", "avg_temp", "temp_change", "rain_freq"]
PARK_KEYS = ["row", "park", "team", "year"] + [g for g, _, _ in GROUPS] + WORDS + ["fair_area_sqft", "shape_hr"]


def windows1252(data):
    return "".join(chr(b) if b in UNDEFINED else bytes([b]).decode("cp1252") for b in data)


def rename_park(season, record, name):
    """Puts raw bytes into the name field of a record of the park file."""
    path = os.path.join(season, "dmbpark.dat")
    with open(path, "r+b") as f:
        f.seek(154 * record + 8)
        f.write(name.ljust(30, b"\0"))


def rename_first_park(season, name):
    rename_park(season, 0, name)


# Records in use in the sample season after the first (the fifth and sixth are not).
RECORDS_IN_USE = [1, 2, 3, 6, 7, 8, 9, 10, 11]


def expected_parks(cells):
    parks = []
    for number, row in enumerate(cells[2:], start=1):
        text = [windows1252(cell) for cell in row]
        team = re.sub(" +", " ", text[1].strip(" "))
        park = {"row": number, "park": text[0].strip(" "), "team": team or None, "year": int(text[2])}
        for group, first, members in GROUPS:
            park[group] = {m: int(text[first + i]) for i, m in enumerate(members)}
        park.update({w: text[25 + i] for i, w in enumerate(WORDS)})
        parks.append(park)
    return parks


def take_fair_areas(test, parks):
    """Checks and removes each park's "fair_area_sqft": null unless all seven distances lie in 1..999,
    else a whole number between the quarter circles of the shortest and the longest distance (the wall
    never leaves its neighbours' range); and its "shape_hr": null unless every distance and wall can be
    real, else a factor a hand (tests/e2e/carry_test.py checks their values)."""
    for park in parks:
        area = park.pop("fair_area_sqft")
        shape = park.pop("shape_hr")
        real = all(1 <= d <= 999 for d in park["fence_distance"].values()) and all(
            0 <= h <= 100 for h in park["fence_height"].values())
        test.assertEqual(shape is None, not real, park["park"])
        if shape is not None:
            test.assertEqual(list(shape), ["lhb", "rhb"])
        distances = list(park["fence_distance"].values())
        if not all(1 <= d <= 999 for d in distances):
            test.assertIsNone(area, park["park"])
            continue
        test.assertIsInstance(area, int)
        quarter = 3.141592653589793 / 4
        test.assertLessEqual(round(quarter * min(distances) ** 2), area, park["park"])
        test.assertLessEqual(area, round(quarter * max(distances) ** 2), park["park"])


# The values that can be real, by group: only they are averaged.
REAL = {"fence_distance": lambda v: 1 <= v <= 999, "fence_height": lambda v: 0 <= v <= 100,
        "factors_lhb": lambda v: v > 0, "factors_rhb": lambda v: v > 0}


def expected_average(parks, counts=False):
    """The League average of each value over the parks whose value can be real, or how many those are."""
    if not parks:
        return None
    average = {}
    for group, _, members in GROUPS:
        average[group] = {}
        for m in members:
            real = [p[group][m] for p in parks if REAL[group](p[group][m])]
            if counts:
                average[group][m] = len(real)
            elif real:
                mean = Decimal(sum(real)) / len(real)
                average[group][m] = float(mean.quantize(Decimal("0.1"), rounding=ROUND_HALF_UP))
            else:
                average[group][m] = None
    return average


class JsonExport(TempFolderTest):
    def export_json(self, season):
        result = run_exporter(season, "--json", "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout

    def test_every_park_equals_the_tables_cells(self):
        for kind in ("sample", "awkward"):
            with self.subTest(season=kind):
                season = write_season(self.path(kind), kind)
                if kind == "awkward":
                    # Every byte value but NUL (a blank in the table) in the names of nine parks.
                    every_byte = bytes(range(1, 256))
                    for i, record in enumerate(RECORDS_IN_USE):
                        rename_park(season, record, every_byte[30 * i:30 * i + 30])
                    rename_first_park(season, b' \x81\x8d\x8f\x90\x9d "q" \\ \x7f\x01\xe9 ')
                data = json.loads(self.export_json(season).decode("utf-8"))
                parks = expected_parks(table_cells(season))
                self.assertEqual(list(data), ["league", "season", "parks", "league_average", "league_average_parks"])
                self.assertEqual((data["league"], data["season"]), ("Northwind Baseball League", "2031"))
                self.assertEqual([list(p) for p in data["parks"]], [PARK_KEYS] * len(parks))
                take_fair_areas(self, data["parks"])
                self.assertEqual(data["parks"], parks)
                self.assertEqual(data["league_average"], expected_average(parks))
                self.assertEqual(data["league_average_parks"], expected_average(parks, counts=True))
                if kind == "awkward":
                    self.assertEqual(data["parks"][0]["park"], '\x81\x8d\x8f\x90\x9d "q" \\ \x7f\x01\xe9')

    def test_file_and_standard_output_agree_and_pandas_reads_it(self):
        season = write_season(self.path("season"))
        self.assertEqual(run_exporter(season, "--json", self.path("parks.json"), "--csv", self.path("p.csv"))
                         .returncode, 0)
        with open(self.path("parks.json"), "rb") as f:
            self.assertEqual(f.read(), self.export_json(season))
        try:
            import pandas
        except ImportError:
            return
        frame = pandas.json_normalize(json.load(open(self.path("parks.json"), encoding="utf-8"))["parks"])
        self.assertEqual(len(frame), len(table_cells(season)) - 2)
        self.assertIn("fence_distance.cf", frame.columns)

    def test_nonsense_distances_stay_and_a_season_without_parks_has_no_average(self):
        season = write_season(self.path("season"))
        park_file = os.path.join(season, "dmbpark.dat")
        with open(park_file, "r+b") as f:
            # The first park's LF line, LF and CF distances become -1, 0 and 32,767; the second -32,768 in CF.
            f.seek(94)
            f.write(struct.pack("<hhhh", -1, 0, 380, 32767))
            f.seek(154 + 94 + 6)
            f.write(struct.pack("<h", -32768))
        parks = expected_parks(table_cells(season))
        data = json.loads(self.export_json(season))
        self.assertEqual([park["fair_area_sqft"] for park in data["parks"][:2]], [None, None])
        take_fair_areas(self, data["parks"])
        self.assertEqual(data["parks"], parks)
        self.assertEqual(data["parks"][0]["fence_distance"]["cf"], 32767)
        self.assertEqual(data["league_average"], expected_average(parks))
        with open(park_file, "r+b") as f:
            records = f.read()
            for start in range(0, len(records), 154):
                f.seek(start)
                f.write(b"\x01\x00")  # every record out of use
        data = json.loads(self.export_json(season))
        self.assertEqual((data["parks"], data["league_average"]), ([], None))


class Where(TempFolderTest):
    def test_conditions_keep_what_python_keeps_and_bad_ones_are_usage_errors(self):
        season = write_season(self.path("season"))
        rename_first_park(season, b"\xc9clair Park 10")
        every = json.loads(run_exporter(season, "--json", "-").stdout)

        # Each case: the conditions, and the same test in Python on the full JSON.
        cases = [
            (["surface=grass"], lambda p: p["surface"] == "Grass"),
            (["surface=Grass", "factors_lhb.hr>=105"], lambda p: p["surface"] == "Grass" and p["factors_lhb"]["hr"] >= 105),
            (["fence_distance.cf<400", "fence_height.lf!=10"],
             lambda p: p["fence_distance"]["cf"] < 400 and p["fence_height"]["lf"] != 10),
            (["team!="], lambda p: p["team"] is not None),
            (["team="], lambda p: p["team"] is None),
            (["row<=3"], lambda p: p["row"] <= 3),
            (["park=ÉCLAIR PARK 10"], lambda p: p["row"] == 1),
            (["park<Éclair Park 9"], lambda p: p["park"].lower() < "e"),
            (["year>2031"], lambda p: False),
        ]
        for conditions, keeps in cases:
            with self.subTest(conditions=conditions):
                args = [season, "--json", "-"]
                for condition in conditions:
                    args += ["--where", condition]
                result = run_exporter(*args)
                self.assertEqual((result.returncode, result.stderr), (0, b""))
                data = json.loads(result.stdout)
                self.assertEqual(data["parks"], [p for p in every["parks"] if keeps(p)])
                self.assertEqual(data["league_average"], every["league_average"])

        for condition, message in [("surfac=Grass", 'unknown key "surfac"'), ("surface~Grass", "is not a condition"),
                                   ("factors_lhb.hr>=many", "factors_lhb.hr needs a number"), ("=5", "is not a condition"),
                                   ("year!5", "! alone is no operator")]:
            with self.subTest(condition=condition):
                result = run_exporter(season, "--json", "-", "--where", condition)
                self.assertEqual((result.returncode, result.stdout), (2, b""))
                self.assertIn(message, result.stderr.decode())
        result = run_exporter(season, "--csv", "-", "--where", "surface=Grass")
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"give --json FILE as well", result.stderr)


class FolderMemory(TempFolderTest):
    def test_json_and_comparison_never_replace_the_folder_memory(self):
        season = write_season(self.path("season"))
        memory = self.path("ParkDir.txt")
        with open(memory, "wb") as f:
            f.write(b'"/seasons/2031"\r\n')
        for args in ([season, "--json", "ParkDir.txt"], ["compare", season, season, "--json", "./ParkDir.txt"],
                     ["compare", season, season, "--text", "ParkDir.txt"]):
            with self.subTest(args=args):
                result = run_exporter(*args, cwd=self.tmp)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"The program already uses this filename", result.stderr)
        with open(memory, "rb") as f:
            self.assertEqual(f.read(), b'"/seasons/2031"\r\n')


class Utf8Encoding(TempFolderTest):
    def test_csv_and_text_in_utf8_hold_the_same_text(self):
        season = write_season(self.path("season"), "awkward")
        rename_first_park(season, b"\x81 Caf\xe9 \x80uro \x9d")
        for option in ("--csv", "--text"):
            with self.subTest(output=option):
                default = run_exporter(season, option, "-")
                utf8 = run_exporter(season, option, "-", "--encoding", "utf-8")
                self.assertEqual(utf8.returncode, 0, utf8.stderr)
                self.assertEqual(utf8.stdout.decode("utf-8"), windows1252(default.stdout))
                self.assertNotEqual(utf8.stdout, default.stdout)
                self.assertEqual(run_exporter(season, option, "-", "--encoding=windows-1252").stdout, default.stdout)
        rows = list(csv.reader(io.StringIO(run_exporter(season, "--encoding", "UTF-8").stdout.decode(), newline="")))
        self.assertEqual(rows[2][0].rstrip(" "), "\x81 Caf\xe9 \u20acuro \x9d")
        bad = run_exporter(season, "--encoding", "latin-9")
        self.assertEqual(bad.returncode, 2)
        self.assertIn(b"--encoding needs utf-8 or windows-1252", bad.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
