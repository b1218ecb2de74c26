# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Zerapol.exe under Wine in a private X server, and what the inspector reads of its window.

The Wine prefix is the one WINEPREFIX names, made beforehand by scripts/wine-prefix: made here,
Wine's own services would outlive the test and hold its output open.
"""

import subprocess
import sys

from desktop_session import DesktopSession, Failure, wait_until

# Wine keeps the screen it first saw in its prefix: every X server that a Windows program runs
# in, the one the prefix is made in included, has this size, with room for the window at
# twice its density.
WINE_SCREEN = "1600x1200"


def unescape(text):
    out, chars = [], iter(text)
    for c in chars:
        if c == "\\":
            c = {"t": "\t", "n": "\n", "\\": "\\"}[next(chars)]
        out.append(c)
    return "".join(out)


class Control:
    def __init__(self, present, rect, text):
        self.present, self.rect, self.text = present, rect, text

    def centre(self):
        left, top, width, height = self.rect
        return left + width // 2, top + height // 2


class Label:
    """The window just above a selector in the stacking order, which names it."""

    def __init__(self, window_class, visible, tab_stop, text):
        self.window_class, self.visible, self.tab_stop, self.text = (window_class, visible,
                                                                     tab_stop, text)


class FormReading:
    """One reading of Form1 by the inspector: its density, where its client area is on the
    screen, and every control's presence, place (client pixels), text and list."""

    def __init__(self, lines):
        self.controls, self.items, self.accessible, self.labels = {}, {}, {}, {}
        for line in lines:
            fields = line.split("\t")
            if fields[0] == "form":
                self.dpi = int(fields[1])
                self.origin = (int(fields[2]), int(fields[3]))
                self.size = (int(fields[4]), int(fields[5]))
            elif fields[0] == "control":
                self.controls[fields[1]] = Control(
                    fields[2] == "1", tuple(int(v) for v in fields[3:7]), unescape(fields[7]))
            elif fields[0] == "item":
                self.items.setdefault(fields[1], []).append(unescape(fields[3]))
            elif fields[0] == "accessible":
                self.accessible[fields[1]] = (unescape(fields[2]), unescape(fields[3]))
            elif fields[0] == "label":
                self.labels[fields[1]] = Label(unescape(fields[2]), fields[3] == "1",
                                               fields[4] == "1", unescape(fields[5]))

    def text(self, name):
        return self.controls[name].text

    def on_screen(self, name, dx=None, dy=None):
        """A point of the control on the screen: its centre, or an offset from its top left."""
        left, top, width, height = self.controls[name].rect
        x = left + (width // 2 if dx is None else dx)
        y = top + (height // 2 if dy is None else dy)
        return self.origin[0] + x, self.origin[1] + y


def run_checks(main):
    """Runs a test's main and exits with its status; a Failure is reported and exits 1."""
    try:
        sys.exit(main())
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)


class WineSession(DesktopSession):
    def __init__(self, wine_run, inspector):
        super().__init__(WINE_SCREEN)
        self.wine_run, self.inspector = wine_run, inspector

    def start_program(self, exe):
        return self.start(self.wine_run, exe)

    def inspect(self):
        result = subprocess.run([self.wine_run, self.inspector], env=self.environment(),
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        if result.returncode != 0:
            raise Failure("the inspector found no window: "
                          + result.stdout.decode(errors="replace"))
        return FormReading(result.stdout.decode("utf-8").splitlines())

    def wait_for_reading(self, condition, what, timeout=15):
        return wait_until(lambda: (lambda r: r if condition(r) else None)(self.inspect()),
                          what, timeout)

    def root_pixel(self, point):
        return self.pixel(self.x.screen().root.id, *point)

    def click_at(self, point):
        self.xdotool("mousemove", point[0], point[1])
        self.xdotool("click", "1")
