// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Focus order and the keys that press, or must not press, "U redu".
#include "tests/support/form_test_case.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(Qt::Key)

class KeyboardTest : public zerapol::testing::FormTestCase {
    Q_OBJECT

private slots:
    void init() {
        FormTestCase::init();
        if (QTest::currentTestFailed()) {
            return;
        }
        // A colour every band takes, so that any press shows in every readout.
        for (int band = 1; band <= 5; ++band) {
            m_driver->type(band, "Crvena");
        }
    }

    void tabVisitsTheSelectorsThenTheButton() {
        m_driver->selector(1)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(m_driver->selector(1)->hasFocus());
        const QStringList expected{"Combo2", "Combo3", "Combo4", "Combo5", "Command1", "Combo1"};
        for (const QString& next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            // An editable combo box's field has the focus on behalf of the box.
            QWidget* owner = qobject_cast<QComboBox*>(focused->parentWidget())
                                 ? focused->parentWidget()
                                 : focused;
            QCOMPARE(owner->objectName(), next);
        }
    }

    void onlySelectorsAndTheButtonTakeTheFocus() {
        for (QWidget* child : m_driver->form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool takesFocus = child->focusPolicy() != Qt::NoFocus;
            const bool shouldTake =
                qobject_cast<QComboBox*>(child) || qobject_cast<QPushButton*>(child);
            QVERIFY2(takesFocus == shouldTake, qPrintable(child->objectName()));
        }
    }

    void keyOnTheFocusedButtonPressesIt_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space") << Qt::Key_Space;
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
    }
    void keyOnTheFocusedButtonPressesIt() {
        QFETCH(Qt::Key, key);
        QPushButton* button = m_driver->okButton();
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        QTest::keyClick(button, key);
        for (int band = 1; band <= 5; ++band) {
            QVERIFY(!m_driver->readout(band)->text().isEmpty());
        }
    }

    void keyElsewhereDoesNotPressTheButton_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return in the first selector") << 1 << Qt::Key_Return;
        QTest::newRow("Enter in the multiplier selector") << 4 << Qt::Key_Enter;
        QTest::newRow("Escape in the tolerance selector") << 5 << Qt::Key_Escape;
        QTest::newRow("Space in the second selector") << 2 << Qt::Key_Space;
    }
    void keyElsewhereDoesNotPressTheButton() {
        QFETCH(int, band);
        QFETCH(Qt::Key, key);
        QComboBox* combo = m_driver->selector(band);
        combo->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(combo->hasFocus());
        QTest::keyClick(combo->lineEdit(), key);
        for (int b = 1; b <= 5; ++b) {
            QCOMPARE(m_driver->readout(b)->text(), QString());
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
