#!/usr/bin/env python3
"""Checks that a 32-bit Windows program loads on Windows 95, 98, ME, NT 4, 2000 and XP.

The Windows loader refuses a program that imports a function its DLL does not export, and the
loaders of 95, 98, ME and NT 4 refuse a subsystem version above 4.0. This reads the PE file itself
(import table and optional header) and compares every imported name with the export lists of
the system DLLs in exports/ (see exports/SOURCES.md and exports/MANIFEST.tsv for what each list
represents).

    audit_imports.py PROGRAM.exe
        Fails (exit 1), naming each function, for every import missing from a target's list, for
        a DLL that has no list for a target, for an import by ordinal, and for a subsystem
        version above 4.0.
    audit_imports.py --variants PROGRAM.exe
        Also lists, for information, what the stricter lists in exports/variants/ (first releases,
        older service packs and common-controls versions) lack.
    audit_imports.py --expect-reject NAME PROGRAM.exe
        Self-test: succeeds only when the audit rejects the program and names NAME.
"""

import argparse
import os
import struct
import sys

EXPORTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "exports")

# The targets: the name used in the export lists and the name a user knows.
TARGETS = [
    ("win95", "Windows 95"),
    ("win98", "Windows 98"),
    ("winme", "Windows ME"),
    ("nt4", "Windows NT 4.0"),
    ("win2000", "Windows 2000"),
    ("winxp", "Windows XP"),
]
# Systems whose lists are the files <dll>.<os>.txt; the others come from presence.tsv.
LISTED_IN_FILES = {"win95", "win98", "winme", "nt4"}

# Stricter lists: which release of which DLL each file in variants/ stands for.
VARIANTS = [
    ("Windows 95 (first release)", "kernel32", "kernel32.win95-rtm.txt"),
    ("Windows 95 (first release)", "advapi32", "advapi32.win95-rtm.txt"),
    ("Windows 95 (first release)", "comctl32", "comctl32.win95-rtm-v4.00.txt"),
    ("Windows 95 OSR2", "comctl32", "comctl32.win95-osr2-v4.70.txt"),
    ("Windows 98 (first edition)", "comctl32", "comctl32.win98-v4.72.txt"),
    ("Windows NT 4.0 (first release)", "kernel32", "kernel32.nt4-rtm.txt"),
    ("Windows NT 4.0 up to Service Pack 3", "advapi32", "advapi32.nt4-rtm-sp3.txt"),
    ("Windows NT 4.0 (first release)", "comctl32", "comctl32.nt4-rtm-v4.70.txt"),
    ("Windows NT 4.0 Service Pack 3", "kernel32", "kernel32.nt4-sp3.txt"),
]

MAX_SUBSYSTEM = (4, 0)


class PeError(Exception):
    pass


def read_pe(path):
    """Returns (subsystem version, os version, imports, delay-loaded DLLs) of a PE file.

    imports is a list of (dll, name) with name an int for an import by ordinal."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"MZ" or len(data) < 0x40:
        raise PeError("not an MZ executable")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise PeError("no PE signature")
    sections_count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    opt = pe + 24
    magic = struct.unpack_from("<H", data, opt)[0]
    if magic == 0x10B:
        directories, thunk_size, ordinal_flag = opt + 96, 4, 1 << 31
    elif magic == 0x20B:
        directories, thunk_size, ordinal_flag = opt + 112, 8, 1 << 63
    else:
        raise PeError("unknown optional header magic 0x%x" % magic)
    os_version = struct.unpack_from("<HH", data, opt + 40)
    subsystem_version = struct.unpack_from("<HH", data, opt + 48)
    directory_count = struct.unpack_from("<I", data, directories - 4)[0]

    sections = []
    table = opt + optional_size
    for i in range(sections_count):
        vsize, vaddr, raw_size, raw_ptr = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        sections.append((vaddr, max(vsize, raw_size), raw_ptr))

    def offset(rva):
        for vaddr, size, raw_ptr in sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raw_ptr
        raise PeError("address 0x%x lies in no section" % rva)

    def text(rva):
        start = offset(rva)
        end = data.index(b"\0", start)
        return data[start:end].decode("ascii", "replace")

    def directory(index):
        if index >= directory_count:
            return 0
        return struct.unpack_from("<I", data, directories + 8 * index)[0]

    imports = []
    rva = directory(1)
    while rva:
        lookup, _, _, name_rva, first_thunk = struct.unpack_from("<IIIII", data, offset(rva))
        if name_rva == 0:
            break
        dll = text(name_rva)
        thunk = lookup or first_thunk
        while True:
            fmt = "<I" if thunk_size == 4 else "<Q"
            entry = struct.unpack_from(fmt, data, offset(thunk))[0]
            if entry == 0:
                break
            if entry & ordinal_flag:
                imports.append((dll, entry & 0xFFFF))
            else:
                imports.append((dll, text((entry & 0x7FFFFFFF) + 2)))
            thunk += thunk_size
        rva += 20

    delayed = []
    rva = directory(13)
    while rva:
        name_rva = struct.unpack_from("<I", data, offset(rva) + 4)[0]
        if name_rva == 0:
            break
        delayed.append(text(name_rva))
        rva += 32
    return subsystem_version, os_version, imports, delayed


def dll_key(dll):
    name = dll.lower()
    return name[:-4] if name.endswith(".dll") else name


def read_list(path):
    with open(path, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip()}


def load_presence():
    """presence.tsv as {(dll, os): set of exported names}; a DLL not dumped for an os is absent."""
    lists = {}
    with open(os.path.join(EXPORTS, "presence.tsv"), encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        systems = header[2:]
        for line in f:
            cells = line.rstrip("\n").split("\t")
            dll, name = cells[0].lower(), cells[1]
            for system, cell in zip(systems, cells[2:]):
                if cell.strip() == "":
                    continue
                names = lists.setdefault((dll, system), set())
                if cell.strip() == "1":
                    names.add(name)
    return lists


def export_list(dll, system, presence):
    if system in LISTED_IN_FILES:
        path = os.path.join(EXPORTS, "%s.%s.txt" % (dll, system))
        return read_list(path) if os.path.exists(path) else None
    return presence.get((dll, system))


def audit(path, show_variants=False, out=sys.stdout):
    """Prints the findings; returns the list of problems (empty when the program loads)."""
    subsystem, os_version, imports, delayed = read_pe(path)
    presence = load_presence()
    problems = []
    print("%s: subsystem version %d.%d, OS version %d.%d, %d imports from %d DLLs"
          % (os.path.basename(path), subsystem[0], subsystem[1], os_version[0], os_version[1],
             len(imports), len({dll_key(d) for d, _ in imports})), file=out)
    if tuple(subsystem) > MAX_SUBSYSTEM:
        problems.append("subsystem version %d.%d is above 4.0: Windows 95, 98, ME and NT 4 refuse "
                        "to load it" % subsystem)
    for dll in delayed:
        problems.append("%s is delay-loaded: the audit cannot see what it uses" % dll)

    by_dll = {}
    for dll, name in imports:
        by_dll.setdefault(dll_key(dll), []).append(name)
    for dll in sorted(by_dll):
        for system, label in TARGETS:
            names = export_list(dll, system, presence)
            if names is None:
                problems.append("%s.dll: no export list for %s (load it at run time instead)"
                                % (dll.upper(), label))
                continue
            for name in by_dll[dll]:
                if isinstance(name, int):
                    problems.append("%s.dll: ordinal %d imported by number, not checkable on %s"
                                    % (dll.upper(), name, label))
                elif name not in names:
                    problems.append("%s!%s: missing on %s" % (dll.upper(), name, label))

    if show_variants:
        for label, dll, variant in VARIANTS:
            wanted = [n for n in by_dll.get(dll, []) if isinstance(n, str)]
            if not wanted:
                continue
            names = read_list(os.path.join(EXPORTS, "variants", variant))
            lacking = sorted(n for n in wanted if n not in names)
            print("  note: %s (%s): %s" % (label, variant,
                  "lacks " + ", ".join(lacking) if lacking else "all imports present"), file=out)

    for problem in problems:
        print("  FAIL " + problem, file=out)
    print("%s: %s" % (os.path.basename(path), "%d problem(s)" % len(problems) if problems
                      else "loads on " + ", ".join(label for _, label in TARGETS)), file=out)
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--variants", action="store_true",
                        help="also report what the stricter release lists lack")
    parser.add_argument("--expect-reject", metavar="NAME",
                        help="succeed only when the audit rejects the program naming NAME")
    args = parser.parse_args()
    try:
        problems = audit(args.program, args.variants)
    except (OSError, PeError, struct.error, ValueError) as error:
        print("cannot read %s: %s" % (args.program, error))
        return 2
    if args.expect_reject:
        named = [p for p in problems if args.expect_reject in p]
        if named:
            print("rejected as expected, naming %s" % args.expect_reject)
            return 0
        print("FAIL the audit did not reject the program for %s" % args.expect_reject)
        return 1
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
