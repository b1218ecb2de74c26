# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Builds Zerapol's Windows installer with the build's own script, for the tests that need one
of another version or built another way."""

import os
import subprocess

# The command-line arguments that name what the installer is made from and the tools that make it.
ARGUMENTS = ("exe", "cmake", "build_msi", "wxs", "icon", "name", "wixl", "msibuild", "faketime")


def build_msi(args, version, folder, faketime=None):
    """The installer of the version, made in the folder; faketime, if given, runs the tools in
    place of the build's faketime. Returns its path."""
    os.makedirs(folder, exist_ok=True)
    output = os.path.join(folder, f"Zerapol-{version}-x64.msi")
    subprocess.run([args.cmake, f"-DWIXL={args.wixl}", f"-DMSIBUILD={args.msibuild}",
                    f"-DFAKETIME={faketime or args.faketime}", f"-DWXS={args.wxs}",
                    f"-DEXE={args.exe}", f"-DICON={args.icon}", f"-DVERSION={version}",
                    f"-DNAME={args.name}", f"-DWORK={os.path.join(folder, 'work-' + version)}",
                    f"-DOUTPUT={output}", "-P", args.build_msi], check=True, capture_output=True)
    return output
