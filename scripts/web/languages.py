#!/usr/bin/env python3
"""Writes the browser page's languages from the program's translation files: for each
translations/tavrel_CODE.ts, OUT_DIR/CODE.json holding its finished texts by context and source
(a text with a count holds its plural forms), and the rule that picks a form; English's from
tavrel_en.ts, which holds only plural forms. OUT_DIR/index.json lists the languages, each with
its own name, as its translation of "English" in the context LanguageName gives it.

    scripts/web/languages.py TRANSLATIONS_DIR OUT_DIR
"""

import json
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# Which plural form Qt's lrelease picks for a count n, by the language of the .ts file: the
# first form for one alone, or for zero and one. The page applies the same rule by its name.
PLURAL_RULES = {
    "en": "n==1", "de": "n==1", "nl": "n==1", "es": "n==1", "it": "n==1", "pt_PT": "n==1",
    "fr": "n<=1", "pt_BR": "n<=1",
}
PLURAL_FORMS = 2
NAME_CONTEXT, NAME_SOURCE = "LanguageName", "English"
# Texts the translator has not finished, or whose source the code no longer has.
NOT_SHOWN = {"unfinished", "vanished", "obsolete"}


def finished_texts(root):
    """{context: {source: translation or [plural forms]}} of the finished messages."""
    texts = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in NOT_SHOWN:
                continue
            if message.get("numerus") == "yes":
                text = [form.text or "" for form in translation.iter("numerusform")]
                if len(text) != PLURAL_FORMS or not all(text):
                    continue
            else:
                text = translation.text or ""
                if not text:
                    continue
            texts.setdefault(name, {})[message.findtext("source")] = text
    return texts


def read_language(ts_file):
    """The language's code, as the file's language attribute names it, and its page file."""
    root = ElementTree.parse(ts_file).getroot()
    code = root.get("language")
    if code not in PLURAL_RULES:
        raise SystemExit(f"{ts_file}: no plural rule for the language {code!r}")
    texts = finished_texts(root)
    if "plural" in texts:
        raise SystemExit(f"{ts_file}: a context named 'plural' would hide the plural rule")
    return code, {"plural": PLURAL_RULES[code], **texts}


def own_name(code, texts):
    if code == "en":
        return NAME_SOURCE
    name = texts.get(NAME_CONTEXT, {}).get(NAME_SOURCE)
    if not name:
        raise SystemExit(f"tavrel_{code}.ts: no finished name of its own "
                         f"({NAME_CONTEXT} / {NAME_SOURCE})")
    return name


def write_json(path, value):
    path.write_text(json.dumps(value, ensure_ascii=False, indent=1, sort_keys=True) + "\n",
                    encoding="utf-8")


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__.strip().splitlines()[-1].strip())
    translations, out = Path(sys.argv[1]), Path(sys.argv[2])
    ts_files = sorted(translations.glob("tavrel_*.ts"))
    if not any(f.name == "tavrel_en.ts" for f in ts_files):
        raise SystemExit(f"{translations}: no tavrel_en.ts")
    out.mkdir(parents=True, exist_ok=True)
    index = []
    for ts_file in ts_files:
        code, texts = read_language(ts_file)
        if ts_file.name != f"tavrel_{code}.ts":
            raise SystemExit(f"{ts_file}: its language is {code!r}")
        write_json(out / f"{code}.json", texts)
        index.append({"code": code, "name": own_name(code, texts)})
    index.sort(key=lambda language: language["name"].casefold())
    write_json(out / "index.json", index)


if __name__ == "__main__":
    main()
