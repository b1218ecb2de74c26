# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""The real program in a real X server: pick and type colours, press "U redu", read the bands
off the screen, close the window.

Usage: press_and_read.py ZERAPOL_BINARY [--screenshot PATH]
"""

import argparse
import sys
import time

from desktop_session import DesktopSession, Failure, wait_until

BACKGROUND = 0xD4D0C8
OK_BUTTON = (256, 96)
SELECTOR_LEFTS = (16, 120, 224, 328, 432)
SWATCH_CENTRES = ((144, 192), (200, 192), (256, 192), (312, 192), (368, 192))

# Band by band: how the colour is entered, the colour, its row in the band's list, and the
# colour the band is painted in.
TYPICAL = (
    ("pick", "Crvena", 2, 0xFF0000),
    ("type", "Ljubicasta", None, 0xC000C0),
    ("pick", "Crna", 0, 0x000000),
    ("type", "Braon", None, 0x7B5A15),
    ("pick", "Zlatna", 6, 0xD3C143),
)


def pick(session, window, band, row):
    left = SELECTOR_LEFTS[band]
    session.click(window, left + 30, 50)
    session.keys("alt+Down")
    session.keys("Home", *["Down"] * row, "Return")


def type_into(session, window, band, text):
    left = SELECTOR_LEFTS[band]
    session.click(window, left + 30, 50)
    session.keys("ctrl+a")
    session.type(text)


def swatches(session, window):
    return [session.pixel(window, x, y) for x, y in SWATCH_CENTRES]


def expect_swatches(session, window, expected, what):
    try:
        wait_until(lambda: swatches(session, window) == expected, what, timeout=10)
    except Failure:
        seen = ", ".join(f"{c:06X}" for c in swatches(session, window))
        raise Failure(f"{what}: swatches show {seen}, expected "
                      + ", ".join(f"{c:06X}" for c in expected))


def close_and_expect_clean_exit(session, program, window):
    session.close_window(window)
    try:
        status = program.wait(timeout=10)
    except Exception:
        raise Failure("the program did not end when its window was closed")
    if status != 0:
        raise Failure(f"closing the window ended the program with status {status}: "
                      + program.stderr.read().decode())


def typical_press(session, binary, screenshot):
    program, window = session.start(binary)
    if (48, 48) not in session.icon_sizes(window):
        raise Failure(f"the window offers icons of {session.icon_sizes(window)}, none of 48 px")
    session.focus(window)
    expect_swatches(session, window, [BACKGROUND] * 5, "the initial look")
    for band, (how, text, row, _) in enumerate(TYPICAL):
        if how == "pick":
            pick(session, window, band, row)
        else:
            type_into(session, window, band, text)
    # Nothing shows before the press.
    expect_swatches(session, window, [BACKGROUND] * 5, "the look before the press")
    session.click(window, *OK_BUTTON)
    expect_swatches(session, window, [colour for *_, colour in TYPICAL], "the look after the press")
    if screenshot:
        # With the multiplier's list open over the window, to show its colour chips.
        session.click(window, SELECTOR_LEFTS[3] + 30, 50)
        session.keys("alt+Down")
        time.sleep(0.5)
        session.screenshot_of_area(window, screenshot)
        session.keys("Escape")
    close_and_expect_clean_exit(session, program, window)


def two_independent_windows(session, binary):
    first, first_window = session.start(binary)
    second, second_window = session.start(binary)
    session.focus(second_window)
    expect_swatches(session, second_window, [BACKGROUND] * 5, "the second window's initial look")
    type_into(session, second_window, 0, "Bela")
    session.click(second_window, *OK_BUTTON)
    expect_swatches(session, second_window, [0xFFFFFF] + [BACKGROUND] * 4,
                    "the second window after its press")
    close_and_expect_clean_exit(session, second, second_window)
    if first.poll() is not None:
        raise Failure("closing one window ended the other program")
    close_and_expect_clean_exit(session, first, first_window)


def arguments_are_ignored(session, binary):
    # Were the toolkit to see "-platform offscreen", no window would reach the X server.
    program, window = session.start(binary, "-platform", "offscreen", "--help", "-reverse")
    expect_swatches(session, window, [BACKGROUND] * 5, "the initial look")
    close_and_expect_clean_exit(session, program, window)


def twice_the_scale(session, binary):
    """On a high-density screen: the same window, twice as large, painted as crisply."""
    program, window = session.start(binary)
    geometry = session.x.create_resource_object("window", window).get_geometry()
    if (geometry.width, geometry.height) != (1066, 698):
        raise Failure(f"the window is {geometry.width} x {geometry.height}, not 1066 x 698")
    session.focus(window)
    session.click(window, 2 * (SELECTOR_LEFTS[0] + 30), 2 * 50)
    session.keys("ctrl+a")
    session.type("Crvena")
    session.click(window, 2 * OK_BUTTON[0], 2 * OK_BUTTON[1])
    x, y = SWATCH_CENTRES[0]
    wait_until(lambda: session.pixel(window, 2 * x, 2 * y) == 0xFF0000,
               "the first band painted red at twice the scale")
    # The body's top edge, two device pixels and more of it, over the painted band.
    for dy in (0, 1, 2, 3):
        if session.pixel(window, 2 * x, 2 * 152 + dy) != 0x000000:
            raise Failure(f"the body's top edge is missing {dy} pixels below its top")
    if session.pixel(window, 2 * x, 2 * 152 - 1) != BACKGROUND:
        raise Failure("something is drawn above the body")
    close_and_expect_clean_exit(session, program, window)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    scenarios = [
        ("typical press", lambda s: typical_press(s, args.binary, args.screenshot)),
        ("two independent windows", lambda s: two_independent_windows(s, args.binary)),
        ("arguments are ignored", lambda s: arguments_are_ignored(s, args.binary)),
        ("twice the scale", lambda s: twice_the_scale(s, args.binary)),
    ]
    sessions = {"twice the scale": lambda: DesktopSession("1600x1200", QT_SCALE_FACTOR="2")}
    failed = 0
    for name, scenario in scenarios:
        with sessions.get(name, DesktopSession)() as session:
            try:
                scenario(session)
                print(f"PASS {name}")
            except Failure as failure:
                failed += 1
                print(f"FAIL {name}: {failure}")
    print(f"{len(scenarios) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
