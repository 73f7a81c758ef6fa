"""The bash completion of vendrix-export, run by bash with bash-completion as a user's shell runs it,
and held against --help of each command: an option, subcommand or value that the program declares
and the completion lacks (or the other way round) fails here."""
import os
import shlex
import subprocess
import sys
import tempfile
import unittest

from e2esupport import EXPORTER
from helptext import argument_values, declared_options, help_text, subcommands

BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"
COMPLETION = os.path.join(os.environ["VENDRIX_SOURCE_DIR"], "packaging", "completion", "vendrix-export")

# complete WORD...: what the completion offers for the last word, one tab-separated line.
DRIVER = r"""
source %s
source %s
complete_words() {
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE} COMPREPLY=()
    _vendrix_export "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local IFS=$'\t'
    echo "${COMPREPLY[*]}"
}
"""


class BashCompletion(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._temp = tempfile.TemporaryDirectory(prefix="vendrix-completion-")
        os.mkdir(os.path.join(cls._temp.name, "season one"))
        open(os.path.join(cls._temp.name, "parks.csv"), "w").close()
        cls.subcommands = subcommands(EXPORTER)
        cls.declared = {command: declared_options(help_text(EXPORTER, *command))
                        for command in [()] + [(name,) for name in cls.subcommands]}

    @classmethod
    def tearDownClass(cls):
        cls._temp.cleanup()

    def complete(self, *lines):
        """What the completion offers for each line (a tuple of words after the program), as sets."""
        script = DRIVER % (BASH_COMPLETION, shlex.quote(COMPLETION)) + "".join(
            "complete_words vendrix-export %s\n" % " ".join(shlex.quote(w) for w in line) for line in lines)
        done = subprocess.run(["bash", "--norc", "--noprofile", "-c", script], cwd=self._temp.name,
                              capture_output=True, text=True, timeout=60)
        self.assertEqual(done.returncode, 0, done.stderr)
        offered = done.stdout.split("\n")[:len(lines)]
        return [set(line.split("\t")) - {""} for line in offered]

    def test_offers_each_commands_options_as_its_help_declares_them(self):
        commands = list(self.declared)
        offered = self.complete(*[command + ("--",) for command in commands])
        for command, options in zip(commands, offered):
            with self.subTest(command=" ".join(command) or "export"):
                # --help is always there, whether or not a command's help lists itself.
                self.assertEqual(options | {"--help"}, set(self.declared[command]) | {"--help"})

    def test_offers_the_subcommands_and_folders_where_a_season_goes(self):
        self.assertIn("compare", self.subcommands)
        first, old, new = self.complete(("",), ("compare", ""), ("compare", "season one", ""))
        self.assertEqual(first, set(self.subcommands) | {"season one"})
        self.assertEqual(old, {"season one"})
        self.assertEqual(new, {"season one"})

    def test_completes_each_options_argument_by_its_kind(self):
        arguments = {option: argument for options in self.declared.values()
                     for option, argument in options.items() if argument}
        lines = [(option, "") for option in arguments] + [("--format=",)]
        offered = dict(zip(list(arguments) + ["--format="], self.complete(*lines)))
        for option, argument in arguments.items():
            with self.subTest(option=option, argument=argument):
                if argument == "FILE":
                    self.assertEqual(offered[option], {"parks.csv", "season one"})
                elif argument == "FOLDER":
                    self.assertEqual(offered[option], {"season one"})
                elif argument_values(argument):
                    self.assertLessEqual(set(argument_values(argument)), offered[option])
                    self.assertNotIn("parks.csv", offered[option])
        self.assertEqual(offered["--format="], offered["--format"])


if __name__ == "__main__":
    if not os.path.exists(BASH_COMPLETION):
        sys.exit("bash-completion is not installed (scripts/install-deps installs it)")
    unittest.main(verbosity=2)
