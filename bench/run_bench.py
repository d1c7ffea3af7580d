#!/usr/bin/env python3
"""Start-up, memory and drill-speed figures of the program, each against its
target, measured under a private Xvfb on a copy of the program folder.

  run_bench.py --build BUILD_DIR [--runs N] [--strict]

Start-up: process start until the main window is mapped (splash included),
timed by map_timer, alternating with the bare Qt window of the same menus.
Memory: VmHWM after start-up, and after choosing the first set of the first
menu with the keyboard and typing its answers, all right, with xdotool (the
median of five such drills, each on a fresh copy of the program folder).
Drill steps: Google Benchmark medians of drill_bench.
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

STARTUP_RATIO_TARGET = 1.3
MEMORY_TARGET_MIB = 45.0
STEP_TARGET_MS = 1.0
DRILL_RUNS = 5
# The set the learner drills: the first entry of the first menu (Alt+1, Return).
DRILL_ENTRY = "K21"
DRILL_FILE = Path("jhgram") / "Tango01.txt"


def fail(message):
    print(f"bench: {message}", file=sys.stderr)
    sys.exit(1)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        xvfb.kill()
        fail("Xvfb did not start")
    return xvfb, f":{number}"


class Timer:
    def __init__(self, map_timer, env):
        self.map_timer = map_timer
        self.env = env

    def run(self, program, settle_ms=1000, leave_running=False):
        cmd = [self.map_timer, "--settle", str(settle_ms)]
        if leave_running:
            cmd.append("--leave-running")
        out = subprocess.run(cmd + ["--", program], env=self.env, capture_output=True,
                             text=True, timeout=60)
        if out.returncode != 0:
            fail(f"{program}: {out.stderr.strip()}")
        fields = dict(f.split("=", 1) for f in out.stdout.split())
        return {"map_ms": float(fields["map_ms"]), "first_ms": float(fields["first_ms"]),
                "window": fields["window"],
                "pid": int(fields["pid"]), "hwm_mib": int(fields["hwm_kib"]) / 1024}


def start_sound_server(folder):
    """PulseAudio with a null sink, as on a learner's desktop: the sounds
    module loads only where a server runs, and playing to it costs memory."""
    socket = folder / "pulse-native"
    server = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "--log-target=stderr", "--log-level=error", "-L", "module-null-sink",
         "-L", f"module-native-protocol-unix auth-anonymous=1 socket={socket}"],
        env=dict(os.environ, HOME=str(folder), XDG_RUNTIME_DIR=str(folder),
                 XDG_CONFIG_HOME=str(folder)),
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(lambda: socket.exists() or server.poll() is not None, 10, "PulseAudio to start")
    if server.poll() is not None:
        fail("PulseAudio did not start")
    return server, f"unix:{socket}"


def vm_hwm_mib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    fail(f"no VmHWM for process {pid}")


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True,
                          timeout=30)


def wait_for(check, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if check():
            return
        time.sleep(0.05)
    fail(f"timed out waiting for {what}")


def drill_one_set(timer, env, folder):
    """Chooses the set from the menu, types every answer right, dismisses the
    closing box and returns VmHWM once the check mark is written."""
    set_file = folder / DRILL_FILE
    lines = set_file.read_bytes().replace(b"\r\n", b"\n").replace(b"\r", b"\n").split(b"\n")
    count = (len(lines) - 2) // 4
    answers = [lines[4 * k + 1].split(b"#")[0] for k in range(1, count + 1)]
    if any(not a.isascii() or b"/" in a or a.startswith(b" ") for a in answers):
        fail(f"{DRILL_FILE} has answers xdotool cannot type as a learner would")
    title = lines[0].decode("cp932", errors="replace")

    started = timer.run(str(folder / "potoran"), settle_ms=500, leave_running=True)
    pid, window = started["pid"], started["window"]
    try:
        def visible():
            found = xdotool(env, "search", "--onlyvisible", "--pid", str(pid), "--name", "")
            return set(found.stdout.split()) - {window}

        before = visible()
        xdotool(env, "windowfocus", "--sync", window)
        xdotool(env, "key", "alt+1")
        wait_for(lambda: visible() - before, 10, "the first menu to open")
        xdotool(env, "key", "Return")
        wait_for(lambda: title in xdotool(env, "getwindowname", window).stdout, 10,
                 f"the set '{title}' to load")
        for answer in answers:
            xdotool(env, "type", "--delay", "5", answer.decode("ascii"))
            xdotool(env, "key", "Return")
        # The closing box of a perfect run: answer it, then the mark is written.
        wait_for(lambda: visible() - before, 10, "the box that ends the set")
        xdotool(env, "windowfocus", "--sync", sorted(visible() - before)[0])
        xdotool(env, "key", "Return")
        marks = folder / "checked.txt"
        wait_for(lambda: DRILL_ENTRY.encode() in marks.read_bytes().split(b"\r\n"), 10,
                 f"the mark of {DRILL_ENTRY} in checked.txt")
        # The figure must include the audio stack the first pass loads.
        if "libQt6Multimedia" not in Path(f"/proc/{pid}/maps").read_text():
            fail("the sounds module was not loaded during the drill")
        return vm_hwm_mib(pid), len(answers)
    finally:
        subprocess.run(["kill", str(pid)])


def drill_steps(drill_bench):
    out = subprocess.run(
        [drill_bench, "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"], capture_output=True, text=True, timeout=600)
    if out.returncode != 0:
        fail(f"drill_bench failed: {out.stderr.strip()}")
    result = {}
    for b in json.loads(out.stdout)["benchmarks"]:
        if b.get("error_occurred"):
            fail(f"{b['name']}: {b.get('error_message')}")
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            result[b["run_name"]] = (b["real_time"] * scale, b["cpu_time"] * scale)
    return result


def verdict(ok):
    return "ok" if ok else "MISSED"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True, type=Path)
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--strict", action="store_true", help="exit 1 when a target is missed")
    args = parser.parse_args()

    build = args.build.resolve()
    map_timer = build / "bench" / "map_timer"
    bare = build / "bench" / "bare_window"
    drill_bench = build / "bench" / "drill_bench"
    for f in (map_timer, bare, drill_bench, build / "potoran" / "potoran"):
        if not f.exists():
            fail(f"{f} is missing; build the potoran_bench target first")

    work = Path(tempfile.mkdtemp(prefix="potoran-bench-"))
    xvfb = None
    sound_server = None
    try:
        # The program writes beside itself: run it from a copy.
        folder = work / "potoran"
        shutil.copytree(build / "potoran", folder, symlinks=True)
        xvfb, display = start_xvfb()
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=str(work))
        os.chmod(work, 0o700)
        timer = Timer(str(map_timer), env)

        programs = {"bare": str(bare), "potoran": str(folder / "potoran")}
        for p in programs.values():  # warm the page cache
            timer.run(p, settle_ms=200)
        runs = {name: [] for name in programs}
        for i in range(args.runs):
            order = ["bare", "potoran"] if i % 2 == 0 else ["potoran", "bare"]
            for name in order:
                runs[name].append(timer.run(programs[name]))
        med = {n: statistics.median(r["map_ms"] for r in runs[n]) for n in runs}
        hwm = {n: statistics.median(r["hwm_mib"] for r in runs[n]) for n in runs}
        splash = statistics.median(r["first_ms"] for r in runs["potoran"])
        # Each drill on a fresh copy, so every run ends with a first mark.
        sound_server, pulse = start_sound_server(work)
        env["PULSE_SERVER"] = pulse
        timer = Timer(str(map_timer), env)
        drills = []
        for i in range(DRILL_RUNS):
            copy = work / f"drill{i}"
            shutil.copytree(build / "potoran", copy, symlinks=True)
            drills.append(drill_one_set(timer, env, copy))
        drilled_hwm = statistics.median(h for h, _ in drills)
        answered = drills[0][1]
        steps = drill_steps(str(drill_bench))
    finally:
        for process in (sound_server, xvfb):
            if process:
                process.terminate()
                process.wait()
        shutil.rmtree(work, ignore_errors=True)

    entries = subprocess.run([str(bare), "--count-menu-entries"], capture_output=True,
                             text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    ratio = med["potoran"] / med["bare"]
    checks = []

    def row(label, value, target=None, ok=None):
        line = f"  {label:<44} {value:>12}"
        if target is not None:
            line += f"   target {target:<10} {verdict(ok)}"
            checks.append(ok)
        print(line)

    cmake_cache = (build / "CMakeCache.txt").read_text()
    build_type = next((l.split("=", 1)[1] for l in cmake_cache.splitlines()
                       if l.startswith("CMAKE_BUILD_TYPE:")), "?")
    print(f"\nBenchmarks of {build} ({build_type} build), {os.cpu_count()} cores, "
          f"load {os.getloadavg()[0]:.1f}")
    print(f"\nStart-up until the main window is mapped, Xvfb, median of {args.runs} runs each")
    row(f"bare Qt window, {entries.stdout.strip() or '?'} menu entries",
        f"{med['bare']:.1f} ms")
    row("potoran, splash included", f"{med['potoran']:.1f} ms")
    row("  of which until the splash is mapped", f"{splash:.1f} ms")
    row("ratio potoran / bare", f"{ratio:.2f}", f"<= {STARTUP_RATIO_TARGET}",
        ratio <= STARTUP_RATIO_TARGET)
    print("\nPeak resident memory (VmHWM)")
    row("bare Qt window after start-up", f"{hwm['bare']:.1f} MiB")
    row("potoran after start-up", f"{hwm['potoran']:.1f} MiB", f"< {MEMORY_TARGET_MIB:g} MiB",
        hwm["potoran"] < MEMORY_TARGET_MIB)
    row(f"potoran after drilling one set ({answered} answers)", f"{drilled_hwm:.1f} MiB",
        f"< {MEMORY_TARGET_MIB:g} MiB", drilled_hwm < MEMORY_TARGET_MIB)
    print(f"  {'':<44} median of {DRILL_RUNS} drills "
          f"({min(h for h, _ in drills):.1f} to {max(h for h, _ in drills):.1f}), "
          "sounds module and Qt Multimedia loaded, playing to a sound server")
    print("\nDrill steps (Google Benchmark, median of 5 repetitions, wall time; cpu time)")
    labels = {"LoadSetAndShowFirstQuestion": "load a set and show its first question",
              "JudgeRightAnswer": "judge one right answer",
              "JudgeWrongAnswer": "judge a wrong answer and its Return"}
    for name, label in labels.items():
        if name not in steps:
            fail(f"drill_bench reported no {name}")
        real, cpu = steps[name]
        row(label, f"{real:.3f} ms", f"< {STEP_TARGET_MS:g} ms", real < STEP_TARGET_MS)
        print(f"  {'':<44} {cpu:>9.3f} ms cpu")
    missed = checks.count(False)
    print(f"\n{len(checks) - missed} of {len(checks)} targets met")
    if args.strict and missed:
        sys.exit(1)


if __name__ == "__main__":
    main()
