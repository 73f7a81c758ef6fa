"""vendrix-export carry on the sample season: the JSON's schema and numbers, the CSV and the text agreeing
with it, each park's own air, a league's log of balls (--balls) answered line for line as the single ball
is, the season JSON's shape factors, and bad values ending with exit status 2 and their names."""
import json
import os
import re
import unittest

from e2esupport import TempFolderTest, run_exporter

SAMPLE = os.path.join(os.path.dirname(__file__), "..", "..", "samples", "northwind-2031")
BALL = ["--speed", "102", "--angle", "28", "--direction", "-10"]
PARK_KEYS = ["row", "park", "verdict", "fence_distance_ft", "wall_height_ft", "height_at_fence_ft", "margin_ft"]
# The sample's parks whose walls cannot be real: a distance of -1 (row 11) and a wall of 200 ft (row 16).
LEFT_OUT = {11, 16}
ONE_DECIMAL = re.compile(r'"(?!row|out_count|park_count)[a-z_]+":(-?\d+(?:\.\d+)?)')


def carry(*args):
    done = run_exporter("carry", SAMPLE, *args)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


class Carry(TempFolderTest):
    def test_json_holds_the_schema_to_one_decimal_and_counts_the_parks_that_count(self):
        status, out, _ = carry(*BALL, "--json", "-")
        self.assertEqual(status, 0)
        answer = json.loads(out)
        self.assertEqual(list(answer), ["ball", "conditions", "flight", "parks", "out_count", "park_count"])
        self.assertEqual(answer["ball"]["batter"], "R")
        self.assertEqual(answer["conditions"], {"temperature_f": 70.0, "altitude_ft": 0.0, "humidity_pct": 50.0,
                                                "wind_mph": 0.0, "wind_from_deg": 0.0})
        self.assertEqual(list(answer["flight"]), ["distance_ft", "hang_time_s", "apex_ft", "landing_direction_deg"])
        parks = answer["parks"]
        self.assertEqual([p["row"] for p in parks], list(range(1, 33)))
        for park in parks:
            self.assertEqual(list(park), PARK_KEYS)
            if park["row"] in LEFT_OUT:
                self.assertEqual([park[k] for k in PARK_KEYS[2:]], [None] * 5)
            elif park["verdict"] == "out":
                self.assertAlmostEqual(park["margin_ft"], park["height_at_fence_ft"] - park["wall_height_ft"],
                                       delta=0.11)
        self.assertEqual(answer["park_count"], 30)
        self.assertEqual(answer["out_count"], sum(p["verdict"] == "out" for p in parks))
        for number in ONE_DECIMAL.findall(out):
            self.assertRegex(number, r"^-?\d+\.\d$")

    def test_csv_and_text_say_what_the_json_says(self):
        answer = json.loads(carry(*BALL, "--batter", "L", "--json", "-")[1])
        status, csv, _ = carry(*BALL, "--batter", "L", "--csv", "-")
        self.assertEqual(status, 0)
        lines = csv.split("\r\n")
        self.assertEqual(lines[0], ",".join(PARK_KEYS))
        self.assertEqual(len(lines), 34)  # the header, 32 parks and the last line end
        for line, park in zip(lines[1:], answer["parks"]):
            fields = re.findall(r'"[^"]*"|[^,]+|(?<=,)(?=,|$)', line)
            self.assertEqual(fields[1].strip('"'), park["park"])
            self.assertEqual(fields[2] or None, park["verdict"])
            self.assertEqual(fields[3] and float(fields[3]), park["fence_distance_ft"] or "")
        text = carry(*BALL, "--batter", "L")[1]
        self.assertIn("Out in %d of 30 parks" % answer["out_count"], text)
        self.assertIn("Starfall Stadium                No verdict: A fence distance of -1 ft is outside 1 to 999 ft",
                      text)

    def test_given_spins_fly_as_given_and_each_parks_own_air_is_its_own(self):
        straight = json.loads(carry(*BALL, "--sidespin", "0", "--json", "-")[1])
        self.assertEqual(straight["ball"]["sidespin_rpm"], 0.0)
        self.assertEqual(straight["flight"]["landing_direction_deg"], -10.0)
        neutral = json.loads(carry(*BALL, "--json", "-")[1])
        own = json.loads(carry(*BALL, "--conditions", "park", "--json", "-")[1])
        self.assertEqual(own["conditions"], "park")
        self.assertEqual(own["flight"], neutral["flight"])  # the open flight stays in neutral air
        words = json.loads(run_exporter(SAMPLE, "--json", "-").stdout)["parks"]
        for mine, calm, park in zip(own["parks"], neutral["parks"], words):
            air = (park["avg_temp"], park["wind_speed"])
            with self.subTest(row=mine["row"], air=air):
                if "Unknown" in air:
                    self.assertIsNone(mine["verdict"])  # no air of its own: it counts for nothing
                elif air == ("Comfortable", "None"):
                    self.assertEqual(mine, calm)  # its own air is the neutral one
                elif calm["verdict"] == "out" and air[1] in ("Super Strong", "Very Strong", "Strong"):
                    self.assertGreater(mine["margin_ft"], calm["margin_ft"])  # the wind blows out
        windy = json.loads(carry(*BALL, "--wind", "10", "--wind-from", "0", "--temperature", "50", "--json", "-")[1])
        self.assertLess(windy["flight"]["distance_ft"], neutral["flight"]["distance_ft"] - 30)

    def test_balls_answers_each_ball_of_the_log_on_its_line_as_one_ball_is_answered(self):
        log = self.path("balls.csv")
        rows = [("101.5", "27", "-20", "", "", "L"), ("95", "33", "25", "2200", "-500", "R"), ("110", "20", "0", "", "", "")]
        with open(log, "w", newline="") as f:
            f.write("\ufeffSpeed,Angle,Direction,Backspin,Sidespin,Hand\r\n")
            f.write("".join(",".join(r) + "\r\n" for r in rows))
        status, out, _ = carry("--balls", log, "--batter", "L", "--conditions", "park")
        self.assertEqual(status, 0)
        lines = out.splitlines()
        self.assertEqual(len(lines), 3)
        for line, (speed, angle, direction, back, side, hand) in zip(lines, rows):
            args = ["--speed", speed, "--angle", angle, "--direction", direction, "--batter", hand or "L",
                    "--conditions", "park", "--json", "-"]
            args += ["--backspin", back] if back else []
            args += ["--sidespin", side] if side else []
            self.assertEqual(json.loads(line), json.loads(carry(*args)[1]))
        status, csv, _ = carry("--balls", log, "--csv", "-")
        self.assertEqual(csv.split("\r\n")[0], "line," + ",".join(PARK_KEYS))
        self.assertEqual(len(csv.split("\r\n")), 2 + 3 * 32)
        self.assertTrue(csv.split("\r\n")[1].startswith("2,1,"))

    def test_bad_values_exit_2_naming_the_value_and_the_line(self):
        for args, message in [
            (["--speed", "-3", "--angle", "28", "--direction", "0"], "--speed -3: speed must be 0 to 200 mph"),
            (["--speed", "90", "--angle", "95", "--direction", "0"], "--angle 95: angle must be -90 to 90"),
            (["--speed", "90", "--angle", "30", "--direction", "0", "--batter", "S"], "--batter S: batter must be L or R"),
            (["--speed", "fast", "--angle", "30", "--direction", "0"], "--speed needs a number, not fast"),
            (["--speed", "90", "--angle", "30"], "carry needs --speed, --angle and --direction"),
            (BALL + ["--conditions", "park", "--temperature", "80"], "--conditions park takes each park's own air"),
        ]:
            with self.subTest(args=args):
                status, out, err = carry(*args)
                self.assertEqual(status, 2)
                self.assertEqual(out, "")
                self.assertIn("vendrix-export carry: " + message, err)
                self.assertIn("Usage: vendrix-export carry SEASON", err)
        log = self.path("bad.csv")
        with open(log, "w") as f:
            f.write("speed,angle,direction,hand\n100,30,0,R\n\n100,30,0,X\n")
        status, out, err = carry("--balls", log)
        self.assertEqual((status, out), (2, ""))
        self.assertIn('bad.csv: line 4: "X"', err)

    def test_season_json_gives_each_park_its_shape_factors_around_the_league_100(self):
        season = json.loads(run_exporter(SAMPLE, "--json", "-").stdout)
        shapes = [park["shape_hr"] for park in season["parks"]]
        self.assertEqual([row + 1 for row, s in enumerate(shapes) if s is None], sorted(LEFT_OUT))
        for hand in ("lhb", "rhb"):
            values = [s[hand] for s in shapes if s]
            self.assertAlmostEqual(sum(values) / len(values), 100.0, delta=0.1)
            self.assertGreater(max(values) - min(values), 10)


if __name__ == "__main__":
    unittest.main(verbosity=2)
