// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <unistd.h>

namespace zerapol::testing {

/// Sends everything written to standard error, by any means, into a temporary file for as
/// long as it lives, so that a test can read what a user would have seen on the terminal.
class StderrCapture {
public:
    StderrCapture() : m_file(std::tmpfile()), m_saved(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        dup2(fileno(m_file), STDERR_FILENO);
    }
    ~StderrCapture() {
        restore();
        std::fclose(m_file);
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    /// What was written so far; standard error goes back to where it was.
    std::string text() {
        restore();
        std::string captured;
        std::rewind(m_file);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;) {
            captured.append(buffer, n);
        }
        return captured;
    }

private:
    void restore() {
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
    }

    std::FILE* m_file;
    int m_saved;
};

} // namespace zerapol::testing
