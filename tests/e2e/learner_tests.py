#!/usr/bin/env python3
"""End-to-end scenarios: the real program, copied with its data into a
temporary program folder, driven under Xvfb as a learner would drive it.

    learner_tests.py PROGRAM_DIR SCENARIO [--shots DIR]

Run inside an X server (xvfb-run). Exit status 0 passed, 1 failed, 77 skipped.
On a failure a screenshot and the program's output go to e2e-failures/ in
the working folder. --shots keeps a screenshot of every step.
"""

import argparse
import os
import pathlib
import pwd
import grp
import resource
import shutil
import signal
import subprocess
import sys
import time
import traceback

# The helpers beside this file are imported from the source tree: leave no
# byte code there.
sys.dont_write_bytecode = True

from desktop_components import (RATE, ComponentMissing, InputMethod, SoundServer, audible_parts,
                                wav_audible)
from learner import (APP_TITLE, CLIENT_HEIGHT, CLIENT_WIDTH, CONFIRM_TITLE, OPEN_TITLE,
                     SAVE_TITLE, Learner)
from program_copy import (ProgramCopy, RunningProgram, answers_of, cp932_lines, settle,
                          wait_for_file)
from x_desktop import (DriverError, bind_characters, focus, geometry, key, red_share, screenshot,
                       type_text, wait_for_display, wait_until, window_name, window_pixels)

SKIP = 77

# Two small sets in the place of 中学1年（１） (entry K111, jhword\tang101.txt).
SET_FILE = "jhword/tang101.txt"
SET_TITLE = "テスト用の単語"
TWO_QUESTIONS = [("りんご", "", " ", "apple"), ("ねこ", "", " ", "cat#動物です。")]
THREE_QUESTIONS = TWO_QUESTIONS + [("いぬ", "", " ", "dog")]


class Skipped(Exception):
    pass


def check(condition, message):
    if not condition:
        raise DriverError(message)


def split_lines(data):
    lines = data.split(b"\r\n")
    check(lines[-1] == b"", "the file does not end with CR LF")
    return lines[:-1]


# The title band (ShadowLabel2 in its panel) and the first toolbar button,
# in client coordinates.
TITLE_BAND = (25, 39, 762, 39)
BACK_BUTTON = (8, 7, 32, 22)  # inside its frame


def edge_blur(window, place):
    """The share of in-between grey levels among the pixels along edges of
    `place` (logical client coordinates) as the screen shows it: a picture
    drawn small and stretched has wider, greyer edges."""
    x0, y0, width, _ = geometry(window)
    scale = width / CLIENT_WIDTH
    menu_bar = geometry(window)[3] - round(CLIENT_HEIGHT * scale)
    x, y, w, h = (round(v * scale) for v in place)
    run = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x0 + x}+{y0 + menu_bar + y}",
                          "-depth", "8", "gray:-"], capture_output=True, timeout=20)
    grey = run.stdout
    check(len(grey) == w * h, f"a screenshot of {w}x{h} pixels gave {len(grey)} bytes")
    ordered = sorted(grey)
    low, high = ordered[len(ordered) // 20], ordered[-len(ordered) // 20]
    lower, upper = low + (high - low) * 0.2, high - (high - low) * 0.2
    edges = between = 0
    for row in range(h - 1):
        for col in range(w - 1):
            v = grey[row * w + col]
            if abs(v - grey[row * w + col + 1]) > 48 or abs(v - grey[(row + 1) * w + col]) > 48:
                edges += 1
                between += lower < v < upper
    check(edges > 0, f"no edges in {place}")
    return between / edges


def choose_k111(learner):
    """Alt+7 中学英単語, Right into 中学1年生, Return on 中学1年（１）."""
    learner.choose_from_menu("7", "Right")
    learner.wait_caption("the set's title in the caption", lambda c: SET_TITLE in c)


class Scenarios:
    def __init__(self, program_dir, shots):
        self.program_dir = program_dir
        self.shots = shots
        self.copy = None
        self.program = None
        self.learner = None
        # Desktop components the scenario started, stopped after it.
        self.components = []

    def start(self, **launch):
        for attempt in range(3):
            wait_for_display()
            self.program = RunningProgram(self.copy, **launch)
            self.learner = Learner(self.program, self.shots)
            try:
                self.learner.wait_for_window()
                return self.learner
            except DriverError:
                # Turned away by the X server (it was resetting or going):
                # the learner would start the program again.
                self.program.stop()
                if attempt == 2 or "could not connect to display" not in self.program.log():
                    raise
                print("the program could not connect to the display; starting it again",
                      file=sys.stderr)
                time.sleep(0.5)

    def finish_by_close_box(self):
        """Ends the program by its close box. Its end also shows that the
        program has done all it was asked before: checks that something did
        not happen may follow it."""
        self.learner.close_by_close_box()
        try:
            code = self.program.wait_exit("the program to end after the close box")
        except DriverError:
            boxes = [window_name(w) for w in self.learner.popups()]
            raise DriverError(f"the program did not end after the close box; open: {boxes}")
        check(code == 0, f"the program ended with status {code}")

    # (a) A perfect run earns the check mark.
    def perfect_run_earns_the_mark(self):
        self.copy.write("checked.txt", b"K12\r\n")
        data = self.copy.write_set(SET_FILE, SET_TITLE, "次の日本語を英語にしなさい。",
                                   TWO_QUESTIONS)
        learner = self.start()
        choose_k111(learner)
        for answer in answers_of(data):
            learner.answer(answer)
        # お疲れさまでした｡全て一度で正解しましたので、この問題集にはチェックマークが付きます。
        learner.answer_box(APP_TITLE, "Return")
        marks = wait_for_file(self.copy, "checked.txt", b"K12\r\nK111\r\n")
        check(marks == b"K12\r\nK111\r\n", f"checked.txt holds {marks!r}")
        if self.shots:
            # The mark before the entry, read back from the file.
            learner.focus_main()
            learner.choose_from_menu("7", "Right")
            learner.wait_caption("the set's title again", lambda c: SET_TITLE in c)
        self.finish_by_close_box()

    # (b) A confirmed finish writes font.txt with the run's counters.
    def confirmed_finish_saves(self):
        before = split_lines(self.copy.read("font.txt"))
        check(len(before) == 30, "the shipped font.txt has not 30 lines")
        # Last run's counts, never carried into this run, and a line the
        # program does not own.
        before[26], before[27] = b"7", b"9"
        before.append("ここは残る".encode("cp932"))
        self.copy.write("font.txt", b"".join(line + b"\r\n" for line in before))
        data = self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", THREE_QUESTIONS)
        learner = self.start()
        choose_k111(learner)
        answers = answers_of(data)
        learner.answer(answers[0])
        learner.answer(answers[1])
        learner.answer("wrong")
        learner.click_control("SpdBtnTojiru")
        learner.answer_box(CONFIRM_TITLE, "alt+y")  # 終了してもよろしいですか？
        learner.answer_box(APP_TITLE, "Return")     # お疲れさまでした。 「継続は力なり」 ...
        code = self.program.wait_exit("the window to close after the finish")
        check(code == 0, f"the program ended with status {code}")
        after = split_lines(self.copy.read("font.txt"))
        check(after[26] == b"2" and after[27] == b"1",
              f"counters written as right {after[26]!r}, wrong {after[27]!r}")
        expected = list(before)
        expected[26], expected[27] = b"2", b"1"
        changed = [i for i in range(max(len(after), len(expected)))
                   if i >= len(after) or i >= len(expected) or after[i] != expected[i]]
        check(not changed, f"font.txt lines {changed} differ: "
              f"{[(after[i] if i < len(after) else None) for i in changed]}")
        check(not self.copy.leftovers(), f"left behind: {self.copy.leftovers()}")

    # (c) A cancelled finish writes nothing.
    def cancelled_finish_writes_nothing(self):
        data = self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", THREE_QUESTIONS)
        learner = self.start()
        choose_k111(learner)
        answers = answers_of(data)
        learner.answer("wrong")
        key("Return")                                 # the miss acknowledged
        learner.answer(answers[0])
        learner.answer(answers[1])
        before = self.copy.snapshot()
        learner.click_control("SpdBtnTojiru")
        learner.answer_box(CONFIRM_TITLE, "Escape")  # キャンセル
        learner.click_control("SpdBtnTojiru")
        learner.answer_box(CONFIRM_TITLE, "alt+n")   # いいえ
        # The drill goes on where it was: question 3, then the end of a pass
        # with a miss, which writes nothing either. Its first box shows the
        # declined finish is over.
        learner.answer(answers[2])

        def stayed(box):
            check(learner.main_visible(), "the window did not stay")
            check(self.copy.snapshot() == before, "a declined finish changed the program folder")
        learner.answer_box(CONFIRM_TITLE, "alt+n", check=stayed)  # 間違った問題だけを出題しますか ?
        learner.answer_box(CONFIRM_TITLE, "alt+n")   # もう一度最初から行いますか ?
        learner.answer_box(APP_TITLE, "Return")      # お疲れさまでした｡次回は...
        self.finish_by_close_box()                   # writes nothing: (d)
        check(self.copy.snapshot() == before, "the drill after the declined finish wrote files")

    # (d) The close box writes nothing.
    def close_box_writes_nothing(self):
        data = self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        learner = self.start()
        choose_k111(learner)
        learner.answer(answers_of(data)[0])
        learner.answer("wrong")
        before = self.copy.snapshot()
        # Reaches the window's close event: the program ends by itself, normally.
        self.finish_by_close_box()
        check(self.copy.snapshot() == before, "the close box changed the program folder")

    # (e) A user file written in the editor reads back byte for byte.
    def user_file_reads_back(self):
        self.copy.write("checked.txt", b"")
        title = "小学1年生問題(例）"                    # proposed by the box, taken as it is
        instruction = "次の英文の（　）に入る語を書きなさい。"
        # 〜 as input methods type it (U+301C): CP932 writes it as 0x8160, the
        # code of ～ (U+FF5E), and the answer typed with it is right.
        questions = [("I ( ) a student.", "私は学生です。", " ", "am#be動詞の現在形"),
                     ("She works ( ).", "彼女は9時から5時まで働きます。", " ", "9〜5")]
        wait_for_display()
        bind_characters(instruction + "".join(l for q in questions for l in q))
        learner = self.start()
        learner.click_control("SpdBtnSaku")
        learner.click_control("NewMondai")
        learner.answer_box(CONFIRM_TITLE, "alt+y")   # 問題集の作成を始めてもよいですか？
        learner.answer_box("問題集の作成１", "Return")
        learner.answer_box("問題集の作成２", "Return", text=instruction)
        for question in questions:
            for n, line in zip("１２３４", question):
                learner.answer_box("問題の入力" + n, "Return", text=line)
        learner.answer_box("問題の入力１", "Return")    # nothing: the set is complete
        learner.answer_box(SAVE_TITLE, "Return", text="mine")
        expected = cp932_lines([title, instruction,
                                *[l.replace("〜", "～") for q in questions for l in q]])
        written = wait_for_file(self.copy, "UserFile/mine.txt", expected)
        check(written == expected, f"UserFile/mine.txt holds {written!r}, not {expected!r}")

        # Read back by the program: &8. ﾕｰｻﾞｰﾌｧｲﾙ, and a perfect run of it.
        learner.menu_command("8")
        learner.answer_box(OPEN_TITLE, "Return", text="mine.txt")
        caption = f"{APP_TITLE}   ユーザーファイル : {title}   mine.txt"
        learner.wait_caption(f'the caption "{caption}"', lambda c: c == caption)
        learner.answer("am")
        learner.answer("9〜5")
        learner.answer_box(APP_TITLE, "Return")      # 全て一度で正解しました...
        self.finish_by_close_box()
        check(self.copy.read("checked.txt") == b"", "a user file earned a catalogue mark")
        check(self.copy.read("UserFile/mine.txt") == expected, "reading changed the file")

    # (f) After a wrong answer only Return acknowledges: arrows, Tab, letters
    # and menu keys change nothing, and the set stays loaded.
    def keys_after_a_wrong_answer(self):
        self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        learner = self.start()
        choose_k111(learner)
        calm = window_pixels(learner.window)
        learner.answer("apples")
        # The miss shown (the answer in red) and the window at rest: the
        # answer waits.
        shown = [b""]

        def miss_shown():
            pixels = window_pixels(learner.window)
            steady = pixels == shown[0]
            shown[0] = pixels
            return steady and red_share(pixels) > red_share(calm) and pixels
        waiting = wait_until("the miss on the window", miss_shown)
        for k in ("Tab", "Right", "Left", "Down", "Up", "a", "alt+1", "alt+h", "F10", "Escape"):
            key(k)
        learner.shot("keys-after-wrong")
        key("Return")             # acknowledges
        # Keys are handled in order: once the acknowledgement shows, every
        # key before it has been handled.
        wait_until("the acknowledgement to change the window (a key before it opened a box?)",
                   lambda: window_pixels(learner.window) != waiting)
        check(not learner.popups(), "a key opened a menu or a box while the answer waited")
        check(SET_TITLE in learner.caption(), "a key closed the set while the answer waited")
        learner.answer("apple")   # retyped: the drill goes on
        learner.answer("cat")
        # The end of the pass asks about the missed question: the set was loaded throughout.
        learner.answer_box(CONFIRM_TITLE, "alt+n")
        learner.answer_box(CONFIRM_TITLE, "alt+n")
        learner.answer_box(APP_TITLE, "Return")
        self.finish_by_close_box()

    # (g) Without checked.txt an entry can be chosen; without kesu.bmp the
    # submenu stays open and its error waits until the entry is chosen.
    def menus_without_marks_or_eraser(self):
        self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        os.remove(self.copy.path("checked.txt"))
        learner = self.start()
        choose_k111(learner)
        check(not learner.popups(), "a box came with a missing checked.txt")
        os.remove(self.copy.path("kesu.bmp"))
        learner.focus_main()
        key("alt+7")
        wait_until("the menu to open", lambda: len(learner.popups()) >= 1, 5.0)
        key("Right")
        wait_until("the submenu to open", lambda: len(learner.popups()) >= 2, 5.0)
        learner.shot("submenu-open")
        key("Return")
        # Return chose the entry only if the submenu stayed open.
        learner.wait_caption("the set's title in the caption (the submenu closed while it opened?)",
                             lambda c: SET_TITLE in c)
        learner.answer_error_box("Return")     # ファイル kesu.bmp は開けません, once
        # A second report would stand in the way of the close box.
        self.finish_by_close_box()

    # (h) On a 853-pixel screen the question numbers stand below the footer band.
    def strip_on_a_narrow_screen(self):
        self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        learner = self.start()
        choose_k111(learner)
        learner.answer("apple")
        settle()
        learner.shot("narrow-strip")
        x, y, width, height = geometry(learner.window)
        ratio = width / CLIENT_WIDTH
        menu_bar = height - round(CLIENT_HEIGHT * ratio)
        footer_bottom = menu_bar + round(355 * ratio)
        run = subprocess.run(["import", "-window", str(learner.window), "-depth", "8", "rgb:-"],
                             capture_output=True, timeout=20)
        data = run.stdout
        blue = [(i // 3 % width, i // 3 // width) for i in range(0, len(data) - 2, 3)
                if data[i] < 60 and data[i + 1] < 60 and data[i + 2] > 200]
        below = [p for p in blue if p[1] >= footer_bottom]
        check(below, "the blue number of the right answer is not in view below the footer")
        check(all(p[0] < 60 for p in below), f"blue pixels outside the first cell: {below[:5]}")
        self.finish_by_close_box()

    # The learner's sound server, up only after the first pass began (a slow
    # login): from the next pass on every sound plays whole, in order, each
    # within 100 ms of its Return.
    def sounds_play_whole(self):
        server = SoundServer(self.copy.root / "pulse")
        self.components.append(server)
        self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        learner = self.start(env={"PULSE_SERVER": f"unix:{server.socket}"})
        choose_k111(learner)
        server.start()
        server.record()
        choose_k111(learner)
        returns = []

        def answer(text, wait):
            type_text(text)
            returns.append(time.monotonic())
            key("Return")
            settle(wait)

        answer("apple", 1.2)
        answer("cats", 0.8)
        key("Return")  # acknowledges the miss
        answer("cat", 1.2)
        samples, start = server.recording()
        parts = audible_parts(samples, gap=0.2)
        files = ("seikai.wav", "batu.wav", "seikai2.wav")
        heard = [f"{(b - a) / RATE:.3f} s at {start + a / RATE - r:+.3f} s"
                 for (a, b), r in zip(parts, returns)]
        print(f"recorded: {heard}")
        check(len(parts) == 3, f"{len(parts)} sounds heard, not 3: {parts}")
        for (first, last), pressed, name in zip(parts, returns, files):
            length, peak = wav_audible(self.copy.path(name))
            got_length = (last - first) / RATE
            got_peak = max(abs(v) for v in samples[first:last + 1])
            delay = start + first / RATE - pressed
            check(abs(got_length - length) <= 0.05 * length,
                  f"{name}: {got_length:.3f} s heard of {length:.3f} s")
            check(abs(got_peak - peak) <= 0.05 * peak, f"{name}: peak {got_peak} of {peak}")
            check(0 <= delay <= 0.1, f"{name} began {delay * 1000:.0f} ms after its Return")

    # Japanese through fcitx5 and Mozc: typed into an editor box it arrives;
    # with Mozc switched on, the answer field still takes "do" as typed.
    def japanese_through_mozc(self):
        wrapper, env = self.unprivileged()
        im = InputMethod(self.copy.home, wrapper, env)
        self.components.append(im)
        im.start()
        learner = self.start(wrapper=wrapper, env={**env, **im.env})

        def switch_mozc(on):
            key("ctrl+space")
            wait_until(f"Mozc switched {'on' if on else 'off'}",
                       lambda: im.state() == (2 if on else 1), 5.0)

        learner.click_control("SpdBtnSaku")
        learner.click_control("NewMondai")
        learner.answer_box(CONFIRM_TITLE, "alt+y")   # 問題集の作成を始めてもよいですか？
        box = learner.wait_box("問題集の作成１")
        focus(box)
        key("ctrl+a", "BackSpace")
        switch_mozc(True)
        type_text("ringo")
        key("Return")                                # commits りんご
        settle()
        learner.shot("mozc-in-editor-box")
        learner.answer_box("問題集の作成１", "Return")
        focus(learner.wait_box("問題集の作成２"))
        switch_mozc(False)
        learner.answer_box("問題集の作成２", "Return", text="x")
        for n, line in zip("１２３４", ("a", "b", " ", "do")):
            learner.answer_box("問題の入力" + n, "Return", text=line)
        learner.answer_box("問題の入力１", "Return")
        learner.answer_box(SAVE_TITLE, "Return", text="mine")
        expected = cp932_lines(["りんご", "x", "a", "b", " ", "do"])
        written = wait_for_file(self.copy, "UserFile/mine.txt", expected)
        check(written == expected, f"UserFile/mine.txt holds {written!r}, not {expected!r}")

        learner.menu_command("8")
        box = learner.wait_box(OPEN_TITLE)
        focus(box)
        type_text("mine.txt")
        settle()
        if len(learner.popups()) > 1:
            key("Escape")  # the completion list, which would take the next keys
            wait_until("the completion list to close", lambda: len(learner.popups()) == 1, 5.0)
        switch_mozc(True)
        learner.answer_box(OPEN_TITLE, "Return")
        learner.wait_caption("the set in the caption", lambda c: "mine.txt" in c)
        type_text("do")
        settle()
        learner.shot("mozc-on-answer-field")
        key("Return")
        learner.answer_box(APP_TITLE, "Return")      # 全て一度で正解しました...
        check(im.state() == 2, "Mozc went off by itself")

    # High-DPI screens: at Qt's scale factors the title band's text and the
    # toolbar glyphs are as sharp as at scale 1 (their share of in-between
    # colours along edges at most 5 points above it).
    def sharp_at_scale_2(self):
        self.sharp_at_scale("2")

    def sharp_at_scale_1_5(self):
        self.sharp_at_scale("1.5")

    def sharp_at_scale_1_5_narrow(self):
        self.sharp_at_scale("1.5")

    def sharp_at_scale(self, factor):
        self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        shares = {}
        for scale in ("1", factor):
            learner = self.start(env={"QT_SCALE_FACTOR": scale})
            choose_k111(learner)
            settle()
            learner.shot(f"scale-{scale}")
            shares[scale] = [edge_blur(learner.window, place)
                             for place in (TITLE_BAND, BACK_BUTTON)]
            self.program.stop()
        print(f"in-between share along edges (title band, glyph): {shares}")
        for part, base, scaled in zip(("title band", "glyph"), shares["1"], shares[factor]):
            check(scaled <= base + 0.05,
                  f"the {part} at scale {factor} is blurred: {scaled:.3f} against {base:.3f}")

    # Faults: the disk refuses every write (a file size limit of 0 on the
    # program: writes fail midway as on a full disk, and root cannot bypass it).
    def full_disk_keeps_every_file(self):
        self.copy.write("checked.txt", b"K12\r\n")
        data = self.copy.write_set(SET_FILE, SET_TITLE, "英語にしなさい。", TWO_QUESTIONS)
        old_user_file = cp932_lines(["古い問題集", "設問", "q1", "m1", " ", "a1"])
        self.copy.write("UserFile/old.txt", old_user_file)
        before = self.copy.snapshot()

        # SIGXFSZ keeps its default: the program itself must not die of it.
        def full_disk():
            signal.signal(signal.SIGXFSZ, signal.SIG_DFL)
            hard = resource.getrlimit(resource.RLIMIT_FSIZE)[1]
            resource.setrlimit(resource.RLIMIT_FSIZE, (0, hard))

        learner = self.start(preexec=full_disk)
        # The mark append.
        choose_k111(learner)
        for answer in answers_of(data):
            learner.answer(answer)
        learner.answer_box(APP_TITLE, "Return")      # the check-mark box
        learner.answer_error_box("Return")           # ファイル checked.txt を作成できません
        # The user-file save, over an existing file.
        learner.menu_command("8")
        learner.answer_box(OPEN_TITLE, "Return", text="old.txt")
        learner.wait_caption("the user file in the caption", lambda c: "old.txt" in c)
        learner.click_control("SpdBtnSaku")
        learner.click_control("Hozon")
        # The proposed name is old.txt itself; the dialog asks before replacing it.
        dialog = learner.answer_box(SAVE_TITLE, "Return", wait_close=False)
        learner.answer_box(SAVE_TITLE, "alt+y", besides=(dialog,))
        learner.wait_gone(dialog, SAVE_TITLE)
        learner.answer_error_box("Return")           # ファイル .../old.txt を作成できません
        self.refused_finish(learner, before, "a refused write changed the program folder")

    # Faults: a read-only font.txt, the program run by an ordinary user (root
    # may write any file).
    def read_only_settings_unprivileged(self):
        wrapper, env = self.unprivileged()
        self.copy.path("font.txt").chmod(0o444)
        before = self.copy.snapshot()
        learner = self.start(wrapper=wrapper, env=env)
        self.refused_finish(learner, before, "the refused finish changed the program folder")

    def unprivileged(self):
        """The wrapper and environment that run a program as an ordinary user
        (nobody, when the test runs as root), with the program folder, the
        home folder and the X display open to it."""
        wrapper = ()
        if os.geteuid() == 0:
            if not shutil.which("setpriv"):
                raise Skipped("setpriv is missing")
            try:
                user, group = pwd.getpwnam("nobody"), grp.getgrnam("nogroup")
            except KeyError:
                raise Skipped("no user nobody or group nogroup")
            wrapper = ("setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--")
            for folder in (self.copy.home, self.copy.runtime):
                os.chown(folder, user.pw_uid, group.gr_gid)
        env = {}
        if os.environ.get("XAUTHORITY"):
            # xvfb-run keeps its cookie in a folder only root may enter.
            cookie = self.copy.root / "xauthority"
            shutil.copyfile(os.environ["XAUTHORITY"], cookie)
            cookie.chmod(0o644)
            env["XAUTHORITY"] = str(cookie)
        self.copy.root.chmod(0o755)
        self.copy.dir.chmod(0o777)
        self.copy.path("UserFile").chmod(0o777)
        return wrapper, env

    # The finish when font.txt cannot be written: the program says so, stays
    # open, and the folder is as it was; then the close box ends it.
    def refused_finish(self, learner, before, changed_message):
        learner.click_control("SpdBtnTojiru")
        learner.answer_box(CONFIRM_TITLE, "alt+y")
        learner.answer_box(APP_TITLE, "Return")      # the farewell box
        learner.answer_error_box("Return")           # ファイル font.txt を作成できません
        # The window stays and offers the finish again (declined here).
        check(self.program.running(), "the program ended although font.txt could not be written")
        learner.click_control("SpdBtnTojiru")
        learner.answer_box(CONFIRM_TITLE, "Escape")
        check(learner.main_visible(), "the window closed although font.txt could not be written")
        check(self.copy.snapshot() == before, changed_message)
        self.finish_by_close_box()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program_dir")
    parser.add_argument("scenario")
    parser.add_argument("--shots")
    args = parser.parse_args()
    scenarios = Scenarios(args.program_dir, args.shots)
    run = getattr(scenarios, args.scenario, None)
    if run is None or args.scenario.startswith("_"):
        print(f"no scenario {args.scenario}", file=sys.stderr)
        return 2
    for tool in ("xdotool", "import"):
        if not shutil.which(tool):
            print(f"{tool} is missing: run scripts/install-deps", file=sys.stderr)
            return 1
    started = time.monotonic()
    scenarios.copy = ProgramCopy(args.program_dir)
    status = 0
    try:
        run()
        print(f"{args.scenario}: passed in {time.monotonic() - started:.1f} s")
    except (Skipped, ComponentMissing) as reason:
        print(f"{args.scenario}: skipped: {reason}")
        status = SKIP
    except Exception:
        status = 1
        traceback.print_exc()
        failures = pathlib.Path("e2e-failures")
        failures.mkdir(exist_ok=True)
        screenshot(failures / f"{args.scenario}.png")
        print(f"{args.scenario}: FAILED after {time.monotonic() - started:.1f} s; "
              f"screenshot {failures.resolve() / (args.scenario + '.png')}", file=sys.stderr)
    finally:
        if scenarios.program:
            scenarios.program.stop()
            if status == 1:
                print("program output:\n" + scenarios.program.log(), file=sys.stderr)
        for component in scenarios.components:
            component.stop()
            if status == 1 and hasattr(component, "log"):
                print(component.log(), file=sys.stderr)
        scenarios.copy.remove()
    return status


if __name__ == "__main__":
    sys.exit(main())
