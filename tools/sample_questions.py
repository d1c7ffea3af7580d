#!/usr/bin/env python3
"""Prints questions drawn at random from all built-in sets, for a blind read.

The same seed draws the same questions from the same data, so a reading can
be repeated and checked. Each question is printed as the learner meets it
(instruction, lines 1 to 3), then the stored answer and the hint.

Usage: sample_questions.py --seed N [--count 100] [--groups jhword,TOEIC700] [DATA_DIR]
  (--groups: draw only from the sets of these folders)
"""

import argparse
import os
import random
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "content"))
import set_format as sf  # noqa: E402


def all_questions(data_dir, folders=None):
    """(set relpath, number, instruction, four lines) of every question, in catalogue order."""
    out = []
    for info in sf.ALL_SETS:
        if folders and info.folder not in folders:
            continue
        with open(os.path.join(data_dir, info.folder, info.name), "rb") as f:
            lines = f.read().decode("cp932").split("\r\n")
        for k in range(1, sf.QUESTIONS + 1):
            out.append((info.relpath, k, lines[1], lines[4 * k - 2:4 * k + 2]))
    return out


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("data", nargs="?", default=os.path.join(sf.REPO_DIR, "data"))
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--groups", default="", help="comma-separated set folders")
    args = parser.parse_args(argv)
    folders = {g for g in args.groups.split(",") if g}
    unknown = folders - {info.folder for info in sf.ALL_SETS}
    if unknown:
        parser.error("no sets in " + ", ".join(sorted(unknown)))
    questions = all_questions(args.data, folders)
    drawn = random.Random(args.seed).sample(range(len(questions)), args.count)
    for n, index in enumerate(drawn, 1):
        relpath, k, instruction, q = questions[index]
        answer, _, hint = q[3].partition("#")
        print("[%d] %s question %d" % (n, relpath, k))
        print("  instruction: %s" % instruction)
        for label, line in zip(("line 1", "line 2", "line 3"), q[:3]):
            print("  %s: %s" % (label, line if line.strip() else "(empty)"))
        print("  answer: %s" % answer)
        print("  hint: %s" % hint)
        print()
    return 0


if __name__ == "__main__":
    sys.exit(main())
