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
import set_format as sf  # noqa: E402
import validate_sets  # noqa: E402

PILOT = os.path.join(HERE, "jhword", "tang101.tsv")


def row(word="answer", pos="動", meaning="答える", example="Can you answer this question?",
        translation="この質問に答えられますか。"):
    return build_sets.Row(1, word, pos, meaning, example, translation)


class CueAndMask(unittest.TestCase):
    def test_cue_shows_first_letter_other_characters_and_letter_count(self):
        self.assertEqual(sf.cue("動", "accommodate"), "（動）a＿＿＿＿＿＿＿＿＿＿（11文字）")
        self.assertEqual(sf.cue("名", "T-shirt"), "（名）T-＿＿＿＿＿（6文字）")
        self.assertEqual(sf.cue("副", "o'clock"), "（副）o'＿＿＿＿＿（6文字）")
        self.assertEqual(sf.masked("T-shirt"), "T-_____")

    def test_masking_touches_the_whole_word_only(self):
        self.assertEqual(sf.mask_word_in("I educate my cat.", "cat"), "I educate my c__.")


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
        answers = {}
        outcome = validate_sets.check_set(self.info, self.path, report, False, answers)
        validate_sets.check_levels(answers, report)
        validate_sets.check_spelling(answers, report)
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

    def test_placeholder_is_skipped_and_counted(self):
        self.lines[1] = "準備中です" + sf.PLACEHOLDER_MARKER
        self.assertEqual(self.check(self.lines), ("placeholder", []))

    def test_summary_and_exit_status_on_a_data_folder(self):
        out = io.StringIO()
        with redirect_stdout(out):
            status = validate_sets.main([self.tmp, "--dictionary", os.devnull])
        self.assertEqual(status, 1)  # every other catalogue set is missing here
        self.assertIn("1 checked", out.getvalue().splitlines()[-1])
        self.assertIn("203 missing", out.getvalue().splitlines()[-1])


if __name__ == "__main__":
    unittest.main()
