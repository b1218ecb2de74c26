// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "app/qt/click_wiring.h"

#include "app/qt/run_time_error.h"
#include "bands/evaluate.h"
#include "window/qt/resistor_form.h"

#include <QPushButton>

#include <exception>

namespace zerapol {
namespace {
constexpr auto kEvaluateButton = "Command1";
}

void wireEvaluation(ResistorForm& form) {
    auto* button = form.findChild<QPushButton*>(kEvaluateButton, Qt::FindDirectChildrenOnly);
    if (button == nullptr) {
        throw ControlError(std::string("control ") + kEvaluateButton +
                           " is missing from the window");
    }
    QObject::connect(button, &QPushButton::clicked, &form, [&form] {
        // No exception may cross Qt's event loop: whatever escapes the evaluation ends here.
        try {
            evaluateBands(form);
        } catch (const std::exception& error) {
            reportRunTimeError(&form, error);
        }
    });
}

} // namespace zerapol
