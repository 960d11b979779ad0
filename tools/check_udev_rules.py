#!/usr/bin/python3
"""Checks the syntax of udev rule files where `udevadm verify` is missing: every rule line is a
comma-separated list of KEY[{attribute}] OPERATOR "value" with keys and operators udev knows, at
least one match and one assignment. Usage: check_udev_rules.py FILE...; prints faults, exit 1."""

import re
import sys

MATCH_KEYS = {"ACTION", "DEVPATH", "KERNEL", "KERNELS", "NAME", "SYMLINK", "SUBSYSTEM", "SUBSYSTEMS",
              "DRIVER", "DRIVERS", "ATTR", "ATTRS", "SYSCTL", "ENV", "CONST", "TAG", "TAGS", "TEST",
              "PROGRAM", "RESULT"}
ASSIGN_KEYS = {"NAME", "SYMLINK", "OWNER", "GROUP", "MODE", "SECLABEL", "ATTR", "SYSCTL", "ENV", "TAG",
               "RUN", "LABEL", "GOTO", "IMPORT", "OPTIONS"}
WITH_ATTRIBUTE = {"ATTR", "ATTRS", "SYSCTL", "ENV", "CONST", "TEST", "SECLABEL", "RUN", "IMPORT"}
PAIR = re.compile(r'\s*([A-Z]+)(\{[^}]+\})?\s*(==|!=|\+=|-=|:=|=)\s*"((?:[^"\\]|\\.)*)"\s*(,|$)')


def check_line(line):
    faults, matches, assigns, at = [], 0, 0, 0
    while at < len(line):
        m = PAIR.match(line, at)
        if not m:
            return ["cannot read from column %d: %s" % (at + 1, line[at:])]
        key, attribute, op, _value, comma = m.groups()
        if attribute and key not in WITH_ATTRIBUTE:
            faults.append("%s takes no {attribute}" % key)
        if key in WITH_ATTRIBUTE and not attribute and key not in {"RUN", "IMPORT", "TEST"}:
            faults.append("%s needs an {attribute}" % key)
        if op in ("==", "!="):
            matches += 1
            if key not in MATCH_KEYS:
                faults.append("%s is no match key" % key)
        else:
            assigns += 1
            if key not in ASSIGN_KEYS:
                faults.append("%s is no assignment key" % key)
        at = m.end()
        if not comma and at < len(line):
            return faults + ["missing comma before column %d" % (at + 1)]
    if not matches or not assigns:
        faults.append("a rule needs a match and an assignment")
    return faults


def main(files):
    ok = True
    for name in files:
        with open(name, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                text = line.strip()
                if not text or text.startswith("#"):
                    continue
                for fault in check_line(text):
                    print("%s:%d: %s" % (name, number, fault))
                    ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
