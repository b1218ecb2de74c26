# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Zerapol.exe under Wine in a real X server: pick and type colours, press "U redu", read the
bands off the screen and the readouts through the inspector, hear what a screen reader gets of
each band's controls, try the near misses and Enter, close the window.

Usage: windows_press_and_read.py WINE_RUN ZERAPOL_EXE INSPECTOR [--screenshot PATH]
"""

import argparse

from desktop_session import Failure, wait_until
from wine_session import WineSession, run_checks

BACKGROUND = 0xD4D0C8
SELECTORS = ("Combo1", "Combo2", "Combo3", "Combo4", "Combo5")
SWATCHES = ("Picture1", "Picture2", "Picture3", "Picture4", "Picture5")
READOUTS = ("Label1", "Label6", "Label7", "Label2", "Label3")
ROLES = ("Prva cifra", "Druga cifra", "Treca cifra", "Broj nula", "Tolerancija")
CHOOSE = "Izaberite boju"

DIGITS = ["Crna", "Braon", "Crvena", "Narandzasta", "Zuta", "Zelena", "Plava", "Ljubicasta",
          "Siva", "Bela"]
MULTIPLIERS = DIGITS[:8] + ["Zlatna", "Srebrna"]
TOLERANCES = ["Braon", "Crvena", "Zelena", "Plava", "Ljubicasta", "Siva", "Zlatna", "Srebrna"]
LISTS = (DIGITS, DIGITS, DIGITS, MULTIPLIERS, TOLERANCES)

# Band by band: how the colour is entered, the colour, its row in the band's list, the colour
# the band is painted in and what its readout then says.
TYPICAL = (
    ("pick", "Crvena", 2, 0xFF0000, "2"),
    ("type", "Ljubicasta", None, 0xC000C0, "7"),
    ("pick", "Crna", 0, 0x000000, "0"),
    ("type", "Braon", None, 0x7B5A15, "0"),
    ("pick", "Zlatna", 6, 0xD3C143, "5%"),
)


def check(condition, what):
    if not condition:
        raise Failure(what)


class Form:
    def __init__(self, session):
        self.session = session
        self.reading = session.wait_for_reading(lambda r: r.controls["Combo1"].present,
                                                "the inspector to read Form1")

    def refresh(self):
        self.reading = self.session.inspect()
        return self.reading

    def swatches(self):
        return [self.session.root_pixel(self.reading.on_screen(name)) for name in SWATCHES]

    def readouts(self):
        reading = self.refresh()
        return [reading.text(name) for name in READOUTS]

    def select_field(self, band):
        self.session.click_at(self.reading.on_screen(SELECTORS[band], dx=20))

    def type(self, band, text):
        self.select_field(band)
        self.session.keys("End", "shift+Home", "BackSpace")
        if text:
            self.session.type(text)

    def pick(self, band, row):
        # From an empty field, so that nothing in the list is chosen when it opens.
        self.type(band, "")
        self.session.keys("F4")
        # Wine's open list ignores Home while nothing in it is chosen; the first Down chooses
        # the first row there, and Home does on Windows.
        self.session.keys("Down", "Home", *["Down"] * row, "Return")

    def press_ok(self):
        self.session.click_at(self.reading.on_screen("Command1"))

    def expect(self, colours, texts, what):
        try:
            wait_until(lambda: self.swatches() == colours and self.readouts() == texts, what,
                       timeout=10)
        except Failure:
            raise Failure(f"{what}: swatches "
                          + ", ".join(f"{c:06X}" for c in self.swatches())
                          + f" and readouts {self.readouts()}; expected "
                          + ", ".join(f"{c:06X}" for c in colours) + f" and {texts}")

    def selector_texts(self):
        reading = self.refresh()
        return [reading.text(name) for name in SELECTORS]


def initial_look(form):
    reading = form.reading
    check(reading.size == (533, 349), f"client area {reading.size}, expected 533 x 349")
    check(all(c.present for c in reading.controls.values()), "a control is missing")
    check(form.selector_texts() == [CHOOSE] * 5, f"selectors read {form.selector_texts()}")
    for band, name in enumerate(SELECTORS):
        check(reading.items.get(name) == LISTS[band],
              f"{name} lists {reading.items.get(name)}, expected {LISTS[band]}")
    check(reading.text("Command1") == "U redu", "the button is not captioned U redu")
    check(reading.text("Label4") == "Broj nula" and reading.text("Label5") == "Tolerancija",
          "the captions are not Broj nula and Tolerancija")
    form.expect([BACKGROUND] * 5, [""] * 5, "the initial look")


def first_keystroke(form, window):
    """Typing straight away, with no click, replaces the first field's text."""
    form.session.focus(window)
    form.session.type("Crvena")
    try:
        wait_until(lambda: form.selector_texts()[0] == "Crvena", "the typed name in Combo1")
    except Failure:
        raise Failure(f"typing without a click gave Combo1 {form.selector_texts()[0]!r}")
    form.press_ok()
    form.expect([0xFF0000] + [BACKGROUND] * 4, ["2"] + [""] * 4, "the press after typing")


def typical_press(form):
    for band, (how, name, row, _, _) in enumerate(TYPICAL):
        if how == "pick":
            form.pick(band, row)
        else:
            form.type(band, name)
    try:
        wait_until(lambda: form.selector_texts() == [t[1] for t in TYPICAL], "the five names")
    except Failure:
        raise Failure(f"selectors read {form.selector_texts()}")
    # Nothing changes until the button is pressed: band 1 still shows the first keystroke's.
    form.expect([0xFF0000] + [BACKGROUND] * 4, ["2"] + [""] * 4, "before the press")
    form.press_ok()
    form.expect([t[3] for t in TYPICAL], [t[4] for t in TYPICAL], "after the press")


def screen_reader_names(form):
    """What a screen reader tells apart: each selector is named by a hidden label just above it,
    each swatch by its text, and each readout says its digits with its band as description.
    (Wine's accessibility names a combo box by its text, not its label, so the label is read
    from the window structure, as Windows would find it.)"""
    reading = form.refresh()
    for band, role in enumerate(ROLES):
        label = reading.labels.get(SELECTORS[band])
        check(label is not None, f"nothing stands above {SELECTORS[band]}")
        expected = f"{role}, boja trake"
        check(label.window_class.lower() == "static" and label.text == expected,
              f"{SELECTORS[band]} is labelled by a {label.window_class} {label.text!r}, "
              f"expected a Static {expected!r}")
        check(not label.visible and not label.tab_stop,
              f"the label of {SELECTORS[band]} is visible or a tab stop")
        swatch = reading.accessible.get(SWATCHES[band])
        check(swatch and swatch[0] == f"{role}, traka",
              f"{SWATCHES[band]} is called {swatch}, expected {role}, traka")
        readout = reading.accessible.get(READOUTS[band])
        shown = TYPICAL[band][4]
        check(readout == (shown, role),
              f"{READOUTS[band]} is read as {readout}, expected ({shown!r}, {role!r})")


def near_misses_and_enter(form):
    painted = [t[3] for t in TYPICAL]
    texts = [t[4] for t in TYPICAL]
    form.type(0, "crna")
    form.type(1, " Zuta")
    form.type(3, "Siva")
    form.press_ok()
    form.expect(painted, texts, "near misses left their bands as they were")

    # Enter or Escape in a selector is no press of "U redu", and Escape closes nothing.
    form.type(2, "Bela")
    form.session.keys("Return")
    form.expect(painted, texts, "Enter in a selector pressed nothing")
    form.session.keys("Escape")
    form.expect(painted, texts, "Escape in a selector pressed nothing")
    check(form.refresh().controls["Combo3"].present, "Escape closed the window")
    form.press_ok()
    painted[2], texts[2] = 0xFFFFFF, "9"
    form.expect(painted, texts, "the press after Enter")
    form.press_ok()
    form.expect(painted, texts, "a second press changes nothing")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("wine_run")
    parser.add_argument("exe")
    parser.add_argument("inspector")
    parser.add_argument("--screenshot")
    args = parser.parse_args()

    with WineSession(args.wine_run, args.inspector) as session:
        program, window = session.start_program(args.exe)
        form = Form(session)
        initial_look(form)
        first_keystroke(form, window)
        typical_press(form)
        screen_reader_names(form)
        if args.screenshot:
            session.screenshot(window, args.screenshot)
            return 0
        near_misses_and_enter(form)

        session.close_window(window)
        try:
            status = program.wait(timeout=20)
        except Exception:
            raise Failure("the program did not end when its window was closed")
        check(status == 0, f"closing the window ended the program with status {status}")
    print("windows_press_and_read: all checks passed")
    return 0


if __name__ == "__main__":
    run_checks(main)
