"""Damaged seasons through vendrix-export: each warning on standard error, the outputs byte for byte
those of the undamaged reading, exit status 0; --strict makes any warning exit status 3 with nothing
written."""
import os
import shutil
import unittest

from e2esupport import TempFolderTest, run_exporter, write_season

RECORD = 154


def cut_park_file(season, size):
    with open(os.path.join(season, "dmbpark.dat"), "r+b") as f:
        f.truncate(size)


def overwrite(season, name, data):
    with open(os.path.join(season, name), "wb") as f:
        f.write(data)


class DamagedSeasons(TempFolderTest):
    def outputs(self, season, *extra):
        """The CSV, the text report and the JSON of a season, with the exporter's stderr and status."""
        result = run_exporter(season, "--csv", "-", *extra)
        text = run_exporter(season, "--text", "-").stdout
        json = run_exporter(season, "--json", "-").stdout
        return result.returncode, result.stderr.decode(), (result.stdout, text, json)

    def test_each_damage_is_told_and_the_outputs_are_those_of_what_could_be_read(self):
        sample = write_season(self.path("sample"))
        whole = self.path("whole")  # the undamaged part of the first case: fifteen whole records
        shutil.copytree(sample, whole)
        cut_park_file(whole, 15 * RECORD)
        no_parks = self.path("no-parks")
        shutil.copytree(sample, no_parks)
        overwrite(no_parks, "dmbpark.dat", b"\x01\x00" * (2 * RECORD))  # two records, none in use
        cases = [
            ("cut", lambda s: cut_park_file(s, 15 * RECORD + 77), whole,
             ["dmbpark.dat ends 77 bytes into record 16; those bytes were not read"]),
            ("random", lambda s: overwrite(s, "dmbpark.dat", bytes((i * 7919 + 13) % 251 | 1 for i in range(3000))),
             no_parks,
             ["dmbpark.dat ends 74 bytes into record 20; those bytes were not read",
              "dmbpark.dat holds 19 records, none of them a park in use; the table has no parks"]),
            # The team and organization files read as nothing.
            ("blank", lambda s: (overwrite(s, "dmbteam.dat", b""), overwrite(s, "dmborg.dat", b"\0" * 488)), None,
             ["dmborg.dat holds 2 records, none in use; the league has no name",
              "dmbteam.dat holds no record; the season has no year and the parks no teams"]),
        ]
        for name, damage, undamaged, warnings in cases:
            with self.subTest(case=name):
                season = self.path(name)
                shutil.copytree(sample, season)
                damage(season)
                status, stderr, outputs = self.outputs(season)
                self.assertEqual(status, 0, stderr)
                self.assertEqual(stderr, "".join(f"vendrix-export: {season}: warning: {w}\n" for w in warnings))
                if undamaged is not None:
                    self.assertEqual(outputs, self.outputs(undamaged)[2])
                # --strict: exit status 3, no file made, an existing one untouched.
                target = self.path(name + ".csv")
                for existing in (None, b"old bytes"):
                    if existing is not None:
                        with open(target, "wb") as f:
                            f.write(existing)
                    strict = run_exporter(season, "--strict", "--csv", target, "--json", self.path(name + ".json"))
                    self.assertEqual(strict.returncode, 3, strict.stderr)
                    self.assertIn(warnings[0].encode(), strict.stderr)
                    self.assertFalse(os.path.exists(self.path(name + ".json")))
                    if existing is None:
                        self.assertFalse(os.path.exists(target))
                    else:
                        with open(target, "rb") as f:
                            self.assertEqual(f.read(), existing)
                compare = run_exporter("compare", sample, season, "--strict")
                self.assertEqual((compare.returncode, compare.stdout), (3, b""), compare.stderr)

    def test_a_sound_season_has_no_warning_even_with_strict(self):
        season = write_season(self.path("season"))
        result = run_exporter(season, "--strict", "--csv", self.path("parks.csv"))
        self.assertEqual((result.returncode, result.stderr), (0, b""))


if __name__ == "__main__":
    unittest.main(verbosity=2)
