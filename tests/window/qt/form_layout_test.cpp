// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// The built window against its design: every control, its place, its look, its initial state.
#include "tests/support/form_test_case.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using zerapol::testing::kWindowBackground;

namespace {

// Logical pixels, from the design's twips at 15 to the pixel.
struct ExpectedControl {
    const char* name;
    const char* className;
    QRect geometry;
};

const ExpectedControl kExpectedControls[] = {
    {"Command1", "QPushButton", {208, 80, 97, 33}},
    {"Picture5", "zerapol::SwatchPanel", {352, 152, 33, 81}},
    {"Picture4", "zerapol::SwatchPanel", {296, 152, 33, 81}},
    {"Picture3", "zerapol::SwatchPanel", {240, 152, 33, 81}},
    {"Picture1", "zerapol::SwatchPanel", {128, 152, 33, 81}},
    {"Combo5", "zerapol::BandSelector", {432, 40, 89, 21}},
    {"Combo4", "zerapol::BandSelector", {328, 40, 89, 21}},
    {"Combo3", "zerapol::BandSelector", {224, 40, 89, 21}},
    {"Combo2", "zerapol::BandSelector", {120, 40, 89, 21}},
    {"Combo1", "zerapol::BandSelector", {16, 40, 89, 21}},
    {"Picture2", "zerapol::SwatchPanel", {184, 152, 33, 81}},
    {"Shape4", "zerapol::OutlineShape", {336, 280, 65, 25}},
    {"Shape3", "zerapol::OutlineShape", {200, 280, 129, 25}},
    {"Shape2", "zerapol::OutlineShape", {120, 280, 73, 25}},
    {"Label7", "QLabel", {168, 280, 25, 25}},
    {"Label6", "QLabel", {144, 280, 25, 25}},
    {"Shape1", "zerapol::OutlineShape", {112, 152, 289, 81}},
    {"Line8", "zerapol::LineShape", {}},
    {"Line1", "zerapol::LineShape", {}},
    {"Label5", "QLabel", {336, 256, 65, 17}},
    {"Label4", "QLabel", {224, 256, 81, 17}},
    {"Label3", "QLabel", {336, 280, 65, 25}},
    {"Label2", "QLabel", {200, 280, 129, 25}},
    {"Label1", "QLabel", {120, 280, 25, 25}},
};

const char* const kReadouts[] = {"Label1", "Label6", "Label7", "Label2", "Label3"};

const QStringList kDigits{"Crna",   "Braon", "Crvena",     "Narandzasta", "Zuta",
                          "Zelena", "Plava", "Ljubicasta", "Siva",        "Bela"};
const QStringList kMultipliers{"Crna",   "Braon", "Crvena",     "Narandzasta", "Zuta",
                               "Zelena", "Plava", "Ljubicasta", "Zlatna",      "Srebrna"};
const QStringList kTolerances{"Braon",      "Crvena", "Zelena", "Plava",
                              "Ljubicasta", "Siva",   "Zlatna", "Srebrna"};

} // namespace

class FormLayoutTest : public zerapol::testing::FormTestCase {
    Q_OBJECT

private slots:
    void windowHasItsTitleSizeAndName() {
        zerapol::ResistorForm& form = m_driver->form();
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("Izracunavanje vrednosti otpornika v.1.0 by Vemitrak"));
        QCOMPARE(form.size(), QSize(533, 349));
        QVERIFY(form.isWindow());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(!(flags & Qt::FramelessWindowHint));
        QVERIFY(form.minimumSize() != form.maximumSize());
    }

    void everyControlIsBuiltInCreationOrderWithTheFramesOnTop() {
        // Qt keeps children in the order they were made and stacks the later over the earlier;
        // raising a widget moves it to the end. So the list is the creation order, with the
        // three readout frames taken out and put last, over what they frame.
        QStringList built;
        for (QObject* child : m_driver->form().children()) {
            if (child->isWidgetType()) {
                built << child->objectName();
            }
        }
        const QStringList frames{"Shape4", "Shape3", "Shape2"};
        QStringList expected;
        for (const ExpectedControl& control : kExpectedControls) {
            if (!frames.contains(control.name)) {
                expected << control.name;
            }
        }
        expected << frames;
        QCOMPARE(built, expected);
    }

    void controlsWithoutAFontOfTheirOwnUseThePlainDialogFont_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Combo1", "Combo4", "Combo5", "Label4", "Label5"}) {
            QTest::newRow(name) << name;
        }
    }
    void controlsWithoutAFontOfTheirOwnUseThePlainDialogFont() {
        QFETCH(QString, name);
        QWidget* widget = m_driver->form().findChild<QWidget*>(name);
        QVERIFY(widget);
        const QFontInfo font(widget->font());
        QCOMPARE(font.weight(), static_cast<int>(QFont::Normal));
        QCOMPARE(font.pixelSize(), 11); // 8 pt at 96 dpi
        QVERIFY(!font.italic());
        QVERIFY(!font.fixedPitch());
    }

    void controlHasItsKindAndGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("geometry");
        for (const ExpectedControl& control : kExpectedControls) {
            if (!control.geometry.isNull()) {
                QTest::newRow(control.name)
                    << control.name << control.className << control.geometry;
            }
        }
    }
    void controlHasItsKindAndGeometry() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QRect, geometry);
        QWidget* widget = m_driver->form().findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->metaObject()->className(), className);
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisible());
    }

    void leadsMeetTheBodyAtItsEnds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("pastFreeEnd");
        QTest::newRow("Line1 left lead")
            << "Line1" << QPoint(72, 192) << QPoint(112, 192) << QPoint(70, 192);
        QTest::newRow("Line8 right lead")
            << "Line8" << QPoint(400, 192) << QPoint(432, 192) << QPoint(434, 192);
    }
    void leadsMeetTheBodyAtItsEnds() {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, pastFreeEnd);
        QVERIFY(m_driver->form().findChild<QWidget*>(name));
        // Black and 4 pixels thick along the whole lead, and nothing past its free end.
        for (const int x : {from.x() + 1, (from.x() + to.x()) / 2, to.x() - 1}) {
            int dark = 0;
            for (int y = from.y() - 4; y <= from.y() + 4; ++y) {
                dark += m_driver->pixelAt({x, y}) == QColor(Qt::black) ? 1 : 0;
            }
            QCOMPARE(dark, 4);
        }
        QCOMPARE(m_driver->pixelAt(pastFreeEnd), kWindowBackground);
    }

    void buttonAndBodyShareTheirVerticalCentreLine() {
        QWidget* button = m_driver->okButton();
        QWidget* body = m_driver->form().findChild<QWidget*>("Shape1");
        QCOMPARE(button->geometry().x() * 2 + button->width(),
                 body->geometry().x() * 2 + body->width());
    }

    void buttonHasItsCaptionAndFont() {
        QPushButton* button = m_driver->okButton();
        QCOMPARE(button->text(), QStringLiteral("U redu"));
        QCOMPARE(button->font().weight(), QFont::Bold);
        QCOMPARE(button->font().pixelSize(), 16); // 12 pt at 96 dpi
        QVERIFY(!QFontInfo(button->font()).fixedPitch());
    }

    void readoutsAreBlankCentredBoldCourier_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : kReadouts) {
            QTest::newRow(name) << name;
        }
    }
    void readoutsAreBlankCentredBoldCourier() {
        QFETCH(QString, name);
        auto* label = m_driver->form().findChild<QLabel*>(name);
        QVERIFY(label);
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const QFontInfo font(label->font());
        const QStringList courierLike{"Courier", "Courier New", "Liberation Mono"};
        QVERIFY2(courierLike.contains(font.family()) || font.fixedPitch(),
                 qPrintable(font.family()));
        QVERIFY(font.fixedPitch());
        QCOMPARE(font.weight(), static_cast<int>(QFont::Bold));
        QCOMPARE(font.pixelSize(), 20); // 15 pt at 96 dpi
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0xD4, 0xD0, 0xC8));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void captionsHaveTheirTextAndBackground_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("background");
        QTest::newRow("zeros caption") << "Label4"
                                       << "Broj nula" << QColor(Qt::white);
        QTest::newRow("tolerance caption") << "Label5"
                                           << "Tolerancija" << QColor(Qt::white);
    }
    void captionsHaveTheirTextAndBackground() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QColor, background);
        auto* label = m_driver->form().findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        // A corner of the caption lies outside its text, so it shows the background alone.
        QCOMPARE(m_driver->pixelAt(label->geometry().topLeft() + QPoint(1, 1)), background);
    }

    void captionsLineUpWithTheReadoutsTheyName() {
        const QRect zeros = m_driver->form().findChild<QWidget*>("Label2")->geometry();
        const QRect zerosCaption = m_driver->form().findChild<QWidget*>("Label4")->geometry();
        QCOMPARE(zerosCaption.center().x(), zeros.center().x());
        const QRect tolerance = m_driver->form().findChild<QWidget*>("Label3")->geometry();
        const QRect toleranceCaption = m_driver->form().findChild<QWidget*>("Label5")->geometry();
        QCOMPARE(toleranceCaption.left(), tolerance.left());
        QCOMPARE(toleranceCaption.width(), tolerance.width());
    }

    void framesStayVisibleOverTheReadouts() {
        // Frame edges drawn in black over the readouts' opaque background.
        for (const char* frame : {"Shape2", "Shape3", "Shape4"}) {
            const QRect bounds = m_driver->form().findChild<QWidget*>(frame)->geometry();
            QCOMPARE(m_driver->pixelAt({bounds.center().x(), bounds.top()}), QColor(Qt::black));
            QCOMPARE(m_driver->pixelAt({bounds.left(), bounds.center().y()}), QColor(Qt::black));
        }
    }

    void selectorsOfferTheirBandsColoursInOrder_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("band 1 digits") << 1 << kDigits;
        QTest::newRow("band 2 digits") << 2 << kDigits;
        QTest::newRow("band 3 digits") << 3 << kDigits;
        QTest::newRow("band 4 multiplier") << 4 << kMultipliers;
        QTest::newRow("band 5 tolerance") << 5 << kTolerances;
    }
    void selectorsOfferTheirBandsColoursInOrder() {
        QFETCH(int, band);
        QFETCH(QStringList, items);
        QComboBox* combo = m_driver->selector(band);
        QStringList offered;
        for (int i = 0; i < combo->count(); ++i) {
            offered << combo->itemText(i);
        }
        QCOMPARE(offered, items);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentText(), QStringLiteral("Izaberite boju"));
        QCOMPARE(combo->currentIndex(), -1);
        QVERIFY(combo->maxVisibleItems() >= items.size());
    }

    void beforeAnyPressSwatchesCannotBeToldFromTheBackground() {
        const QImage image = m_driver->form().grab().toImage();
        for (int band = 1; band <= 5; ++band) {
            const QRect bounds = m_driver->swatch(band)->geometry();
            // The middle and the side edges; the top and bottom lie under the body's border.
            for (const QPoint point : {bounds.center(), QPoint(bounds.left(), bounds.center().y()),
                                       QPoint(bounds.right(), bounds.center().y())}) {
                QCOMPARE(image.pixelColor(point), kWindowBackground);
            }
        }
        QCOMPARE(image.pixelColor(5, 5), kWindowBackground);
    }

    void resizingOrMaximisingMovesNothing_data() {
        QTest::addColumn<bool>("maximise");
        QTest::newRow("resized larger") << false;
        QTest::newRow("maximised") << true;
    }
    void resizingOrMaximisingMovesNothing() {
        QFETCH(bool, maximise);
        QMap<QString, QRect> before;
        for (QWidget* child : m_driver->form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            before[child->objectName()] = child->geometry();
        }
        if (maximise) {
            m_driver->form().showMaximized();
            QTRY_VERIFY(m_driver->form().isMaximized());
        } else {
            m_driver->form().resize(900, 700);
            QTRY_COMPARE(m_driver->form().size(), QSize(900, 700));
        }
        for (QWidget* child : m_driver->form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QCOMPARE(child->geometry(), before.value(child->objectName()));
        }
        const QSize size = m_driver->form().size();
        QCOMPARE(m_driver->pixelAt({size.width() - 3, size.height() - 3}), kWindowBackground);
    }
};

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
