"""Self-tests of build_sets.py and validate_sets.py on crafted good and bad input."""

import io
import os
import shutil
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
import tempfile
import unittest
from contextlib import redirect_stdout

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.dirname(HERE))
import build_sets  # noqa: E402
import check_idioms  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "wordlists"))
import check_wordlists  # noqa: E402
import set_format as sf  # noqa: E402
import synonym_candidates  # noqa: E402
import validate_sets  # noqa: E402

PILOT = os.path.join(HERE, "jhword", "tang101.tsv")


def row(word="answer", pos="動", meaning="答える", example="Can you answer this question?",
        translation="この質問に答えられますか。"):
    return build_sets.Row(1, word, pos, meaning, example, translation)


def sentence(line1="～の世話をする", line2="She （　　） her little brother yesterday.",
             line3="（2語）", answer="looked after",
             explanation="彼女は昨日、弟の世話をした。"):
    return build_sets.SentenceRow(1, line1, line2, line3, answer, explanation)


def sentence_source(rows, instruction=None):
    """The text of a sentence source of 30 rows made from the given row texts."""
    lines = ["#instruction: " + instruction] if instruction else []
    return "\n".join(lines + rows) + "\n"


GOOD_SENTENCE_ROWS = [
    "～の世話をする\tShe （　　） her little brother yesterday.\t（2語）\tlooked after\t"
    "彼女は昨日、弟の世話をした。"] + [
    "第%d問\tWe have %s apples on the （　　）.\t\ttable\tテーブルの上にりんごがあります。"
    % (n, word) for n, word in enumerate(
        ("two three four five six seven eight nine ten eleven twelve thirteen fourteen "
         "fifteen sixteen seventeen eighteen nineteen twenty many some no red green big "
         "small old fresh sweet").split(), 2)]


class CueAndMask(unittest.TestCase):
    def test_cue_shows_first_letter_other_characters_and_letter_count(self):
        self.assertEqual(sf.cue("動", "accommodate"), "（動）a＿＿＿＿＿＿＿＿＿＿（11文字）")
        self.assertEqual(sf.cue("名", "T-shirt"), "（名）T-＿＿＿＿＿（6文字）")
        self.assertEqual(sf.cue("副", "o'clock"), "（副）o'＿＿＿＿＿（6文字）")
        self.assertEqual(sf.masked("T-shirt"), "T-_____")

    def test_masking_touches_the_whole_word_only(self):
        self.assertEqual(sf.mask_word_in("I educate my cat.", "cat"), "I educate my c__.")

    def test_synonym_glosses_include_the_minor_ones_without_notes(self):
        # defer's 延期する is no main gloss, yet it is what pairs defer with delay
        items = synonym_candidates.gloss_items(
            "…を『延ばす』,延期する(postpone) / 《defer to》(人に)従う;〈人〉を待たせる")
        self.assertTrue({"延ばす", "延期する", "従う", "を待たせる"} <= items, items)
        self.assertFalse([i for i in items if "(" in i or "《" in i or "『" in i], items)


class GeneratorRows(unittest.TestCase):
    def test_good_row_has_no_problem_and_four_lines(self):
        r = row()
        self.assertEqual(build_sets.row_problems(r), [])
        self.assertEqual(r.lines(), ["答える", "（動）a＿＿＿＿＿（6文字）", " ",
                                     "answer#Can you a_____ this question? この質問に答えられますか。"])

    def test_word_must_stand_once_in_exactly_its_form(self):
        for example in ("Can you reply?", "Answer me.", "answer or answer",
                        "He answers it."):
            with self.subTest(example=example):
                problems = build_sets.row_problems(row(example=example))
                self.assertTrue(any("exactly once" in p for p in problems), problems)

    def test_characters_that_do_not_survive_cp932_are_refused(self):
        for meaning in ("\u301cについて", "答える\u2014返事"):
            with self.subTest(meaning=meaning):
                problems = build_sets.row_problems(row(meaning=meaning))
                self.assertTrue(any("CP932" in p for p in problems), problems)

    def test_hint_over_200_bytes_is_refused(self):
        example = "Can you answer this question? " + "x" * 100
        translation = "あ" * 40  # hint: 130 + 1 + 80 = 211 bytes
        problems = build_sets.row_problems(row(example=example, translation=translation))
        self.assertTrue(any("more than 200" in p for p in problems), problems)

    def test_bad_part_of_speech_and_short_word(self):
        problems = build_sets.row_problems(row(word="go", pos="X", example="We go."))
        self.assertTrue(any("fewer than 3" in p for p in problems))
        self.assertTrue(any("part of speech" in p for p in problems))


class SentenceRows(unittest.TestCase):
    def problems(self, kind="idiom", **fields):
        return build_sets.sentence_row_problems(kind, sentence(**fields))

    def assertReported(self, problems, text):
        self.assertTrue(any(text in p for p in problems), problems)

    def test_good_row_has_no_problem_and_four_lines(self):
        self.assertEqual(self.problems(), [])
        self.assertEqual(sentence().lines(), [
            "～の世話をする", "She （　　） her little brother yesterday.", "（2語）",
            "looked after#彼女は昨日、弟の世話をした。"])

    def test_empty_third_column_is_a_single_space(self):
        r = sentence(line3="", answer="cared", line2="She （　　） for her brother.")
        self.assertEqual(r.lines()[2], " ")
        self.assertEqual(build_sets.sentence_row_problems("idiom", r), [])

    def test_two_blanks_or_none(self):
        self.assertReported(self.problems(line2="She （　　） her （　　） brother."),
                            "holds 2 blanks")
        self.assertReported(self.problems(line2="She looked after her brother."),
                            "holds 0 blanks")
        self.assertReported(self.problems(line2="She (  ) her little brother."),
                            "not written as")

    def test_blank_at_the_start_of_a_sentence(self):
        for line2 in ("（　　） her little brother.", "Yes. （　　） her little brother.",
                      "A: Who is he? B: （　　） my brother."):
            with self.subTest(line2=line2):
                self.assertReported(self.problems(line2=line2), "starts a sentence")
        for line2 in ('She said, "（　　） her brother."', 'He said, "Go." （　　） her brother.'):
            with self.subTest(line2=line2):
                self.assertReported(self.problems(line2=line2), "starts a sentence")
        self.assertEqual(self.problems(line1="～を表す", line2='What does "UN" （　　）?',
                                       answer="stand for"), [])

    def test_word_count_missing_or_wrong(self):
        self.assertReported(self.problems(line3=""), "must say so")
        self.assertReported(self.problems(line3="（3語）"), "says 3語")
        self.assertEqual(self.problems(kind="rewrite", line1="She looked after him.",
                                       line3="(ほぼ同じ意味に・2語)"), [])

    def test_line_limits_and_answer_characters(self):
        self.assertReported(self.problems(line2="She （　　） " + "x" * 60 + "."),
                            "line 2 is 74 bytes")
        self.assertReported(self.problems(line3="（2語）" + "あ" * 40), "line 3 is")
        self.assertReported(self.problems(answer="looked  after"), "single spaces")
        self.assertReported(self.problems(explanation="あ" * 101), "more than 200")
        self.assertReported(self.problems(explanation="\u301cの世話"), "CP932")

    def test_line_1_by_kind(self):
        self.assertReported(self.problems(line1="look after"), "holds no Japanese")
        self.assertReported(self.problems(kind="rewrite"), "original English sentence")


class SentenceFiles(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        os.mkdir(os.path.join(self.tmp, "semi"))
        self.src = os.path.join(self.tmp, "semi", "tango51.tsv")
        self.out = os.path.join(self.tmp, "data")
        self.info = sf.find_set("semi", "tango51.txt")

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def build(self, rows, instruction=None):
        with open(self.src, "w", encoding="utf-8") as f:
            f.write(sentence_source(rows, instruction))
        return build_sets.build(self.src, self.out, False)

    def validate(self):
        report = validate_sets.Report()
        sentences = []
        path = os.path.join(self.out, "semi", "tango51.txt")
        outcome = validate_sets.check_set(self.info, path, report, {}, sentences)
        validate_sets.check_sentence_repeats(sentences, report)
        validate_sets.check_sentence_spelling(sentences, {"Kenta"}, report)
        return outcome, report.problems

    def test_good_source_builds_a_valid_set(self):
        self.assertEqual(self.build(GOOD_SENTENCE_ROWS), [])
        with open(os.path.join(self.out, "semi", "tango51.txt"), "rb") as f:
            lines = f.read().decode("cp932").split("\r\n")[:-1]
        self.assertEqual(len(lines), sf.LINES)
        self.assertEqual(lines[:3], ["重要ｲﾃﾞｨｵﾑ（１）", sf.IDIOM_INSTRUCTION, "～の世話をする"])
        self.assertEqual(lines[9], "table#テーブルの上にりんごがあります。")
        self.assertEqual(self.validate(), ("checked", []))

    def test_instruction_line_from_the_source(self):
        self.assertEqual(self.build(GOOD_SENTENCE_ROWS, "空欄に合う語句を入れなさい。"), [])
        self.assertEqual(self.validate(), ("checked", []))
        problems = self.build(GOOD_SENTENCE_ROWS, "Fill in the blank.")
        self.assertTrue(any("instruction holds no Japanese" in p for p in problems), problems)

    def test_repeated_question_and_row_count(self):
        problems = self.build(GOOD_SENTENCE_ROWS[:29] + GOOD_SENTENCE_ROWS[1:2])
        self.assertTrue(any("repeats the question of line" in p for p in problems), problems)
        problems = self.build(GOOD_SENTENCE_ROWS[:29])
        self.assertTrue(any("29 rows" in p for p in problems), problems)

    def test_misspelling_in_the_filled_sentence(self):
        rows = list(GOOD_SENTENCE_ROWS)
        rows[0] = rows[0].replace("her little brother", "Kenta's litle brother")
        self.assertEqual(self.build(rows), [])  # the builder does not spell-check
        outcome, problems = self.validate()
        self.assertTrue(any("question 1 (looked after): litle not in the en_US" in p
                            for p in problems), problems)
        self.assertFalse(any(": Kenta" in p for p in problems), problems)  # a listed name

    def test_validator_refuses_what_the_builder_would(self):
        self.assertEqual(self.build(GOOD_SENTENCE_ROWS), [])
        path = os.path.join(self.out, "semi", "tango51.txt")
        with open(path, "rb") as f:
            lines = f.read().decode("cp932").split("\r\n")[:-1]
        lines[3] = "（　　） her little brother yesterday."  # question 1, line 2
        lines[4] = " "  # no word count for "looked after"
        lines[7] = lines[7].replace("（　　）", "（　　） （　　）")  # question 2: two blanks
        with open(path, "wb") as f:
            f.write(sf.encode_lines(lines))
        problems = self.validate()[1]
        for text in ("question 1 (looked after): the blank starts a sentence",
                     "question 1 (looked after): the answer 'looked after' has 2 words",
                     "question 2 (table): line 2 holds 2 blanks"):
            self.assertTrue(any(text in p for p in problems), (text, problems))

    def test_link_parser_warnings_where_installed(self):
        if shutil.which("link-parser") is None:
            self.skipTest("link-parser is not installed")
        s = validate_sets.Sentence("x: question 1 (go)", ["行く", "He （　　） school yesterday the.",
                                                            " ", "go#"], "go")
        good = validate_sets.Sentence("x: question 2 (go)", ["行く", "We （　　） to school.",
                                                             " ", "go#"], "go")
        report = validate_sets.Report()
        self.assertTrue(validate_sets.check_sentence_grammar([s, good], report))
        self.assertEqual(len(report.warnings), 1, report.warnings)
        self.assertIn("question 1", report.warnings[0])
        self.assertEqual(report.problems, [])


class IdiomList(unittest.TestCase):
    def test_distinctness_ignores_stand_ins_but_not_be_or_do(self):
        self.assertEqual(check_idioms.key("make up one's mind"), check_idioms.key("make up mind"))
        self.assertNotEqual(check_idioms.key("used to do"), check_idioms.key("be used to doing"))

    def test_idiom_agrees_with_inflected_answers(self):
        for idiom, answer in (("look after", "looked after"), ("take part in", "took part in"),
                              ("make up one's mind", "made up her mind"),
                              ("be fond of", "fond of"), ("die out", "dying out"),
                              ("get ready for", "getting ready for")):
            with self.subTest(idiom=idiom):
                self.assertTrue(check_idioms.agrees(idiom, answer))
        self.assertFalse(check_idioms.agrees("look after", "take care of"))


class WordListLevels(unittest.TestCase):
    def test_words_outside_the_range_unless_excepted_and_stale_exceptions(self):
        words = {"toeic550.txt": ["cat", "meeting", "paralyze", "invoice"],
                 "toeic700.txt": ["invoice", "budget"]}
        levels = {"cat": "A1", "meeting": "A2", "paralyze": "B2", "budget": "B1"}
        exceptions = {("invoice", "toeic700.txt"), ("monk", "toeic550.txt")}
        problems = check_wordlists.level_problems(words, levels, exceptions)
        self.assertEqual(len(problems), 4, problems)
        for text in ("'cat' is A1", "'paralyze' is B2", "toeic550.txt: 'invoice' is not in",
                     "'monk' is not in toeic550.txt"):
            self.assertTrue(any(text in w for w in problems), (text, problems))


class GeneratorFiles(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        self.src = os.path.join(self.tmp, "jhword")
        os.mkdir(self.src)
        with open(PILOT, encoding="utf-8") as f:
            self.rows = f.read().splitlines()

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def build(self, rows):
        path = os.path.join(self.src, "tang101.tsv")
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(rows) + "\n")
        out = os.path.join(self.tmp, "data")
        return build_sets.build(path, out, False), os.path.join(out, "jhword", "tang101.txt")

    def test_pilot_source_builds_a_valid_set(self):
        problems, target = self.build(self.rows)
        self.assertEqual(problems, [])
        with open(target, "rb") as f:
            raw = f.read()
        self.assertTrue(raw.endswith(b"\r\n"))
        lines = raw.decode("cp932").split("\r\n")[:-1]
        self.assertEqual(len(lines), 122)
        self.assertEqual(lines[:2], ["中学1年（１）", sf.VOCAB_INSTRUCTION])

    def test_wrong_row_count_writes_nothing(self):
        problems, target = self.build(self.rows[:29])
        self.assertTrue(any("29 rows" in p for p in problems), problems)
        self.assertFalse(os.path.exists(target))

    def test_unsorted_or_foreign_words_are_refused(self):
        swapped = [self.rows[1], self.rows[0]] + self.rows[2:]
        problems, target = self.build(swapped)
        self.assertTrue(any("alphabetical" in p for p in problems), problems)
        self.assertFalse(os.path.exists(target))


class Validator(unittest.TestCase):
    """Each case breaks one rule in a copy of a good set and expects its report."""

    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        problems = build_sets.build(PILOT, self.tmp, False)
        self.assertEqual(problems, [])
        self.info = sf.find_set("jhword", "tang101.txt")
        self.path = os.path.join(self.tmp, "jhword", "tang101.txt")
        with open(self.path, "rb") as f:
            self.lines = f.read().decode("cp932").split("\r\n")[:-1]

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def check(self, lines=None, raw=None):
        with open(self.path, "wb") as f:
            f.write(raw if raw is not None else sf.encode_lines(lines))
        report = validate_sets.Report()
        answers, spelled = {}, []
        outcome = validate_sets.check_set(self.info, self.path, report, answers, None, spelled)
        validate_sets.check_levels(answers, report)
        validate_sets.check_spelling(answers, report)
        self.variants_checked = validate_sets.check_spelling_variants(spelled, report)
        return outcome, report.problems

    def assertReported(self, problems, text):
        self.assertTrue(any(text in p for p in problems), problems)

    def test_good_set_passes(self):
        self.assertEqual(self.check(self.lines), ("checked", []))

    def test_wrong_cue(self):
        self.lines[3] = "（前）a＿＿＿（4文字）"  # "about" has 5 letters
        self.assertReported(self.check(self.lines)[1], "question 1 (about): cue")

    def test_unsorted_answers(self):
        self.lines[2:6], self.lines[6:10] = self.lines[6:10], self.lines[2:6]
        self.assertReported(self.check(self.lines)[1], "question 2 (about): not in alphabetical")

    def test_hint_of_201_bytes(self):
        answer, _, hint = self.lines[5].partition("#")
        self.lines[5] = answer + "#" + hint + " " + "x" * (200 - sf.byte_length(hint))
        self.assertReported(self.check(self.lines)[1], "hint is 201 bytes")

    def test_bytes_that_do_not_round_trip(self):
        raw = sf.encode_lines(self.lines).replace("～について".encode("cp932"), b"\x87\x90")
        self.assertReported(self.check(raw=raw)[1], "line 2: does not survive a CP932 round trip")

    def test_misspelled_and_repeated_answers(self):
        self.lines[13] = self.lines[13].replace("again#", "agian#", 1)
        self.lines[9] = self.lines[9].replace("after#", "about#", 1)
        problems = self.check(self.lines)[1]
        self.assertReported(problems, "(agian): not in the en_US spelling dictionary")
        self.assertReported(problems, "question 2 (about): answer also used at")

    def test_british_spelling_the_cue_does_not_rule_out(self):
        # question 1 becomes "center": centre has its letters; colour is one longer
        self.lines[2:6] = ["中心", sf.cue("名", "center"), " ", "center#c_____ 中心"]
        self.lines[6:10] = ["色", sf.cue("名", "color"), " ", "color#c____ 色"]
        problems = self.check(self.lines)[1]
        if not self.variants_checked:
            self.skipTest("hunspell en_GB dictionary not installed")
        self.assertReported(problems, "(center): centre is right too")
        self.assertFalse(any("colour" in p for p in problems), problems)
        self.lines[4] = sf.SPELLING_CUE
        self.assertFalse(any("centre" in p for p in self.check(self.lines)[1]))
        self.lines[2], self.lines[4] = "中心（語尾が -er のつづりで）", " "
        self.assertFalse(any("centre" in p for p in self.check(self.lines)[1]))
        self.assertIsNone(validate_sets.unknown_words("xx_NONE", {"center"}))

    def test_reviewed_pair_whose_question_changed(self):
        review = os.path.join(self.tmp, "review.tsv")

        def problems(decision, fingerprint):
            with open(review, "w", encoding="utf-8") as f:
                f.write("jhword/tang101.txt\t1\tabout\tanent\t%s\t%s\tnote\n"
                        % (decision, fingerprint))
            report, fingerprints = validate_sets.Report(), {}
            with open(self.path, "wb") as f:
                f.write(sf.encode_lines(self.lines))
            validate_sets.check_set(self.info, self.path, report, {}, None, None, fingerprints)
            validate_sets.check_reviewed_pairs(review, fingerprints, report)
            return report.problems

        signed = sf.question_fingerprint(self.lines[2:6])
        self.assertEqual(problems("distinct", signed), [])
        self.assertReported(problems("todo", signed), "not reviewed yet")
        self.lines[5] = self.lines[5].replace("about#", "above#", 1)
        self.assertReported(problems("distinct", signed), "question 1 is not 'about' but 'above'")
        self.lines[5] = self.lines[5].replace("above#", "about#", 1)
        self.lines[2] = "～について（話題）"
        self.assertReported(problems("distinct", signed), "question changed since")

    def test_hint_that_gives_away_the_next_answer(self):
        # question 2 is "after": a form of it in question 1's hint gives it away
        self.lines[5] = self.lines[5].replace("#", "#Afterwards, ", 1)
        self.assertReported(self.check(self.lines)[1],
                            "question 1 (about): its meaning or hint shows Afterwards")
        self.assertEqual(sf.family_words("annoy", "How annoying! An anniversary."), ["annoying"])

    def test_more_than_three_katakana_meanings(self):
        # the set already holds three: バナナ, バスケットボール, ベッド
        self.lines[2] = "ネコ"  # a Japanese word written in katakana
        self.assertEqual(self.check(self.lines)[1], [])
        self.lines[6] = "カード、ノート"  # a fourth loanword
        self.assertReported(self.check(self.lines)[1], "4 meanings are katakana only")

    def test_placeholder_is_refused(self):
        self.lines[1] = "準備中です" + sf.PLACEHOLDER_MARKER
        outcome, problems = self.check(self.lines)
        self.assertEqual(outcome, "placeholder")
        self.assertReported(problems, "is still a placeholder")

    def test_summary_and_exit_status_on_a_data_folder(self):
        out = io.StringIO()
        with redirect_stdout(out):
            status = validate_sets.main([self.tmp, "--dictionary", os.devnull])
        self.assertEqual(status, 1)  # every other catalogue set is missing here
        self.assertIn("1 checked", out.getvalue().splitlines()[-1])
        self.assertIn("203 missing", out.getvalue().splitlines()[-1])


if __name__ == "__main__":
    unittest.main()
