# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""The real program on a Wayland desktop with no X server at all: a headless Weston on a private
socket, the program started with Qt's Wayland platform, a typical press made through the
accessibility interface over AT-SPI (the five selector texts set, "U redu" pressed) and the
readouts read back the same way.

Run inside its own D-Bus session (dbus-run-session), which starts the accessibility bus. Exits
77 (skipped, with the reason) when Weston cannot start here.
Usage: wayland_press.py ZERAPOL_BINARY
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

import pyatspi  # noqa: E402

from accessibility_tree import BANDS, application, find  # noqa: E402
from desktop_session import Failure, wait_until  # noqa: E402

SKIPPED = 77
SOCKET = "zerapol-wayland"


def start_weston(runtime):
    log = open(os.path.join(runtime, "weston.log"), "w")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={SOCKET}",
         "--idle-time=0"],
        env={**os.environ, "XDG_RUNTIME_DIR": runtime}, stdin=subprocess.DEVNULL, stdout=log,
        stderr=subprocess.STDOUT)
    socket = os.path.join(runtime, SOCKET)
    deadline = time.monotonic() + 15
    while not os.path.exists(socket):
        if weston.poll() is not None or time.monotonic() > deadline:
            weston.kill()
            with open(log.name) as text:
                return None, text.read()[-2000:]
        time.sleep(0.05)
    return weston, None


def press_over_atspi(app):
    for role, colour, _ in BANDS:
        combos = find(app, "combo box", lambda n: n.description.startswith(role))
        if len(combos) != 1:
            raise Failure(f"{role}: {len(combos)} selectors")
        fields = [n for n in (combos[0].getChildAtIndex(i) for i in range(combos[0].childCount))
                  if n is not None and "EditableText" in pyatspi.listInterfaces(n)]
        if not fields:
            raise Failure(f"{role}: the selector's field cannot be edited over AT-SPI")
        fields[0].queryEditableText().setTextContents(colour)
    buttons = find(app, "push button", lambda n: n.name == "U redu")
    if len(buttons) != 1:
        raise Failure(f"{len(buttons)} buttons named U redu")
    buttons[0].queryAction().doAction(0)


def readouts(app):
    found = []
    for role, _, _ in BANDS:
        labels = find(app, "label", lambda n, role=role: n.description == role)
        found.append(labels[0].name if len(labels) == 1 else None)
    return found


def main():
    binary = sys.argv[1]
    if shutil.which("weston") is None:
        print(f"SKIP weston is not installed")
        return SKIPPED
    runtime = tempfile.mkdtemp(prefix="zerapol-wayland-")
    os.chmod(runtime, 0o700)
    weston, why = start_weston(runtime)
    if weston is None:
        print(f"SKIP Weston could not start here:\n{why}")
        shutil.rmtree(runtime, ignore_errors=True)
        return SKIPPED
    # No X display anywhere in the program's environment: if it runs, it runs on Wayland.
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "XAUTHORITY")}
    env.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=SOCKET, XDG_RUNTIME_DIR=runtime,
               LANG="C.UTF-8", LC_ALL="C.UTF-8")
    program = subprocess.Popen([binary], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    try:
        def on_bus():
            if program.poll() is not None:
                raise Failure(f"the program ended with status {program.returncode}: "
                              + program.stderr.read().decode(errors="replace"))
            return application(program.pid)

        app = wait_until(on_bus, "the program on the AT-SPI bus", timeout=20)
        wait_until(lambda: find(app, "push button", lambda n: n.name == "U redu"),
                   "the window's controls over AT-SPI")
        press_over_atspi(app)
        expected = [readout for *_, readout in BANDS]
        try:
            wait_until(lambda: readouts(app) == expected, "the readouts after the press",
                       timeout=10)
        except Failure:
            raise Failure(f"readouts {readouts(app)}, expected {expected}")
        if program.poll() is not None:
            raise Failure(f"the program ended with status {program.returncode}")
        print("PASS a press on Wayland, made and read over AT-SPI")
        print("1 passed, 0 failed")
        return 0
    except Failure as failure:
        print(f"FAIL {failure}")
        print("0 passed, 1 failed")
        return 1
    finally:
        program.terminate()
        program.wait(timeout=10)
        weston.terminate()
        weston.wait(timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
