#!/usr/bin/env python3
"""Checks a built ventil.exe as Windows will see it:

    check_exe.py OBJDUMP VERSION ventil.exe

OBJDUMP is x86_64-w64-mingw32-objdump; its -p output gives the headers and
the imports. The resources are read from the file itself, so a resource
section that the linker merged badly (two leaves with the same type, name
and language, which GNU ld reports but does not stop on) is caught here.
Prints one line per check; the status is 1 when any fails.
"""

import re
import struct
import subprocess
import sys

# DLLs that every Windows 10 and 11 has; anything else would have to ship
# beside the program. The C runtime is msvcrt.dll or the UCRT's
# api-ms-win-crt-* sets.
WINDOWS_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll", "oleacc.dll",
    "ole32.dll", "oleaut32.dll", "msimg32.dll", "windowscodecs.dll", "uxtheme.dll",
    "shell32.dll", "shlwapi.dll", "advapi32.dll", "dwmapi.dll", "gdiplus.dll", "imm32.dll",
    "usp10.dll", "version.dll", "msvcrt.dll", "ucrtbase.dll", "ntdll.dll",
}
ICON_SIZES = {16, 20, 24, 32, 40, 48, 64, 256}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24


def imported_dlls(dump):
    return re.findall(r"^\s*DLL Name: (\S+)", dump, re.M)


def header(dump, field):
    m = re.search(r"^%s\s+(\S+)" % field, dump, re.M)
    return m.group(1) if m else None


class Pe:
    """The sections and the resource tree of a PE file."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        count, self.timestamp, opt_size = struct.unpack_from("<HI8xH", data, pe + 6)
        opt = pe + 24
        magic = struct.unpack_from("<H", data, opt)[0]
        directories = opt + (112 if magic == 0x20B else 96)
        self.sections = []
        for i in range(count):
            s = opt + opt_size + 40 * i
            vsize, va, rsize, raw = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((va, max(vsize, rsize), raw))
        self.rsrc = struct.unpack_from("<I", data, directories + 2 * 8)[0]
        self.leaves = []  # (type, name, language, bytes)
        if self.rsrc:
            self._walk(0, ())

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("RVA %#x outside every section" % rva)

    def _walk(self, table, path):
        base = self.offset(self.rsrc)
        named, ids = struct.unpack_from("<12xHH", self.data, base + table)
        for i in range(named + ids):
            key, target = struct.unpack_from("<II", self.data, base + table + 16 + 8 * i)
            if key & 0x80000000:
                n = base + (key & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, n)[0]
                key = self.data[n + 2:n + 2 + 2 * length].decode("utf-16-le")
            if target & 0x80000000:
                self._walk(target & 0x7FFFFFFF, path + (key,))
            else:
                rva, size = struct.unpack_from("<II", self.data, base + target)
                start = self.offset(rva)
                self.leaves.append(path + (key, self.data[start:start + size]))

    def resources(self, kind):
        return [(name, data) for t, name, _, data in self.leaves if t == kind]


def version_strings(block):
    """The fixed version and the strings of a VS_VERSIONINFO, per language."""
    fixed = None
    strings = {}

    def node(pos, language):
        nonlocal fixed
        length, value_length, is_text = struct.unpack_from("<HHH", block, pos)
        end = pos + length
        key_end = block.index(b"\0\0", pos + 6)
        while (key_end - pos) % 2:
            key_end = block.index(b"\0\0", key_end + 1)
        key = block[pos + 6:key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        if key == "VS_VERSION_INFO":
            ms, ls = struct.unpack_from("<8xII", block, value)
            fixed = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if language and is_text and value_length:
            text = block[value:value + 2 * value_length].decode("utf-16-le").rstrip("\0")
            strings.setdefault(language, {})[key] = text
        child = (value + (2 * value_length if is_text else value_length) + 3) & ~3
        if key in ("VarFileInfo",):
            return end
        while child < end:
            child = (node(child, key if re.fullmatch(r"[0-9A-Fa-f]{8}", key) else language) + 3) & ~3
        return end

    node(0, None)
    return fixed, strings


def checks(dump, pe, version):
    """Rows (case, what is wrong or None)."""
    dlls = imported_dlls(dump)
    foreign = [d for d in dlls if d.lower() not in WINDOWS_DLLS
               and not d.lower().startswith("api-ms-win-crt-")]
    characteristics = int(header(dump, "DllCharacteristics") or "0", 16)
    want = {"HIGH_ENTROPY_VA": 0x20, "DYNAMIC_BASE": 0x40, "NX_COMPAT": 0x100}
    seen = {}
    for t, name, lang, _ in pe.leaves:
        seen[(t, name, lang)] = seen.get((t, name, lang), 0) + 1
    duplicates = sorted("%s/%s/%s" % k for k, n in seen.items() if n > 1)

    groups = dict(pe.resources(RT_GROUP_ICON))
    icons = dict(pe.resources(RT_ICON))
    icon_problem = None
    if 1 not in groups:
        icon_problem = "no icon group 1"
    else:
        g = groups[1]
        count = struct.unpack_from("<4xH", g)[0]
        sizes = set()
        for i in range(count):
            w, _h, _c, _r, _p, _b, _size, ident = struct.unpack_from("<BBBBHHIH", g, 6 + 14 * i)
            sizes.add(w or 256)
            if ident not in icons:
                icon_problem = "icon group 1 names image %d, which is missing" % ident
        if not icon_problem and sizes != ICON_SIZES:
            icon_problem = "icon sizes %s, want %s" % (sorted(sizes), sorted(ICON_SIZES))

    versions = pe.resources(RT_VERSION)
    fixed, strings = version_strings(versions[0][1]) if versions else (None, {})
    numbers = tuple(int(x) for x in version.split(".")) + (0,)
    version_problem = None
    if not versions:
        version_problem = "no version resource"
    elif fixed != numbers[:4]:
        version_problem = "file version %s, want %s" % (fixed, numbers[:4])
    else:
        for language in ("040504B0", "040904B0"):
            table = {k.upper(): v for k, v in strings.items()}.get(language, {})
            for key, value in (("ProductName", "Ventil"), ("CompanyName", "Ventil developers"),
                               ("OriginalFilename", "ventil.exe"), ("FileVersion", version),
                               ("ProductVersion", version)):
                if table.get(key) != value:
                    version_problem = "%s %s is %r, want %r" % (language, key, table.get(key), value)
            for key in ("FileDescription", "LegalCopyright"):
                if not table.get(key):
                    version_problem = "%s has no %s" % (language, key)
    manifests = pe.resources(RT_MANIFEST)

    return [
        ("PE32+ (x64)", None if header(dump, "Magic") == "020b" else "Magic %s" % header(dump, "Magic")),
        ("GUI subsystem", None if header(dump, "Subsystem") == "00000002"
         else "Subsystem %s" % header(dump, "Subsystem")),
        ("no time stamp", "TimeDateStamp %d" % pe.timestamp if pe.timestamp else None),
    ] + [
        ("DllCharacteristics " + flag, None if characteristics & bit else "not set")
        for flag, bit in want.items()
    ] + [
        ("imports only Windows' own DLLs", "also " + ", ".join(foreign) if foreign else None),
        ("one leaf per resource", "duplicates " + ", ".join(duplicates) if duplicates else None),
        ("icon 1 in every size", icon_problem),
        ("version resource " + version, version_problem),
        ("manifest", None if manifests and b"<assembly" in manifests[0][1] else "none"),
    ]


def main():
    objdump, version, exe = sys.argv[1:4]
    dump = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    with open(exe, "rb") as f:
        pe = Pe(f.read())
    failed = 0
    rows = checks(dump, pe, version)
    for case, problem in rows:
        print("%-4s %s%s" % ("FAIL" if problem else "ok", case, ": " + problem if problem else ""))
        failed += bool(problem)
    print("%d passed, %d failed" % (len(rows) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
