"""The parts of a learner's desktop that the bare X server lacks, each
started by the test itself and ended with it: a PulseAudio daemon whose
null sink is recorded, and fcitx5 with Mozc on a D-Bus session of their
own."""

import array
import os
import pathlib
import shutil
import subprocess
import threading
import time
import wave

from x_desktop import DriverError, wait_until

RATE = 44100
# -40 dBFS: what counts as audible in a recording or a file.
AUDIBLE = int(32767 * 10 ** (-40 / 20))



def end_processes(*processes):
    """Terminates each process still running, killing any that will not go."""
    for process in processes:
        if process and process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(5)

class ComponentMissing(Exception):
    """The component cannot start here; the test is skipped with this reason."""


class SoundServer:
    """PulseAudio as a user daemon with only a null sink; `socket` is where
    clients connect (PULSE_SERVER)."""

    def __init__(self, folder):
        for tool in ("pulseaudio", "parec"):
            if not shutil.which(tool):
                raise ComponentMissing(f"{tool} is missing: run scripts/install-deps")
        self.folder = pathlib.Path(folder)
        self.folder.mkdir(mode=0o700, parents=True, exist_ok=True)
        self.socket = self.folder / "native"
        self.daemon = None
        self.recorder = None

    def start(self):
        env = dict(os.environ, HOME=str(self.folder), XDG_RUNTIME_DIR=str(self.folder),
                   XDG_CONFIG_HOME=str(self.folder))
        self.daemon = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--log-target=stderr", "--log-level=error",
             "-L", "module-null-sink sink_name=speakers rate=44100",
             "-L", f"module-native-protocol-unix auth-anonymous=1 socket={self.socket}"],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.PIPE)
        try:
            wait_until("PulseAudio to take clients", self._answers, 10.0)
        except DriverError:
            self.stop()
            raise ComponentMissing("PulseAudio did not start")

    def _answers(self):
        if self.daemon.poll() is not None:
            return True  # reported by the check below
        run = subprocess.run(["pactl", "-s", f"unix:{self.socket}", "info"],
                             capture_output=True, timeout=5)
        return run.returncode == 0

    def record(self):
        """Records the sink's monitor; each chunk is kept with the time it
        arrived, so a sample's time is known to a few milliseconds."""
        self.recorder = subprocess.Popen(
            ["parec", "-s", f"unix:{self.socket}", "-d", "speakers.monitor", "--raw",
             "--format=s16le", f"--rate={RATE}", "--channels=1", "--latency-msec=5"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.chunks = []
        self.data = bytearray()

        def read():
            while True:
                chunk = self.recorder.stdout.read1(4096)
                if not chunk:
                    return
                self.data.extend(chunk)
                self.chunks.append((time.monotonic(), len(self.data)))

        self.reader = threading.Thread(target=read, daemon=True)
        self.reader.start()
        wait_until("the recording to start", lambda: len(self.data) > RATE // 5, 10.0)

    def recording(self):
        """The samples so far, and the monotonic time of the first."""
        samples = array.array("h", bytes(self.data[:len(self.data) // 2 * 2]))
        # A sample cannot arrive before it was made: the earliest bound over
        # all chunks is the start.
        start = min(t - n / 2 / RATE for t, n in list(self.chunks))
        return samples, start

    def stop(self):
        end_processes(self.recorder, self.daemon)


def audible_parts(samples, gap=0.05):
    """(first, last) sample index of each run of audible sound; quiet spells
    shorter than `gap` seconds stay inside a run."""
    parts = []
    for i, s in enumerate(samples):
        if abs(s) > AUDIBLE:
            if parts and i - parts[-1][1] <= gap * RATE:
                parts[-1][1] = i
            else:
                parts.append([i, i])
    return [tuple(p) for p in parts]


def wav_audible(path):
    """(audible length in seconds, peak) of a 16-bit mono WAV file."""
    with wave.open(str(path)) as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            raise DriverError(f"{path} is not 16-bit mono")
        samples = array.array("h", w.readframes(w.getnframes()))
        rate = w.getframerate()
    parts = audible_parts(samples, gap=1.0)
    first, last = parts[0][0], parts[-1][1]
    return (last - first) / rate, max(abs(s) for s in samples)


class InputMethod:
    """fcitx5 with Mozc, run by `wrapper` (an ordinary user: Mozc refuses to
    run as root) on a private D-Bus session. `env` is what a program needs
    to type through it. One input state for all windows, as many learners
    set it: Mozc switched on in one window is on in the next."""

    PROFILE = ("[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n\n"
               "[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
               "[Groups/0/Items/1]\nName=mozc\nLayout=\n\n[GroupOrder]\n0=Default\n")
    CONFIG = ("[Hotkey/TriggerKeys]\n0=Control+space\n\n"
              "[Behavior]\nShareInputState=All\nShowInputMethodInformation=False\n")

    def __init__(self, home, wrapper, env):
        for tool in ("fcitx5", "fcitx5-remote", "dbus-daemon"):
            if not shutil.which(tool):
                raise ComponentMissing(f"{tool} is missing: run scripts/install-deps")
        if not pathlib.Path("/usr/lib/mozc/mozc_server").exists():
            raise ComponentMissing("Mozc (fcitx5-mozc) is missing: run scripts/install-deps")
        self.wrapper = tuple(wrapper)
        config = pathlib.Path(home) / ".config" / "fcitx5"
        config.mkdir(parents=True, exist_ok=True)
        (config / "profile").write_text(self.PROFILE)
        (config / "config").write_text(self.CONFIG)
        owner = pathlib.Path(home).stat()
        for path in [pathlib.Path(home), *pathlib.Path(home).rglob("*")]:
            os.chown(path, owner.st_uid, owner.st_gid)
        self.base_env = dict(os.environ, **env, HOME=str(home),
                             XDG_CONFIG_HOME=str(pathlib.Path(home) / ".config"))
        self.bus = None
        self.daemon = None
        self.env = None

    # A session bus that starts no service on demand: a query sent before
    # fcitx5 is up would start a second one, outside the test's reach.
    BUS_CONFIG = ("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
                  " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                  "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                  "<auth>EXTERNAL</auth><policy context=\"default\">"
                  "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                  "<allow own=\"*\"/></policy></busconfig>\n")

    def start(self):
        bus_config = pathlib.Path(self.base_env["HOME"]) / "bus.conf"
        bus_config.write_text(self.BUS_CONFIG)
        bus_config.chmod(0o644)
        self.bus = subprocess.Popen(
            [*self.wrapper, "dbus-daemon", f"--config-file={bus_config}", "--nofork",
             "--print-address=1"],
            env=self.base_env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, text=True)
        address = self.bus.stdout.readline().strip()
        if not address:
            self.stop()
            raise ComponentMissing("no D-Bus session could start")
        self.env = {"DBUS_SESSION_BUS_ADDRESS": address, "QT_IM_MODULE": "fcitx",
                    "XMODIFIERS": "@im=fcitx"}
        self.log_file = pathlib.Path(self.base_env["HOME"]) / "fcitx5.log"
        with open(self.log_file, "wb") as log:
            self.daemon = subprocess.Popen(
                [*self.wrapper, "fcitx5", "--disable=wayland,waylandim,kimpanel,notificationitem"],
                env=dict(self.base_env, **self.env), stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT)
        try:
            wait_until("fcitx5 to answer on the session bus",
                       lambda: self.daemon.poll() is not None or self.state() is not None, 20.0)
        except DriverError:
            pass
        if self.daemon.poll() is not None or self.state() is None:
            self.stop()
            raise ComponentMissing("fcitx5 did not start")

    def state(self):
        """0 closed, 1 inactive (Latin), 2 active (Mozc on); None without an
        answer."""
        run = subprocess.run([*self.wrapper, "fcitx5-remote"], env=dict(self.base_env, **self.env),
                             capture_output=True, text=True, timeout=5)
        out = run.stdout.strip()
        return int(out) if run.returncode == 0 and out.isdigit() else None

    def log(self):
        try:
            return "fcitx5:\n" + self.log_file.read_text(errors="replace")[-3000:]
        except (AttributeError, OSError):
            return ""

    def _session_processes(self):
        """The processes on this session bus, mozc_server among them, which
        fcitx5 starts and which may outlive it."""
        marker = f"DBUS_SESSION_BUS_ADDRESS={self.env['DBUS_SESSION_BUS_ADDRESS']}".encode()
        pids = []
        for entry in pathlib.Path("/proc").iterdir():
            try:
                if entry.name.isdigit() and marker in (entry / "environ").read_bytes().split(b"\0"):
                    pids.append(int(entry.name))
            except OSError:
                continue
        return [pid for pid in pids if pid != os.getpid()]

    def stop(self):
        end_processes(self.daemon, self.bus)
        if self.env:
            for pid in self._session_processes():
                try:
                    os.kill(pid, 15)
                except OSError:
                    pass
