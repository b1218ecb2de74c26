# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Runs every benchmark and prints one table.

Usage: run.py BENCH_BUILD_DIR ZERAPOL_BINARY [--runs N]

Start-up is the time from starting the process to its first painted frame, and the peak
resident memory of the process, each against a baseline of one empty QWidget built here with the
same toolkit and flags. In Xvfb the real program is watched from outside (its window's pixels);
offscreen has no screen to watch, so there the probe reports its own first frame, once for
Form1 as the program builds it and once for the baseline.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop_session import DesktopSession, wait_until  # noqa: E402

BODY_TOP_EDGE = (256, 153)  # on the resistor's outline: black once Form1 is painted
BLACK = 0x000000


def spawn(args, env):
    start = time.monotonic()
    process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    return process, start


def reap(process):
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    return usage.ru_maxrss  # KiB


def watched_start(session, args, title, point, colour):
    """Seconds to the first frame seen on the X server, and peak KiB, of one start."""
    process, start = spawn(args, session.environment())
    painted = None
    deadline = start + 30
    window = None
    while painted is None:
        if time.monotonic() > deadline:
            process.kill()
            raise RuntimeError(f"{args[0]} never painted its window")
        if window is None:
            found = [w for w in session.windows_titled(title) if session.viewable(w)]
            window = found[0] if found else None
        if window is not None and session.pixel(window, *point) == colour:
            painted = time.monotonic() - start
    session.close_window(window)
    return painted, reap(process)


def reported_start(args, env):
    process, start = spawn(args, env)
    out = process.stdout.read().decode()
    kib = reap(process)
    line = next(l for l in out.splitlines() if l.startswith("first-paint "))
    return float(line.split()[1]) - start, kib


def summary(values):
    return statistics.median(values), min(values), max(values)


def startup_rows(bench, binary, runs):
    probe = os.path.join(bench, "bench", "startup_probe")
    rows = []
    with DesktopSession() as session:
        colour_line = subprocess.run([probe, "empty"], env={**session.environment(),
                                     "QT_QPA_PLATFORM": "offscreen"}, capture_output=True,
                                     text=True, timeout=30).stdout.split()
        baseline_colour = int(colour_line[colour_line.index("window-colour") + 1], 16)
        ours, base = [], []
        for _ in range(runs):
            ours.append(watched_start(session, [binary], "Izracunavanje vrednosti otpornika "
                                      "v.1.0 by Vemitrak", BODY_TOP_EDGE, BLACK))
            base.append(watched_start(session, [probe, "empty", "--stay"], "baseline", (10, 10),
                                      baseline_colour))
        rows.append(("Xvfb (real binary, watched)", ours, base))
    env = {**os.environ, "QT_QPA_PLATFORM": "offscreen"}
    ours, base = [], []
    for _ in range(runs):
        ours.append(reported_start([probe, "form"], env))
        base.append(reported_start([probe, "empty"], env))
    rows.append(("offscreen (probe)", ours, base))
    return rows


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
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    print("| measure | ours | baseline | ratio | target |")
    print("|---|---|---|---|---|")
    for platform, ours, base in startup_rows(args.bench, args.binary, args.runs):
        t_ours, t_base = summary([t * 1000 for t, _ in ours]), summary([t * 1000 for t, _ in base])
        m_ours, m_base = summary([k / 1024 for _, k in ours]), summary([k / 1024 for _, k in base])
        print(f"| start-up to first frame, {platform}: median (min-max), ms "
              f"| {t_ours[0]:.1f} ({t_ours[1]:.1f}-{t_ours[2]:.1f}) "
              f"| {t_base[0]:.1f} ({t_base[1]:.1f}-{t_base[2]:.1f}) "
              f"| {t_ours[0] / t_base[0]:.2f} | <= 1.30 |")
        print(f"| peak resident memory, {platform}: median (min-max), MiB "
              f"| {m_ours[0]:.1f} ({m_ours[1]:.1f}-{m_ours[2]:.1f}) "
              f"| {m_base[0]:.1f} ({m_base[1]:.1f}-{m_base[2]:.1f}) "
              f"| {m_ours[0] / m_base[0]:.2f} | <= 1.20 |")
    for platform, values in press_rows(args.bench):
        print(f"| press to repainted window, {platform}, {values['presses']} presses: "
              f"median / p99 / worst, ms | {float(values['median_us']) / 1000:.3f} / "
              f"{float(values['p99_us']) / 1000:.3f} / {float(values['worst_us']) / 1000:.3f} "
              f"| | | median < 2 |")
    for name, value, unit in core_rows(args.bench):
        target = "< 1 us" if name == "evaluate/matched" else ""
        print(f"| core `{name}` | {value:.1f} {unit} | | | {target} |")
    print(f"\nruns per start-up figure: {args.runs}; machine: {os.cpu_count()} cores, "
          f"{os.uname().machine}, {os.uname().release}")


if __name__ == "__main__":
    main()
