"""vendrix-export from the command line: exit statuses, messages, and files that real readers accept."""
import csv
import io
import os
import subprocess
import sys
import unittest

from e2esupport import (EXPORTER, TempFolderTest, environment_without_display, run_exporter, table_cells,
                        write_season)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


class CommandLine(TempFolderTest):
    def test_help_and_version(self):
        result = run_exporter("--help")
        self.assertEqual(result.returncode, 0)
        self.assertTrue(result.stdout.startswith(b"Usage: vendrix-export SEASON_FOLDER"))
        result = run_exporter("--version")
        self.assertEqual(result.returncode, 0)
        self.assertRegex(result.stdout.decode(), r"^vendrix-export \d+\.\d+\.\d+\n$")

    def test_usage_errors_exit_2_with_the_usage_text(self):
        season = write_season(self.path("season"))
        for args in ([], ["--csv"], [season, "--nonsense"], [season, season],
                     [season, "--csv", "-", "--text", "-"], [season, "--print", "--print"]):
            with self.subTest(args=args):
                result = run_exporter(*args)
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(b"Usage: vendrix-export", result.stderr)
                self.assertEqual(result.stdout, b"")

    def test_incomplete_folder_exits_1_naming_the_missing_files(self):
        season = write_season(self.path("season"))
        os.remove(os.path.join(season, "dmbteam.dat"))
        os.remove(os.path.join(season, "dmborg.dat"))
        result = run_exporter(season, "--csv", self.path("parks.csv"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"dmbteam.dat", result.stderr)
        self.assertIn(b"dmborg.dat", result.stderr)
        self.assertNotIn(b"dmbpark.dat", result.stderr)
        self.assertFalse(os.path.exists(self.path("parks.csv")))
        result = run_exporter(self.path("no such folder"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"no such folder", result.stderr)

    def test_empty_park_file_exits_1(self):
        season = write_season(self.path("season"))
        open(os.path.join(season, "dmbpark.dat"), "wb").close()
        result = run_exporter(season)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"No Park File to Process", result.stderr)
        self.assertEqual(result.stdout, b"")

    def test_errors_name_their_cause(self):
        season = write_season(self.path("season"))
        blocker = self.path("a file")
        open(blocker, "wb").close()
        as_nobody = None
        if os.geteuid() == 0:  # root passes every permission check: the refusals need another user
            os.chmod(self.tmp, 0o755)
            as_nobody = lambda: (os.setgid(65534), os.setuid(65534))
        locked = self.path("locked")
        os.mkdir(locked, 0o755)
        os.mkdir(self.path("unreadable"), 0o300)
        cases = [
            ([season, "--diagrams", os.path.join(locked, "svg")], "cannot make the folder", "Permission denied"),
            ([season, "--diagrams", os.path.join(blocker, "svg")], "cannot make the folder", "Not a directory"),
            ([season, "--csv", os.path.join(locked, "parks.csv")], "Cannot write", "Permission denied"),
            ([self.path("unreadable")], "cannot read the folder", "Permission denied"),
        ]
        for args, what, cause in cases:
            with self.subTest(args=args):
                result = subprocess.run([EXPORTER, *args], capture_output=True, timeout=120, preexec_fn=as_nobody)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn(what, result.stderr.decode())
                self.assertIn(cause, result.stderr.decode())

    def test_sample_season_tool_answers_help(self):
        tool = os.environ["VENDRIX_MAKE_SAMPLE"]
        result = subprocess.run([tool, "--help"], capture_output=True)
        self.assertEqual(result.returncode, 0)
        self.assertTrue(result.stdout.startswith(b"usage: make-sample-season"))
        for args in ([], [self.path("s"), "99999999999"], [self.path("s"), "--nonsense"]):
            self.assertEqual(subprocess.run([tool, *args], capture_output=True).returncode, 2, args)

    def test_csv_and_text_load_no_qt(self):
        libraries = subprocess.run(["ldd", EXPORTER], capture_output=True, text=True).stdout
        self.assertNotIn("libQt", libraries)


class Outputs(TempFolderTest):
    def test_csv_reads_back_cell_for_cell(self):
        for kind in ("sample", "awkward"):
            with self.subTest(season=kind):
                season = write_season(self.path(kind), kind)
                result = run_exporter(season, "--csv", self.path(kind + ".csv"))
                self.assertEqual(result.returncode, 0, result.stderr)
                data = read_bytes(self.path(kind + ".csv"))
                self.assertTrue(data.endswith(b"\r\n"))
                rows = list(csv.reader(io.StringIO(data.decode("cp1252"), newline="")))
                expected = [[cell.decode("cp1252") for cell in row] for row in table_cells(season)]
                self.assertEqual(len(rows), len(expected))
                self.assertEqual(rows, expected)
                self.assertEqual(rows[1][0], " Park Name ")

    def test_standard_output_and_files_hold_the_same_bytes(self):
        season = write_season(self.path("season"))
        default = run_exporter(season)
        self.assertEqual(default.returncode, 0)
        self.assertEqual(run_exporter(season, "--csv", "-").stdout, default.stdout)
        text = run_exporter(season, "--text=-")
        self.assertEqual(text.returncode, 0)
        result = run_exporter(season, "--csv", self.path("parks.csv"), "--text", self.path("parks.txt"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, b"")
        self.assertEqual(read_bytes(self.path("parks.csv")), default.stdout)
        self.assertEqual(read_bytes(self.path("parks.txt")), text.stdout)
        parks = len(table_cells(season)) - 2
        self.assertEqual(text.stdout.count(b"\r\n"), 4 * parks + 11)
        self.assertEqual(text.stdout.count(b"\n"), 4 * parks + 11)

    def test_existing_file_is_replaced_whole(self):
        season = write_season(self.path("season"))
        target = self.path("parks")  # no extension is added
        with open(target, "wb") as f:
            f.write(b"x" * 100000)
        self.assertEqual(run_exporter(season, "--csv", target).returncode, 0)
        self.assertEqual(read_bytes(target), run_exporter(season).stdout)
        self.assertEqual(sorted(os.listdir(self.tmp)), ["parks", "season"])

    def test_failed_output_exits_1_naming_the_file_and_the_others_are_written(self):
        season = write_season(self.path("season"))
        bad = self.path("missing", "parks.csv")
        result = run_exporter(season, "--csv", bad, "--text", self.path("parks.txt"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(bad.encode(), result.stderr)
        self.assertIn(b"No such file or directory", result.stderr)
        self.assertTrue(os.path.exists(self.path("parks.txt")))

    def test_folder_memory_file_is_refused(self):
        season = write_season(self.path("season"))
        memory = self.path("ParkDir.txt")
        with open(memory, "wb") as f:
            f.write(b'"/seasons/2031"\r\n')
        for args in (["--csv", "ParkDir.txt"], ["--text", "old parkdir.txt.bak"], ["--pdf", "./ParkDir.txt"]):
            with self.subTest(args=args):
                result = run_exporter(season, *args, cwd=self.tmp)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"The program already uses this filename you must chose another name", result.stderr)
        self.assertEqual(read_bytes(memory), b'"/seasons/2031"\r\n')
        self.assertEqual(sorted(os.listdir(self.tmp)), ["ParkDir.txt", "season"])

    def test_print_without_a_print_server_names_the_reason(self):
        season = write_season(self.path("season"))
        env = environment_without_display(CUPS_SERVER=self.path("no-cupsd.sock"), HOME=self.tmp)
        env.pop("PRINTER", None)
        env.pop("LPDEST", None)
        result = run_exporter(season, "--print", env=env)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"No default printer", result.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
