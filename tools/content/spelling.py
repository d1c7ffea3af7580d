"""American and British spellings of one word, for the validator's check that
an answer has no equally right spelling the question does not rule out.

The rules only propose forms; a form counts when the other side's hunspell
dictionary knows it and the answer's own side does not (gray -> grey is a
variant, for -> four is not, since en_US knows "four"). Pairs that both
dictionaries know are listed by hand.
"""

import re

# (pattern on the whole lower-case word, replacement, parts of speech or None for any).
# A rule bound to parts of speech applies to a word of such a part, or of an
# unknown one (pos None); UNKNOWN_IN_PHRASE (a word inside an idiom) skips it.
# American -> British.
TO_BRITISH = [
    (r"^(\w{3,})iz(e|es|ed|ing|er|ers|ation|ations)$", r"\1is\2", None),
    (r"^(\w+)yz(e|es|ed|ing)$", r"\1ys\2", None),
    (r"^(\w+)(t|b|ch)er(s)?$", r"\1\2re\3", None),
    (r"^(\w+)or(s|ful|able|ably|ite|ites|hood|hoods|ed|ing|less)?$", r"\1our\2", None),
    (r"^(\w+)og(s)?$", r"\1ogue\2", None),
    (r"^(\w+)ense(s)?$", r"\1ence\2", {"名"}),  # license is a British verb too
    (r"^practic(e|es|ed|ing)$", r"practis\1", {"動"}),  # practice is a British noun too
    (r"^(\w+[aeiou])l(ed|ing|er|ers)$", r"\1ll\2", None),
    (r"^(\w+[aeiou])ll(s|ment|ments)?$", r"\1l\2", None),
    (r"^tire(s)?$", r"tyre\1", {"名"}),
    (r"^gray", "grey", None),
    (r"^jewelry$", "jewellery", None),
    (r"^program(s)?$", r"programme\1", {"名"}),
    (r"^aluminum$", "aluminium", None),
    (r"^mold", "mould", None),
    (r"^plow", "plough", None),
    (r"^pajamas$", "pyjamas", None),
    (r"^skeptic", "sceptic", None),
]
# British -> American, checked only for answers en_US does not know.
TO_AMERICAN = [
    (r"^(\w{3,})is(e|es|ed|ing|er|ers|ation|ations)$", r"\1iz\2", None),
    (r"^(\w+)ys(e|es|ed|ing)$", r"\1yz\2", None),
    (r"^(\w+)(t|b|ch)re(s)?$", r"\1\2er\3", None),
    (r"^(\w+)our(s|ful|able|ably|ite|ites|hood|hoods|ed|ing|less)?$", r"\1or\2", None),
    (r"^(\w+)ogue(s)?$", r"\1og\2", None),
    (r"^(\w+)ence(s)?$", r"\1ense\2", {"名"}),
    (r"^practis(e|es|ed|ing)$", r"practic\1", None),
    (r"^(\w+[aeiou])ll(ed|ing|er|ers)$", r"\1l\2", None),
    (r"^grey", "gray", None),
]
# Both dictionaries know both forms, yet British writers prefer the second.
KNOWN_PAIRS = {"disk": "disc", "disks": "discs", "adviser": "advisor",
               "advisers": "advisors", "dispatch": "despatch"}
# Forms the rules make that are other words or rare archaisms, not variants.
NOT_VARIANTS = {"prise", "prised", "entre", "bely", "bourn", "instal", "ise", "precent"}


UNKNOWN_IN_PHRASE = "?"


def _apply(rules, word, pos):
    out = set()
    lower = word.lower()
    for pattern, replacement, tags in rules:
        if tags is not None and pos is not None and pos not in tags:
            continue
        form = re.sub(pattern, replacement, lower)
        if form != lower and form not in NOT_VARIANTS:
            out.add(word[0] + form[1:] if word[:1].isupper() else form)
    return out


def british_forms(word, pos=None):
    """Forms of an American word that British writers may use (unchecked)."""
    return _apply(TO_BRITISH, word, pos)


def american_forms(word, pos=None):
    """Forms of a British word that American writers may use (unchecked)."""
    return _apply(TO_AMERICAN, word, pos)


def variants(word, pos, known_us, known_gb):
    """The other side's spellings of word that count, given two dictionary tests
    (known_us(w), known_gb(w) -> bool). pos None: any part of speech."""
    found = set()
    if word.lower() in KNOWN_PAIRS:
        found.add(KNOWN_PAIRS[word.lower()])
    if known_us(word):
        found |= {f for f in british_forms(word, pos) if known_gb(f) and not known_us(f)}
    elif known_gb(word):
        found |= {f for f in american_forms(word, pos) if known_us(f)}
    return found


WORD = re.compile(r"[A-Za-z]+")


def words_of(answer):
    return WORD.findall(answer)
