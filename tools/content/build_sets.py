#!/usr/bin/env python3
"""Builds the set files of data/ from the TSV sources beside this script.

Each tools/content/<folder>/<file>.tsv (UTF-8) becomes data/<folder>/<file>.txt
in CP932 with CR LF. Vocabulary sources (jhword, TOEIC700, TOEIC550) hold 30
rows of word, part of speech, meaning, example, translation; sentence sources
(jhgram, highexam, semi) hold an optional "#instruction: ..." line and 30 rows
of line 1, line 2 (with one blank （　　）), line 3, answer, explanation.
A source that breaks a rule is reported row by row and its set file is left
as it was.

Usage: build_sets.py [--check] [--out DATA_DIR] [TSV ...]
       build_sets.py --skeleton FOLDER/FILE > tools/content/FOLDER/FILE.tsv
  (no TSV: every source under tools/content/; --check: write nothing, but
   report sources that break a rule and set files that differ from their source)
"""

import argparse
import glob
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import set_format as sf  # noqa: E402

CONTENT_DIR = os.path.dirname(os.path.abspath(__file__))


class Row:
    def __init__(self, number, word, pos, meaning, example, translation):
        self.number = number
        self.word = word
        self.pos = pos
        self.meaning = meaning
        self.example = example
        self.translation = translation
        self.us_spelling = False  # set from the word list's "US" mark

    def hint(self):
        return sf.mask_word_in(self.example, self.word) + " " + self.translation

    def lines(self):
        third = sf.SPELLING_CUE if self.us_spelling else " "
        return [self.meaning, sf.cue(self.pos, self.word), third,
                self.word + "#" + self.hint()]


def column_problems(columns, optional=()):
    """Empty columns (unless optional) and text that does not survive CP932."""
    problems = []
    for label, text in columns:
        if text.strip() == "":
            if label not in optional:
                problems.append("the %s is empty" % label)
            continue
        bad = sf.cp932_problem(text)
        if bad:
            problems.append("%s: %s (use ～ U+FF5E for a wave dash, ー or － for a dash)"
                            % (label, bad))
    return problems


def read_rows(path, errors):
    try:
        with open(path, encoding="utf-8-sig") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as e:
        errors.append("cannot read it as UTF-8: %s" % e)
        return []
    rows = []
    for number, line in enumerate(text.splitlines(), 1):
        if line.strip() == "":
            continue
        fields = [field.strip() for field in line.split("\t")]
        if len(fields) != 5:
            errors.append("line %d: %d columns, expected 5 (word, part of speech, meaning, "
                          "example, translation) separated by tabs" % (number, len(fields)))
            continue
        rows.append(Row(number, *fields))
    return rows


def row_problems(row):
    """Every broken rule of one row, as text."""
    problems = column_problems((("word", row.word), ("part of speech", row.pos),
                                ("meaning", row.meaning), ("example", row.example),
                                ("translation", row.translation)))
    if problems:
        return problems

    bad = sf.answer_problem(row.word)
    if bad:
        problems.append(bad)
    elif sf.letter_count(row.word) < 3:
        problems.append("the word %r has fewer than 3 letters" % row.word)
    if row.pos not in sf.POS_TAGS:
        problems.append("part of speech %r is not one of %s"
                        % (row.pos, " ".join(sf.POS_TAGS)))
    if not sf.has_japanese(row.meaning):
        problems.append("the meaning %r holds no Japanese" % row.meaning)
    if sf.byte_length(row.meaning) > sf.MAX_QUESTION_LINE:
        problems.append("the meaning is %d bytes, more than %d"
                        % (sf.byte_length(row.meaning), sf.MAX_QUESTION_LINE))
    if not sf.has_japanese(row.translation):
        problems.append("the translation %r holds no Japanese" % row.translation)
    exact = sf.occurrences(row.word, row.example)
    anycase = sf.occurrences(row.word, row.example, ignore_case=True)
    if exact != 1 or anycase != 1:
        problems.append("the example must hold the word %r exactly once in exactly that form "
                        "(found %d, %d ignoring case)" % (row.word, exact, anycase))
    elif "#" in row.example or "#" in row.translation:
        problems.append("the example and translation may not hold \"#\"")
    else:
        problems += sf.hint_problems(row.hint())
    for line in row.lines()[:2]:
        if sf.byte_length(line) > sf.MAX_QUESTION_LINE:
            problems.append("question line %r is longer than %d bytes"
                            % (line, sf.MAX_QUESTION_LINE))
    return problems


class SentenceRow:
    """One question of a grammar, exam or idiom source."""

    def __init__(self, number, line1, line2, line3, answer, explanation):
        self.number = number
        self.line1 = line1
        self.line2 = line2
        self.line3 = line3 if line3 != "" else " "  # an empty column is the blank third line
        self.answer = answer
        self.explanation = explanation

    @property
    def word(self):  # what the reports name the row by
        return self.answer

    def lines(self):
        return [self.line1, self.line2, self.line3, self.answer + "#" + self.explanation]


INSTRUCTION_PREFIX = "#instruction:"


def read_sentence_rows(path, errors):
    """(instruction or None, rows) of a sentence source.

    "#instruction: TEXT" (before the first row) names the set's instruction line;
    other lines that begin with "#" are comments; blank lines are ignored."""
    try:
        with open(path, encoding="utf-8-sig") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as e:
        errors.append("cannot read it as UTF-8: %s" % e)
        return None, []
    instruction = None
    rows = []
    for number, line in enumerate(text.splitlines(), 1):
        if line.strip() == "":
            continue
        if line.startswith(INSTRUCTION_PREFIX):
            if rows or instruction is not None:
                errors.append("line %d: \"%s\" must come once, before the first row"
                              % (number, INSTRUCTION_PREFIX))
            instruction = line[len(INSTRUCTION_PREFIX):].strip()
            continue
        if line.startswith("#"):
            continue
        fields = [field.strip() for field in line.split("\t")]
        if len(fields) != 5:
            errors.append("line %d: %d columns, expected 5 (line 1, line 2, line 3, answer, "
                          "explanation) separated by tabs" % (number, len(fields)))
            continue
        rows.append(SentenceRow(number, *fields))
    return instruction, rows


def instruction_problems(instruction):
    problems = []
    bad = sf.cp932_problem(instruction)
    if instruction == "":
        problems.append("the instruction is empty")
    elif bad:
        problems.append("instruction: %s" % bad)
    elif not sf.has_japanese(instruction):
        problems.append("the instruction holds no Japanese")
    elif sf.byte_length(instruction) > sf.MAX_INSTRUCTION:
        problems.append("the instruction is %d bytes, more than %d"
                        % (sf.byte_length(instruction), sf.MAX_INSTRUCTION))
    elif sf.PLACEHOLDER_MARKER in instruction:
        problems.append("the instruction holds the placeholder marker %s" % sf.PLACEHOLDER_MARKER)
    return problems


def sentence_row_problems(kind, row):
    """Every broken rule of one sentence row, as text."""
    problems = []
    problems += column_problems((("line 1", row.line1), ("line 2", row.line2),
                                 ("line 3", row.line3), ("answer", row.answer),
                                 ("explanation", row.explanation)), optional=("line 3",))
    if problems:
        return problems
    if "#" in row.explanation:
        problems.append("the explanation may not hold \"#\"")
    problems += sf.sentence_problems(kind, row.line1, row.line2, row.line3, row.answer,
                                     row.explanation)
    problems += sf.hint_problems(row.explanation)
    n1, n2, n3 = (sf.byte_length(x) for x in (row.line1, row.line2, row.line3))
    for label, n in (("line 1", n1), ("line 2", n2)):
        if n > sf.MAX_QUESTION_LINE:
            problems.append("%s is %d bytes, more than %d" % (label, n, sf.MAX_QUESTION_LINE))
    limit = max(n1, n2, sf.MIN_THIRD_LINE_LIMIT)
    if n3 > limit:
        problems.append("line 3 is %d bytes, more than %d (the longer of lines 1 and 2, "
                        "at least %d)" % (n3, limit, sf.MIN_THIRD_LINE_LIMIT))
    return problems


def sentence_set_problems(rows):
    problems = []
    if len(rows) != sf.QUESTIONS:
        problems.append("%d rows, a set needs exactly %d" % (len(rows), sf.QUESTIONS))
    seen = {}
    for r in rows:
        key = (r.line1, r.line2)
        if key in seen:
            problems.append("line %d: repeats the question of line %d" % (r.number, seen[key]))
        seen.setdefault(key, r.number)
    return problems


def set_problems(info, rows):
    """Rules across the rows: count, order, meanings, agreement with the word list."""
    problems = []
    if len(rows) != sf.QUESTIONS:
        problems.append("%d rows, a set needs exactly %d" % (len(rows), sf.QUESTIONS))
    words = [r.word for r in rows]
    if [sf.sort_key(w) for w in words] != sorted(sf.sort_key(w) for w in words):
        problems.append("the words are not in alphabetical order (ignoring case)")
    seen = {}
    for r in rows:
        if r.meaning in seen:
            problems.append("line %d: the meaning %r is also the meaning of %r on line %d; "
                            "make it point at one word" % (r.number, r.meaning,
                                                           seen[r.meaning].word,
                                                           seen[r.meaning].number))
        else:
            seen[r.meaning] = r
    try:
        listed = sf.read_wordlist(info.wordlist)[info.first:info.first + sf.QUESTIONS]
    except OSError as e:
        return problems + ["cannot read the word list %s: %s" % (info.wordlist, e)]
    if len(rows) == sf.QUESTIONS and len(listed) == sf.QUESTIONS:
        for index, (r, (word, pos, mark)) in enumerate(zip(rows, listed)):
            r.us_spelling = mark == sf.US_MARK
            if r.word != word:
                problems.append("line %d: the word %r is not the list's word %r "
                                "(tools/wordlists/%s, entry %d)"
                                % (r.number, r.word, word, info.wordlist,
                                   info.first + index + 1))
            elif r.pos != pos:
                problems.append("line %d: part of speech %s differs from the list's %s for %r"
                                % (r.number, r.pos, pos, word))
    elif len(listed) != sf.QUESTIONS:
        problems.append("tools/wordlists/%s has no full set of words for this file"
                        % info.wordlist)
    return problems


def build(path, out_dir, check_only):
    """Checks one source and writes its set file; returns the problems found."""
    rel = os.path.relpath(path, CONTENT_DIR)
    if rel.startswith(".."):
        rel = path
    folder = os.path.basename(os.path.dirname(os.path.abspath(path)))
    name = os.path.splitext(os.path.basename(path))[0] + ".txt"
    info = sf.find_set(folder, name)
    if info is None:
        return ["%s: no set of the menus is called %s/%s" % (rel, folder, name)]

    errors = []
    if info.is_vocab:
        instruction = sf.VOCAB_INSTRUCTION
        rows = read_rows(path, errors)
        for r in rows:
            errors += ["line %d (%s): %s" % (r.number, r.word, p) for p in row_problems(r)]
        errors += set_problems(info, rows)
    else:
        instruction, rows = read_sentence_rows(path, errors)
        if instruction is None:
            instruction = info.default_instruction
        errors += instruction_problems(instruction)
        for r in rows:
            errors += ["line %d (%s): %s" % (r.number, r.answer, p)
                       for p in sentence_row_problems(info.kind, r)]
        errors += sentence_set_problems(rows)
    if errors:
        return ["%s: %s" % (rel, e) for e in errors]

    lines = [info.title, instruction]
    for r in rows:
        lines += r.lines()
    body = sf.encode_lines(lines)
    target_dir = os.path.join(out_dir, info.folder)
    target = os.path.join(target_dir, info.name)
    if check_only:
        # The set file must be what its source builds, or someone edited one of them alone.
        try:
            with open(target, "rb") as f:
                current = f.read()
        except OSError:
            current = None
        if current != body:
            return ["%s: %s/%s does not match its source; run build_sets.py"
                    % (rel, info.folder, info.name)]
        return []
    os.makedirs(target_dir, exist_ok=True)
    temp = target + ".tmp"
    with open(temp, "wb") as f:
        f.write(body)
    os.replace(temp, target)
    return []


def skeleton(name):
    """Prints the start of a source: the set's 30 words and parts of speech from its list."""
    folder, _, base = name.replace("\\", "/").partition("/")
    info = sf.find_set(folder, os.path.splitext(base)[0] + ".txt")
    if info is None:
        print("no set of the menus is called %s" % name)
        return 1
    if not info.is_vocab:
        print("%s %s" % (INSTRUCTION_PREFIX, info.default_instruction))
        print("# %s: 30 rows of line 1<TAB>line 2 with %s<TAB>line 3 (empty, or （N語） "
              "for N words)<TAB>answer<TAB>explanation" % (info.title, sf.BLANK))
        return 0
    for word, pos, _ in sf.read_wordlist(info.wordlist)[info.first:info.first + sf.QUESTIONS]:
        print("\t".join([word, pos, "", "", ""]))
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sources", nargs="*", help="TSV files (default: all)")
    parser.add_argument("--out", default=os.path.join(sf.REPO_DIR, "data"),
                        help="data folder to write into (default: data/ of the repo)")
    parser.add_argument("--check", action="store_true", help="check only: write nothing, report set files that differ from their source")
    parser.add_argument("--skeleton", metavar="FOLDER/FILE",
                        help="print the start of a new source (e.g. TOEIC700/TOEIC700_001: its "
                             "words and parts of speech; semi/tango51: its instruction "
                             "line) and stop")
    args = parser.parse_args(argv)
    if args.skeleton:
        return skeleton(args.skeleton)

    sources = args.sources or sorted(glob.glob(os.path.join(CONTENT_DIR, "*", "*.tsv")))
    failed = 0
    for path in sources:
        problems = build(path, args.out, args.check)
        for p in problems:
            print(p)
        failed += bool(problems)
    done = len(sources) - failed
    print("build_sets: %d sources, %d %s, %d refused"
          % (len(sources), done, "passed" if args.check else "written", failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
