# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""Runs a command in a private X server of its own, of the size Wine's prefix expects, and exits
with the command's status: for Windows test programs, which Wine can only give windows where
there is a display, and for making the prefix itself.

Usage: run_in_private_x.py COMMAND [ARGUMENT...]
"""

import subprocess
import sys

from desktop_session import DesktopSession
from wine_session import WINE_SCREEN

with DesktopSession(WINE_SCREEN) as session:
    sys.exit(subprocess.run(sys.argv[1:], env=session.environment(),
                            stdin=subprocess.DEVNULL).returncode)
