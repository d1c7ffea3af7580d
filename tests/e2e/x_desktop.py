"""The X display as a learner's hands and eyes: find windows, focus them,
type, click, close by the close box, take screenshots.

Everything goes through xdotool except the close box: xdotool 3.2016's
`windowclose` destroys the window behind the program's back (the program
then runs on without a window), so the close box is a WM_DELETE_WINDOW
client message sent through libX11, which is what a window manager sends
when the learner clicks the box.
"""

import ctypes
import ctypes.util
import itertools
import subprocess
import time

POLL = 0.05


class DriverError(AssertionError):
    pass


def wait_until(what, predicate, timeout=10.0):
    """Polls `predicate` until it returns something true; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise DriverError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(POLL)


def xdo(*args, check=True, timeout=10):
    try:
        run = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                             timeout=timeout)
    except subprocess.TimeoutExpired:
        if check:
            raise DriverError(f"xdotool {' '.join(map(str, args))} hung")
        return ""
    if check and run.returncode != 0:
        raise DriverError(f"xdotool {' '.join(map(str, args))} failed: {run.stderr.strip()}")
    return run.stdout


def visible_windows(pid):
    out = xdo("search", "--onlyvisible", "--pid", pid, check=False)
    return [int(w) for w in out.split()]


def window_name(window):
    return xdo("getwindowname", window, check=False).rstrip("\n")


def geometry(window):
    """(x, y, width, height) on the root window; None once it is gone."""
    out = xdo("getwindowgeometry", "--shell", window, check=False)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    try:
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    except KeyError:
        return None


def wait_for_display(timeout=10.0):
    """The X server answers (xvfb-run starts the driver once it is up, but
    a server that died meanwhile should fail here, plainly)."""
    wait_until("the X display to answer",
               lambda: xdo("getdisplaygeometry", check=False, timeout=5).strip(), timeout)


def display_size():
    width, height = xdo("getdisplaygeometry").split()
    return int(width), int(height)


def focused_window():
    out = xdo("getwindowfocus", check=False).strip()
    return int(out) if out.isdigit() else None


def focus(window):
    """Gives the window the keyboard. Without a window manager focus starts
    at PointerRoot, and Qt ignores keys until its window has the focus."""
    for _ in range(3):
        xdo("windowfocus", "--sync", window, check=False, timeout=5)
        try:
            wait_until(f"focus on window {window}", lambda: focused_window() == window, 2.0)
            return
        except DriverError:
            continue
    raise DriverError(f"window {window} never took the keyboard focus")


def key(*keys):
    xdo("key", "--delay", 40, *keys)


def type_text(text):
    """Types ASCII with `xdotool type` and every other character with the key
    `bind_characters` gave it. (xdotool types a character outside the keymap
    by remapping a spare key for it; a busy program fetches the new map late
    and then sees another character or none.)"""
    for is_ascii, run in itertools.groupby(text, key=lambda ch: ord(ch) < 0x80):
        run = "".join(run)
        if is_ascii:
            xdo("type", "--delay", 40, run, timeout=60)
            continue
        missing = [ch for ch in run if ch not in _bound]
        if missing:
            raise DriverError(f"no key for {missing}: bind_characters() before the program starts")
        xdo("key", "--delay", 40, *(f"U{ord(ch):04X}" for ch in run), timeout=60)


def click(x, y):
    xdo("mousemove", "--sync", x, y)
    xdo("click", 1)
    # Out of the way, so that no tooltip covers what comes next.
    xdo("mousemove", "--sync", 0, 0)


_bound = set()


def _xlib():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    return x11


def bind_characters(text):
    """Gives each character of `text` outside ASCII a key of its own, the
    way a keyboard layout would, before the program starts and reads the
    keymap. The keys taken are unused ones or multimedia keys (XF86...),
    which no scenario presses."""
    wanted = sorted({ch for ch in text if ord(ch) >= 0x80} - _bound)
    if not wanted:
        return
    x11 = _xlib()
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                     ctypes.POINTER(ctypes.c_int)]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                        ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XFree.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise DriverError("cannot open the X display")
    try:
        low, high, per = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
        count = high.value - low.value + 1
        table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
        spare = []
        for i in range(count):
            syms = [table[i * per.value + j] for j in range(per.value)]
            if all(sym == 0 or 0x1008FF00 <= sym <= 0x1008FFFF for sym in syms):
                spare.append(low.value + i)
        x11.XFree(table)
        if len(spare) < len(wanted):
            raise DriverError(f"{len(wanted)} characters to bind, {len(spare)} keys spare")
        for keycode, ch in zip(spare, wanted):
            sym = 0x01000000 | ord(ch)
            syms = (ctypes.c_ulong * 2)(sym, sym)
            x11.XChangeKeyboardMapping(display, keycode, 2, syms, 1)
            _bound.add(ch)
        x11.XSync(display, 0)
    finally:
        x11.XCloseDisplay(display)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def close_box(window):
    """Clicks the window's close box: WM_DELETE_WINDOW, as a window manager sends it."""
    x11 = _xlib()
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_Event)]
    display = x11.XOpenDisplay(None)
    if not display:
        raise DriverError("cannot open the X display")
    try:
        event = _Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
            raise DriverError("WM_DELETE_WINDOW could not be sent")
        x11.XSync(display, 0)
    finally:
        x11.XCloseDisplay(display)


def screenshot(path, window="root"):
    subprocess.run(["import", "-window", str(window), str(path)], check=False,
                   capture_output=True, timeout=20)


def window_pixels(window):
    """The window's pixels as RGB bytes; empty when it cannot be read."""
    run = subprocess.run(["import", "-window", str(window), "-depth", "8", "rgb:-"],
                         capture_output=True, timeout=20)
    return run.stdout if run.returncode == 0 else b""


def red_share(window_or_pixels):
    """Share of strongly red pixels in a window (or its pixels): the critical
    icon of an error box has many, an information or question box none."""
    data = (window_or_pixels if isinstance(window_or_pixels, bytes)
            else window_pixels(window_or_pixels))
    if not data:
        return 0.0
    pixels = len(data) // 3
    red = sum(1 for i in range(0, pixels * 3, 3)
              if data[i] > 150 and data[i + 1] < 90 and data[i + 2] < 90)
    return red / pixels
