"""The learner at the program's main window: menus by their access keys,
the toolbar and editor buttons by their place, boxes by their captions."""

import pathlib

from x_desktop import (DriverError, click, display_size, focus, geometry, key, red_share,
                       screenshot, type_text, visible_windows, wait_until, window_name, close_box)

APP_TITLE = "ぽとらん for TOEIC"
CONFIRM_TITLE = "確認"
SAVE_TITLE = "名前を付けて保存"
OPEN_TITLE = "ユーザーファイルを開きます"

CLIENT_WIDTH, CLIENT_HEIGHT = 792, 401

# Client-area geometry (x, y, width, height) of the controls the learner
# clicks, as the window lays them out.
CONTROLS = {
    "SpdBtnTojiru": (168, 4, 40, 28),   # おわる: save and finish
    "SpdBtnSaku": (291, 4, 40, 28),     # つくる: editor mode
    "NewMondai": (476, 266, 150, 20),   # 新規問題作成
    "Hozon": (626, 266, 159, 20),       # 保存
}


class Learner:
    def __init__(self, program, shots=None):
        self.program = program
        self.window = None
        self.shots = pathlib.Path(shots) if shots else None
        self.shot_count = 0

    # The main window.

    def wait_for_window(self, timeout=20.0):
        """The main window once the first activation has run: centred on the
        screen, the splash window gone."""
        screen_width, screen_height = display_size()

        def ready():
            if not self.program.running():
                raise DriverError("the program ended while starting")
            windows = visible_windows(self.program.pid)
            if len(windows) != 1:
                return None
            g = geometry(windows[0])
            # Below 900 pixels the first activation scales the window down;
            # the splash window, smaller too, carries no caption.
            if not g or (g[2] < CLIENT_WIDTH) != (screen_width < 900):
                return None
            if not window_name(windows[0]).startswith(APP_TITLE):
                return None
            # Centred in logical pixels: at a scale factor a pixel or so off.
            centred = (abs(g[0] - (screen_width - g[2]) // 2) <= 1
                       and abs(g[1] - (screen_height - g[3]) // 2) <= 1)
            return windows[0] if centred else None

        self.window = wait_until("the main window, centred, without the splash", ready, timeout)
        self.focus_main()
        self.shot("started")

    def main_visible(self):
        return self.window in visible_windows(self.program.pid)

    def focus_main(self):
        focus(self.window)

    def caption(self):
        return window_name(self.window)

    def wait_caption(self, what, predicate, timeout=10.0):
        return wait_until(what, lambda: predicate(self.caption()) and self.caption(), timeout)

    def client_point(self, x, y):
        g = geometry(self.window)
        if not g:
            raise DriverError("the main window is gone")
        menu_bar = g[3] - CLIENT_HEIGHT
        return g[0] + x, g[1] + menu_bar + y

    def click_control(self, name):
        x, y, w, h = CONTROLS[name]
        click(*self.client_point(x + w // 2, y + h // 2))

    def answer(self, text):
        """Types into the answer field and presses Return."""
        type_text(text)
        key("Return")

    # Menus.

    def popups(self):
        return [w for w in visible_windows(self.program.pid) if w != self.window]

    def menu_command(self, access_key):
        """A command on the menu bar itself (&8. ﾕｰｻﾞｰﾌｧｲﾙ): Alt+access key runs it."""
        self.focus_main()
        key(f"alt+{access_key}")

    def choose_from_menu(self, access_key, *moves):
        """Alt+access key opens the menu, the arrow keys of `moves` walk it,
        Return chooses."""
        self.focus_main()
        key(f"alt+{access_key}")
        opened = 1
        wait_until("the menu to open", lambda: len(self.popups()) >= 1, 5.0)
        for move in moves:
            key(move)
            if move == "Right":
                opened += 1
                wait_until("the submenu to open", lambda: len(self.popups()) >= opened, 5.0)
        self.shot(f"menu-{access_key}")
        key("Return")

    # Boxes.

    def wait_box(self, title, timeout=10.0, besides=()):
        """A visible window of the program captioned `title`, other than the
        main window and `besides`."""
        def found():
            if not self.program.running():
                raise DriverError(f'the program ended while waiting for the box "{title}"')
            for w in visible_windows(self.program.pid):
                if w != self.window and w not in besides and window_name(w) == title:
                    return w
            return None
        return wait_until(f'the box "{title}"', found, timeout)

    def answer_box(self, title, *keys, text=None, besides=(), check=None, wait_close=True):
        """Focuses the box, types `text` if any, presses `keys` and waits for
        the box to close; then gives the main window the keyboard again."""
        box = self.wait_box(title, besides=besides)
        focus(box)
        if check:
            check(box)
        if text is not None:
            type_text(text)
        self.shot(f"box-{title}")
        key(*keys)
        if wait_close:
            self.wait_gone(box, title)
        return box

    def wait_gone(self, box, title):
        wait_until(f'the box "{title}" to close',
                   lambda: not self.program.running()
                   or box not in visible_windows(self.program.pid), 10.0)
        if self.program.running() and self.main_visible() and not self.popups():
            self.focus_main()

    def answer_error_box(self, *keys):
        """The program's error report: captioned like its information boxes,
        told apart by the critical icon."""
        def is_error(box):
            if red_share(box) < 0.002:
                raise DriverError("an information box came where the error report was due")
        return self.answer_box(APP_TITLE, *keys, check=is_error)

    def close_by_close_box(self):
        close_box(self.window)

    def shot(self, label):
        if self.shots:
            self.shots.mkdir(parents=True, exist_ok=True)
            self.shot_count += 1
            screenshot(self.shots / f"{self.shot_count:02d}-{label}.png")
