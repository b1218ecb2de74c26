# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""The installer's bytes do not depend on how long its tools take: built once as usual and once
with each tool paused for a second and a half after its clock is set, the two must be equal.

Usage: installer_times.py EXE CMAKE BUILD_MSI_SCRIPT WXS ICON NAME WIXL MSIBUILD FAKETIME
"""

import argparse
import filecmp
import os
import sys
import tempfile

from check_report import exit_status
from installer_build import ARGUMENTS, build_msi

# faketime as the build calls it, with a pause inside the faked process before the tool runs.
SLOW_FAKETIME = """#!/usr/bin/env bash
options=()
while [ "${1#-}" != "$1" ]; do options+=("$1"); shift; done
when=$1
shift
exec "%s" "${options[@]}" "$when" bash -c 'sleep 1.5; exec "$@"' bash "$@"
"""


def main():
    parser = argparse.ArgumentParser()
    for name in ARGUMENTS:
        parser.add_argument(name)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="zerapol-msi-times-") as folder:
        slow_faketime = os.path.join(folder, "slow-faketime")
        with open(slow_faketime, "w") as script:
            script.write(SLOW_FAKETIME % args.faketime)
        os.chmod(slow_faketime, 0o755)
        quick = build_msi(args, "1.00", os.path.join(folder, "quick"))
        slow = build_msi(args, "1.00", os.path.join(folder, "slow"), faketime=slow_faketime)
        same = filecmp.cmp(quick, slow, shallow=False)
    return exit_status("installer_times",
                       [] if same else ["the installer built slowly differs from the one built "
                                        "quickly"])


if __name__ == "__main__":
    sys.exit(main())
