# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Zerapol.exe as a Windows user gets it: one 64-bit program of the Windows subsystem that
needs no DLL beyond Windows' own, with its version block, its icon and its manifest.

Usage: windows_executable.py ZERAPOL_EXE
"""

import sys

import pefile

from check_report import exit_status

VERSION = {
    "FileDescription": "Izracunavanje vrednosti otpornika",
    "LegalCopyright": "Copyright (c) 2026 Zerapol developers, MIT License",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "InternalName": "Zerapol",
    "OriginalFilename": "Zerapol.exe",
}
# What Windows itself provides; anything else would have to ship beside the program.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll",
               "advapi32.dll", "shell32.dll", "ole32.dll", "ws2_32.dll"}
ICON_SIZES = {16, 24, 32, 48, 64, 128, 256}
# The version block speaks the window's language: Serbian (Latin, Serbia), in Unicode (1200).
SERBIAN_LATIN = 0x241A
UNICODE = 1200


def failures_of(path):
    failures = []
    pe = pefile.PE(path)
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]:
        failures.append("not an x86-64 program")
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        failures.append("not a program of the Windows subsystem: it would open a console")

    strings, languages, translations = {}, set(), set()
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                languages.add(int(table.LangID, 16))
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
            for var in getattr(entry, "Var", []):
                value = var.entry.get(b"Translation", var.entry.get("Translation"))
                if value:
                    language, page = (int(word, 16) for word in value.split())
                    translations.add((language, page))
    expected_language = (SERBIAN_LATIN << 16) | UNICODE
    if languages != {expected_language}:
        failures.append(f"version strings in languages {[f'{l:08X}' for l in languages]}, "
                        f"expected {expected_language:08X}")
    if translations != {(SERBIAN_LATIN, UNICODE)}:
        failures.append(f"version block translations {translations}, expected "
                        f"{{({SERBIAN_LATIN:#x}, {UNICODE})}}")
    for key, value in VERSION.items():
        if strings.get(key) != value:
            failures.append(f"version block {key} is {strings.get(key)!r}, expected {value!r}")
    fixed = pe.VS_FIXEDFILEINFO[0]
    if (fixed.FileVersionMS, fixed.ProductVersionMS) != (0x10000, 0x10000):
        failures.append("the numeric file and product versions are not 1.0")

    imported = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    foreign = sorted(imported - SYSTEM_DLLS)
    if foreign:
        failures.append(f"needs DLLs that Windows does not have: {', '.join(foreign)}")

    resources = {entry.id: entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries}
    icons = resources.get(pefile.RESOURCE_TYPE["RT_ICON"])
    sizes = set()
    for icon in icons.directory.entries if icons else []:
        data_entry = icon.directory.entries[0].data.struct
        data = pe.get_data(data_entry.OffsetToData, data_entry.Size)
        if data.startswith(b"\x89PNG"):
            sizes.add(int.from_bytes(data[16:20], "big"))
        else:
            sizes.add(int.from_bytes(data[4:8], "little"))  # BITMAPINFOHEADER width
    if not ICON_SIZES <= sizes:
        failures.append(f"icon sizes {sorted(sizes)}, expected at least {sorted(ICON_SIZES)}")

    manifest = resources.get(pefile.RESOURCE_TYPE["RT_MANIFEST"])
    text = b""
    if manifest:
        data_entry = manifest.directory.entries[0].directory.entries[0].data.struct
        text = pe.get_data(data_entry.OffsetToData, data_entry.Size)
    for needed in (b"PerMonitorV2", b"Microsoft.Windows.Common-Controls"):
        if needed not in text:
            failures.append(f"the manifest does not ask for {needed.decode()}")
    return failures


def main():
    return exit_status("windows_executable", failures_of(sys.argv[1]))


if __name__ == "__main__":
    sys.exit(main())
