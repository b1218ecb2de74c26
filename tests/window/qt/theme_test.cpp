// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Under a dark desktop theme the window keeps one light look: the selectors' fields, their open
// lists and the button are painted light with dark text, like the form around them.
#include "tests/support/form_driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

using zerapol::testing::FormDriver;

namespace {

// What a dark theme gives every application: light text on dark grey.
QPalette darkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2B, 0x2B, 0x2B));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::AlternateBase, QColor(0x1E, 0x1E, 0x1E));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(0xF0, 0xF0, 0xF0));
    }
    return dark;
}

struct Tally {
    int light = 0; // near the light colours the window is drawn in
    int dark = 0;  // near black: text
    int pixels = 0;
};

Tally tally(const QImage& image, QRect area) {
    Tally counted;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int lightness = image.pixelColor(x, y).lightness();
            counted.light += lightness >= 190 ? 1 : 0;
            counted.dark += lightness <= 80 ? 1 : 0;
            ++counted.pixels;
        }
    }
    return counted;
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }

    void init() {
        m_driver = std::make_unique<FormDriver>();
        QVERIFY(m_driver->show());
        m_driver->type(1, "Ljubicasta");
    }
    void cleanup() { m_driver.reset(); }

    void selectorFieldIsLightWithDarkText() {
        QComboBox* combo = m_driver->selector(1);
        const QImage image = combo->grab().toImage();
        // The field, without the frame and the arrow.
        const Tally field = tally(image, QRect(3, 3, combo->width() - 25, combo->height() - 6));
        QVERIFY2(field.light > field.pixels / 2, "the field is not light");
        QVERIFY2(field.dark > 10, "the field's text is not dark");
    }

    void openListIsLightWithDarkText() {
        QComboBox* combo = m_driver->selector(4);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        QTRY_VERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QImage image = list->viewport()->grab().toImage();
        const Tally whole = tally(image, image.rect());
        QVERIFY2(whole.light > whole.pixels / 2, "the list is not light");
        QVERIFY2(whole.dark > 50, "the list's items are not dark text");
        combo->hidePopup();
    }

    void buttonIsLightWithDarkCaption() {
        QPushButton* button = m_driver->okButton();
        const QImage image = button->grab().toImage();
        const Tally face = tally(image, image.rect().adjusted(3, 3, -3, -3));
        QVERIFY2(face.light > face.pixels / 2, "the button is not light");
        QVERIFY2(face.dark > 20, "the caption is not dark");
    }

private:
    std::unique_ptr<FormDriver> m_driver;
};

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
