#!/usr/bin/env python3
"""Checks every built-in set file of data/ against the rules of the set format.

Prints one line per problem ("file: question N: what"), warnings marked as
such, and a summary line; exits 1 when any problem was found. Sets whose
instruction line holds the placeholder marker are skipped and counted.

Grammar, exam and idiom sets (jhgram, highexam, semi) are checked as sentence
sets: one blank （　　） on line 2, not opening a sentence; the word count of
a multi-word answer on line 3; the sentence with the answer in the blank (and
a rewriting set's English line 1) spelled as en_US hunspell knows it, names
listed in tools/content/proper_names.txt excepted; no question (line 1 and
line 2) repeated across all of them. Where link-grammar's link-parser is
installed, sentences it cannot parse are reported as warnings.

Every answer whose British or American spelling fits the same cue must carry
the American-spelling cue on line 3 (hunspell en_US and en_GB; where en_GB is
missing the summary says so and the check is skipped). Every pair of
tools/content/synonym_review.tsv must be decided, and its question unchanged
since the decision.

Every set of the menus holds real content now, so a set still marked as a
placeholder is a problem.

Usage: validate_sets.py [DATA_DIR] [--dictionary TSV] [--names TXT] [--review TSV]
                        [--no-parser]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "content"))
import set_format as sf  # noqa: E402
import spelling  # noqa: E402

DEFAULT_DICTIONARY = os.path.join(sf.REPO_DIR, "..", "shared", "reference",
                                  "en-ja-dictionary.tsv")
DEFAULT_NAMES = os.path.join(sf.TOOLS_DIR, "content", "proper_names.txt")


class Report:
    def __init__(self):
        self.problems = []
        self.warnings = []

    def problem(self, where, text):
        self.problems.append("%s: %s" % (where, text))

    def warning(self, where, text):
        self.warnings.append("warning: %s: %s" % (where, text))


class Answer:
    """A vocabulary answer kept for the checks that span files."""

    def __init__(self, where, text):
        self.where = where
        self.text = text


def locate(data_dir, info):
    folder = os.path.join(data_dir, info.folder)
    if not os.path.isdir(folder):
        return None
    for entry in os.listdir(folder):
        if entry.lower() == info.name.lower():
            return os.path.join(folder, entry)
    return None


def split_lines(raw, where, report):
    """The decoded lines of a set file, or None when its bytes are unusable."""
    if b"\0" in raw:
        report.problem(where, "holds a zero byte")
        return None
    if raw and not raw.endswith(b"\r\n"):
        report.problem(where, "the last line does not end with CR LF")
    parts = raw.split(b"\r\n")
    if parts and parts[-1] == b"":
        parts.pop()
    lines = []
    ok = True
    for number, part in enumerate(parts):
        if b"\r" in part or b"\n" in part:
            report.problem(where, "line %d: ends with a lone CR or LF, not CR LF" % number)
            ok = False
        try:
            text = part.decode("cp932")
        except UnicodeDecodeError as e:
            report.problem(where, "line %d: not CP932 at byte %d" % (number, e.start))
            ok = False
            continue
        if text.encode("cp932") != part:
            report.problem(where, "line %d: does not survive a CP932 round trip" % number)
            ok = False
        lines.append(text)
    return lines if ok else None


def check_question(k, q, report, where):
    """The checks of one question that every kind of set shares."""
    l1, l2, l3, answer_line = q
    here = "%s: question %d" % (where, k)
    n1, n2, n3 = sf.byte_length(l1), sf.byte_length(l2), sf.byte_length(l3)
    if n1 > sf.MAX_QUESTION_LINE:
        report.problem(here, "line 1 is %d bytes, more than %d" % (n1, sf.MAX_QUESTION_LINE))
    if n2 > sf.MAX_QUESTION_LINE:
        report.problem(here, "line 2 is %d bytes, more than %d" % (n2, sf.MAX_QUESTION_LINE))
    limit = max(n1, n2, sf.MIN_THIRD_LINE_LIMIT)
    if n3 > limit:
        report.problem(here, "line 3 is %d bytes, more than %d" % (n3, limit))
    answer, hash_, hint = answer_line.partition("#")
    bad = sf.answer_problem(answer)
    if bad:
        report.problem(here, bad)
    if hash_:
        for p in sf.hint_problems(hint):
            report.problem(here, p)
    return answer, (hint if hash_ else None)


def check_vocab_question(k, q, answer, hint, report, where):
    l1, l2, l3, _ = q
    here = "%s: question %d (%s)" % (where, k, answer)
    if not sf.has_japanese(l1):
        report.problem(here, "line 1 holds no Japanese meaning")
    if l3 not in (" ", sf.SPELLING_CUE):
        report.problem(here, "line 3 should be a single space or %s" % sf.SPELLING_CUE)
    if sf.answer_problem(answer):
        return
    if sf.letter_count(answer) < 3:
        report.problem(here, "the answer has fewer than 3 letters")
    parsed = sf.parse_cue(l2)
    if parsed is None:
        report.problem(here, "line 2 is not a cue like （動）a＿＿＿（4文字）")
    else:
        pos = parsed[0]
        if pos not in sf.POS_TAGS:
            report.problem(here, "part of speech %r in the cue is not one of %s"
                           % (pos, " ".join(sf.POS_TAGS)))
        expected = sf.cue(pos, answer)
        if l2 != expected:
            report.problem(here, "cue %s does not agree with the answer (expected %s)"
                           % (l2, expected))
    if hint is None:
        report.problem(here, "no example sentence after \"#\"")
    else:
        if sf.occurrences(answer, hint, ignore_case=True):
            report.problem(here, "the hint spells out the answer")
        if sf.masked(answer) not in hint:
            report.problem(here, "the hint holds no masked example %s" % sf.masked(answer))


class Spelled:
    """An answer kept for the check of American and British spellings."""

    def __init__(self, where, answer, line3, pos=None, cue=None, meaning=""):
        self.where = where
        self.answer = answer
        self.cued = sf.SPELLING_CUE_WORDS in line3 or sf.SPELLING_NAMED_WORDS in meaning
        self.pos = pos  # vocabulary sets: the cue's part of speech
        self.cue = cue  # vocabulary sets: a variant must keep first letter and count


class Sentence:
    """A question of a sentence set, kept for the checks that span files."""

    def __init__(self, where, q, answer):
        self.where = where
        self.key = (q[0], q[1])
        self.line2 = q[1]
        # The English texts the learner reads once the answer is in place.
        self.texts = [sf.filled(q[1], answer)]
        if not sf.has_japanese(q[0]) and q[0].isascii():
            self.texts.insert(0, q[0])


def check_sentence_question(k, q, answer, hint, kind, report, where):
    here = "%s: question %d (%s)" % (where, k, answer)
    for p in sf.sentence_problems(kind, q[0], q[1], q[2], answer, hint):
        if p != sf.answer_problem(answer):  # reported once already by check_question
            report.problem(here, p)


def check_set(info, path, report, answers, sentences=None, spelled=None, fingerprints=None):
    """Checks one file; returns "placeholder", "checked" or "broken"."""
    where = os.path.join(info.folder, os.path.basename(path))
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as e:
        report.problem(where, "cannot be read: %s" % e.strerror)
        return "broken"
    lines = split_lines(raw, where, report)
    if lines is None:
        return "broken"
    if len(lines) >= 2 and sf.PLACEHOLDER_MARKER in lines[1]:
        report.problem(where, "is still a placeholder")
        return "placeholder"
    if len(lines) != sf.LINES:
        report.problem(where, "has %d lines, a set of %d questions has %d"
                       % (len(lines), sf.QUESTIONS, sf.LINES))
        return "broken"
    if lines[0] != info.title:
        report.problem(where, "title %r differs from the menu caption %r" % (lines[0], info.title))
    instruction = lines[1]
    if info.is_vocab and instruction != sf.VOCAB_INSTRUCTION:
        report.problem(where, "instruction %r, expected %r" % (instruction, sf.VOCAB_INSTRUCTION))
    elif not sf.has_japanese(instruction):
        report.problem(where, "the instruction line holds no Japanese")
    elif sf.byte_length(instruction) > sf.MAX_INSTRUCTION:
        report.problem(where, "the instruction is %d bytes, more than %d"
                       % (sf.byte_length(instruction), sf.MAX_INSTRUCTION))

    seen_questions = {}
    seen_meanings = {}
    previous = None
    shown = []  # (where, meaning and hint, answer) of the vocabulary questions, in order
    for k in range(1, sf.QUESTIONS + 1):
        q = lines[4 * k - 2:4 * k + 2]
        answer, hint = check_question(k, q, report, where)
        if fingerprints is not None:
            fingerprints[(info.relpath, str(k))] = (sf.question_fingerprint(q), answer)
        if spelled is not None:
            parsed = sf.parse_cue(q[1]) if info.is_vocab else None
            spelled.append(Spelled("%s: question %d (%s)" % (where, k, answer), answer, q[2],
                                   parsed[0] if parsed else None,
                                   q[1] if info.is_vocab else None, q[0]))
        key = tuple(q[:3])
        if key in seen_questions:
            report.problem("%s: question %d" % (where, k),
                           "repeats question %d" % seen_questions[key])
        seen_questions.setdefault(key, k)
        if not info.is_vocab:
            check_sentence_question(k, q, answer, hint, info.kind, report, where)
            if sentences is not None:
                sentences.append(Sentence("%s: question %d (%s)" % (where, k, answer), q,
                                          answer))
            continue
        check_vocab_question(k, q, answer, hint, report, where)
        here = "%s: question %d (%s)" % (where, k, answer)
        if q[0] in seen_meanings:
            report.problem(here, "meaning %r is also question %d's; make it point at one word"
                           % (q[0], seen_meanings[q[0]]))
        seen_meanings.setdefault(q[0], k)
        if previous is not None and sf.sort_key(answer) < sf.sort_key(previous):
            report.problem(here, "not in alphabetical order (comes after %r)" % previous)
        previous = answer
        answers.setdefault(info.level, []).append(Answer(here, answer))
        shown.append((here, q[0] + " " + (hint or ""), answer))
    check_neighbours(shown, report)
    loanwords = [answer for k, (_, _, answer) in enumerate(shown, 1)
                 if sf.loanword_meaning(lines[4 * k - 2])]
    if len(loanwords) > sf.MAX_KATAKANA_MEANINGS:
        report.problem(where, "%d meanings are katakana only (%s), more than %d; they give "
                       "the sound away, so write some in other Japanese"
                       % (len(loanwords), ", ".join(loanwords), sf.MAX_KATAKANA_MEANINGS))
    return "checked"


def check_neighbours(shown, report):
    """Alphabetical sets put a word family side by side: no question may show its
    neighbour's answer in its meaning or hint."""
    for i, (here, text, _) in enumerate(shown):
        for j in (i - 1, i + 1):
            if 0 <= j < len(shown):
                words = sf.family_words(shown[j][2], text)
                if words:
                    report.problem(here, "its meaning or hint shows %s, giving away the "
                                   "answer %r next to it" % (", ".join(words), shown[j][2]))


def check_levels(answers, report):
    for level, items in answers.items():
        first = {}
        for a in items:
            key = a.text.lower()
            if key in first:
                report.problem(a.where, "answer also used at %s (level %s)"
                               % (first[key].where, level))
            else:
                first[key] = a


def check_spelling(answers, report):
    words = sorted({a.text for items in answers.values() for a in items})
    if not words:
        return
    try:
        run = subprocess.run(["hunspell", "-d", "en_US", "-L"], input="\n".join(words) + "\n",
                             capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError) as e:
        report.problem("hunspell", "the spell check could not run (%s); install hunspell and "
                       "hunspell-en-us" % e)
        return
    wrong = set(run.stdout.splitlines())
    for items in answers.values():
        for a in items:
            if a.text in wrong:
                report.problem(a.where, "not in the en_US spelling dictionary")


def unknown_words(dictionary, words):
    """The words hunspell's dictionary does not know, or None when it cannot run."""
    try:
        run = subprocess.run(["hunspell", "-d", dictionary, "-l"],
                             input="\n".join(sorted(words)) + "\n",
                             capture_output=True, text=True)
    except OSError:
        return None
    if run.returncode != 0 or "Can't open" in run.stderr:
        return None
    return set(run.stdout.split())


def check_spelling_variants(spelled, report):
    """An answer with an American or British twin that fits the same cue must carry
    the spelling cue; False when hunspell or a dictionary is missing."""
    words = {w for s in spelled for w in spelling.words_of(s.answer)}
    forms = set()
    for w in words:
        forms |= spelling.british_forms(w) | spelling.american_forms(w)
    everything = words | forms | set(spelling.KNOWN_PAIRS.values())
    not_us = unknown_words("en_US", everything)
    not_gb = unknown_words("en_GB", everything)
    if not_us is None or not_gb is None:
        return False
    for s in spelled:
        if s.cued:
            continue
        for w in spelling.words_of(s.answer):
            pos = s.pos
            if pos is None and " " in s.answer:  # "in practice" is a noun either side
                pos = spelling.UNKNOWN_IN_PHRASE
            found = spelling.variants(w, pos, lambda x: x not in not_us,
                                      lambda x: x not in not_gb)
            if s.cue is not None:  # the letter count and first letter rule out the rest
                found = {f for f in found
                         if sf.cue(s.pos, s.answer.replace(w, f)) == s.cue}
            if found:
                report.problem(s.where, "%s is right too (British/American spelling); give "
                               "line 3 the cue %s or mark the word US in its list"
                               % (" or ".join(sorted(found)), sf.SPELLING_CUE))
    return True


def check_reviewed_pairs(path, fingerprints, report):
    """A reviewed synonym pair holds while its question is the one that was read."""
    where = os.path.relpath(path, sf.REPO_DIR)
    for (relpath, k, answer, other), pair in sorted(sf.read_synonym_review(path).items()):
        here = "%s: %s question %s (%s / %s)" % (where, relpath, k, answer, other)
        if pair.decision not in sf.REVIEW_DECISIONS:
            report.problem(here, "decision %r is not one of %s"
                           % (pair.decision, ", ".join(sf.REVIEW_DECISIONS)))
        elif pair.decision == "todo":
            report.problem(here, "not reviewed yet")
        elif (relpath, k) in fingerprints and fingerprints[(relpath, k)][1] != answer:
            # a row that points at another question was signed against the wrong one
            report.problem(here, "question %s is not %r but %r" % (k, answer,
                                                                  fingerprints[(relpath, k)][1]))
        elif fingerprints.get((relpath, k), (None,))[0] != pair.fingerprint:
            report.problem(here, "the question changed since the pair was reviewed; read it "
                           "again, empty its fingerprint and run synonym_candidates.py --update")


def check_dictionary(answers, path, report):
    if not os.path.exists(path):
        return False
    with open(path, encoding="utf-8", errors="replace") as f:
        heads = {line.split("\t", 1)[0] for line in f}
    lowered = {h.lower() for h in heads}
    for items in answers.values():
        for a in items:
            if a.text not in heads and a.text.lower() not in lowered:
                report.warning(a.where, "not a headword of %s" % os.path.basename(path))
    return True


def check_sentence_repeats(sentences, report):
    """No question repeats across the sentence sets; a repeated line 2 is worth a look."""
    first, first_line2 = {}, {}
    for s in sentences:
        if s.key in first:
            report.problem(s.where, "repeats the question of %s" % first[s.key].where)
        else:
            first[s.key] = s
            if s.line2 in first_line2:
                report.warning(s.where, "line 2 is also line 2 of %s"
                               % first_line2[s.line2].where)
            first_line2.setdefault(s.line2, s)


_WORD = re.compile(r"[A-Za-z]+(?:'[A-Za-z]+)*")


def read_names(path):
    """The proper names the spell check lets pass: one a line, "#" starts a comment."""
    names = set()
    if path and os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.split("#", 1)[0].strip()
                if line:
                    names.add(line)
    return names


def sentence_words(text, names):
    """The words of text that the spell checker must know (listed names left out)."""
    words = []
    for w in _WORD.findall(text):
        base = w[:-2] if w.endswith("'s") else w
        if w in names or base in names:
            continue
        words.append(w)
    return words


def check_sentence_spelling(sentences, names, report):
    words = sorted({w for s in sentences for t in s.texts for w in sentence_words(t, names)})
    if not words:
        return
    try:
        run = subprocess.run(["hunspell", "-d", "en_US", "-l"], input="\n".join(words) + "\n",
                             capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError) as e:
        report.problem("hunspell", "the spell check could not run (%s); install hunspell and "
                       "hunspell-en-us" % e)
        return
    wrong = set(run.stdout.split())
    for s in sentences:
        for t in s.texts:
            bad = [w for w in sentence_words(t, names) if w in wrong]
            if bad:
                report.problem(s.where, "%s not in the en_US spelling dictionary "
                               "(a name? add it to proper_names.txt): %s"
                               % (", ".join(sorted(set(bad))), t))


_SPEAKER = re.compile(r"^[A-Z][A-Za-z]*: ")


def parser_sentences(text):
    """The sentences of a line as link-parser should see them: split at . ? ! and
    without the speaker labels of a dialogue ("A: ")."""
    parts = re.split(r"(?<=[.?!])\s+(?=[A-Z\"])", text.strip())
    sentences = []
    for p in parts:
        if sentences and sentences[-1].endswith(sf.ABBREVIATIONS):  # "Mr. Brown"
            sentences[-1] += " " + p
        else:
            sentences.append(p)
    return [_SPEAKER.sub("", p).strip() for p in sentences if p.strip()]


def check_sentence_grammar(sentences, report):
    """Warnings for sentences link-parser finds no complete parse of; False if it is absent."""
    program = shutil.which("link-parser")
    if program is None:
        return False
    todo = []
    for s in sentences:
        for t in s.texts:
            for part in parser_sentences(t):
                if part[0] not in "!*%":
                    todo.append((s, part))
    if not todo:
        return True
    feed = "!timeout=10\n" + "".join(part + "\n" for _, part in todo)
    try:
        run = subprocess.run([program, "en", "-batch", "-echo"], input=feed,
                             capture_output=True, text=True, timeout=1800)
    except (OSError, subprocess.SubprocessError) as e:
        report.warning("link-parser", "could not run (%s); grammar not parsed" % e)
        return True
    echoed = [line for line in run.stdout.splitlines()]
    failed = set()
    last = None
    texts = {part for _, part in todo}
    for line in echoed:
        if line.startswith("+++++ error"):
            if last is not None:
                failed.add(last)
        elif line in texts:
            last = line
    for s, part in todo:
        if part in failed:
            report.warning(s.where, "link-parser finds no complete parse of: %s" % part)
    return True


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("data", nargs="?", default=os.path.join(sf.REPO_DIR, "data"))
    parser.add_argument("--dictionary", default=DEFAULT_DICTIONARY,
                        help="headword list for the warnings (checked only if present)")
    parser.add_argument("--names", default=DEFAULT_NAMES,
                        help="proper names the spell check of sentences lets pass")
    parser.add_argument("--review", default=sf.SYNONYM_REVIEW,
                        help="reviewed synonym pairs whose questions must not have changed")
    parser.add_argument("--no-parser", action="store_true",
                        help="do not run link-parser even where it is installed")
    args = parser.parse_args(argv)

    report = Report()
    counts = {"checked": 0, "placeholder": 0, "broken": 0, "missing": 0}
    answers = {}
    sentences = []
    spelled = []
    fingerprints = {}
    known = set()
    for info in sf.ALL_SETS:
        path = locate(args.data, info)
        if path is None:
            report.problem(info.relpath, "is missing")
            counts["missing"] += 1
            continue
        known.add(os.path.abspath(path))
        counts[check_set(info, path, report, answers, sentences, spelled, fingerprints)] += 1
    for folder in sorted({s.folder for s in sf.ALL_SETS}):
        directory = os.path.join(args.data, folder)
        for entry in sorted(os.listdir(directory)) if os.path.isdir(directory) else []:
            path = os.path.abspath(os.path.join(directory, entry))
            if entry.lower().endswith(".txt") and path not in known:
                report.warning(os.path.join(folder, entry), "is no set of the menus")
    check_levels(answers, report)
    check_spelling(answers, report)
    variants = check_spelling_variants(spelled, report)
    check_reviewed_pairs(args.review, fingerprints, report)
    dictionary = check_dictionary(answers, args.dictionary, report)
    check_sentence_repeats(sentences, report)
    check_sentence_spelling(sentences, read_names(args.names), report)
    parsed = False if args.no_parser else check_sentence_grammar(sentences, report)

    for line in report.problems + report.warnings:
        print(line)
    if not dictionary:
        print("note: the reference dictionary %s was not found, so the headword check "
              "did not run (it lies in ../shared/reference beside the repository)"
              % os.path.normpath(args.dictionary))
    if not variants:
        print("note: hunspell's en_US or en_GB dictionary is missing, so answers with an "
              "equally right British spelling were not looked for (Debian: hunspell-en-gb)")
    print("validate_sets: %d sets: %d checked, %d placeholders %s, %d malformed, "
          "%d missing; %d problems, %d warnings%s%s%s"
          % (len(sf.ALL_SETS), counts["checked"], counts["placeholder"],
             "refused", counts["broken"],
             counts["missing"], len(report.problems), len(report.warnings),
             "" if dictionary else " (no dictionary, headwords not checked)",
             "" if parsed or not sentences else
             " (link-parser not run, sentences not parsed)",
             "" if variants else " (hunspell en_US or en_GB dictionary missing: British "
             "spellings not checked; install hunspell-en-us and hunspell-en-gb)"))
    return 1 if report.problems else 0


if __name__ == "__main__":
    sys.exit(main())
