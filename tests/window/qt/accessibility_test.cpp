// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// What assistive technology is told about each band, through Qt's accessibility interfaces
// (the same ones its AT-SPI bridge reads).
#include "tests/support/form_test_case.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTest>

using zerapol::testing::kBandNames;

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(kind) : QStringLiteral("<not accessible>");
}

} // namespace

class AccessibilityTest : public zerapol::testing::FormTestCase {
    Q_OBJECT

private slots:
    void eachBandSaysWhatItIs_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("role");
        QTest::newRow("band 1") << 1 << "Prva cifra";
        QTest::newRow("band 2") << 2 << "Druga cifra";
        QTest::newRow("band 3") << 3 << "Treca cifra";
        QTest::newRow("band 4") << 4 << "Broj nula";
        QTest::newRow("band 5") << 5 << "Tolerancija";
    }
    void eachBandSaysWhatItIs() {
        QFETCH(int, band);
        QFETCH(QString, role);

        // The selector's name stays its text, so the colour is read out; the band is told in
        // the description.
        m_driver->type(band, "Crvena");
        QComboBox* selector = m_driver->selector(band);
        QCOMPARE(accessibleText(selector, QAccessible::Name), QStringLiteral("Crvena"));
        QVERIFY(accessibleText(selector, QAccessible::Description).startsWith(role));

        const QString swatchName = accessibleText(m_driver->swatch(band), QAccessible::Name);
        QVERIFY2(swatchName.startsWith(role), qPrintable(swatchName));

        m_driver->pressOk();
        QLabel* readout = m_driver->readout(band);
        QVERIFY(!readout->text().isEmpty());
        QCOMPARE(accessibleText(readout, QAccessible::Name), readout->text());
        QCOMPARE(accessibleText(readout, QAccessible::Description), role);
    }

    void selectorSwatchAndReadoutOfABandAreToldApart() {
        QStringList seen;
        for (const auto& names : kBandNames) {
            for (const char* name : {names.selector, names.swatch, names.readout}) {
                auto* widget = m_driver->form().findChild<QWidget*>(name);
                QVERIFY(widget);
                seen << accessibleText(widget, QAccessible::Description) + u'|' +
                            (qobject_cast<QComboBox*>(widget)
                                 ? QString()
                                 : accessibleText(widget, QAccessible::Name));
            }
        }
        QStringList unique = seen;
        unique.removeDuplicates();
        QCOMPARE(unique.size(), seen.size());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
