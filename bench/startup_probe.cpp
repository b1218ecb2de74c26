// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Start-up measured from inside, for a platform with no screen to watch from outside
// (offscreen): builds either Form1 exactly as the program does or, as the baseline, one empty
// QWidget of the same size, and prints the CLOCK_MONOTONIC time at which its first frame has
// been painted. With --stay it prints nothing and runs until its window is closed, to be
// watched from outside.
//
// Usage: startup_probe form|empty [--stay]
#include "app/qt/click_wiring.h"
#include "window/qt/resistor_form.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The frame is painted once this event has been handled; report right after it.
            QTimer::singleShot(0, watched, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld.%09ld\n", static_cast<long long>(now.tv_sec),
                            now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool form = argc > 1 && std::strcmp(argv[1], "form") == 0;
    const bool stay = argc > 2 && std::strcmp(argv[2], "--stay") == 0;
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);

    std::unique_ptr<QWidget> window;
    if (form) {
        auto resistorForm = std::make_unique<zerapol::ResistorForm>();
        zerapol::wireEvaluation(*resistorForm);
        window = std::move(resistorForm);
    } else {
        window = std::make_unique<QWidget>();
        window->resize(533, 349);
        window->setWindowTitle(QStringLiteral("baseline"));
        std::printf("window-colour %06X\n",
                    QApplication::palette().window().color().rgb() & 0xFFFFFFu);
        std::fflush(stdout);
    }
    FirstPaintWatch watch;
    if (!stay) {
        window->installEventFilter(&watch);
    }
    window->show();
    return QApplication::exec();
}
