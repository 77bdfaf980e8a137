#!/usr/bin/env python3
"""Lays out the user's guide for the browser page: OUT_DIR/en/ from the English pages, style and
pictures of HELP_DIR, and OUT_DIR/LANG/ for each translated guide in HELP_DIR/LANG/, its own
pages and pictures over the English ones, as the translated help files are made. Each folder
gets contents.html and contents.json, the guide's contents (its contents.hhc) as a list. Fails
when a page links to a file or an anchor the folder lacks, or to anything outside the guide,
since the page shows the guide offline and fetches nothing from other sites.

    scripts/web/guide.py HELP_DIR OUT_DIR
"""

import html
import json
import re
import shutil
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

ENGLISH = "en"


class ContentsReader(HTMLParser):
    """The entries of a contents.hhc: {"name", "href"?, "children"?} in their nesting."""

    def __init__(self):
        super().__init__()
        self.entries = []
        self.lists = []
        self.entry = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "ul":
            # A list inside a list holds the entries under the entry before it.
            if self.lists and self.lists[-1]:
                self.lists.append(self.lists[-1][-1].setdefault("children", []))
            else:
                self.lists.append(self.entries)
        elif tag == "object" and attrs.get("type") == "text/sitemap":
            self.entry = {}
        elif tag == "param" and self.entry is not None:
            key = {"name": "name", "local": "href"}.get((attrs.get("name") or "").lower())
            if key:
                self.entry[key] = attrs.get("value") or ""

    def handle_endtag(self, tag):
        if tag == "ul" and self.lists:
            self.lists.pop()
        elif tag == "object" and self.entry is not None:
            if self.lists and self.entry.get("name"):
                self.lists[-1].append(self.entry)
            self.entry = None


def read_contents(hhc):
    reader = ContentsReader()
    reader.feed(hhc.read_text(encoding="utf-8"))
    if not reader.entries:
        raise SystemExit(f"{hhc}: no contents")
    return reader.entries


def contents_list(entries, indent=""):
    lines = [f"{indent}<ul>"]
    for entry in entries:
        name = html.escape(entry["name"])
        text = f'<a href="{html.escape(entry["href"])}">{name}</a>' if "href" in entry else name
        if "children" in entry:
            lines.append(f"{indent}<li>{text}")
            lines += contents_list(entry["children"], indent + "  ")
            lines.append(f"{indent}</li>")
        else:
            lines.append(f"{indent}<li>{text}</li>")
    lines.append(f"{indent}</ul>")
    return lines


def contents_page(entries, language):
    """A page of the guide's contents, titled as its first entry, the guide's own first page."""
    title = html.escape(entries[0]["name"])
    lang = language.replace("_", "-")
    return "\n".join([
        '<!DOCTYPE html>', f'<html lang="{lang}">', "<head>", '<meta charset="utf-8">',
        f"<title>{title}</title>", '<link rel="stylesheet" type="text/css" href="style.css">',
        "</head>", "<body>", f"<h1>{title}</h1>", *contents_list(entries), "</body>", "</html>",
        ""])


class LinkReader(HTMLParser):
    """The addresses a page loads or links to, and the anchors it holds."""

    def __init__(self):
        super().__init__()
        self.links = []
        self.anchors = set()

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("href", "src") and value is not None:
                self.links.append(value)
            elif name == "id" or (tag == "a" and name == "name"):
                self.anchors.add(value)


def read_links(page):
    reader = LinkReader()
    reader.feed(page.read_text(encoding="utf-8"))
    return reader


def link_problems(folder):
    """Each link of the folder's pages that leaves the guide or finds nothing in it."""
    problems = []
    pages = {page.name: read_links(page) for page in folder.glob("*.html")}
    for name, page in sorted(pages.items()):
        for link in page.links:
            parts = urlsplit(link)
            if parts.scheme or parts.netloc or parts.path.startswith("/"):
                problems.append(f"{folder.name}/{name}: {link} is outside the guide")
                continue
            target = unquote(parts.path) or name
            resolved = (folder / target).resolve()
            if not resolved.is_relative_to(folder.resolve()) or not resolved.is_file():
                problems.append(f"{folder.name}/{name}: {link} finds no file")
            elif parts.fragment and parts.fragment not in pages.get(target, LinkReader()).anchors:
                problems.append(f"{folder.name}/{name}: {link} finds no anchor")
    for style in folder.glob("*.css"):
        if re.search(r"url\(|@import", style.read_text(encoding="utf-8")):
            problems.append(f"{folder.name}/{style.name}: loads another file")
    return problems


def copy_over(files, destination):
    destination.mkdir(parents=True, exist_ok=True)
    for file in files:
        shutil.copyfile(file, destination / file.name)


def lay_out(help_dir, language_dir, destination, language):
    """The English pages, style and pictures, then the language's own over them."""
    if destination.exists():
        shutil.rmtree(destination)
    copy_over(sorted(help_dir.glob("*.html")) + sorted(help_dir.glob("*.css")), destination)
    copy_over(sorted(help_dir.glob("images/*")), destination / "images")
    if language_dir != help_dir:
        copy_over(sorted(language_dir.glob("*.html")), destination)
        copy_over(sorted(language_dir.glob("images/*")), destination / "images")
    entries = read_contents(language_dir / "contents.hhc")
    (destination / "contents.html").write_text(contents_page(entries, language), encoding="utf-8")
    (destination / "contents.json").write_text(
        json.dumps(entries, ensure_ascii=False, indent=1) + "\n", encoding="utf-8")


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__.strip().splitlines()[-1].strip())
    help_dir, out = Path(sys.argv[1]), Path(sys.argv[2])
    languages = {ENGLISH: help_dir}
    for folder in sorted(help_dir.iterdir()):
        if (folder / "contents.hhc").is_file():
            languages[folder.name] = folder
    problems = []
    for language, folder in languages.items():
        lay_out(help_dir, folder, out / language, language)
        problems += link_problems(out / language)
    if problems:
        raise SystemExit("\n".join(problems))


if __name__ == "__main__":
    main()
