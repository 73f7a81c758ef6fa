"""What a program's --help declares, read as a person reads it, so that the manual pages and the
completion can be held against the program itself rather than against a copy of its options."""
import os
import re
import subprocess

PROGRAM_HELP = os.path.join(os.environ["VENDRIX_SOURCE_DIR"], "packaging", "man", "program-help")

# An option is declared on a line of its own, indented a little ("  --csv FILE    ...",
# "  -h, --help ..."); a deeper line is a description going on, which may name options too.
_DECLARATION = re.compile(r"^ {1,8}(?:-\w, ?)?(--[a-z][a-z0-9-]*)(?:[ =]([^ ]\S*))?")


def help_text(program, *command, env=None):
    return subprocess.run([program, *command, "--help"], check=True, capture_output=True, text=True,
                          env=env, timeout=60).stdout


def declared_options(text):
    """{option: its argument as --help writes it ("FILE", "svg|png"), or None}."""
    options = {}
    for line in text.splitlines():
        found = _DECLARATION.match(line)
        if found:
            options[found.group(1)] = found.group(2)
    return options


def argument_values(argument):
    """The values an argument lists ("svg|png", "TEXT:{svg,png}", "utf-8"); none for a placeholder."""
    listed = re.search(r"\{([^}]*)\}", argument)
    values = listed.group(1).split(",") if listed else argument.split("|")
    return [] if any(v.isupper() for v in values) else values


def subcommands(program, env=None):
    """The subcommands the program's --help names, as the manual page takes them."""
    return subprocess.run([PROGRAM_HELP, program, "--subcommands"], check=True, capture_output=True,
                          text=True, env=env, timeout=60).stdout.split()
