#!/usr/bin/env python3
"""Finds words that could answer a vocabulary question as well as its own answer.

For every question of the vocabulary sets in data/ it looks the answer up in
WordNet (Debian package `wordnet`, read from /usr/share/wordnet) and keeps the
synonyms, and for adjectives the "similar to" words, of the same part of
speech that fit the question's cue: same first letter, same letter count.
WordNet misses pairs that only Japanese joins (fine and fair for 晴れた), so
where the reference English-Japanese dictionary is present it adds the common
words (CEFR-J headwords, or the project's word lists) that fit the cue and
one of whose glosses, main (『...』) or not, is a term of the question's meaning
(delay and defer for 延期する). A
person then reads each pair and records a decision in synonym_review.tsv:

    SET<TAB>QUESTION<TAB>ANSWER<TAB>CANDIDATE<TAB>DECISION<TAB>FINGERPRINT<TAB>NOTE

DECISION is "sharpened" (the question was changed so the candidate no longer
fits), "distinct" (it does not fit the question as written) or "todo".
FINGERPRINT is taken from the question's four lines when the pair is signed;
validate_sets.py reports a pair whose question changed since then, and a pair
still "todo". After reading such a pair again, write the decision, empty its
fingerprint column and run this script with --update to sign it.

Usage: synonym_candidates.py [--update] [--wordnet DIR] [DATA_DIR]
  (no --update: print new candidates and pairs to read again; exit 1 if any)
"""

import argparse
import csv
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import set_format as sf  # noqa: E402

# WordNet's parts of speech for the cue's tags; adjectives include satellites.
WORDNET_POS = {"名": ("noun",), "動": ("verb",), "形": ("adj",), "副": ("adv",)}
REFERENCE = os.path.join(sf.REPO_DIR, "..", "shared", "reference")
HEADER = "# set\tquestion\tanswer\tcandidate\tdecision\tfingerprint\tnote"


class WordNet:
    def __init__(self, directory):
        self.directory = directory
        self.index = {}
        self.data = {}
        for pos in ("noun", "verb", "adj", "adv"):
            entries = {}
            with open(os.path.join(directory, "index." + pos), encoding="utf-8",
                      errors="replace") as f:
                for line in f:
                    if line.startswith(" "):
                        continue
                    fields = line.split()
                    count = int(fields[2])
                    entries[fields[0]] = fields[-count:]
            self.index[pos] = entries
            with open(os.path.join(directory, "data." + pos), "rb") as f:
                self.data[pos] = f.read()

    def synset(self, pos, offset):
        """(words, [(pointer, offset, pos letter)], gloss) of one synset."""
        data = self.data[pos]
        start = int(offset)
        end = data.index(b"\n", start)
        line = data[start:end].decode("utf-8", "replace")
        head, _, gloss = line.partition(" | ")
        fields = head.split()
        n = int(fields[3], 16)
        words = [fields[4 + 2 * i].split("(")[0] for i in range(n)]
        at = 4 + 2 * n
        pointers = []
        for i in range(int(fields[at])):
            symbol, target, letter = fields[at + 1 + 4 * i:at + 4 + 4 * i]
            pointers.append((symbol, target, letter))
        return words, pointers, gloss

    def related(self, word, pos):
        """{word: gloss of the sense that links it} for the synonyms of word."""
        found = {}
        letter_pos = {"n": "noun", "v": "verb", "a": "adj", "s": "adj", "r": "adv"}
        for offset in self.index[pos].get(word.lower(), []):
            words, pointers, gloss = self.synset(pos, offset)
            for w in words:
                found.setdefault(w, gloss)
            for symbol, target, letter in pointers:
                if symbol == "&":  # adjective "similar to"
                    others, _, other_gloss = self.synset(letter_pos[letter], target)
                    for w in others:
                        found.setdefault(w, other_gloss)
        return found


def questions(data_dir, vocab_only=True):
    """(set relpath, question number, four lines) of every vocabulary question (of
    every question when vocab_only is False)."""
    for info in sf.ALL_SETS:
        if vocab_only and not info.is_vocab:
            continue
        with open(os.path.join(data_dir, info.folder, info.name), "rb") as f:
            lines = f.read().decode("cp932").split("\r\n")
        for k in range(1, sf.QUESTIONS + 1):
            yield info.relpath, k, lines[4 * k - 2:4 * k + 2]


def common_words(cefr_path):
    """Words a learner may type: CEFR-J headwords where present, else the word lists."""
    words = set()
    if os.path.exists(cefr_path):
        with open(cefr_path, encoding="utf-8") as f:
            for row in csv.DictReader(f):
                words |= {h.strip().lower() for h in row["headword"].split("/")}
    for name in ("jh1.txt", "jh2.txt", "jh3.txt", "toeic700.txt", "toeic550.txt"):
        words |= {w.lower() for w, _, _ in sf.read_wordlist(name)}
    return words


def main_glosses(dictionary_path, common):
    """{word: set of the dictionary's glosses} for the common words: every item
    between "/", "," and ";" with its notes in brackets left out, the main
    glosses 『...』 included."""
    glosses = {}
    with open(dictionary_path, encoding="utf-8", errors="replace") as f:
        for line in f:
            head, _, text = line.rstrip("\n").partition("\t")
            if head.isalpha() and head.islower() and head in common:
                glosses[head] = gloss_items(text)
    return glosses


def gloss_items(text):
    """The glosses of one dictionary entry, notes such as (…), 《…》, 〈…〉 left out."""
    main = set(re.findall("『([^』]+)』", text))
    bare = re.sub(r"《[^》]*》|〈[^〉]*〉|\([^)]*\)|（[^）]*）|\{[^}]*\}|\[[^\]]*\]", "",
                  text).replace("『", "").replace("』", "")
    return main | {t.strip() for t in re.split("[/,;]", bare) if len(t.strip()) >= 2}


def meaning_terms(meaning):
    """The terms of a meaning line, nuances in parentheses left out."""
    bare = re.sub("（[^）]*）", "", meaning)
    return {t.strip() for t in re.split("[、，]", bare) if len(t.strip()) >= 2}


def fingerprint(lines):
    return sf.question_fingerprint(lines)


def candidates(wordnet, data_dir, glosses=None):
    """{(set, question, answer, candidate): (fingerprint, why)}."""
    found = {}
    for relpath, k, q in questions(data_dir):
        answer = q[3].split("#", 1)[0]
        parsed = sf.parse_cue(q[1])
        if glosses and parsed is not None:
            terms = meaning_terms(q[0])
            for w, main in glosses.items():
                shared = terms & main
                if shared and w != answer.lower() and sf.cue(parsed[0], w) == q[1]:
                    found[(relpath, str(k), answer, w)] = (
                        fingerprint(q), "dictionary: " + "、".join(sorted(shared)))
        if parsed is None or parsed[0] not in WORDNET_POS:
            continue
        for pos in WORDNET_POS[parsed[0]]:
            for w, gloss in wordnet.related(answer, pos).items():
                if "_" in w or w.lower() == answer.lower():
                    continue
                if sf.cue(parsed[0], w) == q[1]:
                    found[(relpath, str(k), answer, w)] = (fingerprint(q), gloss)
    return found


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("data", nargs="?", default=os.path.join(sf.REPO_DIR, "data"))
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--reference", default=REFERENCE,
                        help="folder of en-ja-dictionary.tsv and cefrj-wordlist-1.5.csv "
                             "(skipped when absent)")
    parser.add_argument("--update", action="store_true",
                        help="add new candidates as todo and sign pairs with no fingerprint")
    args = parser.parse_args(argv)
    if not os.path.exists(os.path.join(args.wordnet, "index.noun")):
        print("no WordNet at %s; install the Debian package wordnet" % args.wordnet)
        return 2
    glosses = None
    dictionary = os.path.join(args.reference, "en-ja-dictionary.tsv")
    if os.path.exists(dictionary):
        common = common_words(os.path.join(args.reference, "cefrj-wordlist-1.5.csv"))
        glosses = main_glosses(dictionary, common)
    else:
        print("no %s: WordNet candidates only" % dictionary)
    found = candidates(WordNet(args.wordnet), args.data, glosses)
    # Pairs of the sentence sets are added by hand; they are signed the same way.
    current = {(relpath, str(k)): fingerprint(q)
               for relpath, k, q in questions(args.data, vocab_only=False)}
    reviewed = sf.read_synonym_review()
    new = [key for key in sorted(found) if key not in reviewed]
    stale = [key for key, pair in sorted(reviewed.items())
             if pair.fingerprint and current.get(key[:2]) != pair.fingerprint]
    if not args.update:
        for key in new:
            print("new\t%s\t%s" % ("\t".join(key), found[key][1]))
        for key in stale:
            print("changed\t%s\t%s" % ("\t".join(key), reviewed[key].decision))
        print("synonym_candidates: %d candidates, %d new, %d reviewed pairs whose question "
              "changed" % (len(found), len(new), len(stale)))
        return 1 if new or stale else 0
    rows = []
    for key, pair in sorted(reviewed.items()):
        mark = pair.fingerprint or current.get(key[:2], "")
        rows.append(list(key) + [pair.decision, mark, pair.note])
    for key in new:
        why = found[key][1]
        rows.append(list(key) + ["todo", "", (why if why.startswith("dictionary: ")
                                              else "WordNet: " + why)[:80]])
    rows.sort(key=lambda r: (r[0], int(r[1]), r[3]))
    with open(sf.SYNONYM_REVIEW, "w", encoding="utf-8") as f:
        f.write(HEADER + "\n")
        for r in rows:
            f.write("\t".join(r) + "\n")
    print("synonym_candidates: %d pairs in %s, %d new"
          % (len(rows), os.path.relpath(sf.SYNONYM_REVIEW, sf.REPO_DIR), len(new)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
