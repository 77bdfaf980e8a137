#!/usr/bin/env python3
"""Checks a file the page saved against the desktop command line's file for the same measurement,
unit and paper, as the desktop's own tests read them: an SVG's elements and numbers, a DXF's
entities through ezdxf, a PDF's pages, words and check rulers through poppler. Exits with 1 and
says what differs.

    same_files.py DESKTOP_FILE PAGE_FILE [inch|cm]
"""

import re
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree
from pathlib import Path

NUMBER = re.compile(r"-?\d+(?:\.\d+)?(?:e[-+]?\d+)?")
TWIPS_PER_MM = 1440 / 25.4


def fail(message):
    sys.exit(f"same_files.py: {message}")


def same_numbers(a, b, tolerance, what):
    """The texts alike once their numbers are set aside, and each number within `tolerance`."""
    if NUMBER.sub("#", a) != NUMBER.sub("#", b):
        fail(f"{what}: {a!r} against {b!r}")
    for x, y in zip(NUMBER.findall(a), NUMBER.findall(b)):
        if abs(float(x) - float(y)) > tolerance:
            fail(f"{what}: {x} against {y} in {a!r}")


def check_svg(desktop, page):
    a, b = ElementTree.parse(desktop).getroot(), ElementTree.parse(page).getroot()
    ours, theirs = list(a.iter()), list(b.iter())
    if len(ours) != len(theirs):
        fail(f"SVG: {len(ours)} elements against {len(theirs)}")
    for x, y in zip(ours, theirs):
        if x.tag != y.tag or sorted(x.attrib) != sorted(y.attrib):
            fail(f"SVG: {x.tag} {sorted(x.attrib)} against {y.tag} {sorted(y.attrib)}")
        for name, value in x.attrib.items():
            same_numbers(value, y.attrib[name], 0.0002, f"SVG {x.tag} {name}")
        same_numbers((x.text or "").strip(), (y.text or "").strip(), 0, f"SVG {x.tag} text")


def check_dxf(desktop, page):
    reader = Path(__file__).resolve().parents[2] / "tests" / "dxf_entities.py"
    # Debian's Python, which has Debian's ezdxf.
    read = [subprocess.run(["/usr/bin/python3", reader, path], capture_output=True, text=True,
                           check=True).stdout.splitlines() for path in (desktop, page)]
    if len(read[0]) != len(read[1]):
        fail(f"DXF: {len(read[0])} lines against {len(read[1])}")
    for x, y in zip(*read):
        same_numbers(x, y, 1e-6, "DXF")


def poppler(*command):
    return subprocess.run(command, capture_output=True, check=True).stdout


def page_sizes(path):
    info = poppler("pdfinfo", "-f", "1", "-l", "100000", path).decode()
    return re.findall(r"Page\s+\d+ size:\s+([\d.]+ x [\d.]+)", info)


def words(path, page):
    """The page's words in any order, ligatures such as "ﬁ" spelt out."""
    text = poppler("pdftotext", "-f", str(page), "-l", str(page), path, "-").decode()
    return sorted(unicodedata.normalize("NFKC", text).split())


def dark_centres(path, page, row_twips, dots_per_inch=1200):
    """Centres, in twips from the page's left edge, of the dark runs across one row of dots."""
    row = round(row_twips * dots_per_inch / 1440)
    image = poppler("pdftoppm", "-f", str(page), "-l", str(page), "-r", str(dots_per_inch), "-gray",
                    "-y", str(row), "-H", "1", "-W", "100000", path)
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", image)
    pixels = image[header.end():]
    centres, start = [], None
    for x, value in enumerate(list(pixels) + [255]):
        if value < 128 and start is None:
            start = x
        elif value >= 128 and start is not None:
            centres.append((start + x) / 2 * 1440 / dots_per_inch)
            start = None
    return centres


def ruler_length(path, page, height_points, unit_twips):
    """The check ruler's first division, as the desktop tests measure it."""
    foot_top = height_points * 20 - 1440
    centres = dark_centres(path, page, foot_top + 240)
    near = lambda at: min(centres, key=lambda c: abs(c - at), default=None)
    start, end = near(2160), near(2160 + unit_twips)
    if start is None or abs(start - 2160) > 60 or abs(end - 2160 - unit_twips) > 60:
        return None
    return end - start


def check_pdf(desktop, page, unit):
    sizes = page_sizes(desktop)
    if page_sizes(page) != sizes:
        fail(f"PDF pages: {page_sizes(page)} against {sizes}")
    unit_twips = 1440 if unit == "inch" else 10 * TWIPS_PER_MM
    for number, size in enumerate(sizes, start=1):
        if words(desktop, number) != words(page, number):
            fail(f"PDF page {number} words: {words(page, number)} against {words(desktop, number)}")
        height = float(size.split(" x ")[1])
        ours = ruler_length(desktop, number, height, unit_twips)
        theirs = ruler_length(page, number, height, unit_twips)
        if ours is None or theirs is None or abs(ours - theirs) > 0.05 * TWIPS_PER_MM:
            fail(f"PDF page {number} check ruler: {theirs} twips against {ours}")


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    desktop, page = sys.argv[1], sys.argv[2]
    ending = Path(desktop).suffix
    if ending == ".svg":
        check_svg(desktop, page)
    elif ending == ".dxf":
        check_dxf(desktop, page)
    elif ending == ".pdf":
        check_pdf(desktop, page, sys.argv[3] if len(sys.argv) == 4 else "inch")
    else:
        fail(f"no check for {ending} files")


if __name__ == "__main__":
    main()
