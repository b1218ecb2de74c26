// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Pressing "U redu" after real input: typed, picked with the keyboard, picked with the mouse.
#include "tests/support/form_test_case.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using zerapol::testing::kWindowBackground;

namespace {

enum class Input { Untouched, Typed, PickedWithKeyboard, PickedWithMouse };

const QString kUntouched = QStringLiteral("Izaberite boju");

// What one band shows: the colour of its swatch and its readout text. An unpainted band shows
// the window background and a blank readout.
struct BandLook {
    QColor swatch = kWindowBackground;
    QString readout;
};

using Look = QList<BandLook>;

BandLook band(QRgb rgb, const char* readout) {
    return {QColor::fromRgb(rgb), readout};
}
const BandLook kBlank{};

const QStringList kTypical{"Crvena", "Ljubicasta", "Crna", "Braon", "Zlatna"};
const Look kTypicalLook{band(0xFF0000, "2"), band(0xC000C0, "7"), band(0x000000, "0"),
                        band(0x7B5A15, "0"), band(0xD3C143, "5%")};

} // namespace

Q_DECLARE_METATYPE(Input)

class EvaluationTest : public zerapol::testing::FormTestCase {
    Q_OBJECT

private slots:
    void pressShowsEachMatchingBand_data() {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<Look>("look");

        QTest::newRow("untouched selectors change nothing")
            << Input::Untouched << QStringList{} << Look(5, kBlank);
        QTest::newRow("typical value, typed") << Input::Typed << kTypical << kTypicalLook;
        QTest::newRow("typical value, picked with the keyboard")
            << Input::PickedWithKeyboard << kTypical << kTypicalLook;
        QTest::newRow("typical value, picked with the mouse")
            << Input::PickedWithMouse << kTypical << kTypicalLook;
        QTest::newRow("last items of every list, picked with the mouse")
            << Input::PickedWithMouse << QStringList{"Bela", "Siva", "Bela", "Srebrna", "Srebrna"}
            << Look{band(0xFFFFFF, "9"), band(0xC0C0C0, "8"), band(0xFFFFFF, "9"),
                    band(0xC6CED0, ":100"), band(0xC6CED0, "10%")};
        QTest::newRow("colours a band does not take are left alone")
            << Input::Typed << QStringList{"Zuta", "Zlatna", "Narandzasta", "Siva", "Crna"}
            << Look{band(0xFFFF00, "4"), kBlank, band(0xFF8000, "3"), kBlank, kBlank};
        QTest::newRow("near misses typed by hand match nothing")
            << Input::Typed << QStringList{"crna", "BRAON", " Crvena", "Zuta ", "Zlatna."}
            << Look(5, kBlank);
        QTest::newRow("a multiplier alone, digits still unset")
            << Input::Typed
            << QStringList{kUntouched, kUntouched, kUntouched, "Ljubicasta", kUntouched}
            << Look{kBlank, kBlank, kBlank, band(0xC000C0, "0,000,000"), kBlank};
        QTest::newRow("decimals of the tolerance")
            << Input::Typed << QStringList{"Zelena", "Plava", "Crna", "Zelena", "Ljubicasta"}
            << Look{band(0x008000, "5"), band(0x3C89E8, "6"), band(0x000000, "0"),
                    band(0x008000, "00,000"), band(0xC000C0, "0.10%")};
    }
    void pressShowsEachMatchingBand() {
        QFETCH(Input, input);
        QFETCH(QStringList, texts);
        QFETCH(Look, look);

        enter(input, texts);
        QVERIFY(!QTest::currentTestFailed());
        m_driver->pressOk();
        expectLook(look);
        // The press reads the selectors; it never writes them.
        for (int b = 1; b <= 5; ++b) {
            QCOMPARE(m_driver->selector(b)->currentText(),
                     input == Input::Untouched ? kUntouched : texts.at(b - 1));
        }
    }

    void blackMultiplierBlanksAnEarlierReadout() {
        m_driver->type(4, "Narandzasta");
        m_driver->pressOk();
        QCOMPARE(m_driver->readout(4)->text(), QStringLiteral("000"));
        m_driver->pickWithMouse(4, "Crna");
        m_driver->pressOk();
        QCOMPARE(m_driver->readout(4)->text(), QString());
        QCOMPARE(m_driver->swatchPixel(4), QColor(Qt::black));
    }

    void aBandThatNoLongerMatchesKeepsItsEarlierLook() {
        enter(Input::Typed, kTypical);
        m_driver->pressOk();
        expectLook(kTypicalLook);
        enter(Input::Typed, {"Crvena ", "typed by hand", "", "Siva", "Bela"});
        m_driver->pressOk();
        expectLook(kTypicalLook);
    }

    void pressingTwiceLooksLikePressingOnce() {
        enter(Input::PickedWithKeyboard, {"Narandzasta", "Bela", "Siva", "Srebrna", "Plava"});
        m_driver->pressOk();
        const QImage once = m_driver->form().grab().toImage();
        m_driver->pressOk();
        QCOMPARE(m_driver->form().grab().toImage(), once);
    }

    void changingASelectorWithoutPressingChangesNothing() {
        enter(Input::Typed, kTypical);
        m_driver->pressOk();
        const QImage pressed = m_driver->form().grab().toImage();
        m_driver->pickWithMouse(1, "Bela");
        m_driver->type(5, "Srebrna");
        m_driver->okButton()->setFocus(); // moving the focus away must not evaluate either
        const QImage after = m_driver->form().grab().toImage();
        for (int b = 1; b <= 5; ++b) {
            const QRect swatch = m_driver->swatch(b)->geometry();
            const QRect readout = m_driver->readout(b)->geometry();
            QCOMPARE(after.copy(swatch), pressed.copy(swatch));
            QCOMPARE(after.copy(readout), pressed.copy(readout));
        }
        expectLook(kTypicalLook);
    }

    void paintedBandKeepsADarkEdge_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        // The colours closest to the window's background need the edge most.
        QTest::newRow("white") << "Bela" << QColor(255, 255, 255);
        QTest::newRow("grey") << "Siva" << QColor(192, 192, 192);
        QTest::newRow("red") << "Crvena" << QColor(255, 0, 0);
    }
    void paintedBandKeepsADarkEdge() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        m_driver->type(1, name);
        m_driver->pressOk();
        const QRect bounds = m_driver->swatch(1)->geometry();
        const int middle = bounds.center().y();
        const QColor edge(0x40, 0x40, 0x40);
        QCOMPARE(m_driver->pixelAt({bounds.left(), middle}), edge);
        QCOMPARE(m_driver->pixelAt({bounds.right(), middle}), edge);
        QCOMPARE(m_driver->pixelAt({bounds.left() + 1, middle}), colour);
        QCOMPARE(m_driver->pixelAt({bounds.right() - 1, middle}), colour);
        // Outside the swatch the body shows the window's background again.
        QCOMPARE(m_driver->pixelAt({bounds.left() - 1, middle}), kWindowBackground);
        QCOMPARE(m_driver->pixelAt({bounds.right() + 1, middle}), kWindowBackground);
    }

    void readoutTextStaysCentredWhateverItsLength_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("longer after shorter") << "Braon"
                                              << "Ljubicasta";
        QTest::newRow("shorter after longer") << "Ljubicasta"
                                              << "Zuta";
    }
    void readoutTextStaysCentredWhateverItsLength() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        for (const QString& multiplier : {first, second}) {
            m_driver->type(4, multiplier);
            m_driver->pressOk();
            const QRect readout = m_driver->readout(4)->geometry().adjusted(2, 2, -2, -2);
            const QImage image = m_driver->form().grab().toImage().copy(readout);
            int left = image.width();
            int right = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y).lightness() < 80) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            QVERIFY2(right >= 0, "the readout shows no text");
            const int marginLeft = left;
            const int marginRight = image.width() - 1 - right;
            QVERIFY2(std::abs(marginLeft - marginRight) <= 2,
                     qPrintable(QStringLiteral("%1: margins %2 and %3")
                                    .arg(multiplier)
                                    .arg(marginLeft)
                                    .arg(marginRight)));
        }
    }

private:
    void enter(Input input, const QStringList& texts) {
        for (int b = 1; b <= texts.size(); ++b) {
            const QString& text = texts.at(b - 1);
            switch (input) {
            case Input::Untouched:
                break;
            case Input::Typed:
                m_driver->type(b, text);
                break;
            case Input::PickedWithKeyboard:
                m_driver->pickWithKeyboard(b, text);
                break;
            case Input::PickedWithMouse:
                m_driver->pickWithMouse(b, text);
                break;
            }
        }
    }

    void expectLook(const Look& look) {
        for (int b = 1; b <= 5; ++b) {
            const BandLook& expected = look.at(b - 1);
            QCOMPARE(m_driver->swatchPixel(b), expected.swatch);
            QCOMPARE(m_driver->readout(b)->text(), expected.readout);
        }
    }
};

QTEST_MAIN(EvaluationTest)
#include "evaluation_test.moc"
