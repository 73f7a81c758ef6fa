"""The Debian package, made by CPack into a temporary folder: its files, its dependencies, and the
programs run from the package's own folder layout, where vendrix-export must find its print module."""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from e2esupport import SKIP, environment_without_display, write_season

CPACK = os.environ["VENDRIX_CPACK"]
CPACK_CONFIG = os.environ["VENDRIX_CPACK_CONFIG"]

FILES = {
    "./usr/bin/vendrix",
    "./usr/bin/vendrix-export",
    "./usr/lib/vendrix/vendrix-export-print.so",
    "./usr/share/applications/vendrix.desktop",
    "./usr/share/icons/hicolor/256x256/apps/vendrix.png",
    "./usr/share/icons/hicolor/scalable/apps/vendrix.svg",
}


def dpkg_deb(*args):
    return subprocess.run(["dpkg-deb", *args], check=True, capture_output=True, text=True).stdout


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._temp = tempfile.TemporaryDirectory(prefix="vendrix-package-")
        cls.tmp = cls._temp.name
        made = subprocess.run([CPACK, "-G", "DEB", "--config", CPACK_CONFIG, "-B", cls.tmp],
                              capture_output=True, text=True, timeout=240)
        if made.returncode != 0:
            cls._temp.cleanup()
            raise AssertionError("cpack failed:\n" + made.stdout + made.stderr)
        (cls.deb,) = glob.glob(os.path.join(cls.tmp, "vendrix_*_*.deb"))
        cls.root = os.path.join(cls.tmp, "root")
        dpkg_deb("-x", cls.deb, cls.root)

    @classmethod
    def tearDownClass(cls):
        cls._temp.cleanup()

    def test_holds_the_window_its_menu_entry_and_icons_and_the_exporter_with_its_module(self):
        listed = {line.split()[-1] for line in dpkg_deb("-c", self.deb).splitlines() if not line.startswith("d")}
        self.assertEqual(listed, FILES)
        with open(os.path.join(self.root, "usr/share/applications/vendrix.desktop")) as f:
            entry = dict(line.strip().split("=", 1) for line in f if "=" in line)
        self.assertEqual((entry["Exec"], entry["Icon"], entry["Type"]), ("vendrix --from-menu", "vendrix", "Application"))

    def test_depends_on_qt_its_platform_plugins_and_the_report_font(self):
        depends = dpkg_deb("-f", self.deb, "Depends")
        for package in ("libqt6widgets6", "libqt6printsupport6", "qt6-qpa-plugins", "fonts-liberation",
                        "libstdc++6"):
            self.assertIn(package, depends)

    def test_exporter_writes_csv_and_pdf_from_the_package_layout(self):
        exporter = os.path.join(self.root, "usr/bin/vendrix-export")
        season = write_season(os.path.join(self.tmp, "season"))
        pdf = os.path.join(self.tmp, "parks.pdf")
        env = environment_without_display()
        csv = subprocess.run([exporter, season, "--csv", "-"], capture_output=True, env=env, timeout=60)
        self.assertEqual(csv.returncode, 0, csv.stderr)
        self.assertTrue(csv.stdout.startswith(b'"","","","Fence Distance"'))
        printed = subprocess.run([exporter, season, "--pdf", pdf], capture_output=True, env=env, timeout=120)
        self.assertEqual(printed.returncode, 0, printed.stderr)
        with open(pdf, "rb") as f:
            self.assertEqual(f.read(5), b"%PDF-")


if __name__ == "__main__":
    if shutil.which("dpkg-deb") is None:
        print("dpkg-deb is not installed: no Debian package to check", file=sys.stderr)
        sys.exit(SKIP)
    unittest.main(verbosity=2)
