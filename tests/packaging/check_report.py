# SPDX-FileCopyrightText: 2026 Zerapol developers
# SPDX-License-Identifier: MIT
"""How a packaging check that collects its failures reports them."""

import sys


def exit_status(check, failures):
    """Prints each failure on standard error, or that the check passed, and returns the status
    to exit with."""
    for failure in failures:
        print(f"FAILED: {failure}", file=sys.stderr)
    if not failures:
        print(f"{check}: all checks passed")
    return 1 if failures else 0
