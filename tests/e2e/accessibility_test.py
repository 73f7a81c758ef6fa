"""The window as a screen reader reads it: the real vendrix on the sample season of 2032, compared with 2031,
under Xvfb on a D-Bus session of its own, its accessibility tree walked through AT-SPI (Debian's pyatspi, so
run with /usr/bin/python3). Every control shown has a name; the table's headers are the captions with their
groups, its first row the first park without padding, its last the League average; a value that cannot be real
and a changed value say why."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from importlib.util import find_spec

from e2esupport import SKIP, table_cells

VENDRIX = os.path.abspath(os.environ.get("VENDRIX_WINDOW", ""))
SAMPLES = os.path.join(os.environ["VENDRIX_SOURCE_DIR"], "samples")
NEEDED = ("Xvfb", "dbus-run-session", "xdotool")
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# What a screen reader says of each column: its caption with its group.
HEADERS = ["Park Name", "Team Name", "Year"] + \
    [f"{p}, fence {what}" for what in ("distance", "height") for p in ("LFL", "LF", "LCF", "CF", "RCF", "RF", "RFL")] + \
    [f"{h}, {hand}-handed batters" for hand in ("left", "right") for h in ("1B", "2B", "3B", "HR")] + \
    ["Type", "Surface", "Foul ground", "Time zone", "Wind speed", "Average temperature", "Temperature change",
     "Rain frequency", "", ""] + \
    ["Shape HR, left-handed batters", "Shape HR, right-handed batters"]  # the Fly ball column is hidden
# The roles of what a user works: each of them, shown, must have a name.
CONTROLS = {"push button", "toggle button", "check box", "radio button", "combo box", "text", "list", "tree",
            "table", "slider", "spin button", "page tab", "menu button", "filler"}

pyatspi = None  # imported on the test's own bus


def missing():
    lacks = [tool for tool in NEEDED if not shutil.which(tool)]
    if find_spec("pyatspi") is None:
        lacks.append("python3-pyatspi")
    if not os.path.exists(BUS_LAUNCHER):
        lacks.append("at-spi2-core")
    if not os.path.exists(VENDRIX):
        lacks.append("the vendrix program (VENDRIX_WINDOW)")
    return lacks


def wait_for(what, probe, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception as error:  # an object gone while the tree was walked: a dialog closing
            if "No such object" not in str(error):
                raise
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError(f"gave up waiting for {what}")


def nodes(accessible):
    """Everything under an accessible but the cells of tables, which the table interface reads."""
    yield accessible
    if accessible.getRoleName() == "table" and accessible.queryTable():
        return
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(root, role, name=None):
    return next((n for n in nodes(root) if n.getRoleName() == role and (name is None or n.name == name)), None)


def labelled_by(accessible):
    return [r.getTarget(0).name for r in accessible.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY and r.getNTargets()]


def readable(cell):
    """A cell's bytes as the table shows them, then as a reader should hear them: blanks made one."""
    return " ".join(cell.decode("cp1252").split())


class WindowTreeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.home = tempfile.TemporaryDirectory(prefix="vendrix-a11y-")
        env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
        env.update(HOME=cls.home.name, XDG_CONFIG_HOME=os.path.join(cls.home.name, "config"),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
        # In the sanitizer build: the X keyboard library that Qt's xcb platform starts with hands strndup a
        # bound past its string's end, which strict string checks take for an overflow of ours.
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "").replace("strict_string_checks=1", "strict_string_checks=0")
        cls.window = subprocess.Popen([VENDRIX, os.path.join(SAMPLES, "northwind-2032")], cwd=cls.home.name,
                                      env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        desktop = pyatspi.Registry.getDesktop(0)
        # A sanitizer build beside a browser test takes its time to start: a minute, not twenty seconds.
        cls.app = wait_for("the window on the accessibility bus", lambda: next(
            (a for a in desktop if a is not None and a.name == "Vendrix" and a.childCount), None), seconds=60)

    @classmethod
    def tearDownClass(cls):
        cls.window.kill()
        cls.window.wait()
        cls.home.cleanup()

    def press(self, button):
        button.queryAction().doAction(0)

    def test_the_window_as_a_screen_reader_reads_it(self):
        start = time.monotonic()
        get = wait_for("Get Park Info enabled", lambda: (lambda b: b if b and b.getState().contains(
            pyatspi.STATE_SENSITIVE) else None)(find(self.app, "push button", "Get Park Info")))
        self.press(get)
        table = wait_for("the table", lambda: (lambda t: t if t and t.queryTable().nRows > 1 else None)(
            find(self.app, "table")))
        self.compare_with(os.path.join(SAMPLES, "northwind-2031"))

        # Every control shown is named; the drive list, which Linux names by its value, by its label.
        unnamed = []
        for node in nodes(self.app):
            role = node.getRoleName()
            if role not in CONTROLS or not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            if role == "filler" and not node.getState().contains(pyatspi.STATE_FOCUSABLE) and not node.name:
                continue  # a plain container
            name = labelled_by(node)[0] if role == "combo box" and labelled_by(node) else node.name
            if not name.strip():
                unnamed.append(role)
        self.assertEqual(unnamed, [])
        self.assertIn(["Drive"], [labelled_by(n) for n in nodes(self.app) if n.getRoleName() == "combo box"])
        for role, name in (("tree", "Folders"), ("list", "Season files"), ("text", "Find park or team"),
                           ("push button", "Clear the find"), ("push button", "More ways to print")):
            self.assertIsNotNone(find(self.app, role, name), name)

        # The table: named for its season, headed by the captions with their groups, a row a park shown in
        # file order, each park's name its row's header, the League average last.
        self.assertEqual(table.name, "Parks of Northwind Baseball League, 2032")
        grid = table.queryTable()
        parks = table_cells(os.path.join(SAMPLES, "northwind-2032"))[2:]
        self.assertEqual((grid.nRows, grid.nColumns), (len(parks) + 1, len(HEADERS)))
        self.assertEqual([grid.getColumnHeader(c).name for c in range(grid.nColumns)], HEADERS)
        self.assertEqual([grid.getColumnDescription(c) for c in range(grid.nColumns)], HEADERS)
        first = [grid.getAccessibleAt(0, c).name for c in range(grid.nColumns)]
        self.assertEqual(first[:33], [readable(cell) for cell in parks[0]])
        self.assertEqual(grid.getRowHeader(0).name, readable(parks[0][0]))
        self.assertEqual(grid.getRowHeader(len(parks)).name, "League average")
        self.assertIn("mean over", grid.getAccessibleAt(len(parks), 6).description)

        # A value that cannot be real and a changed value say why; a new park says so on its name.
        said = set()
        for row in range(len(parks)):
            for column in (0, *range(3, 17)):
                cell = grid.getAccessibleAt(row, column)
                said.add((cell.name, cell.description.split("\n")[0]))
        self.assertIn(("-1", "A fence distance of -1 ft is outside 1 to 999 ft; left out of the League average "
                             "and the ranks"), said)
        self.assertIn(("396", "402 in Northwind Baseball League 2031"), said)
        self.assertIn(("Ore Cart Ballpark", "Only in this season"), said)

        # The comparison's line is read whole, however much of it the window shows; the diagram in words.
        line = next(n for n in nodes(self.app) if n.name.startswith("Compared with"))
        self.assertIn("1 only in 2031 (Ore Cart Yard)", line.name)
        diagram = find(self.app, "filler", "Park diagram")
        # Of the park of the current row, whichever the focus made current.
        self.assertRegex(diagram.description, r"^[^,]+, home of .*, seen from above and drawn to scale\. "
                                              r"Fence distances: \d+ ft at the left-field line, ")
        self.assertIn("Fence distances: ", diagram.description)
        print(f"the walk took {time.monotonic() - start:.1f} s")

    def compare_with(self, folder):
        """Ctrl+K on the table, the folder typed into the dialog and chosen, as a keyboard user does."""
        find(self.app, "table").queryComponent().grabFocus()
        # With no window manager under Xvfb, the window gets the keyboard when it is given it.
        subprocess.run(["xdotool", "search", "--name", "^Vendrix", "windowfocus", "--sync", "key", "ctrl+k"],
                       check=True, timeout=20)
        dialog = wait_for("the folder dialog", lambda: find(self.app, "dialog"))
        field = wait_for("its folder field", lambda: find(dialog, "text"))
        field.queryEditableText().setTextContents(folder)
        self.press(wait_for("its Choose button", lambda: find(dialog, "push button", "Choose")))
        wait_for("the comparison", lambda: any(
            n.name.startswith("Compared with") for n in nodes(self.app) if n.getRoleName() == "label"))


def main():
    if "--on-bus" not in sys.argv:
        lacks = missing()
        if lacks:
            print("SKIPPED: needs " + ", ".join(lacks) + " (scripts/install-deps installs them)")
            sys.exit(1 if os.environ.get("CI") else SKIP)
        # A session bus of its own, which the accessibility bus hangs off, and a runtime folder of its own
        # for their sockets, so that tests run side by side do not meet; the display is Xvfb's.
        os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="vendrix-a11y-run-")
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, __file__, "--on-bus"])
    sys.argv.remove("--on-bus")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1400x900x24", "-nolisten", "tcp"],
                            pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    # The accessibility bus (at-spi-bus-launcher) and its registry start on the first call for them, from
    # this test and the window alike: one bus for both.
    global pyatspi
    import pyatspi
    pyatspi.Registry.getDesktop(0)
    try:
        unittest.main()
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(os.environ["XDG_RUNTIME_DIR"], ignore_errors=True)


if __name__ == "__main__":
    main()
