// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/form_driver.h"

#include <QObject>
#include <QTest>

#include <memory>

namespace zerapol::testing {

/// A Qt Test case whose every test function starts from a fresh Form1, wired and shown, in its
/// initial look. A case that needs more before each function declares its own init() slot and
/// calls this one first.
class FormTestCase : public QObject {
    Q_OBJECT

protected slots:
    void init() {
        m_driver = std::make_unique<FormDriver>();
        QVERIFY(m_driver->show());
    }
    void cleanup() { m_driver.reset(); }

protected:
    std::unique_ptr<FormDriver> m_driver;
};

} // namespace zerapol::testing
