"""vendrix-export compare on the sample season and its changed copy: the text, the JSON read back by
Python, duplicated names, exit statuses, and the committed sample seasons still being what the tools write."""
import filecmp
import json
import os
import shutil
import struct
import unittest

from e2esupport import SEASON_TOOL, TempFolderTest, run_exporter, write_season

SAMPLES = os.path.join(os.path.dirname(__file__), "..", "..", "samples")

EXPECTED_TEXT = """\
Gullwing Field (row 1 -> 1): CF, distance 402 -> 396
Timberline Park (1 of 2, row 2 -> 2): LF, height 15 -> 24
Alder Grounds (row 3 -> 3): HR, LHB 104 -> 110
Millrace Stadium (row 4 -> 4): Surface Grass -> Turf
Vixen Hollow Park (row 6 -> 6): Team Name Glen Haven Foxes -> (no team)
Added: Ore Cart Ballpark (row 5)
Added: Foxfire Grounds (row 33)
Added: Timberline Park (2 of 2, row 34)
Removed: Ore Cart Yard (row 5)

5 parks changed, 3 new, 1 gone (31 parks in both)
"""

EXPECTED_JSON = {
    "old": {"league": "Northwind Baseball League", "season": "2031"},
    "new": {"league": "Northwind Baseball League", "season": "2032"},
    "later": "new",
    "added": [{"park": "Ore Cart Ballpark", "row": 5}, {"park": "Foxfire Grounds", "row": 33},
              {"park": "Timberline Park", "row": 34}],
    "removed": [{"park": "Ore Cart Yard", "row": 5}],
    "changed": [
        {"park": "Gullwing Field", "old_row": 1, "new_row": 1, "changes": {"fence_distance.cf": [402, 396]}},
        {"park": "Timberline Park", "old_row": 2, "new_row": 2, "changes": {"fence_height.lf": [15, 24]}},
        {"park": "Alder Grounds", "old_row": 3, "new_row": 3, "changes": {"factors_lhb.hr": [104, 110]}},
        {"park": "Millrace Stadium", "old_row": 4, "new_row": 4, "changes": {"surface": ["Grass", "Turf"]}},
        {"park": "Vixen Hollow Park", "old_row": 6, "new_row": 6, "changes": {"team": ["Glen Haven Foxes", None]}},
    ],
}


def patch_park(season, record, offset, data):
    with open(os.path.join(season, "dmbpark.dat"), "r+b") as f:
        f.seek(154 * record + offset)
        f.write(data)


class Compare(TempFolderTest):
    def setUp(self):
        super().setUp()
        self.old = write_season(self.path("2031"))
        self.new = write_season(self.path("2032"), "changed")

    def compare(self, *args):
        return run_exporter("compare", *args)

    def test_text_names_both_seasons_and_every_change(self):
        result = self.compare(self.old, self.new)
        self.assertEqual(result.returncode, 0, result.stderr)
        heading = (f"Old: Northwind Baseball League 2031 ({self.old})\n"
                   f"New: Northwind Baseball League 2032 ({self.new})\n\n")
        self.assertEqual(result.stdout.decode("utf-8"), heading + EXPECTED_TEXT)
        same = self.compare(self.old, self.old)
        self.assertEqual(same.returncode, 0)
        self.assertTrue(same.stdout.endswith(b"\n0 parks changed, 0 new, 0 gone (32 parks in both)\n"))

    def test_seasons_given_the_wrong_way_round_are_said_to_be(self):
        result = self.compare(self.new, self.old)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout.decode("utf-8").splitlines()[2],
                         "The old season, 2032, is later than the new one, 2031: Added and new are the parks "
                         "only 2031 has, Removed and gone those only 2032 has.")
        self.assertIn("\n5 parks changed, 1 new, 3 gone", result.stdout.decode("utf-8"))
        self.assertEqual(json.loads(self.compare(self.new, self.old, "--json", "-").stdout)["later"], "old")
        same = json.loads(self.compare(self.old, self.old, "--json", "-").stdout)
        self.assertIsNone(same["later"])

    def test_json_reads_back_and_files_match_standard_output(self):
        result = self.compare(self.old, self.new, "--json", "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(json.loads(result.stdout.decode("utf-8")), EXPECTED_JSON)
        both = self.compare(self.old, self.new, "--json", self.path("c.json"), "--text", self.path("c.txt"))
        self.assertEqual((both.returncode, both.stdout), (0, b""))
        with open(self.path("c.json"), "rb") as f:
            self.assertEqual(f.read(), result.stdout)
        with open(self.path("c.txt"), "rb") as f:
            self.assertTrue(f.read().endswith(EXPECTED_TEXT.encode()))

    def test_names_match_trimmed_without_case_and_duplicates_pair_in_file_order(self):
        # Old: the first park renamed in capitals with blanks, and the second named like the first;
        # new: the first two parks both named "gullwing field", the second with its CF moved.
        patch_park(self.old, 0, 8, b"  GULLWING FIELD  ".ljust(30, b"\0"))
        patch_park(self.old, 1, 8, b"Gullwing Field".ljust(30, b" "))
        new = write_season(self.path("new"))
        patch_park(new, 0, 8, b"gullwing field".ljust(30, b"\0"))
        patch_park(new, 1, 8, b"gullwing field".ljust(30, b"\0"))
        patch_park(new, 1, 94 + 6, struct.pack("<h", 420))
        data = json.loads(self.compare(self.old, new, "--json", "-").stdout)
        self.assertEqual((data["added"], data["removed"]), ([], []))
        self.assertEqual(data["changed"], [{"park": "gullwing field", "old_row": 2, "new_row": 2,
                                            "changes": {"fence_distance.cf": [409, 420]}}])
        text = self.compare(self.old, new).stdout.decode()
        self.assertIn("gullwing field (2 of 2, row 2 -> 2): CF, distance 409 -> 420\n", text)
        # A name twice in the new season and once in the old: the second is added, told apart by its row.
        patch_park(self.old, 1, 8, b"Other Field".ljust(30, b" "))
        data = json.loads(self.compare(self.old, new, "--json", "-").stdout)
        self.assertEqual((data["added"], data["removed"], data["changed"]),
                         ([{"park": "gullwing field", "row": 2}], [{"park": "Other Field", "row": 2}], []))

    def test_exit_statuses(self):
        incomplete = self.path("incomplete")
        shutil.copytree(self.old, incomplete)
        os.remove(os.path.join(incomplete, "dmbteam.dat"))
        result = self.compare(self.old, incomplete, "--json", self.path("c.json"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"is not a complete season folder: missing dmbteam.dat", result.stderr)
        self.assertFalse(os.path.exists(self.path("c.json")))
        result = self.compare(self.old, self.new, "--json", self.path("no such folder", "c.json"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"No such file or directory", result.stderr)
        for args in ([self.old], [self.old, self.new, self.new], [self.old, self.new, "--csv", "x"],
                     [self.old, self.new, "--json", "-", "--text", "-"], [self.old, self.new, "--json"]):
            with self.subTest(args=args):
                result = self.compare(*args)
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(b"Usage: vendrix-export compare", result.stderr)

    def test_committed_sample_seasons_are_what_the_tool_writes(self):
        for name, kind in (("northwind-2031", "sample"), ("northwind-2032", "changed")):
            written = write_season(self.path(name), kind)
            match, mismatch, errors = filecmp.cmpfiles(os.path.join(SAMPLES, name), written,
                                                       ["dmbpark.dat", "dmbteam.dat", "dmborg.dat"], shallow=False)
            self.assertEqual((mismatch, errors), ([], []), name)


if __name__ == "__main__":
    unittest.main(verbosity=2)
