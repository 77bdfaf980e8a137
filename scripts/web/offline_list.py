#!/usr/bin/env python3
"""Lists every file of the built page for its service worker to keep for offline use, under a
name that changes with the files, which the service worker carries; stamps the program's version
into the page.

    scripts/web/offline_list.py SITE_FOLDER VERSION
"""

import hashlib
import json
import sys
from pathlib import Path


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, version = Path(sys.argv[1]), sys.argv[2]
    page = site / "index.html"
    page.write_text(
        page.read_text(encoding="utf-8")
        .replace('<html lang="en">', f'<html lang="en" data-version="{version}">'),
        encoding="utf-8")
    files = sorted(p for p in site.rglob("*") if p.is_file() and p.name != "offline.json")
    digest = hashlib.sha256()
    for path in files:
        digest.update(path.relative_to(site).as_posix().encode())
        digest.update(path.read_bytes())
    listing = {
        "version": f"tavrel-{version}-{digest.hexdigest()[:16]}",
        # The folder itself is what a visitor opens first.
        "files": ["./"] + [p.relative_to(site).as_posix() for p in files if p.name != "sw.js"],
    }
    (site / "offline.json").write_text(json.dumps(listing, indent=1) + "\n", encoding="utf-8")
    worker = site / "sw.js"
    worker.write_text(worker.read_text(encoding="utf-8").replace("'tavrel-build'",
                                                                 f"'{listing['version']}'"),
                      encoding="utf-8")


if __name__ == "__main__":
    main()
