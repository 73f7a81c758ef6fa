"""The Debian package, made by CPack into a temporary folder: its files, its dependencies, the
programs run from the package's own folder layout, where vendrix-export must find its print module,
and the package as Debian's and the desktop's own checkers see it (lintian, appstreamcli,
desktop-file-validate, man), where any error or warning fails."""
import glob
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from e2esupport import SKIP, environment_without_display, write_season
from helptext import declared_options, help_text, subcommands

CPACK = os.environ["VENDRIX_CPACK"]
CPACK_CONFIG = os.environ["VENDRIX_CPACK_CONFIG"]
SOURCE_DIR = os.environ["VENDRIX_SOURCE_DIR"]
CHECKERS = ("lintian", "appstreamcli", "desktop-file-validate", "man")
METAINFO = "./usr/share/metainfo/example.vendrix.Vendrix.metainfo.xml"

FILES = {
    "./usr/bin/vendrix",
    "./usr/bin/vendrix-export",
    "./usr/lib/x86_64-linux-gnu/vendrix/vendrix-export-print.so",
    "./usr/share/applications/vendrix.desktop",
    "./usr/share/icons/hicolor/256x256/apps/vendrix.png",
    "./usr/share/icons/hicolor/scalable/apps/vendrix.svg",
    "./usr/share/bash-completion/completions/vendrix-export",
    "./usr/share/doc/vendrix/changelog.gz",
    "./usr/share/doc/vendrix/copyright",
    "./usr/share/man/man1/vendrix.1.gz",
    "./usr/share/man/man1/vendrix-export.1.gz",
    METAINFO,
}


def dpkg_deb(*args):
    return subprocess.run(["dpkg-deb", *args], check=True, capture_output=True, text=True).stdout


def checked(*command, **options):
    """The output of a checker that must end well: its standard output and error together."""
    done = subprocess.run(command, capture_output=True, text=True, timeout=120, **options)
    output = done.stdout + done.stderr
    if done.returncode != 0:
        raise AssertionError(f"{command[0]} ended with {done.returncode}:\n{output}")
    return output


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

    def test_lintian_finds_no_error_nor_warning(self):
        # Lintian warns on stderr when run as root (as CI does); that is about the run, not the package.
        tags = checked("lintian", "--fail-on", "error,warning", "--no-tag-display-limit", self.deb)
        self.assertEqual(re.findall(r"^[EW]: .*", tags, re.M), [])

    def test_software_centre_metadata_and_menu_entry_validate_and_agree_with_the_package(self):
        metainfo = os.path.join(self.root, METAINFO)
        report = checked("appstreamcli", "validate", "--no-net", metainfo)
        self.assertEqual(re.findall(r"^[EW]: .*", report, re.M), [])
        self.assertEqual(checked("desktop-file-validate",
                                 os.path.join(self.root, "usr/share/applications/vendrix.desktop")), "")
        with open(metainfo, encoding="utf-8") as f:
            text = f.read()
        self.assertIn("<launchable type=\"desktop-id\">vendrix.desktop</launchable>", text)
        # A screenshot is one of the README's pictures, named by its file.
        shots = re.findall(r"<image>https://[^<]*/docs/([^<]+)</image>", text)
        self.assertGreaterEqual(len(shots), 1)
        for shot in shots:
            self.assertTrue(os.path.isfile(os.path.join(SOURCE_DIR, "docs", shot)), shot)
        # The newest release, the changelog's newest entry and the package are the same version.
        version = dpkg_deb("-f", self.deb, "Version").strip()
        self.assertEqual(re.search(r'<release version="([^"]+)"', text).group(1), version)
        with gzip.open(os.path.join(self.root, "usr/share/doc/vendrix/changelog.gz"), "rt") as f:
            self.assertEqual(f.readline().split()[:2], ["vendrix", f"({version})"])

    def test_manual_pages_show_without_warnings_and_hold_every_option_of_each_command(self):
        env = environment_without_display(MANWIDTH="200", LC_ALL="C.UTF-8")
        for program in ("vendrix", "vendrix-export"):
            with self.subTest(program=program):
                page = os.path.join(self.root, f"usr/share/man/man1/{program}.1.gz")
                shown = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", page], env=env,
                                       capture_output=True, text=True, timeout=60)
                self.assertEqual((shown.returncode, shown.stderr), (0, ""))
                executable = os.path.join(self.root, "usr/bin", program)
                for command in [()] + [(name,) for name in subcommands(executable, env=env)]:
                    for option in declared_options(help_text(executable, *command, env=env)):
                        self.assertIn(option, shown.stdout, f"{program} {' '.join(command)}")
                for section in ("SYNOPSIS", "FILES", "SEE ALSO"):
                    self.assertIn(f"\n{section}\n", shown.stdout)
                self.assertIn("Exit status:", shown.stdout)

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
    missing = [checker for checker in CHECKERS if shutil.which(checker) is None]
    if missing:
        sys.exit(f"{', '.join(missing)} not installed (scripts/install-deps installs them)")
    unittest.main(verbosity=2)
