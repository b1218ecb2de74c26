// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// From a click on "U redu" to the five swatches and readouts repainted, over many presses.
// Two sets of colours alternate, so that every press changes every band. With "hostile", every
// selector holds 1 MiB of text instead (as much of it as the field takes), nothing matches,
// and the time is from the click to the event loop being free again.
//
// Usage: press_bench [PRESSES] [hostile]    (on whatever platform QT_QPA_PLATFORM names)
#include "app/qt/application_setup.h"
#include "app/qt/click_wiring.h"
#include "window/qt/resistor_form.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr std::array<const char*, 5> kSelectors{"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"};
constexpr std::array<const char*, 10> kRepainted{"Picture1", "Picture2", "Picture3", "Picture4",
                                                 "Picture5", "Label1",   "Label6",   "Label7",
                                                 "Label2",   "Label3"};
constexpr std::array<std::array<const char*, 5>, 2> kColours{{
    {"Crvena", "Ljubicasta", "Crna", "Braon", "Zlatna"},
    {"Bela", "Siva", "Zuta", "Srebrna", "Srebrna"},
}};

class PaintCounter : public QObject {
public:
    int painted = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    const int presses = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    const bool hostile = argc > 2 && std::strcmp(argv[2], "hostile") == 0;
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    zerapol::setUpApplication();
    zerapol::ResistorForm form;
    zerapol::wireEvaluation(form);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    auto* button = form.findChild<QPushButton*>("Command1");
    PaintCounter counter;
    for (const char* name : kRepainted) {
        form.findChild<QWidget*>(name)->installEventFilter(&counter);
    }

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(presses));
    QElapsedTimer clock;
    if (hostile) {
        const QString mebibyte(1 << 20, u'Z');
        for (const char* name : kSelectors) {
            form.findChild<QComboBox*>(name)->setEditText(mebibyte);
        }
    }
    for (int i = 0; i < presses; ++i) {
        if (!hostile) {
            const auto& colours = kColours[static_cast<std::size_t>(i % 2)];
            for (std::size_t band = 0; band < 5; ++band) {
                form.findChild<QComboBox*>(kSelectors[band])->setEditText(colours[band]);
            }
        }
        QCoreApplication::processEvents();
        counter.painted = 0;
        clock.start();
        QTest::mouseClick(button, Qt::LeftButton);
        if (hostile) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        while (!hostile && counter.painted < static_cast<int>(kRepainted.size())) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("presses %d median_us %.1f p99_us %.1f worst_us %.1f\n", presses,
                micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
    return 0;
}
