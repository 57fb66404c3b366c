#!/usr/bin/env python3
"""check_catalogues.py TEMPLATE.pot PO_DIR: every text the code marks has a translation in every
PO_DIR/*.po, neither empty nor fuzzy, and every translation keeps what the program fills in or
reads from its text (and none of the Japanese is left in it): the placeholders ({1}, %s, %d, Qt's %1), the line breaks (\\r) of a message
box, and the mnemonic (&F) of a menu item or button, exactly where the Japanese has one."""
import collections
import glob
import os
import re
import sys

ESCAPES = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}


def unquote(text):
    return re.sub(r'\\(.)', lambda m: ESCAPES.get(m.group(1), m.group(1)), text)


def read_po(path):
    """Entries as {(context, msgid): (msgstr, flags)}, the header and obsolete entries left out."""
    entries = {}
    current = None
    field = None

    def finish():
        if current and current.get("msgid"):
            entries[(current.get("msgctxt"), current["msgid"])] = (current.get("msgstr", ""), current["flags"])

    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith("#~"):
                continue
            if line.startswith("#,"):
                if current and "msgid" in current:
                    finish()
                    current = None
                current = current or {"flags": set()}
                current["flags"] |= {flag.strip() for flag in line[2:].split(",")}
                continue
            if line.startswith("#"):
                continue
            m = re.match(r'(msgctxt|msgid|msgid_plural|msgstr(?:\[\d+\])?)\s+"(.*)"$', line)
            if m:
                key = "msgstr" if m.group(1).startswith("msgstr") else m.group(1)
                if key in ("msgctxt", "msgid") and current and "msgid" in current:
                    finish()
                    current = None
                current = current or {"flags": set()}
                field = key
                current[field] = current.get(field, "") + unquote(m.group(2))
                continue
            m = re.match(r'"(.*)"$', line)
            if m and current is not None and field:
                current[field] += unquote(m.group(1))
    finish()
    return entries


PRINTF = re.compile(r"%(?:\d+\$)?[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|z|j|t|L)?[diouxXeEfgGcsp%]")


def placeholders(text):
    """What the program fills in: Fill's {N} and Qt's %N in any order, printf's in order."""
    numbered = collections.Counter(re.findall(r"\{[1-9]\}|%[1-9](?![0-9$])", text))
    printf = [p for p in PRINTF.findall(text) if p != "%%" and not re.fullmatch(r"%[1-9]", p)]
    return numbered, printf


def mnemonics(text):
    return re.findall(r"&[^&\s]", text.replace("&&", ""))


JAPANESE = re.compile(r"[\u3040-\u30ff\u4e00-\u9fff\uff66-\uff9f]")


def problems(msgid, msgstr, flags):
    if not msgstr:
        return ["no translation"]
    found = []
    if JAPANESE.search(msgstr):
        found.append("Japanese left in the translation")
    if "fuzzy" in flags:
        found.append("fuzzy")
    if placeholders(msgid) != placeholders(msgstr):
        found.append("placeholders differ")
    if msgid.count("\r") != msgstr.count("\r"):
        found.append("line breaks (\\r) differ: %d, not %d" % (msgstr.count("\r"), msgid.count("\r")))
    if len(mnemonics(msgid)) != len(mnemonics(msgstr)) or len(mnemonics(msgstr)) > 1:
        found.append("mnemonic: %s, not %s" % (mnemonics(msgstr) or "none", mnemonics(msgid) or "none"))
    return found


def main():
    template, folder = sys.argv[1], sys.argv[2]
    wanted = read_po(template)
    catalogues = sorted(glob.glob(os.path.join(folder, "*.po")))
    if not wanted or not catalogues:
        print("nothing to check: %d texts, %d catalogues" % (len(wanted), len(catalogues)))
        return 1
    failures = 0
    for path in catalogues:
        have = read_po(path)
        done = 0
        for key in wanted:
            msgstr, flags = have.get(key, ("", set()))
            found = problems(key[1], msgstr, flags)
            if found:
                failures += 1
                print("%s: %r: %s" % (os.path.basename(path), key[1], "; ".join(found)))
            else:
                done += 1
        print("%s: %d of %d texts translated" % (os.path.basename(path), done, len(wanted)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
