"""Shared rules of the built-in set files: names, titles, layout and cues.

Used by build_sets.py (which writes vocabulary sets) and by
../validate_sets.py (which checks every set), so the two never disagree.
"""

import hashlib
import os
import re
from collections import namedtuple

QUESTIONS = 30
LINES = 2 + 4 * QUESTIONS
PLACEHOLDER_MARKER = "（仮）"
VOCAB_INSTRUCTION = "日本語の意味に合う英単語を入力しなさい。"

# The third line of a question whose answer has an equally right British
# spelling the cue cannot rule out. A word list marks such a word "US" in a third
# column; sentence sets write the words into line 3 themselves.
SPELLING_CUE = "（アメリカ式のつづりで）"
SPELLING_CUE_WORDS = "アメリカ式のつづりで"
# A meaning may ask for one spelling of a pair that is not British/American
# (adviser/advisor: （語尾が -er のつづりで）); that rules the twin out as well.
SPELLING_NAMED_WORDS = "のつづりで"
US_MARK = "US"

# Byte limits of the window: question lines 1 and 2 fill a 727-pixel field at
# the smallest size; the third line's size follows from the first two.
MAX_QUESTION_LINE = 68
MIN_THIRD_LINE_LIMIT = 44
MAX_INSTRUCTION = 68
MAX_HINT = 200
HINT_BOX_WIDTH = 44
HINT_BOX_LINES = 5

# Part-of-speech tags of the cue, written as "（動）".
POS_TAGS = {
    "名": "noun",
    "動": "verb",
    "形": "adjective",
    "副": "adverb",
    "前": "preposition",
    "接": "conjunction",
    "代": "pronoun",
    "助": "auxiliary verb",
    "間": "interjection",
    "冠": "article",
    "数": "numeral",
}

VOCAB_FOLDERS = ("jhword", "TOEIC700", "TOEIC550")
SENTENCE_FOLDERS = ("jhgram", "highexam", "semi")

# Sentence sets (grammar, exam, idioms): the blank on question line 2 and the
# instruction lines a source gets when it names none of its own.
BLANK = "（　　）"
GRAMMAR_INSTRUCTION = "次の空欄に適語を入れなさい。"
REWRITE_INSTRUCTION = "次の文をほぼ同じ意味の文に書き換えるとき、空欄に適語を入れなさい。"
IDIOM_INSTRUCTION = "日本語の意味に合うように、空欄に適切なイディオムを入れなさい。"

TOOLS_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO_DIR = os.path.dirname(TOOLS_DIR)
WORDLIST_DIR = os.path.join(TOOLS_DIR, "wordlists")
SYNONYM_REVIEW = os.path.join(TOOLS_DIR, "content", "synonym_review.tsv")

_FULL_WIDTH_DIGITS = "０１２３４５６７８９"


def wide_number(n):
    return "".join(_FULL_WIDTH_DIGITS[int(d)] for d in str(n))


class SetInfo:
    """One catalogue entry: where its file lives and what it must hold."""

    def __init__(self, folder, name, title, level=None, wordlist=None, first=0):
        self.folder = folder
        self.name = name
        self.title = title
        self.level = level  # vocabulary level ("jh", "700", "550") or None
        self.wordlist = wordlist  # file under tools/wordlists/ the words come from
        self.first = first  # index of the set's first word in that list

    @property
    def relpath(self):
        return self.folder + "/" + self.name

    @property
    def is_vocab(self):
        return self.level is not None

    @property
    def kind(self):
        """"vocab", "idiom", "rewrite" (line 1 is the English original) or "grammar"."""
        if self.is_vocab:
            return "vocab"
        if self.folder == "semi":
            return "idiom"
        if "書き換え" in self.title:
            return "rewrite"
        return "grammar"

    @property
    def default_instruction(self):
        return {"vocab": VOCAB_INSTRUCTION, "idiom": IDIOM_INSTRUCTION,
                "rewrite": REWRITE_INSTRUCTION}.get(self.kind, GRAMMAR_INSTRUCTION)


CATALOGUE_TSV = os.path.join(REPO_DIR, "catalogue", "catalogue.tsv")


def _catalogue_entries():
    """(folder, file name, caption) of every entry of catalogue/catalogue.tsv,
    the program's own list of its sets, in menu order."""
    entries = []
    with open(CATALOGUE_TSV, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if fields[0] == "entry":
                folder, name = fields[4].split("\\")
                entries.append((folder, name, fields[3]))
    return entries


def _vocab_info(folder, name, caption):
    """A vocabulary set's level, word list and first word, from its file name."""
    number = int(re.search(r"(\d+)\.txt$", name).group(1))
    if folder == "jhword":
        year = (number - 101) // 10 + 1
        return SetInfo(folder, name, caption, "jh", "jh%d.txt" % year,
                       QUESTIONS * ((number - 101) % 10))
    level = folder[len("TOEIC"):]
    return SetInfo(folder, name, caption, level, "toeic%s.txt" % level,
                   QUESTIONS * (number - 1))


def _all_sets():
    entries = _catalogue_entries()
    sets = [SetInfo(*e) for e in entries if e[0] in SENTENCE_FOLDERS]
    # Vocabulary sets by list, each list in its own order.
    for folder in VOCAB_FOLDERS:
        sets += [_vocab_info(*e) for e in entries if e[0] == folder]
    return sets


ALL_SETS = _all_sets()
SETS_BY_PATH = {s.relpath: s for s in ALL_SETS}


def find_set(folder, name):
    """The catalogue entry for folder/name; names match without regard to case."""
    for s in ALL_SETS:
        if s.folder == folder and s.name.lower() == name.lower():
            return s
    return None


# --- text -----------------------------------------------------------------

def cp932_problem(text):
    """None when text survives a CP932 round trip, else a description."""
    for ch in text:
        try:
            back = ch.encode("cp932").decode("cp932")
        except UnicodeEncodeError:
            return "character %r (U+%04X) cannot be written in CP932" % (ch, ord(ch))
        if back != ch:
            return "character %r (U+%04X) comes back from CP932 as %r" % (ch, ord(ch), back)
    return None


def byte_length(text):
    return len(text.encode("cp932"))


_JAPANESE = re.compile("[\u3040-\u30ff\u3400-\u9fff\uf900-\ufaff\uff66-\uff9f]")


def has_japanese(text):
    return _JAPANESE.search(text) is not None


def letter_count(word):
    return sum(1 for ch in word if ch.isascii() and ch.isalpha())


def _mask(word, blank):
    out = []
    seen_first = False
    for ch in word:
        if ch.isascii() and ch.isalpha():
            out.append(ch if not seen_first else blank)
            seen_first = True
        else:
            out.append(ch)
    return "".join(out)


def masked(word):
    """The word as the hint's example shows it: first letter, then "_" per letter."""
    return _mask(word, "_")


# A meaning written only in katakana gives the loanword's sound away; a set may
# hold a few (spelling a loanword is a fair drill). Katakana that writes a
# Japanese word (animals, plants, some food) gives nothing away.
MAX_KATAKANA_MEANINGS = 3
NATIVE_KATAKANA = frozenset("""
    アヒル アリ イルカ ウサギ ウミガメ オウム カエデ カボチャ カメ カモ キノコ キュウリ キリン クジラ
    クマ クモ ゴム コショウ サケ ショウガ ズボン ゾウ タマネギ タラ チョウ ニンジン
    ニンニク ネコ ノミ パン ヒナギク ヒマワリ ホウレンソウ マグロ モミジ ラクダ
""".split())
_KATAKANA_ONLY = re.compile("[\u30a1-\u30fa\u30fc・、]+")


def loanword_meaning(meaning):
    """True when the meaning is only katakana and not only Japanese words so written."""
    return (_KATAKANA_ONLY.fullmatch(meaning) is not None
            and not all(part in NATIVE_KATAKANA for part in meaning.split("、")))


def cue(pos, word):
    """Question line 2: "（動）a＿＿＿（4文字）"."""
    return "（%s）%s（%d文字）" % (pos, _mask(word, "＿"), letter_count(word))


_CUE = re.compile("^（(.)）(.+)（([0-9]+)文字）$")


def parse_cue(line):
    """(pos, masked word, letter count) of a cue line, or None."""
    m = _CUE.match(line)
    if not m:
        return None
    return m.group(1), m.group(2), int(m.group(3))


def sort_key(word):
    """Alphabetical order of the sets and lists: by character, ignoring case."""
    return word.lower()


_ANSWER = re.compile(r"^[A-Za-z0-9'.,?!-]+( [A-Za-z0-9'.,?!-]+)*$")


def answer_problem(answer):
    if answer == "":
        return "the answer is empty"
    if "/" in answer:
        return "the answer holds a \"/\", which cannot be typed"
    if not _ANSWER.match(answer):
        return ("the answer %r may only hold A-Z a-z 0-9 ' . , ? ! - "
                "with single spaces between words" % answer)
    return None


def occurrences(word, text, ignore_case=False):
    """How often word stands in text as a whole word (no letter on either side)."""
    flags = re.IGNORECASE if ignore_case else 0
    return len(re.findall(r"(?<![A-Za-z])" + re.escape(word) + r"(?![A-Za-z])", text, flags))


def _shared_start(a, b):
    n = 0
    for x, y in zip(a, b):
        if x != y:
            break
        n += 1
    return n


def family_words(answer, text):
    """Words of text that spell out answer or a form of its family ("annoying" for
    "annoy", "teacher" for "teach"): the whole answer, or most of a longer one."""
    a = answer.lower()
    found = []
    for w in re.findall(r"[A-Za-z]+", text):
        lw = w.lower()
        shared = _shared_start(a, lw)
        if lw == a or (len(a) >= 4 and len(lw) >= 4 and shared >= max(4, len(a) - 2)
                       and shared >= min(len(a), len(lw)) - 3):
            found.append(w)
    return found


def mask_word_in(text, word):
    """text with the whole-word occurrence(s) of word masked as in the hint."""
    return re.sub(r"(?<![A-Za-z])" + re.escape(word) + r"(?![A-Za-z])",
                  lambda m: masked(word), text)


def hint_box_lines(text):
    """Lines the hint needs in the hint box: words wrap whole, Japanese anywhere."""
    tokens = re.findall(r"[\x21-\x7e\uff61-\uff9f]+| |.", text)
    lines, used = 1, 0
    for tok in tokens:
        size = byte_length(tok)
        if tok == " ":
            if used + 1 <= HINT_BOX_WIDTH:
                used += 1
            continue
        while size > HINT_BOX_WIDTH - used:
            if used == 0:  # a word wider than the box is cut where it reaches the edge
                size -= HINT_BOX_WIDTH
                lines += 1
                continue
            lines += 1
            used = 0
        used += size
    return lines


def hint_problems(hint):
    problems = []
    if byte_length(hint) > MAX_HINT:
        problems.append("hint is %d bytes, more than %d" % (byte_length(hint), MAX_HINT))
    elif hint_box_lines(hint) > HINT_BOX_LINES:
        problems.append("hint needs %d lines of the hint box, more than %d"
                        % (hint_box_lines(hint), HINT_BOX_LINES))
    return problems


def encode_lines(lines):
    """The file's bytes: CP932, every line ended by CR LF."""
    return "".join(line + "\r\n" for line in lines).encode("cp932")


# --- word lists -----------------------------------------------------------

def read_wordlist(name):
    """[(word, pos, mark)] of tools/wordlists/<name>; lines are "word<TAB>pos", or
    "word<TAB>pos<TAB>US" for a word asked in its American spelling ("" otherwise)."""
    path = os.path.join(WORDLIST_DIR, name)
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if line.strip() == "":
                continue
            word, _, rest = line.partition("\t")
            pos, _, mark = rest.partition("\t")
            rows.append((word, pos, mark))
    return rows


# --- reviewed synonym pairs ------------------------------------------------

ReviewedPair = namedtuple("ReviewedPair", "decision fingerprint note")
REVIEW_DECISIONS = ("sharpened", "distinct", "todo")


def question_fingerprint(lines):
    """Short digest of a question's four lines, to notice a change after its review."""
    return hashlib.sha1("\n".join(lines).encode("utf-8")).hexdigest()[:10]


def read_synonym_review(path=SYNONYM_REVIEW):
    """{(set, question, answer, candidate): ReviewedPair} of synonym_review.tsv."""
    pairs = {}
    if not os.path.exists(path):
        return pairs
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or line.strip() == "":
                continue
            fields = line.rstrip("\n").split("\t")
            fields += [""] * (7 - len(fields))
            pairs[tuple(fields[:4])] = ReviewedPair(*fields[4:7])
    return pairs


# --- sentence sets --------------------------------------------------------

# Anything that looks like a blank but is not written exactly as BLANK.
_BLANK_LIKE = re.compile(r"[（(][ 　]*[)）]|_{2,}|＿")
_WORD_COUNT = re.compile("([0-9０-９]+)語")
_SENTENCE_START = ".?!:“「"
# Titles whose period ends no sentence.
ABBREVIATIONS = ("Mr.", "Mrs.", "Ms.", "Dr.", "Mt.", "St.")


def blank_count(line):
    return line.count(BLANK)


def blank_at_sentence_start(line):
    """True when the (first) blank opens the line, follows . ? ! : (a new sentence, or
    a speaker's "B:"), or opens a quotation; a closing quotation mark ends a sentence
    only after . ? !"""
    before = line.split(BLANK, 1)[0].rstrip(" 　")
    if before == "":
        return True
    if before[-1] == '"':
        if before.count('"') % 2 == 1:  # an opening quotation mark
            return True
        before = before[:-1].rstrip(" ")
        return before == "" or before[-1] in ".?!"
    if before.endswith(ABBREVIATIONS):
        return False
    return before[-1] in _SENTENCE_START


def word_count(answer):
    return len(answer.split(" "))


def stated_word_counts(line3):
    """Every word count "N語" that line 3 states (full- or half-width digits)."""
    return [int(n.translate(str.maketrans("０１２３４５６７８９", "0123456789")))
            for n in _WORD_COUNT.findall(line3)]


def filled(line2, answer):
    """Question line 2 with the answer written into the blank."""
    return line2.replace(BLANK, answer, 1)


def sentence_problems(kind, l1, l2, l3, answer, hint):
    """Rules of one question of a grammar, exam or idiom set; [] when it keeps them all.

    kind is SetInfo.kind; hint is the text after "#" (None when there is none).
    The byte limits of the lines and the hint are checked elsewhere."""
    problems = []
    if l1.strip() == "":
        problems.append("line 1 is empty")
    elif BLANK in l1:
        problems.append("line 1 holds a blank; the blank belongs on line 2")
    elif kind == "rewrite":
        if has_japanese(l1) or not l1.isascii():
            problems.append("line 1 should be the original English sentence (ASCII only)")
    elif not has_japanese(l1):
        problems.append("line 1 holds no Japanese")

    blanks = blank_count(l2)
    rest = l2.replace(BLANK, "")
    if blanks != 1:
        problems.append("line 2 holds %d blanks %s, it needs exactly one" % (blanks, BLANK))
    if _BLANK_LIKE.search(rest):
        problems.append("line 2 holds a blank not written as %s" % BLANK)
    if not rest.isascii():
        odd = "".join(sorted({ch for ch in rest if not ch.isascii()}))
        problems.append("line 2 may hold only ASCII besides the blank (found %s)" % odd)
    if blanks >= 1:
        if blank_at_sentence_start(l2):
            problems.append("the blank starts a sentence (capital letters count); "
                            "rewrite the sentence so it does not")
        else:
            at = l2.index(BLANK)
            after = l2[at + len(BLANK):at + len(BLANK) + 1]
            if l2[at - 1] != " " or (after and after not in " .,?!;:'\""):
                problems.append("the blank needs a space before it and a space or "
                                "punctuation after it")

    if l3 == "":
        problems.append("line 3 is empty; write a single space")
    elif l3 != " " and l3 != l3.strip(" 　"):
        problems.append("line 3 %r has spaces around its text" % l3)
    elif BLANK in l3:
        problems.append("line 3 holds a blank")

    bad = answer_problem(answer)
    if bad:
        problems.append(bad)
    else:
        words = word_count(answer)
        stated = stated_word_counts(l3)
        if len(stated) > 1:
            problems.append("line 3 states %d word counts" % len(stated))
        elif words > 1 and not stated:
            problems.append("the answer %r has %d words; line 3 must say so, e.g. （%d語）"
                            % (answer, words, words))
        elif stated and stated[0] != words:
            problems.append("line 3 says %d語 but the answer %r has %d words"
                            % (stated[0], answer, words))

    if hint is None or hint.strip() == "":
        problems.append("no explanation after \"#\"")
    elif not has_japanese(hint):
        problems.append("the explanation holds no Japanese")
    return problems
