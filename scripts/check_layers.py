#!/usr/bin/env python3
"""Checks every #include "folder/file.h" of the code's folders against the layer table of the
README: a folder may include its own headers and those of the folders its "needs" column names,
directly or through them, so that every arrow points down. Folders outside the table that hold
C++ files (tests, benchmarks, fuzzers, packaging tools) sit above all of them and are not
checked; no folder of the table may include theirs.

    scripts/check_layers.py [REPOSITORY]
"""

import re
import sys
from pathlib import Path

ABOVE_ALL = {"tests", "bench", "fuzz", "packaging"}
SOURCE_SUFFIXES = {".cpp", ".h", ".in"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ROW = re.compile(r"^\s*\|\s*`([\w-]+)/`\s*\|")


def read_layer_table(readme):
    """The folders of the README's table and the folders each names as its needs."""
    needs = {}
    for line in readme.read_text(encoding="utf-8").splitlines():
        row = ROW.match(line)
        if row:
            last_column = line.strip().strip("|").split("|")[-1]
            needs[row.group(1)] = set(re.findall(r"`([\w-]+)`", last_column))
    return needs


def reachable(needs):
    """Each folder's needs, directly or through another folder; fails on an unknown folder or a
    circle."""
    problems, reach = [], {}
    for folder in needs:
        seen, todo = set(), list(needs[folder])
        while todo:
            below = todo.pop()
            if below not in needs:
                problems.append(f"README.md: `{folder}/` needs `{below}`, which has no row")
            elif below not in seen:
                seen.add(below)
                todo.extend(needs[below])
        if folder in seen:
            problems.append(f"README.md: `{folder}/` needs itself through its needs")
        reach[folder] = seen
    return reach, problems


def check(root):
    needs = read_layer_table(root / "README.md")
    if not needs:
        return 0, ["README.md: no layer table (rows starting with | `folder/` |)"]
    reach, problems = reachable(needs)
    for folder in sorted(p.name for p in root.iterdir() if p.is_dir()):
        if folder in needs or folder in ABOVE_ALL or folder.startswith(("build", ".")):
            continue
        if any(f.suffix in {".cpp", ".h"} for f in (root / folder).rglob("*")):
            problems.append(f"{folder}/: C++ files in a folder the layer table does not name")
    checked = 0
    for folder in sorted(needs):
        allowed = {folder} | reach[folder]
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES:
                continue
            lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
            for number, line in enumerate(lines, 1):
                include = INCLUDE.match(line)
                if not include:
                    continue
                checked += 1
                target = include.group(1)
                where = f"{path.relative_to(root)}:{number}"
                if "/" not in target:
                    problems.append(f'{where}: "{target}" names no folder')
                elif target.split("/")[0] not in allowed:
                    below = ", ".join(sorted(reach[folder])) or "no other folder"
                    problems.append(f'{where}: "{target}" points up or sideways; '
                                    f"{folder}/ may include {below}")
    return checked, problems


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    checked, problems = check(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} includes or rows break the layer table")
        return 1
    print(f"{checked} includes point down, as the layer table of README.md has them")
    return 0


if __name__ == "__main__":
    sys.exit(main())
