#!/usr/bin/env python3
"""Checks the vocabulary word lists the sets are written from.

Every list: "word<TAB>part of speech" per line (a third column "US" marks a
word asked in its American spelling), the expected number of words,
alphabetical order, words of at least 3 letters made of letters, hyphens and
apostrophes, known to the en_US spell checker, distinct within their level.
The 700 and 550 lists share no word; the count shared by the junior-high and
550 lists is reported. Exits 1 on any problem.

Where the CEFR-J word list is in ../shared/reference, each word whose level
lies outside its list's range is a problem unless level_exceptions.tsv names
it with a reason, and so is an exception naming a word its list no longer
holds (the reviewed list stays the list's own). --shares prints each list's
share of words by CEFR-J level.
"""

import csv
import os
import re
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                                "content"))
import set_format as sf  # noqa: E402

LISTS = {"jh1.txt": 300, "jh2.txt": 300, "jh3.txt": 150, "toeic700.txt": 900,
         "toeic550.txt": 2910}
LEVELS = {"jh": ("jh1.txt", "jh2.txt", "jh3.txt"), "700": ("toeic700.txt",),
          "550": ("toeic550.txt",)}
# CEFR-J levels each list is meant to hold, lowest and highest.
LEVEL_RANGES = {"jh1.txt": ("A1", "A1"), "jh2.txt": ("A1", "A2"), "jh3.txt": ("A2", "B1"),
                "toeic550.txt": ("A2", "B1"), "toeic700.txt": ("B1", "B2")}
LEVEL_ORDER = ("A1", "A2", "B1", "B2")
CEFRJ = os.path.join(sf.REPO_DIR, "..", "shared", "reference", "cefrj-wordlist-1.5.csv")
EXCEPTIONS = os.path.join(sf.WORDLIST_DIR, "level_exceptions.tsv")
WORD = re.compile(r"^[A-Za-z][A-Za-z'-]*[A-Za-z]$")


def check_list(name, expected, problems):
    path = os.path.join(sf.WORDLIST_DIR, name)
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError as e:
        problems.append("%s: cannot read: %s" % (name, e))
        return []
    words = []
    for number, line in enumerate(lines, 1):
        word, tab, rest = line.partition("\t")
        pos, _, mark = rest.partition("\t")
        where = "%s:%d" % (name, number)
        if not tab:
            problems.append("%s: expected \"word<TAB>part of speech\", got %r" % (where, line))
            continue
        if not WORD.match(word) or sf.letter_count(word) < 3:
            problems.append("%s: %r is not a single word of 3 or more letters" % (where, word))
        if pos not in sf.POS_TAGS:
            problems.append("%s: part of speech %r is not one of %s"
                            % (where, pos, " ".join(sf.POS_TAGS)))
        if mark not in ("", sf.US_MARK):
            problems.append("%s: third column %r; the only mark is %s (asked in American "
                            "spelling)" % (where, mark, sf.US_MARK))
        if words and sf.sort_key(word) <= sf.sort_key(words[-1]):
            problems.append("%s: %r is out of alphabetical order or repeated" % (where, word))
        words.append(word)
    if len(words) != expected:
        problems.append("%s: %d words, expected %d" % (name, len(words), expected))
    return words


def cefr_levels(path):
    """{word: lowest CEFR-J level it is listed at}, or None when the list is absent."""
    if not os.path.exists(path):
        return None
    levels = {}
    with open(path, encoding="utf-8") as f:
        for row in csv.DictReader(f):
            for head in row["headword"].split("/"):
                head = head.strip().lower()
                if row["CEFR"] in LEVEL_ORDER and (
                        head not in levels or LEVEL_ORDER.index(row["CEFR"])
                        < LEVEL_ORDER.index(levels[head])):
                    levels[head] = row["CEFR"]
    return levels


def read_exceptions(path):
    """{(word, list)} of the reviewed exceptions; "#" starts a comment line."""
    found = set()
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                fields = line.rstrip("\n").split("\t")
                if line.startswith("#") or len(fields) < 3 or not fields[2].strip():
                    continue
                found.add((fields[0], fields[1]))
    return found


def level_problems(words, levels, exceptions):
    """Words outside their list's CEFR-J range that no exception names, and stale exceptions."""
    warnings = ["level_exceptions.tsv: %r is not in %s" % (w, name)
                for w, name in sorted(exceptions) if w not in words.get(name, [])]
    for name, (low, high) in LEVEL_RANGES.items():
        for w in words.get(name, []):
            level = levels.get(w.lower())
            inside = level is not None and (LEVEL_ORDER.index(low) <= LEVEL_ORDER.index(level)
                                            <= LEVEL_ORDER.index(high))
            if not inside and (w, name) not in exceptions:
                warnings.append("%s: %r is %s, outside %s-%s"
                                % (name, w, level or "not in CEFR-J", low, high))
    return warnings


def print_shares(words, levels):
    for name in LISTS:
        counts = {}
        for w in words[name]:
            level = levels.get(w.lower(), "none")
            counts[level] = counts.get(level, 0) + 1
        print("%-13s %s" % (name, "  ".join("%s %4.1f%%" % (lv, 100.0 * counts.get(lv, 0)
                                                             / len(words[name]))
                                             for lv in LEVEL_ORDER + ("none",))))


def main():
    problems = []
    words = {name: check_list(name, count, problems) for name, count in LISTS.items()}
    level_words = {}
    for level, names in LEVELS.items():
        seen = {}
        for name in names:
            for w in words[name]:
                if w.lower() in seen and seen[w.lower()] != name:
                    problems.append("%s: %r is also in %s" % (name, w, seen[w.lower()]))
                seen.setdefault(w.lower(), name)
        level_words[level] = set(seen)
    for w in sorted(level_words["700"] & level_words["550"]):
        problems.append("toeic550.txt: %r is also in toeic700.txt" % w)

    every = sorted({w for ws in words.values() for w in ws})
    try:
        run = subprocess.run(["hunspell", "-d", "en_US", "-L"], input="\n".join(every) + "\n",
                             capture_output=True, text=True, check=True)
        for w in run.stdout.splitlines():
            problems.append("%r is not in the en_US spelling dictionary" % w)
    except (OSError, subprocess.CalledProcessError) as e:
        problems.append("hunspell could not run (%s)" % e)

    levels = cefr_levels(CEFRJ)
    outside = [] if levels is None else level_problems(words, levels,
                                                       read_exceptions(EXCEPTIONS))
    problems += outside
    for p in problems:
        print(p)
    if levels is not None and "--shares" in sys.argv[1:]:
        print_shares(words, levels)
    shared = len(level_words["jh"] & level_words["550"])
    print("check_wordlists: %s; junior-high and 550 share %d words; %d problems, %s"
          % (", ".join("%s %d" % (n, len(w)) for n, w in words.items()), shared, len(problems),
             "CEFR-J list absent, levels not checked" if levels is None else
             "%d of them levels outside a list's CEFR-J range" % len(outside)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
