#!/usr/bin/env python3
"""Checks the vocabulary word lists the sets are written from.

Every list: "word<TAB>part of speech" per line (a third column "US" marks a
word asked in its American spelling), the expected number of words,
alphabetical order, words of at least 3 letters made of letters, hyphens and
apostrophes, known to the en_US spell checker, distinct within their level.
The 700 and 550 lists share no word; the count shared by the junior-high and
550 lists is reported. Exits 1 on any problem.
"""

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

    for p in problems:
        print(p)
    shared = len(level_words["jh"] & level_words["550"])
    print("check_wordlists: %s; junior-high and 550 share %d words; %d problems"
          % (", ".join("%s %d" % (n, len(w)) for n, w in words.items()), shared, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
