#!/usr/bin/env python3
"""Installs, upgrades and removes Ventil's MSI with msiexec under Wine:

    test_msi.py WINE VENTIL.EXE OLD.msi NEW.msi

NEW.msi packs the same ventil.exe with a higher version. The steps run in
order in the Wine prefix of $WINEPREFIX, which the test runner makes for
each run; each step is a row: what msiexec is given, the status it must
end with, and what must then be installed. Prints one line per check; the
status is 1 when any fails.
"""

import os
import pwd
import re
import subprocess
import sys

UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"


def main():
    wine, exe, old, new = sys.argv[1:5]
    prefix = os.environ.get("WINEPREFIX")
    if not prefix:
        print("WINEPREFIX is not set: run the tests through scripts/test-windows.sh")
        return 1
    drive = os.path.join(prefix, "drive_c")
    program = os.path.join(drive, "Program Files", "Ventil", "ventil.exe")
    # Windows puts a per-machine install's ProgramMenuFolder in ProgramData;
    # Wine 8's msi puts it in the installing user's profile whatever
    # ALLUSERS says, so either counts, and ALLUSERS=1 is checked in the MSI.
    shortcuts = [os.path.join(drive, *base, "Microsoft", "Windows", "Start Menu", "Programs",
                              "Ventil.lnk")
                 for base in (("ProgramData",), ("users", pwd.getpwuid(os.getuid()).pw_name,
                                                 "AppData", "Roaming"))]
    has_shortcut = lambda: any(os.path.isfile(s) for s in shortcuts)
    version = lambda msi: re.search(r"ventil-([0-9.]+)-x64\.msi$", msi).group(1)

    def wine_run(*args):
        return subprocess.run([wine, *args], capture_output=True, text=True, errors="replace",
                              timeout=300)

    def products():
        """DisplayVersion of each uninstall entry named Ventil."""
        out = wine_run("reg", "query", UNINSTALL, "/s").stdout
        found = []
        for key in re.split(r"\r?\n(?=HKEY_)", out):
            if re.search(r"^\s+DisplayName\s+REG_SZ\s+Ventil\s*$", key, re.M):
                m = re.search(r"^\s+DisplayVersion\s+REG_SZ\s+(\S+)", key, re.M)
                found.append(m.group(1) if m else "?")
        return found

    def same_exe():
        with open(exe, "rb") as a, open(program, "rb") as b:
            return a.read() == b.read()

    # step, msiexec's arguments, its status is 0?, installed versions after it
    steps = [
        ("install", ["/i", old], True, [version(old)]),
        ("upgrade", ["/i", new], True, [version(new)]),
        ("older over newer refused", ["/i", old], False, [version(new)]),
        ("uninstall", ["/x", new], True, []),
    ]
    properties = subprocess.run(["msiinfo", "export", old, "Property"], capture_output=True,
                                text=True).stdout
    per_machine = re.search(r"^ALLUSERS\t1\r?$", properties, re.M) is not None
    print("%-4s MSI: installs per machine (ALLUSERS=1)" % ("ok" if per_machine else "FAIL"))
    failed, passed = int(not per_machine), int(per_machine)
    for step, args, succeeds, installed in steps:
        run = wine_run("msiexec", *args, "/qn")
        there = bool(installed)
        checks = [
            ("msiexec status %d" % run.returncode, (run.returncode == 0) == succeeds),
            ("uninstall entries %s" % products(), products() == installed),
            ("ventil.exe %s" % ("there" if there else "gone"), os.path.isfile(program) == there),
            ("Start menu shortcut %s" % ("there" if there else "gone"),
             has_shortcut() == there),
        ]
        if there:
            checks.append(("ventil.exe is the built one", os.path.isfile(program) and same_exe()))
        for what, ok in checks:
            print("%-4s %s: %s" % ("ok" if ok else "FAIL", step, what))
            passed += ok
            failed += not ok
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
