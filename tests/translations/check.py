"""Compares each committed .ts file with its copy brought up to date by
lupdate: a text the sources no longer have, a text missing, a translation
unfinished or empty, or one that loses a %1 or %n of its source or changes
its printf conversions, fails."""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")
# A printf conversion in a translation must be the source's, in its order:
# another would print garbage or crash.
PRINTF = re.compile(r"%[-+#0]*\d*(?:\.\d+)?(?:hh|h|ll|l|z|j|t)?[sdiuxXfgcp]")


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            found[(name, m.findtext("source"))] = m
    return found


# The contexts the programs translate in at run time: a class of the
# program's namespace, a form made by uic, or the menu commands. lupdate
# names a context without its namespace where it loses track of one (in a
# function returning std::string), and those texts would never be shown.
KNOWN_CONTEXT = re.compile(r"rkm::\w+(::\w+)*|T[Ff](rm|orm)\w+|Commands")


def problems(committed, updated):
    old, new = messages(committed), messages(updated)
    for name in sorted({k[0] for k in new if not KNOWN_CONTEXT.fullmatch(k[0])}):
        yield f"context {name!r}: not the name the program translates by (name the class in full)"
    for key in sorted(set(old) - set(new)):
        yield f"{key}: no longer in the program"
    for key, m in sorted(new.items()):
        t = m.find("translation")
        forms = [f.text or "" for f in t.iter("numerusform")] or [t.text or ""]
        if key not in old or t.get("type") in ("unfinished", "vanished", "obsolete"):
            yield f"{key}: not translated"
        elif not all(f.strip() for f in forms):
            yield f"{key}: empty translation"
        else:
            wanted = set(PLACEHOLDER.findall(key[1]))
            if m.get("numerus") == "yes":
                wanted.discard("%n")  # a language may spell out "one"
            for f in forms:
                if PRINTF.findall(f) != PRINTF.findall(key[1]):
                    yield f"{key}: {f!r} changes the printf conversions"
                if not wanted <= set(PLACEHOLDER.findall(f)):
                    yield f"{key}: {f!r} lacks {sorted(wanted - set(PLACEHOLDER.findall(f)))}"


def main(committed_dir, updated_dir):
    failed = False
    files = sorted(Path(committed_dir).glob("rackmere_*.ts"))
    if not files:
        print("no translations found", file=sys.stderr)
        return 1
    for committed in files:
        for p in problems(committed, Path(updated_dir) / committed.name):
            print(f"{committed.name}: {p}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
