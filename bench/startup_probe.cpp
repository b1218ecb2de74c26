// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
// Start-up measured from inside: builds one window, shows it, and as soon as its first
// complete frame has been painted (the window and every widget shown in it) prints the
// CLOCK_MONOTONIC time and the process's peak resident memory so far, then quits through
// QCoreApplication::quit() (where callgrind can be told to count up to). The windows:
//   form   Form1 exactly as the program starts it (set-up, icon, wiring)
//   empty  one empty QWidget of the same size
//   label  one QLabel with a line of text
//   floor  one QLabel and five editable QComboBox of ten items: what any window with this
//          window's controls pays
// With --stay it prints nothing and runs until its window is closed, to be watched from
// outside.
//
// Usage: startup_probe form|empty|label|floor [--stay]
#include "app/qt/application_setup.h"
#include "app/qt/click_wiring.h"
#include "window/qt/resistor_form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

namespace {

long peakResidentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Waits for the first complete frame: the window and every widget visible in it painted at
// least once. Qt may paint a window before some of its children, so the window's own first
// paint is not the mark.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget& window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_painted.insert(watched);
            // The frame is painted once this event has been handled; look right after it.
            QTimer::singleShot(0, this, [this] { reportWhenComplete(); });
        }
        return false;
    }

private:
    void reportWhenComplete() {
        if (m_reported || !m_painted.contains(&m_window)) {
            return;
        }
        for (QWidget* child : m_window.findChildren<QWidget*>()) {
            if (child->isVisible() && !child->isWindow() && !m_painted.contains(child)) {
                return;
            }
        }
        m_reported = true;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-paint %lld.%09ld\npeak-kib %ld\n", static_cast<long long>(now.tv_sec),
                    now.tv_nsec, peakResidentKib());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget& m_window;
    QSet<QObject*> m_painted;
    bool m_reported = false;
};

std::unique_ptr<QWidget> toyWindow(const std::string& kind) {
    auto window = std::make_unique<QWidget>();
    window->resize(533, 349);
    window->setWindowTitle(QStringLiteral("baseline"));
    if (kind == "label" || kind == "floor") {
        auto* label = new QLabel(QStringLiteral("Izracunavanje vrednosti"), window.get());
        label->move(10, 10);
    }
    if (kind == "floor") {
        for (int i = 0; i < 5; ++i) {
            auto* combo = new QComboBox(window.get());
            combo->setEditable(true);
            for (int item = 0; item < 10; ++item) {
                combo->addItem(QStringLiteral("Boja %1").arg(item));
            }
            combo->setGeometry(16 + 104 * i, 40, 89, 21);
        }
    }
    return window;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string kind = argc > 1 ? argv[1] : "form";
    const bool stay = argc > 2 && std::strcmp(argv[2], "--stay") == 0;
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);

    std::unique_ptr<QWidget> window;
    if (kind == "form") {
        zerapol::setUpApplication();
        auto resistorForm = std::make_unique<zerapol::ResistorForm>();
        zerapol::wireEvaluation(*resistorForm);
        window = std::move(resistorForm);
    } else {
        window = toyWindow(kind);
    }
    FirstFrameWatch watch(*window);
    if (!stay) {
        app.installEventFilter(&watch);
    }
    window->show();
    return QApplication::exec();
}
