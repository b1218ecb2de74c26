# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""A private X server with the real program in it, driven the way a person drives it.

There is no window manager: input goes through XTEST (xdotool), and closing a window sends it
the same WM_DELETE_WINDOW message that a window manager sends when its close button is clicked.
"""

import os
import shutil
import subprocess
import tempfile
import time

from Xlib import X, display, protocol

TITLE = "Izracunavanje vrednosti otpornika v.1.0 by Vemitrak"


class Failure(Exception):
    pass


def wait_until(condition, what, timeout=15.0):
    """Polls condition until it holds; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


class DesktopSession:
    def __init__(self, screen="1024x768", **environment):
        self.runtime = tempfile.mkdtemp(prefix="zerapol-e2e-")
        os.chmod(self.runtime, 0o700)
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.name = f":{number}"
        self.x = display.Display(self.name)
        self.programs = []
        self.extra_environment = environment

    def close(self):
        for program in self.programs:
            if program.poll() is None:
                program.kill()
                program.wait()
        self.x.close()
        self.server.terminate()
        self.server.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def environment(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.name, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=self.runtime,
                   LANG="C.UTF-8", LC_ALL="C.UTF-8")
        env.update(self.extra_environment)
        return env

    def start(self, binary, *arguments):
        """Starts the program and returns its process and its window, once shown."""
        known = set(self.windows_titled(TITLE))
        program = subprocess.Popen([binary, *arguments], env=self.environment(), stdin=subprocess.DEVNULL,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.programs.append(program)

        def new_window():
            if program.poll() is not None:
                raise Failure(f"the program ended with status {program.returncode} before "
                              f"showing its window: {program.stderr.read().decode()}")
            fresh = [w for w in self.windows_titled(TITLE) if w not in known and self.viewable(w)]
            return fresh[0] if fresh else None

        window = wait_until(new_window, "the window titled " + TITLE)
        return program, window

    def windows_titled(self, title):
        found = []
        for child in self.x.screen().root.query_tree().children:
            name = child.get_full_property(self.x.intern_atom("_NET_WM_NAME"), 0) or \
                child.get_full_property(self.x.intern_atom("WM_NAME"), 0)
            if name is not None and name.value.decode("utf-8", "replace") == title:
                found.append(child.id)
        return found

    def viewable(self, window_id):
        return self.x.create_resource_object("window", window_id).get_attributes().map_state \
            == X.IsViewable

    def icon_sizes(self, window_id):
        """The sizes of the icons the window offers the desktop (_NET_WM_ICON)."""
        window = self.x.create_resource_object("window", window_id)
        icon = window.get_full_property(self.x.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
        values = list(icon.value) if icon else []
        sizes = []
        while len(values) >= 2:
            width, height = values[0], values[1]
            sizes.append((width, height))
            values = values[2 + width * height:]
        return sizes

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.environment(), check=True,
                       timeout=30)

    def click(self, window, x, y):
        self.xdotool("mousemove", "--window", window, x, y)
        self.xdotool("click", "1")

    def keys(self, *names):
        self.xdotool("key", "--delay", "20", *names)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window)

    def pixel(self, window_id, x, y):
        """The colour at a point of the window as on screen, as 0xRRGGBB."""
        window = self.x.create_resource_object("window", window_id)
        image = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        blue, green, red = image.data[0], image.data[1], image.data[2]
        return red << 16 | green << 8 | blue

    def screenshot(self, window, path):
        subprocess.run(["import", "-window", str(window), path], env=self.environment(),
                       check=True, timeout=30)

    def screenshot_of_area(self, window_id, path):
        """What the screen shows where the window is, lists and menus open over it included."""
        window = self.x.create_resource_object("window", window_id)
        geometry = window.get_geometry()
        origin = window.translate_coords(self.x.screen().root, 0, 0)
        crop = f"{geometry.width}x{geometry.height}+{-origin.x}+{-origin.y}"
        subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path],
                       env=self.environment(), check=True, timeout=30)

    def close_window(self, window_id):
        """What a window manager does when the title bar's close button is clicked."""
        window = self.x.create_resource_object("window", window_id)
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        message = protocol.event.ClientMessage(
            window=window, client_type=protocols,
            data=(32, [self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        self.x.flush()
