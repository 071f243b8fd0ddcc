#!/usr/bin/env python3
"""Checks that the folders of src/ include one another only downwards.

The order of the layers is written once, in the README's "Layout" section: a numbered list whose
items start with `src/<folder>`. A file of a folder may include its own folder and the folders
listed before it. A test suite mirroring a folder (the files directly in tests/<folder>/) may include
that folder and the ones below it; tests/support and the other test folders are not checked.

    check_layers.py [--root DIR]     check the tree at DIR (default: this file's repository)
    check_layers.py --self-test      prove on planted trees that the check fails when it should
"""
import argparse
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/')
LAYER_ITEM = re.compile(r'^\s*\d+\.\s+`src/([A-Za-z0-9_]+)`')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".rc")


def read_layers(root):
    """The folder order from the README's Layout section."""
    layers = []
    in_layout = False
    with open(os.path.join(root, "README.md"), encoding="utf-8") as readme:
        for line in readme:
            if line.startswith("## "):
                in_layout = line.strip() == "## Layout"
                continue
            match = LAYER_ITEM.match(line) if in_layout else None
            if match:
                layers.append(match.group(1))
    return layers


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if match:
                yield number, match.group(1)


def check_folder(root, folder_path, own_rank, rank, problems, recursive=True):
    for directory, _, files in os.walk(folder_path):
        if not recursive and directory != folder_path:
            continue
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(directory, name)
            for number, target in includes_of(path):
                if target not in rank:
                    continue
                if rank[target] > own_rank:
                    relative = os.path.relpath(path, root)
                    problems.append(f"{relative}:{number}: includes {target}/, a layer above")


def check(root):
    """The list of problems found in the tree at root (empty when the layers hold)."""
    layers = read_layers(root)
    if not layers:
        return ["README.md: no layer order found in the Layout section"]
    rank = {name: index for index, name in enumerate(layers)}
    problems = []
    src = os.path.join(root, "src")
    for folder in sorted(os.listdir(src)):
        if not os.path.isdir(os.path.join(src, folder)):
            continue
        if folder not in rank:
            problems.append(f"src/{folder}: not in the README's layer order")
            continue
        check_folder(root, os.path.join(src, folder), rank[folder], rank, problems)
    tests = os.path.join(root, "tests")
    if os.path.isdir(tests):
        for folder in sorted(os.listdir(tests)):
            if folder in rank and os.path.isdir(os.path.join(tests, folder)):
                # A suite is the files directly in its folder; programs in subfolders (demos)
                # may show off anything.
                check_folder(root, os.path.join(tests, folder), rank[folder], rank, problems,
                             recursive=False)
    return problems


def plant(root, files):
    for relative, text in files.items():
        path = os.path.join(root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)


def self_test():
    readme = "# X\n\n## Layout\n\n1. `src/low`: below\n2. `src/high`: above\n\n## Other\n"
    cases = [
        ("a sound tree", {"src/low/a.h": "#pragma once\n",
                          "src/high/b.cpp": '#include "low/a.h"\n#include "high/b.h"\n'}, []),
        ("an include upwards", {"src/low/a.cpp": '#include <windows.h>\n\n#include "high/b.h"\n',
                                "src/high/b.h": ""},
         ["src/low/a.cpp:3: includes high/, a layer above"]),
        ("a folder outside the order", {"src/stray/c.h": ""},
         ["src/stray: not in the README's layer order"]),
        ("a test including above its folder", {"src/low/a.h": "", "src/high/b.h": "",
                                               "tests/low/t.cpp": '#include "high/b.h"\n'},
         ["tests/low/t.cpp:1: includes high/, a layer above"]),
    ]
    failed = 0
    for title, files, expected in cases:
        with tempfile.TemporaryDirectory() as root:
            plant(root, dict(files, **{"README.md": readme}))
            os.makedirs(os.path.join(root, "src"), exist_ok=True)
            found = check(root)
        if found != expected:
            failed += 1
            print(f"self-test '{title}': expected {expected}, found {found}")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.join(os.path.dirname(__file__), "..", ".."))
    parser.add_argument("--self-test", action="store_true")
    arguments = parser.parse_args()
    if arguments.self_test:
        return self_test()
    problems = check(os.path.abspath(arguments.root))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) break the layer order of README.md")
        return 1
    print("the layers hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
