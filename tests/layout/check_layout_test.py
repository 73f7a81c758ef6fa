"""scripts/check-layout catches each kind of fault planted in a copy of the source tree (a misplaced
include, a long file, an unknown room, a column's text outside the catalogue, a number parsed out of
text), naming the file and the line, and passes the tree as it is."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CHECK = os.path.join(ROOT, "scripts", "check-layout")


def check(root):
    return subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True, timeout=60)


class PlantedFaults(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        shutil.copytree(os.path.join(ROOT, "src"), os.path.join(self.tmp, "src"))

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def plant(self, relative, lines):
        path = os.path.join(self.tmp, relative)
        with open(path, "a", encoding="utf-8") as f:
            f.write("".join(line + "\n" for line in lines))
        with open(path, encoding="utf-8") as f:
            return sum(1 for _ in f)

    def test_the_tree_as_it_is_passes(self):
        result = check(self.tmp)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_each_fault_is_named_with_its_file_and_line(self):
        qt_line = self.plant("src/season/seasonscan.cpp", ["#include <QString>"])
        up_line = self.plant("src/parktable/parktable.cpp", ['#include "app/form1.h"'])
        side_line = self.plant("src/gui/print/reportpainter.cpp", ['#include "gui/grid/parkgrid.h"'])
        self.plant("src/output/csvexport.cpp", ["// filler"] * 600)
        os.makedirs(os.path.join(self.tmp, "src", "newroom"))
        self.plant("src/newroom/thing.cpp", ["int thing;"])
        caption_line = self.plant("src/parkpage/parkpage.cpp", ['const char* wind = "Wind Spd";'])
        parse_line = self.plant("src/parkjson/seasonjson.cpp", ["auto r = std::from_chars(a, b, n);"])
        result = check(self.tmp)
        self.assertEqual(result.returncode, 1)
        out = result.stdout
        self.assertIn(f"src/season/seasonscan.cpp:{qt_line}: season is standard C++ only, yet includes <QString>", out)
        self.assertIn(f"src/parktable/parktable.cpp:{up_line}: parktable includes app, a room above it", out)
        self.assertIn(f"src/gui/print/reportpainter.cpp:{side_line}: gui/print includes gui/grid", out)
        self.assertRegex(out, r"src/output/csvexport.cpp:501: \d+ lines \(at most 500\)")
        self.assertIn("src/newroom:1: newroom is no room", out)
        self.assertIn(f'src/parkpage/parkpage.cpp:{caption_line}: "Wind Spd" is a column\'s text', out)
        self.assertIn(f"src/parkjson/seasonjson.cpp:{parse_line}: a number parsed out of text", out)
        self.assertEqual(len(out.strip().splitlines()), 7, out)


if __name__ == "__main__":
    unittest.main()
