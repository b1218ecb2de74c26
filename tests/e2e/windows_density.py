# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Zerapol.exe at 96, 120, 144 and 192 dots per inch (Wine's LogPixels): the window is the same
drawing, scaled: every control's rectangle is the design's twips at that density, within a
pixel, the outlines and leads the window draws stand there too, and the text in each selector's
field has as much room above its ink as below it, within 2 pixels.

Usage: windows_density.py WINE_RUN ZERAPOL_EXE INSPECTOR
"""

import argparse
import subprocess

from Xlib import X

from desktop_session import Failure
from wine_session import WineSession, run_checks

# The design, in twips (1440 to the inch): left, top, width, height.
DESIGN = {
    "Command1": (3120, 1200, 1455, 495),
    "Picture5": (5280, 2280, 495, 1215),
    "Picture4": (4440, 2280, 495, 1215),
    "Picture3": (3600, 2280, 495, 1215),
    "Picture1": (1920, 2280, 495, 1215),
    "Combo5": (6480, 600, 1335, 315),
    "Combo4": (4920, 600, 1335, 315),
    "Combo3": (3360, 600, 1335, 315),
    "Combo2": (1800, 600, 1335, 315),
    "Combo1": (240, 600, 1335, 315),
    "Picture2": (2760, 2280, 495, 1215),
    "Label7": (2520, 4200, 375, 375),
    "Label6": (2160, 4200, 375, 375),
    "Label5": (5040, 3840, 975, 255),
    "Label4": (3360, 3840, 1215, 255),
    "Label3": (5040, 4200, 975, 375),
    "Label2": (3000, 4200, 1935, 375),
    "Label1": (1800, 4200, 375, 375),
}
CLIENT = (7995, 5235)
# The outlines the window draws: the readouts' frames and the resistor's body.
OUTLINES = {
    "Shape4": (5040, 4200, 975, 375),
    "Shape3": (3000, 4200, 1935, 375),
    "Shape2": (1800, 4200, 1095, 375),
    "Shape1": (1680, 2280, 4335, 1215),
}
# The leads run along y = 2880 between these x, 4 pixels wide at 96 dpi.
LEADS = {"Line1": (1080, 1680), "Line8": (6000, 6480)}
BLACK = 0x000000


# The selectors whose field shows "Izaberite boju" unchosen: the first has the focus, and its
# text is selected.
UNCHOSEN = ("Combo2", "Combo3", "Combo4", "Combo5")


def ink_margins(session, reading, name, dpi):
    """Rows of the field above and below the text's ink, between the field's edges, left of the
    arrow button."""
    left, top, width, height = reading.controls[name].rect
    x = reading.origin[0] + left + round(4 * dpi / 96)
    columns = width - round(4 * dpi / 96) - round(22 * dpi / 96)
    root = session.x.screen().root
    image = root.get_image(x, reading.origin[1] + top, columns, height, X.ZPixmap, 0xFFFFFFFF)
    ink = []
    for row in range(height):
        line = image.data[row * columns * 4:(row + 1) * columns * 4]
        darkest = min(sum(line[i:i + 3]) for i in range(0, len(line), 4))
        ink.append(darkest < 3 * 96)
    # The edges are the field's first and last rows that are not ink-free white from end to end.
    rows = [r for r in range(height) if ink[r]]
    if not rows:
        return None
    edge = round(dpi / 96)
    return rows[0] - edge, height - 1 - edge - rows[-1]


def colour_at(session, reading, x, y):
    """The colour on the screen at a point of the client area, as 0xRRGGBB."""
    return session.pixel(session.x.screen().root.id, reading.origin[0] + x, reading.origin[1] + y)


def drawn_shape_failures(session, reading, dpi):
    """Each outline's edges are black across their middles (its sides a quarter of the way down)
    with no black just outside them, and each lead is black across its width with none just above
    or below."""
    def px(twips):
        return round(twips * dpi / 1440)

    failures = []
    for name, (left, top, width, height) in OUTLINES.items():
        x1, y1 = px(left), px(top)
        x2, y2 = x1 + px(width) - 1, y1 + px(height) - 1
        # A quarter of the way down the sides: the leads meet the body at the middle.
        xm, ym = (x1 + x2) // 2, y1 + (y2 - y1) // 4
        for edge, (x, y), (ox, oy) in (("left", (x1, ym), (x1 - 1, ym)),
                                       ("right", (x2, ym), (x2 + 1, ym)),
                                       ("top", (xm, y1), (xm, y1 - 1)),
                                       ("bottom", (xm, y2), (xm, y2 + 1))):
            if colour_at(session, reading, x, y) != BLACK \
                    or colour_at(session, reading, ox, oy) == BLACK:
                failures.append(f"{name}'s {edge} edge is not at ({x}, {y})")
    # A lead's width is split on either side of its row, as a pen's would be.
    thick = round(4 * dpi / 96)
    for name, (x1, x2) in LEADS.items():
        x, first = (px(x1) + px(x2)) // 2, px(2880) - thick // 2
        rows = [colour_at(session, reading, x, row) for row in range(first - 1, first + thick + 1)]
        if rows[0] == BLACK or rows[-1] == BLACK or any(c != BLACK for c in rows[1:-1]):
            failures.append(f"{name} is not {thick} rows wide from row {first}: {rows}")
    return failures


def set_density(session, dpi):
    subprocess.run([session.wine_run, "reg", "add", r"HKCU\Control Panel\Desktop", "/v",
                    "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                   env=session.environment(), check=True, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)


def check_at(session, exe, dpi):
    def px(twips):
        return twips * dpi / 1440

    failures = []
    program, window = session.start_program(exe)
    reading = session.wait_for_reading(lambda r: r.controls["Combo1"].present,
                                       "the inspector to read Form1")
    if reading.dpi != dpi:
        failures.append(f"the window runs at {reading.dpi} dpi")
    width, height = (px(t) for t in CLIENT)
    if abs(reading.size[0] - width) > 1 or abs(reading.size[1] - height) > 1:
        failures.append(f"client area {reading.size}, expected {width:.1f} x {height:.1f}")
    for name, twips in DESIGN.items():
        seen = reading.controls[name].rect
        expected = tuple(px(t) for t in twips)
        if any(abs(s - e) > 1 for s, e in zip(seen, expected)):
            failures.append(f"{name} at {seen}, expected "
                            + ", ".join(f"{e:.1f}" for e in expected))
    failures += drawn_shape_failures(session, reading, dpi)
    for name in UNCHOSEN:
        margins = ink_margins(session, reading, name, dpi)
        if margins is None:
            failures.append(f"{name} shows no text")
        elif abs(margins[0] - margins[1]) > 2:
            failures.append(f"{name}'s text has {margins[0]} rows above its ink and "
                            f"{margins[1]} below")
        else:
            print(f"{dpi} dpi: {name} ink margins {margins[0]} above, {margins[1]} below")
    session.close_window(window)
    program.wait(timeout=20)
    return [f"{dpi} dpi: {f}" for f in failures]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("wine_run")
    parser.add_argument("exe")
    parser.add_argument("inspector")
    args = parser.parse_args()

    failures = []
    with WineSession(args.wine_run, args.inspector) as session:
        try:
            for dpi in (96, 120, 144, 192):
                set_density(session, dpi)
                failures += check_at(session, args.exe, dpi)
        finally:
            set_density(session, 96)
    if failures:
        raise Failure("\n".join(failures))
    print("windows_density: all checks passed")
    return 0


if __name__ == "__main__":
    run_checks(main)
