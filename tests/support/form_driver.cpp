// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "tests/support/form_driver.h"

#include "app/qt/application_setup.h"
#include "app/qt/click_wiring.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zerapol::testing {
namespace {

const BandNames& namesOf(int band) {
    return kBandNames.at(static_cast<std::size_t>(band - 1));
}

} // namespace

FormDriver::FormDriver() {
    // As the program starts: the application's set-up (icon, palette) before the window.
    setUpApplication();
    m_form = std::make_unique<ResistorForm>();
    wireEvaluation(*m_form);
}

FormDriver::~FormDriver() = default;

bool FormDriver::show() {
    m_form->show();
    m_form->activateWindow();
    return QTest::qWaitForWindowExposed(m_form.get()) && QTest::qWaitForWindowActive(m_form.get());
}

QComboBox* FormDriver::selector(int band) const {
    return m_form->findChild<QComboBox*>(namesOf(band).selector);
}

QWidget* FormDriver::swatch(int band) const {
    return m_form->findChild<QWidget*>(namesOf(band).swatch);
}

QLabel* FormDriver::readout(int band) const {
    return m_form->findChild<QLabel*>(namesOf(band).readout);
}

QPushButton* FormDriver::okButton() const {
    return m_form->findChild<QPushButton*>("Command1");
}

void FormDriver::type(int band, const QString& text) {
    QComboBox* combo = selector(band);
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), text);
}

void FormDriver::pickWithKeyboard(int band, const QString& item) {
    QComboBox* combo = selector(band);
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    // The list opens on the first item when the field names none of them.
    const int target = combo->findText(item, Qt::MatchExactly);
    QVERIFY2(target >= 0, qPrintable(item + " is not in the list"));
    if (!list->currentIndex().isValid()) {
        QTest::keyClick(list, Qt::Key_Home);
    }
    while (list->currentIndex().row() < target) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    while (list->currentIndex().row() > target) {
        QTest::keyClick(list, Qt::Key_Up);
    }
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
}

void FormDriver::pickWithMouse(int band, const QString& item) {
    QComboBox* combo = selector(band);
    // The arrow at the right end opens the list; the field itself would only take the caret.
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const int row = combo->findText(item, Qt::MatchExactly);
    QVERIFY2(row >= 0, qPrintable(item + " is not in the list"));
    const QRect itemRect = list->visualRect(list->model()->index(row, 0));
    QVERIFY2(list->viewport()->rect().contains(itemRect), "the item is not visible in the list");
    // The list ignores a release that comes within a double-click interval of its opening, as
    // the release of the click that opened it; a person's next click comes later. Click again
    // until the list takes it.
    const auto clickItem = [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.center());
        return !list->isVisible();
    };
    QTRY_VERIFY(clickItem());
}

void FormDriver::pressOk() {
    QTest::mouseClick(okButton(), Qt::LeftButton);
}

QColor FormDriver::swatchPixel(int band) {
    return pixelAt(swatch(band)->geometry().center());
}

QColor FormDriver::pixelAt(QPoint point) {
    const QImage image = m_form->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(QPoint(qRound(point.x() * ratio), qRound(point.y() * ratio)));
}

} // namespace zerapol::testing
