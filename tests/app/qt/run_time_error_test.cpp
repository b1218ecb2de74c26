// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// A control that fails while "U redu" runs: the bands before it keep their new look, the user
// is told what failed, and the program ends with a failure status.
#include "tests/support/form_driver.h"
#include "tests/support/stderr_capture.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using zerapol::testing::FormDriver;
using zerapol::testing::kWindowBackground;
using zerapol::testing::StderrCapture;

class RunTimeErrorTest : public QObject {
    Q_OBJECT

private slots:
    void failingControlEndsTheProgramWithAReport_data() {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<bool>("replaceWithPlainWidget");
        QTest::addColumn<int>("bandsDone");         // bands wholly shown before the failure
        QTest::addColumn<bool>("failingSwatchSet"); // the failing band's swatch was painted
        QTest::newRow("band 2 readout removed") << "Label6" << false << 1 << true;
        QTest::newRow("band 3 selector removed") << "Combo3" << false << 2 << false;
        QTest::newRow("band 4 swatch of the wrong kind") << "Picture4" << true << 3 << false;
    }
    void failingControlEndsTheProgramWithAReport() {
        QFETCH(QString, broken);
        QFETCH(bool, replaceWithPlainWidget);
        QFETCH(int, bandsDone);
        QFETCH(bool, failingSwatchSet);

        FormDriver driver;
        QVERIFY(driver.show());
        for (int band = 1; band <= 5; ++band) {
            driver.type(band, "Crvena");
        }
        QWidget* control = driver.form().findChild<QWidget*>(broken);
        QVERIFY(control);
        if (replaceWithPlainWidget) {
            auto* impostor = new QWidget(&driver.form());
            impostor->setObjectName(broken);
        }
        delete control;

        QString shownMessage;
        bool messageWasModal = false;
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownMessage = box->text();
                messageWasModal = box->isModal();
                box->accept();
            }
        });
        answer.start();
        // Should the report never end the event loop, this ends it with a status of its own;
        // it goes with this row, and cannot end a later row's loop.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        watchdog.start(20000);
        QTimer::singleShot(0, this, [&] { driver.pressOk(); });

        int status = 0;
        std::string errorOutput;
        {
            StderrCapture capture;
            status = QCoreApplication::exec();
            errorOutput = capture.text();
        }

        QCOMPARE(status, 1);
        QVERIFY(messageWasModal);
        QVERIFY2(shownMessage.contains(broken), qPrintable(shownMessage));
        QVERIFY2(QString::fromStdString(errorOutput).contains(broken), errorOutput.c_str());
        QCOMPARE(QString::fromStdString(errorOutput).count(u'\n'), 1);

        for (int band = 1; band <= 5; ++band) {
            const bool swatchSet = band <= bandsDone || (band == bandsDone + 1 && failingSwatchSet);
            QCOMPARE(driver.swatchPixel(band), swatchSet ? QColor(Qt::red) : kWindowBackground);
            if (QLabel* readout = driver.readout(band)) {
                QCOMPARE(readout->text(), band <= bandsDone ? QStringLiteral("2") : QString());
            }
        }
    }
};

QTEST_MAIN(RunTimeErrorTest)
#include "run_time_error_test.moc"
