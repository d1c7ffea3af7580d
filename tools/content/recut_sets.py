#!/usr/bin/env python3
"""Moves vocabulary words between word lists and cuts the sets again.

Each list is alphabetical and cut into consecutive sets of 30, so moving a
word from one list to another shifts the words of every later set of both.
This script moves the listed words (with their part of speech and mark),
then rewrites the sources of every set cut from a changed list from the rows
already written for those words, wherever they stood. The review list of
synonym pairs follows its questions to their new places: a question that
only moved is the same question.

Usage: recut_sets.py [WORD:FROM:TO ...] [--drop WORD:LIST ...] [--add LIST:TSV ...]
                     [--dry-run]
  e.g. recut_sets.py fifteen:jh2.txt:jh1.txt country:jh1.txt:jh2.txt
       recut_sets.py --drop monk:toeic550.txt --add toeic550.txt:new_rows.tsv
  (--drop takes a word and its question out; --add puts in the words of the
   rows of a TSV written as for build_sets.py, parts of speech from the rows)
Then run build_sets.py and validate_sets.py; each list must keep its number
of words, since the number of sets per list is fixed.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_sets  # noqa: E402
import set_format as sf  # noqa: E402


def source_path(info):
    return os.path.join(build_sets.CONTENT_DIR, info.folder,
                        os.path.splitext(info.name)[0] + ".tsv")


def write_list(name, entries):
    with open(os.path.join(sf.WORDLIST_DIR, name), "w", encoding="utf-8") as f:
        for word, pos, mark in entries:
            f.write("\t".join([word, pos] + ([mark] if mark else [])) + "\n")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("moves", nargs="*", metavar="WORD:FROM:TO")
    parser.add_argument("--drop", action="append", default=[], metavar="WORD:LIST")
    parser.add_argument("--add", action="append", default=[], metavar="LIST:TSV")
    parser.add_argument("--dry-run", action="store_true")
    args = parser.parse_args(argv)

    lists = {}
    moves = []
    for move in args.moves:
        word, source, target = move.split(":")
        moves.append((word, source, target))
        for name in (source, target):
            lists.setdefault(name, sf.read_wordlist(name))
    drops = [tuple(d.split(":")) for d in args.drop]
    adds = []
    for add in args.add:
        name, path = add.split(":", 1)
        with open(path, encoding="utf-8-sig") as f:
            adds += [(name, line) for line in f.read().splitlines() if line.strip()]
    for name in [n for _, n in drops] + [n for n, _ in adds]:
        lists.setdefault(name, sf.read_wordlist(name))
    counts = {name: len(entries) for name, entries in lists.items()}

    # Rows as written today, by list and word; a moved word brings its row along.
    affected = [s for s in sf.ALL_SETS if s.is_vocab and s.wordlist in lists]
    rows = {}
    where = {}  # word -> (set relpath, question) before the move
    for info in affected:
        with open(source_path(info), encoding="utf-8-sig") as f:
            lines = [line for line in f.read().splitlines() if line.strip()]
        for k, line in enumerate(lines, 1):
            word = line.split("\t", 1)[0].strip()
            rows[(info.wordlist, word)] = line
            where[(info.wordlist, word)] = (info.relpath, k)

    for word, source, target in moves:
        entry = [e for e in lists[source] if e[0] == word]
        if not entry:
            print("%s is not in %s" % (word, source))
            return 1
        lists[source].remove(entry[0])
        lists[target].append(entry[0])
        lists[target].sort(key=lambda e: sf.sort_key(e[0]))
        rows[(target, word)] = rows.pop((source, word))
        where[(target, word)] = where.pop((source, word))
    for word, name in drops:
        entry = [e for e in lists[name] if e[0] == word]
        if not entry:
            print("%s is not in %s" % (word, name))
            return 1
        lists[name].remove(entry[0])
        del rows[(name, word)]
        del where[(name, word)]
    for name, line in adds:
        word, pos = [field.strip() for field in line.split("\t")[:2]]
        if any(e[0] == word for e in lists[name]):
            print("%s is in %s already" % (word, name))
            return 1
        lists[name].append((word, pos, ""))
        lists[name].sort(key=lambda e: sf.sort_key(e[0]))
        rows[(name, word)] = line
    for name, entries in lists.items():
        if len(entries) != counts[name]:
            print("%s would hold %d words instead of %d; move as many in as out"
                  % (name, len(entries), counts[name]))
            return 1

    placed = {}  # (old set, old question) -> (new set, new question)
    texts = {}
    for info in affected:
        chunk = lists[info.wordlist][info.first:info.first + sf.QUESTIONS]
        texts[source_path(info)] = "".join(rows[(info.wordlist, w)] + "\n"
                                           for w, _, _ in chunk)
        for k, (w, _, _) in enumerate(chunk, 1):
            if (info.wordlist, w) in where:  # an added word has no old place
                placed[where[(info.wordlist, w)]] = (info.relpath, k)

    review = sf.read_synonym_review()
    moved_pairs = []
    dropped = {(info.relpath, k) for info in affected
               for k, (w, _, _) in enumerate(
                   sf.read_wordlist(info.wordlist)[info.first:info.first + sf.QUESTIONS], 1)
               if (info.wordlist, w) in set((n, d) for d, n in drops)}
    for (relpath, k, answer, other), pair in sorted(review.items()):
        if (relpath, int(k)) in dropped:
            continue  # its question is gone
        relpath, k = placed.get((relpath, int(k)), (relpath, int(k)))
        moved_pairs.append([relpath, str(k), answer, other, pair.decision, pair.fingerprint,
                            pair.note])
    moved_pairs.sort(key=lambda r: (r[0], int(r[1]), r[3]))

    shifted = sum(1 for old, new in placed.items() if old != new)
    print("recut_sets: %d words moved, %d dropped, %d added; %d questions change place "
          "in %d sets" % (len(moves), len(drops), len(adds), shifted, len(affected)))
    if args.dry_run:
        return 0
    for name, entries in lists.items():
        write_list(name, entries)
    for path, text in texts.items():
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    with open(sf.SYNONYM_REVIEW, "w", encoding="utf-8") as f:
        f.write("# set\tquestion\tanswer\tcandidate\tdecision\tfingerprint\tnote\n")
        for r in moved_pairs:
            f.write("\t".join(r) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
