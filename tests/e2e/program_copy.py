"""A throw-away copy of the built program folder (executable, data, the
learner's files) and the running program started from it."""

import os
import pathlib
import shutil
import signal
import subprocess
import tempfile
import threading
import time

from x_desktop import DriverError, wait_until


def cp932_lines(lines):
    """A line file as the program writes it: CP932, CR LF after every line."""
    return b"".join(line.encode("cp932") + b"\r\n" for line in lines)


def set_lines(title, instruction, questions):
    """Title, instruction, then four lines a question: three of text and
    the answer line."""
    lines = [title, instruction]
    for question in questions:
        assert len(question) == 4
        lines.extend(question)
    return lines


def answers_of(data):
    """The answers a learner must type, read from a set file's bytes."""
    lines = data.decode("cp932").split("\r\n")
    if lines[-1] == "":
        lines.pop()
    count = (len(lines) - 2) // 4
    return [lines[5 + 4 * k].split("#", 1)[0] for k in range(count)]


class ProgramCopy:
    def __init__(self, source):
        source = pathlib.Path(source)
        if not (source / "potoran").is_file():
            raise DriverError(f"no built program in {source}")
        self.root = pathlib.Path(tempfile.mkdtemp(prefix="potoran-e2e-"))
        self.dir = self.root / "potoran"
        # A real copy: the program writes beside itself.
        shutil.copytree(source, self.dir, symlinks=False)
        self.home = self.root / "home"
        self.home.mkdir()
        self.runtime = self.root / "runtime"
        self.runtime.mkdir(mode=0o700)

    def path(self, relative):
        return self.dir / relative

    def read(self, relative):
        return self.path(relative).read_bytes()

    def write(self, relative, data):
        self.path(relative).write_bytes(data)

    def write_set(self, relative, title, instruction, questions):
        data = cp932_lines(set_lines(title, instruction, questions))
        self.write(relative, data)
        return data

    def snapshot(self):
        """Every file of the folder with its bytes and permissions."""
        files = {}
        for path in sorted(self.dir.rglob("*")):
            if path.is_file():
                files[str(path.relative_to(self.dir))] = (path.read_bytes(),
                                                          path.stat().st_mode)
        return files

    def leftovers(self):
        """Temporary files an interrupted replacement would leave behind."""
        return sorted(str(p.relative_to(self.dir)) for p in self.dir.rglob("*.tmp-*"))

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


class RunningProgram:
    """The program started from a copy, its output collected."""

    def __init__(self, copy, wrapper=(), preexec=None, env=None):
        environment = dict(os.environ)
        environment.update({
            "QT_QPA_PLATFORM": "xcb",
            # Qt's file dialog keeps its history in the home folder: keep the
            # real one out of the test.
            "HOME": str(copy.home),
            "XDG_CONFIG_HOME": str(copy.home / ".config"),
            "XDG_CACHE_HOME": str(copy.home / ".cache"),
            "XDG_RUNTIME_DIR": str(copy.runtime),
            # Only the sound server a scenario starts: never one spawned by
            # the program and left running.
            "PULSE_SERVER": f"unix:{copy.root / 'no-sound-server'}",
        })
        environment.update(env or {})
        self.output = []
        self.process = subprocess.Popen(
            [*wrapper, str(copy.path("potoran"))], cwd="/", env=environment,
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
            preexec_fn=preexec)
        self.pid = self.process.pid
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        for line in self.process.stdout:
            self.output.append(line.decode("utf-8", "replace"))

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, what, timeout=10.0):
        wait_until(what, lambda: not self.running(), timeout)
        return self.process.returncode

    def stop(self):
        if self.running():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)
        self._reader.join(2)

    def log(self):
        return "".join(self.output)


def wait_for_file(copy, relative, expected, timeout=10.0):
    """Waits until the file holds `expected` (it is replaced atomically, so
    it never holds half of it); returns what it holds at the end."""
    def holds():
        try:
            return copy.read(relative) == expected
        except FileNotFoundError:
            return False
    try:
        wait_until(f"{relative} to be written", holds, timeout)
    except DriverError:
        pass
    try:
        return copy.read(relative)
    except FileNotFoundError:
        return None


def settle(seconds=0.5):
    """A last look after the program was given time to do something wrong."""
    time.sleep(seconds)
