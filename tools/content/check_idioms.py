#!/usr/bin/env python3
"""Checks the list of the 720 idioms of the two idiom collections (semi/idioms.txt).

The list holds one line per question, "SET<TAB>idiom" (SET tango51 .. tango74),
in the order of the set's rows: tango51-59 are collection 1 (270 idioms),
tango60-74 collection 2 (450). The check: 30 idioms for each set, none twice
across both collections (compared without case and without the stand-ins
one's, oneself, someone, something, A, B, ~), and each idiom agrees with the
answer of its row in semi/<SET>.tsv where that source exists (every word of
the idiom, stand-ins aside, is in the answer in some form). "be" and "do"
count in the comparison: "used to do" and "be used to doing" are two idioms.

Usage: check_idioms.py [LIST]      exits 1 on any problem
"""

import os
import re
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import build_sets  # noqa: E402
import set_format as sf  # noqa: E402

SEMI = os.path.join(HERE, "semi")
SETS = ["tango%d" % n for n in range(51, 75)]

# Words of an idiom that the answer fills in its own way.
STAND_INS = {"one's", "oneself", "someone", "someone's", "something", "somebody", "a", "b",
             "~", "be", "do", "doing", "sb", "sth"}
# Forms of verbs the answers inflect, beyond adding -s, -ed, -ing.
IRREGULAR = {
    "be": "am is are was were been being", "bear": "bore borne born", "become": "became",
    "begin": "began begun", "break": "broke broken", "bring": "brought",
    "build": "built", "buy": "bought", "catch": "caught", "come": "came",
    "cling": "clung", "cut": "cut", "deal": "dealt", "do": "did done does", "draw": "drew drawn",
    "drive": "drove driven", "eat": "ate eaten", "fall": "fell fallen", "feel": "felt",
    "find": "found", "fly": "flew flown", "forget": "forgot forgotten", "get": "got gotten",
    "give": "gave given", "go": "went gone goes", "grow": "grew grown", "hang": "hung",
    "have": "had has", "hear": "heard", "hold": "held", "keep": "kept", "know": "knew known",
    "lay": "laid", "lead": "led", "leave": "left", "let": "let", "lie": "lay lain lying",
    "lose": "lost", "make": "made", "mean": "meant", "meet": "met", "pay": "paid",
    "put": "put", "read": "read", "ride": "rode ridden", "ring": "rang rung",
    "rise": "rose risen", "run": "ran", "say": "said", "see": "saw seen", "sell": "sold",
    "send": "sent", "set": "set", "shake": "shook shaken", "shut": "shut",
    "sit": "sat", "sleep": "slept", "speak": "spoke spoken", "spend": "spent",
    "stand": "stood", "stick": "stuck", "strike": "struck", "take": "took taken",
    "teach": "taught", "tear": "tore torn", "tell": "told", "think": "thought",
    "throw": "threw thrown", "wear": "wore worn", "win": "won", "wake": "woke woken", "write": "wrote written",
    "wind": "wound", "hit": "hit", "show": "showed shown", "can": "could",
    "will": "would", "my": "your his her its our their", "myself": "yourself himself "
    "herself itself ourselves yourselves themselves",
}


def words(idiom):
    return [w for w in re.split(r"[ /]+", idiom.lower().replace("~", " ~ ")) if w]


# Stand-ins that say nothing about which idiom it is ("be" and "do" do: "used to do"
# and "be used to doing" are two idioms).
PLACEHOLDERS = STAND_INS - {"be", "do", "doing"}


def key(idiom):
    """The idiom as the distinctness check compares it."""
    return " ".join(w for w in words(idiom) if w not in PLACEHOLDERS)


def forms(word):
    out = {word}
    out.update(IRREGULAR.get(word, "").split())
    stem = word[:-1] if word.endswith("e") else word
    out.update({word + "s", word + "es", stem + "ed", stem + "ing", word + "d",
                word + word[-1] + "ed", word + word[-1] + "ing"})
    if word.endswith("ie"):
        out.add(word[:-2] + "ying")
    if word.endswith("y"):
        out.update({word[:-1] + "ies", word[:-1] + "ied"})
    if word in ("one's", "oneself"):
        return out
    return out


def agrees(idiom, answer):
    """Every word of the idiom, stand-ins aside, is in the answer in some form."""
    said = set(answer.lower().replace(",", "").split())
    return all(said & forms(w) for w in words(idiom) if w not in STAND_INS)


def read_list(path, problems):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if line.strip() == "" or line.startswith("#"):
                continue
            name, _, idiom = line.partition("\t")
            if name not in SETS or idiom.strip() == "":
                problems.append("%s line %d: expected SET<TAB>idiom with SET tango51 .. "
                                "tango74" % (os.path.basename(path), number))
                continue
            rows.append((number, name, idiom.strip()))
    return rows


def check(path):
    problems = []
    rows = read_list(path, problems)
    by_set = {name: [r for r in rows if r[1] == name] for name in SETS}
    order = [r[1] for r in rows]
    if order != sorted(order, key=SETS.index):
        problems.append("the list is not in set order (tango51 first)")
    first = {}
    for number, name, idiom in rows:
        k = key(idiom)
        if k in first:
            problems.append("line %d (%s): %r is the idiom of line %d (%s) again"
                            % (number, name, idiom, first[k][0], first[k][1]))
        else:
            first[k] = (number, name)
    checked = 0
    for name in SETS:
        items = by_set[name]
        if len(items) != sf.QUESTIONS:
            problems.append("%s: %d idioms, a set needs %d" % (name, len(items), sf.QUESTIONS))
        source = os.path.join(SEMI, name + ".tsv")
        if not os.path.exists(source):
            continue
        errors = []
        _, tsv_rows = build_sets.read_sentence_rows(source, errors)
        problems += ["%s.tsv: %s" % (name, e) for e in errors]
        checked += 1
        for (number, _, idiom), r in zip(items, tsv_rows):
            if not agrees(idiom, r.answer):
                problems.append("line %d (%s): the idiom %r does not agree with the answer %r "
                                "of %s.tsv line %d" % (number, name, idiom, r.answer, name,
                                                       r.number))
    for p in problems:
        print(p)
    print("check_idioms: %d idioms in %d sets (%d distinct), %d sources compared; %d problems"
          % (len(rows), len([s for s in SETS if by_set[s]]), len(first), checked,
             len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(check(sys.argv[1] if len(sys.argv) > 1 else os.path.join(SEMI, "idioms.txt")))
