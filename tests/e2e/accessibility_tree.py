# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""What a screen reader finds in the real program's window, read over AT-SPI after a press.

Run inside its own D-Bus session (dbus-run-session), which starts the accessibility bus.
Usage: accessibility_tree.py ZERAPOL_BINARY
"""

import os
import sys

os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

import pyatspi  # noqa: E402  (after the environment the program inherits)

from desktop_session import DesktopSession, Failure, wait_until  # noqa: E402
from press_and_read import OK_BUTTON, SWATCH_CENTRES, type_into  # noqa: E402

# Band role, the text typed into its selector, and what its readout then shows.
BANDS = (
    ("Prva cifra", "Crvena", "2"),
    ("Druga cifra", "Ljubicasta", "7"),
    ("Treca cifra", "Crna", "0"),
    ("Broj nula", "Zuta", "0,000"),
    ("Tolerancija", "Zlatna", "5%"),
)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def find(app, role, predicate):
    return [n for n in descendants(app) if n.getRoleName() == role and predicate(n)]


def check(app):
    problems = []
    for role, colour, readout in BANDS:
        combos = find(app, "combo box", lambda n: n.description.startswith(role))
        if len(combos) != 1 or combos[0].name != colour:
            problems.append(f"{role}: selector {[(c.name, c.description) for c in combos]}")
        swatches = find(app, "filler", lambda n: n.name.startswith(role))
        if len(swatches) != 1:
            problems.append(f"{role}: {len(swatches)} swatches named for the band")
        labels = find(app, "label", lambda n: n.description == role)
        if len(labels) != 1 or labels[0].name != readout:
            problems.append(f"{role}: readout {[(l.name, l.description) for l in labels]}")
    return problems


def main():
    binary = sys.argv[1]
    with DesktopSession() as session:
        program, window = session.start(binary)
        session.focus(window)
        # The first band is typed straight away, without a click: the field that has the
        # focus when the window opens takes the first keystroke in place of its text.
        session.type(BANDS[0][1])
        for band, (_, colour, _) in enumerate(BANDS[1:], start=1):
            type_into(session, window, band, colour)
        session.click(window, *OK_BUTTON)
        try:
            wait_until(lambda: session.pixel(window, *SWATCH_CENTRES[0]) == 0xFF0000,
                       "the first band, typed without a click, to be painted red")
        except Failure as failure:
            print("FAIL", failure)
            print("0 passed, 1 failed")
            return 1
        app = wait_until(lambda: application(program.pid), "the program on the AT-SPI bus")
        problems = []

        def settled():
            problems[:] = check(app)
            return not problems

        try:
            wait_until(settled, "the accessible tree to show the press", timeout=10)
        except Failure:
            for problem in problems:
                print("FAIL", problem)
            print("0 passed, 1 failed")
            return 1
        print("PASS every band is named, described and read out")
        print("1 passed, 0 failed")
        return 0


if __name__ == "__main__":
    sys.exit(main())
