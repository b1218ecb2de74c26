# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Runs every benchmark and prints one table.

Usage: run.py BENCH_BUILD_DIR ZERAPOL_BINARY [--runs N]
              [--wine-run WINE_RUN --exe ZERAPOL_EXE --floor-exe FLOOR_EXE]

Start-up is measured three ways, all in a private Xvfb (xcb):
- instructions to the first painted frame, counted by callgrind up to the probe's
  QCoreApplication::quit() right after that frame; counts repeat whatever else the machine does;
- peak resident memory at the first frame, as the probe reads it from /proc right then;
- wall-clock time from starting the process to its first frame seen on the X server, watched
  from outside, runs interleaved.
Each is given for Form1 (built by the probe exactly as the program starts it; the wall clock
watches the real binary) and for three toy windows built by the probe with the same toolkit and
flags: an empty QWidget, one QLabel, and the floor, one QLabel with five editable QComboBox of
ten items, which any window with these controls pays. With a Windows build, Zerapol.exe under
Wine is watched in the same run against its own floor, a plain Win32 window with the same
controls and manifest (bench/win32/floor_window.cpp), started and watched the same way, and
against that floor given as many child windows as Form1 (--same-windows), which tells what the
number of windows costs from what Zerapol.exe does with them; their peak memory is read from
outside, from /proc, at the first frame seen.
"""

import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop_session import DesktopSession  # noqa: E402
from wine_session import WINE_SCREEN  # noqa: E402

TITLE = "Izracunavanje vrednosti otpornika v.1.0 by Vemitrak"
# A window is watched at points whose painted colour differs from what the X server shows of a
# window mapped but not painted yet (black here): a black mark would be met at mapping.
CORNER = (520, 340)  # the background, clear of every control of each window
# Inside the last drop-down's field, above its text, in Form1, in Zerapol.exe and in its floor:
# white once that field is painted. Form1's controls are painted after its background.
LAST_FIELD = (470, 43)
WHITE = 0xFFFFFF
KINDS = ("form", "empty", "label", "floor")
# Zerapol.exe, its floor, and its floor with as many windows as Form1, in the tables' order.
WINDOWS_KINDS = ("exe", "exe-floor", "exe-floor-windows")


def spawn(args, env):
    start = time.monotonic()
    process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    return process, start


def peak_resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError(f"no VmHWM for process {pid}")


def watched_start(session, args, title, marks, memory=None):
    """Seconds from starting the process to its first frame seen on the X server, when every
    mark, a point and its colour, shows; with a list given as memory, the process's peak
    resident memory then, in MiB, is added to it."""
    process, start = spawn(args, session.environment())
    deadline = start + 60
    window = None
    while True:
        if time.monotonic() > deadline:
            process.kill()
            raise RuntimeError(f"{args[-1]} never painted its window")
        if window is None:
            found = [w for w in session.windows_titled(title) if session.viewable(w)]
            window = found[0] if found else None
        if window is not None and all(session.pixel(window, *point) == colour
                                      for point, colour in marks):
            painted = time.monotonic() - start
            if memory is not None:
                memory.append(peak_resident_kib(process.pid) / 1024)
            break
    session.close_window(window)
    process.wait(timeout=30)
    return painted


def settled_colour(session, args, title, point=CORNER):
    """The colour a window shows at a point once it has been up for a while."""
    process, _ = spawn(args, session.environment())
    window = None
    deadline = time.monotonic() + 60
    while window is None:
        if time.monotonic() > deadline:
            process.kill()
            raise RuntimeError(f"{args[-1]} never showed its window")
        found = [w for w in session.windows_titled(title) if session.viewable(w)]
        window = found[0] if found else None
    time.sleep(2)
    colour = session.pixel(window, *point)
    session.close_window(window)
    process.wait(timeout=30)
    return colour


def probe_report(probe, kind, env):
    out = subprocess.run([probe, kind], env=env, capture_output=True, text=True, timeout=60,
                         check=True).stdout
    values = dict(line.split() for line in out.splitlines() if " " in line)
    return float(values["first-paint"]), int(values["peak-kib"])


def instructions_to_first_frame(probe, kind, env):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", "--dump-before=QCoreApplication::quit()",
                        f"--callgrind-out-file={out}", probe, kind], env=env, check=True,
                       capture_output=True, timeout=600)
        # Part 1 is everything up to quit(); what follows it is the exit.
        with open(out + ".1") as dump:
            return int(re.search(r"^totals: (\d+)", dump.read(), re.M).group(1))


def summary(values):
    return statistics.median(values), min(values), max(values)


def startup(bench, binary, runs, wine_run, exe, floor_exe):
    probe = os.path.join(bench, "bench", "startup_probe")
    result = {"instructions": {}, "memory": {k: [] for k in WINDOWS_KINDS},
              "wall": {k: [] for k in ("form", "empty", "floor") + WINDOWS_KINDS}}
    with DesktopSession(WINE_SCREEN) as session:
        env = session.environment()
        for kind in KINDS:
            result["instructions"][kind] = instructions_to_first_frame(probe, kind, env)
            result["memory"][kind] = [probe_report(probe, kind, env)[1] / 1024
                                      for _ in range(runs)]
        # Each window's background colour, read once it is up.
        form_marks = [(LAST_FIELD, WHITE), (CORNER, settled_colour(session, [binary], TITLE))]
        toy_marks = [(CORNER, settled_colour(session, [probe, "empty", "--stay"], "baseline"))]
        if exe:
            # Each Windows program's command line, and the marks it is watched at.
            windows_programs = {"exe": [wine_run, exe], "exe-floor": [wine_run, floor_exe],
                                "exe-floor-windows": [wine_run, floor_exe, "--same-windows"]}
            windows_marks = {kind: [(LAST_FIELD, WHITE),
                                    (CORNER, settled_colour(session, args, TITLE))]
                             for kind, args in windows_programs.items()}
        for _ in range(runs):
            result["wall"]["form"].append(watched_start(session, [binary], TITLE, form_marks))
            for kind in ("empty", "floor"):
                result["wall"][kind].append(watched_start(session, [probe, kind, "--stay"],
                                                          "baseline", toy_marks))
            if exe:
                for kind, args in windows_programs.items():
                    result["wall"][kind].append(watched_start(
                        session, args, TITLE, windows_marks[kind], result["memory"][kind]))
    return result


def startup_table(result, runs):
    ins, mem, wall = result["instructions"], result["memory"], result["wall"]
    rows = ["| start-up, Xvfb | Zerapol | empty QWidget | one QLabel | floor: QLabel + 5 "
            "editable QComboBox | to empty | to floor | target |",
            "|---|---|---|---|---|---|---|---|"]
    m = {k: ins[k] / 1e6 for k in KINDS}
    rows.append(f"| instructions to first frame (callgrind), M | {m['form']:.1f} | "
                f"{m['empty']:.1f} | {m['label']:.1f} | {m['floor']:.1f} | "
                f"{m['form'] / m['empty']:.2f} | {m['form'] / m['floor']:.3f} | "
                f"<= 1.05 to floor |")
    med = {k: summary(mem[k]) for k in KINDS}
    rows.append(f"| peak memory at first frame, MiB, median (min-max) of {runs} | "
                + " | ".join(f"{med[k][0]:.1f} ({med[k][1]:.1f}-{med[k][2]:.1f})" for k in KINDS)
                + f" | {med['form'][0] / med['empty'][0]:.2f} | "
                f"{med['form'][0] / med['floor'][0]:.3f} | <= 1.02 to floor |")
    ours = summary([t * 1000 for t in wall["form"]])
    empty = summary([t * 1000 for t in wall["empty"]])
    floor = summary([t * 1000 for t in wall["floor"]])
    rows.append(f"| wall clock to first frame, watched, ms, median (min-max) of {runs} "
                f"interleaved | {ours[0]:.1f} ({ours[1]:.1f}-{ours[2]:.1f}) | "
                f"{empty[0]:.1f} ({empty[1]:.1f}-{empty[2]:.1f}) | | "
                f"{floor[0]:.1f} ({floor[1]:.1f}-{floor[2]:.1f}) | "
                f"{ours[0] / empty[0]:.2f} | {ours[0] / floor[0]:.2f} | <= 1.30 to empty |")
    return rows


def windows_table(result, runs):
    wall, mem = result["wall"], result["memory"]
    times = {k: summary([t * 1000 for t in wall[k]]) for k in WINDOWS_KINDS}
    memory = {k: summary(mem[k]) for k in WINDOWS_KINDS}

    def cells(figures):
        return " | ".join(f"{figures[k][0]:.1f} ({figures[k][1]:.1f}-{figures[k][2]:.1f})"
                          for k in WINDOWS_KINDS)

    def ratios(figures, digits):
        return " | ".join(f"{figures['exe'][0] / figures[k][0]:.{digits}f}"
                          for k in WINDOWS_KINDS[1:])

    return ["| start-up under Wine, Xvfb | Zerapol.exe | floor: Win32 window, 5 editable "
            "drop-downs, button, text | floor with as many windows as Form1 | to floor | "
            "to floor with as many windows | target |",
            "|---|---|---|---|---|---|---|",
            f"| wall clock to first frame, watched, ms, median (min-max) of {runs} interleaved | "
            f"{cells(times)} | {ratios(times, 2)} | <= 1.10 to floor |",
            f"| peak memory at first frame, MiB, median (min-max) of {runs} | {cells(memory)} | "
            f"{ratios(memory, 3)} | <= 1.05 to floor |",
            f"| Zerapol.exe to the Qt program, wall clock, same run | | | | "
            f"{times['exe'][0] / summary([t * 1000 for t in wall['form']])[0]:.2f} | | |"]


def press_rows(bench):
    press = os.path.join(bench, "bench", "press_bench")
    rows = []
    env = {**os.environ, "QT_QPA_PLATFORM": "offscreen"}
    rows.append(("offscreen", subprocess.run([press, "2000"], env=env, capture_output=True,
                                             text=True, timeout=300, check=True).stdout))
    rows.append(("offscreen, 1 MiB pasted into every selector",
                 subprocess.run([press, "500", "hostile"], env=env, capture_output=True,
                                text=True, timeout=300, check=True).stdout))
    with DesktopSession() as session:
        rows.append(("Xvfb", subprocess.run([press, "2000"], env=session.environment(),
                                            capture_output=True, text=True, timeout=300,
                                            check=True).stdout))
    parsed = []
    for platform, out in rows:
        fields = out.split()
        values = dict(zip(fields[::2], fields[1::2]))
        parsed.append((platform, values))
    return parsed


def core_rows(bench):
    out = subprocess.run([os.path.join(bench, "bench", "core_bench"), "--benchmark_format=json",
                          "--benchmark_min_time=0.5"], capture_output=True, text=True,
                         timeout=300, check=True).stdout
    return [(b["name"], b["real_time"], b["time_unit"]) for b in json.loads(out)["benchmarks"]]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bench")
    parser.add_argument("binary")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--wine-run")
    parser.add_argument("--exe")
    parser.add_argument("--floor-exe")
    args = parser.parse_args()

    result = startup(args.bench, args.binary, args.runs, args.wine_run, args.exe, args.floor_exe)
    for row in startup_table(result, args.runs):
        print(row)
    if args.exe:
        print()
        for row in windows_table(result, args.runs):
            print(row)
    print()
    print("| measure | ours | target |")
    print("|---|---|---|")
    for platform, values in press_rows(args.bench):
        print(f"| press to repainted window, {platform}, {values['presses']} presses: "
              f"median / p99 / worst, ms | {float(values['median_us']) / 1000:.3f} / "
              f"{float(values['p99_us']) / 1000:.3f} / {float(values['worst_us']) / 1000:.3f} "
              f"| median < 2 |")
    for name, value, unit in core_rows(args.bench):
        target = "< 1 us" if name == "evaluate/matched" else ""
        print(f"| core `{name}` | {value:.1f} {unit} | {target} |")
    print(f"\nmachine: {os.cpu_count()} cores, {os.uname().machine}, {os.uname().release}")


if __name__ == "__main__":
    main()
