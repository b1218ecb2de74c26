// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// The selectors hold exactly what the user typed or picked: no completion, no case folding, no
// items added.
#include "tests/support/expected_band_tables.h"
#include "tests/support/form_test_case.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class SelectorTest : public zerapol::testing::FormTestCase {
    Q_OBJECT

private slots:
    void typedTextSurvivesEverythingButTheUser_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("text");
        QTest::newRow("small letters") << 1 << "crna";
        QTest::newRow("capitals") << 2 << "CRNA";
        QTest::newRow("start of a name") << 3 << "Z";
        QTest::newRow("start of a multiplier") << 4 << "Lj";
        QTest::newRow("leading blank") << 5 << " Zlatna";
        QTest::newRow("trailing blank") << 1 << "Braon ";
        QTest::newRow("name of another band's colour") << 4 << "Bela";
        QTest::newRow("empty") << 2 << "";
    }
    void typedTextSurvivesEverythingButTheUser() {
        QFETCH(int, band);
        QFETCH(QString, text);
        QComboBox* combo = m_driver->selector(band);
        m_driver->type(band, text);
        QCOMPARE(combo->currentText(), text);

        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo->currentText(), text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Enter);
        QCOMPARE(combo->currentText(), text);

        // Tab moves the focus away, which is where a plain combo box folds case onto an item.
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QTRY_VERIFY(!combo->hasFocus());
        QCOMPARE(combo->currentText(), text);

        const int itemsBefore = combo->count();
        m_driver->pressOk();
        QCOMPARE(combo->currentText(), text);
        QCOMPARE(combo->count(), itemsBefore);
        QCOMPARE(combo->currentIndex(), -1);
        if (text != QStringLiteral("Bela")) {
            QCOMPARE(m_driver->readout(band)->text(), QString());
        }
    }

    void typingANameLetterByLetterMatchesLikePickingIt() {
        m_driver->type(2, "Narandzasta");
        m_driver->pickWithMouse(3, "Narandzasta");
        QCOMPARE(m_driver->selector(2)->currentText(), m_driver->selector(3)->currentText());
        m_driver->pressOk();
        QCOMPARE(m_driver->readout(2)->text(), QStringLiteral("3"));
        QCOMPARE(m_driver->readout(3)->text(), QStringLiteral("3"));
        QCOMPARE(m_driver->swatchPixel(2), m_driver->swatchPixel(3));
    }

    void pickingPutsExactlyTheItemsTextInTheField() {
        m_driver->type(5, "zla");
        m_driver->pickWithKeyboard(5, "Zlatna");
        QCOMPARE(m_driver->selector(5)->currentText(), QStringLiteral("Zlatna"));
        m_driver->pickWithMouse(5, "Srebrna");
        QCOMPARE(m_driver->selector(5)->currentText(), QStringLiteral("Srebrna"));
        QCOMPARE(m_driver->selector(5)->count(), 8);
    }

    void nothingCompletesOrSuggests() {
        QComboBox* combo = m_driver->selector(1);
        m_driver->type(1, "Ze");
        QCOMPARE(combo->lineEdit()->text(), QStringLiteral("Ze"));
        QVERIFY(!combo->lineEdit()->hasSelectedText());
        QVERIFY(!combo->view()->isVisible());
    }

    void openListShowsEachColoursChipInRowOrder_data() {
        QTest::addColumn<int>("band");
        QTest::newRow("digits") << 1;
        QTest::newRow("multiplier") << 4;
        QTest::newRow("tolerance") << 5;
    }
    void openListShowsEachColoursChipInRowOrder() {
        QFETCH(int, band);
        QComboBox* combo = m_driver->selector(band);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        const QImage image = list->viewport()->grab().toImage();
        const QColor edge(0x40, 0x40, 0x40);
        const auto& expected = zerapol::testing::expectedFor(band);
        QCOMPARE(combo->count(), static_cast<int>(expected.size()));
        for (int row = 0; row < combo->count(); ++row) {
            const auto& want = expected[static_cast<std::size_t>(row)];
            const QColor colour(static_cast<int>(want.word & 0xFF),
                                static_cast<int>(want.word >> 8 & 0xFF),
                                static_cast<int>(want.word >> 16 & 0xFF));
            // Along the middle of the row from its left: the chip's dark edge, its colour
            // inside, the dark edge again, and then the name.
            const QRect item = list->visualRect(list->model()->index(row, 0));
            const int y = item.center().y();
            int x = item.left();
            while (x < item.left() + 40 && image.pixelColor(x, y) != edge) {
                ++x;
            }
            QVERIFY2(x < item.left() + 40, qPrintable("no chip before " + combo->itemText(row)));
            const int left = x;
            while (image.pixelColor(x, y) == edge) {
                ++x;
            }
            QCOMPARE(image.pixelColor(x, y), colour);
            while (image.pixelColor(x, y) == colour) {
                ++x;
            }
            QCOMPARE(image.pixelColor(x, y), edge);
            QVERIFY2(x - left >= 6, qPrintable("a chip too small before " + combo->itemText(row)));
            QCOMPARE(combo->itemText(row), QString::fromStdString(want.name));
        }
        combo->hidePopup();
    }

    void editingOneSelectorLeavesTheOthersAlone() {
        m_driver->type(3, "Plava");
        m_driver->pickWithMouse(4, "Zuta");
        for (const int other : {1, 2, 5}) {
            QCOMPARE(m_driver->selector(other)->currentText(), QStringLiteral("Izaberite boju"));
        }
    }
};

QTEST_MAIN(SelectorTest)
#include "selector_test.moc"
