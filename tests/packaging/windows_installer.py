# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Zerapol's Windows installer under Wine, as a user or an administrator uses it, each case in a
Wine prefix of its own, made fresh in a temporary folder:
- installed silently, the program is in Program Files\\Zerapol byte for byte as shipped, the
  Start menu has its entry pointing at it with its icon, "Apps & features" lists it, and the
  installed program shows its window; removed silently, nothing of it is left;
- installed over an older version, one entry is left, of the newer; an older version installed
  over it is refused and changes nothing.
The older version is the same installer built as 0.99 by the build's own script.

Usage: windows_installer.py MSI EXE CMAKE BUILD_MSI_SCRIPT WXS ICON NAME WIXL MSIBUILD FAKETIME
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from desktop_session import TITLE, DesktopSession, Failure, wait_until  # noqa: E402
from wine_session import WINE_SCREEN, run_checks  # noqa: E402
from installer_build import ARGUMENTS, build_msi  # noqa: E402

UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
PRODUCTS = r"HKLM\Software\Classes\Installer\Products"
INSTALLED = os.path.join("drive_c", "Program Files", "Zerapol")
PUBLISHER = "Zerapol developers"


def check(condition, what):
    if not condition:
        raise Failure(what)


class Prefix(DesktopSession):
    """A fresh Wine prefix in a temporary folder, with its session in a private X server."""

    def __init__(self):
        super().__init__(WINE_SCREEN)
        self.folder = tempfile.mkdtemp(prefix="zerapol-msi-")
        self.path = os.path.join(self.folder, "prefix")
        # Wine's menu builder would write the Start menu entry into the caller's home as a
        # desktop file: this test writes nothing outside its own folder.
        self.wine_environment = {"WINEPREFIX": self.path, "WINEDEBUG": "-all",
                                 "WINEDLLOVERRIDES": "mscoree,mshtml,winemenubuilder.exe="}
        self.wine("wineboot", "--init")

    def environment(self):
        env = super().environment()
        env.update(self.wine_environment)
        return env

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.environment(), check=False)
        subprocess.run(["wineserver", "-w"], env=self.environment(), check=False)
        super().close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def wine(self, *args, timeout=180):
        return subprocess.run(["wine", *args], env=self.environment(), stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=timeout).returncode

    def msiexec(self, *args):
        # The status arrives cut to its low 8 bits: 1603 is 67, 1638 is 102.
        return self.wine("msiexec", *args)

    def uninstall_entries(self):
        """Every "Apps & features" entry named Zerapol: {key: {value: data}}."""
        return self.registry(UNINSTALL, "DisplayName")

    def registrations(self):
        """Every product registration of the installer's named Zerapol, where "Apps &
        features" takes the product's icon from."""
        return self.registry(PRODUCTS, "ProductName")

    def registry(self, root, naming):
        result = subprocess.run(["wine", "reg", "query", root, "/s"], env=self.environment(),
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        entries, key = {}, None
        for line in result.stdout.decode("utf-8", errors="replace").splitlines():
            if line.startswith("HKEY_"):
                key = line.strip()
                entries[key] = {}
            elif key and line.startswith("    "):
                parts = line.strip().split(None, 2)
                if len(parts) >= 2:
                    entries[key][parts[0]] = parts[2] if len(parts) == 3 else ""
        return {k: v for k, v in entries.items() if v.get(naming) == "Zerapol"}

    def windows_path(self, path):
        """Where a C: path of this prefix is on this machine."""
        check(path[:3].lower() == "c:\\", f"{path!r} is not on drive C:")
        return self.file("drive_c", *path[3:].split("\\"))

    def file(self, *parts):
        return os.path.join(self.path, *parts)

    def shortcuts(self, name):
        """The Start menu entries of that name, for all users or (as Wine puts them) the user."""
        found = []
        for root, _, files in os.walk(self.file("drive_c")):
            if "Start Menu" in root and f"{name}.lnk" in files:
                found.append(os.path.join(root, f"{name}.lnk"))
        return found


def shell_link(path):
    """The target and icon of a Windows shortcut (.lnk), from its link info and string data."""
    data = open(path, "rb").read()
    flags = int.from_bytes(data[20:24], "little")
    at = 76
    if flags & 0x01:  # HasLinkTargetIDList
        at += 2 + int.from_bytes(data[at:at + 2], "little")
    target = None
    if flags & 0x02:  # HasLinkInfo
        info = data[at:]
        base = int.from_bytes(info[16:20], "little")
        target = info[base:info.index(b"\0", base)].decode("latin-1")
        at += int.from_bytes(info[0:4], "little")
    unicode = bool(flags & 0x80)
    strings = {}
    for bit, name in ((0x04, "name"), (0x08, "relative"), (0x10, "directory"),
                      (0x20, "arguments"), (0x40, "icon")):
        if flags & bit:
            count = int.from_bytes(data[at:at + 2], "little")
            size = count * 2 if unicode else count
            raw = data[at + 2:at + 2 + size]
            strings[name] = raw.decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
            at += 2 + size
    return target, strings.get("icon"), strings.get("directory")


def install_use_and_remove(args):
    with Prefix() as prefix:
        status = prefix.msiexec("/i", args.msi, "/qn")
        check(status == 0, f"the silent install ended with status {status}")

        exe = prefix.file(INSTALLED, "Zerapol.exe")
        check(os.path.isfile(exe), "no Zerapol.exe in Program Files\\Zerapol")
        with open(exe, "rb") as installed, open(args.exe, "rb") as shipped:
            check(installed.read() == shipped.read(), "the installed Zerapol.exe is not the one shipped")

        links = prefix.shortcuts(args.name)
        check(len(links) == 1, f"Start menu entries named {args.name!r}: {links}")
        target, icon, directory = shell_link(links[0])
        check(target and target.lower() == r"c:\program files\zerapol\zerapol.exe",
              f"the Start menu entry points at {target!r}")
        check(directory and directory.lower().rstrip("\\") == r"c:\program files\zerapol",
              f"the Start menu entry starts in {directory!r}")
        with open(args.icon, "rb") as shipped:
            program_icon = shipped.read()
        check(icon and os.path.isfile(prefix.windows_path(icon)),
              f"the Start menu entry's icon {icon!r} is not there")
        with open(prefix.windows_path(icon), "rb") as shown:
            check(shown.read() == program_icon, "the Start menu entry shows another icon")

        entries = prefix.uninstall_entries()
        check(len(entries) == 1, f"{len(entries)} Apps & features entries for Zerapol")
        values = next(iter(entries.values()))
        expected = {"DisplayVersion": "1.00", "Publisher": PUBLISHER,
                    "NoModify": "0x1", "NoRepair": "0x1"}
        for name, value in expected.items():
            check(values.get(name) == value,
                  f"the entry's {name} is {values.get(name)!r}, expected {value!r}")
        registrations = prefix.registrations()
        check(len(registrations) == 1, f"{len(registrations)} product registrations of Zerapol")
        product_icon = next(iter(registrations.values())).get("ProductIcon", "")
        check(product_icon and os.path.isfile(prefix.windows_path(product_icon)),
              f"the entry's icon {product_icon!r} is not there")
        with open(prefix.windows_path(product_icon), "rb") as shown:
            check(shown.read() == program_icon, "the entry shows another icon")

        program = subprocess.Popen(["wine", r"C:\Program Files\Zerapol\Zerapol.exe"],
                                   env=prefix.environment(), stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        prefix.programs.append(program)
        window = wait_until(lambda: prefix.windows_titled(TITLE), "the installed program's window",
                            timeout=60)[0]
        prefix.close_window(window)
        check(program.wait(timeout=30) == 0, "the installed program did not end with status 0")

        status = prefix.msiexec("/x", args.msi, "/qn")
        check(status == 0, f"the silent removal ended with status {status}")
        check(not os.path.exists(prefix.file(INSTALLED)), "Program Files\\Zerapol is still there")
        check(not prefix.shortcuts(args.name), "the Start menu entry is still there")
        check(not prefix.uninstall_entries(), "the Apps & features entry is still there")
        check(not prefix.registrations(), "the product is still registered")
        check(not os.path.exists(prefix.windows_path(product_icon)), "its icon is still there")


def upgrade_and_downgrade(args, older):
    with Prefix() as prefix:
        check(prefix.msiexec("/i", older, "/qn") == 0, "the 0.99 installer failed")
        check([v.get("DisplayVersion") for v in prefix.uninstall_entries().values()] == ["0.99"],
              "0.99 is not what Apps & features lists")
        status = prefix.msiexec("/i", args.msi, "/qn")
        check(status == 0, f"installing 1.00 over 0.99 ended with status {status}")
        versions = [v.get("DisplayVersion") for v in prefix.uninstall_entries().values()]
        check(versions == ["1.00"], f"after the upgrade Apps & features lists {versions}")

        status = prefix.msiexec("/i", older, "/qn")
        check(status != 0, "0.99 installed over 1.00")
        versions = [v.get("DisplayVersion") for v in prefix.uninstall_entries().values()]
        check(versions == ["1.00"], f"after the refused downgrade Apps & features lists {versions}")
        with open(prefix.file(INSTALLED, "Zerapol.exe"), "rb") as installed, \
                open(args.exe, "rb") as shipped:
            check(installed.read() == shipped.read(), "the refused downgrade changed Zerapol.exe")


def main():
    parser = argparse.ArgumentParser()
    for name in ("msi",) + ARGUMENTS:
        parser.add_argument(name)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="zerapol-msi-build-") as folder:
        older = build_msi(args, "0.99", folder)
        install_use_and_remove(args)
        upgrade_and_downgrade(args, older)
    print("windows_installer: all checks passed")
    return 0


if __name__ == "__main__":
    run_checks(main)
