"""Shared pieces of the end-to-end tests: the programs under test and season folders to run them on."""
import json
import os
import subprocess
import tempfile
import unittest

EXPORTER = os.environ["VENDRIX_EXPORT"]
SEASON_TOOL = os.environ["VENDRIX_E2E_SEASON"]

# ctest's SKIP_RETURN_CODE for a test that cannot run on this machine.
SKIP = 77


def run_exporter(*args, cwd=None, env=None):
    return subprocess.run([EXPORTER, *args], cwd=cwd, env=env, capture_output=True, timeout=120)


def write_season(folder, kind="sample"):
    subprocess.run([SEASON_TOOL, "write", folder, kind], check=True)
    return folder


def _hex_rows(command, folder):
    out = subprocess.run([SEASON_TOOL, command, folder], check=True, capture_output=True, text=True).stdout
    return [[bytes.fromhex(cell) for cell in json.loads(line)] for line in out.splitlines()]


def table_cells(folder):
    """The park table's cells (columns 0 to 32) as the program builds it, as bytes."""
    return _hex_rows("table", folder)


def printed_sections(folder):
    """The printed report's sections as lines of bytes, as the program lays them out."""
    return _hex_rows("layout", folder)


def environment_without_display(**extra):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(extra)
    return env


class TempFolderTest(unittest.TestCase):
    def setUp(self):
        self._temp = tempfile.TemporaryDirectory(prefix="vendrix-e2e-")
        self.tmp = self._temp.name

    def tearDown(self):
        self._temp.cleanup()

    def path(self, *names):
        return os.path.join(self.tmp, *names)
