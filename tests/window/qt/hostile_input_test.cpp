// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Whatever a user can put into a selector, by typing or pasting, a press neither crashes nor
// paints a band whose text is not exactly one of its colours, and earlier results stay.
#include "tests/support/form_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using zerapol::testing::FormDriver;

namespace {

const QStringList kTypical{"Crvena", "Ljubicasta", "Crna", "Braon", "Zlatna"};
const QStringList kTypicalReadouts{"2", "7", "0", "0", "5%"};

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_driver = std::make_unique<FormDriver>();
        QVERIFY(m_driver->show());
    }
    void cleanupTestCase() { m_driver.reset(); }

    void init() {
        for (int band = 1; band <= 5; ++band) {
            m_driver->type(band, kTypical.at(band - 1));
        }
        m_driver->pressOk();
        QVERIFY(m_driver->readout(5)->text() == QStringLiteral("5%"));
    }

    void pastedTextThatNamesNoColourChangesNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("1 MiB of text") << QString(1 << 20, u'x');
        QTest::newRow("100,000 copies of Zuta") << QStringLiteral("Zuta").repeated(100000);
        QTest::newRow("Zuta with a caron") << QString::fromUtf8("\xC5\xBDuta");
        QTest::newRow("Crna in Cyrillic") << QString::fromUtf8("\xD0\xA6\xD1\x80\xD0\xBD\xD0\xB0");
        QTest::newRow("Zuta with a combining mark") << QString::fromUtf8("Zu\xCC\x81ta");
        QTest::newRow("control characters") << QStringLiteral("\x01\x02\x1b[31mCrna");
        QTest::newRow("embedded NUL")
            << QString(QStringLiteral("Crna") + QChar(u'\0') + QStringLiteral("x"));
        QTest::newRow("trailing NUL") << QString(QStringLiteral("Braon") + QChar(u'\0'));
        QTest::newRow("right-to-left mark") << QString(QChar(0x200F) + QStringLiteral("Crvena"));
        QTest::newRow("lone high surrogate") << QString(QStringLiteral("Zuta") + QChar(0xD800));
        QTest::newRow("lone low surrogate") << QString(QChar(0xDC00) + QStringLiteral("Crna"));
        QTest::newRow("empty") << QString();
        QTest::newRow("leading blank") << QStringLiteral(" Zlatna");
        QTest::newRow("trailing blanks") << QStringLiteral("Crna  ");
        QTest::newRow("tab") << QStringLiteral("Crna\t");
        QTest::newRow("line break") << QStringLiteral("Crna\nBraon");
        QTest::newRow("markup") << QStringLiteral("<b>Crna</b>");
        QTest::newRow("format directives") << QStringLiteral("%s%n%x");
    }
    void pastedTextThatNamesNoColourChangesNothing() {
        QFETCH(QString, text);
        const QImage before = m_driver->form().grab().toImage();
        for (int band = 1; band <= 5; ++band) {
            paste(band, text);
        }
        m_driver->pressOk();
        QCOMPARE(m_driver->form().grab().toImage().copy(resistorAndReadouts()),
                 before.copy(resistorAndReadouts()));
        for (int band = 1; band <= 5; ++band) {
            QCOMPARE(m_driver->readout(band)->text(), kTypicalReadouts.at(band - 1));
        }
        // The event loop is still ours: the window answers the next press.
        m_driver->type(1, "Bela");
        m_driver->pressOk();
        QCOMPARE(m_driver->readout(1)->text(), QStringLiteral("9"));
    }

    void pastingAColourNameWorksLikeTypingIt() {
        paste(4, QStringLiteral("Zuta"));
        m_driver->pressOk();
        QCOMPARE(m_driver->readout(4)->text(), QStringLiteral("0,000"));
    }

private:
    void paste(int band, const QString& text) {
        QComboBox* combo = m_driver->selector(band);
        combo->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(combo->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    }

    QRect resistorAndReadouts() const {
        // From the left lead to the right one, and down to the readouts' bottom.
        return QRect(QPoint(60, 140), QPoint(440, 310));
    }

    std::unique_ptr<FormDriver> m_driver;
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
