// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/control_ids.h"

#include <stdexcept>
#include <string>

namespace zerapol {

int controlId(std::string_view name) {
    const auto controls = formControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name) {
            return kFirstControlId + static_cast<int>(i);
        }
    }
    throw std::out_of_range("the window has no control " + std::string(name));
}

const ControlSpec* controlOfId(int id) {
    const auto controls = formControls();
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls.size())) {
        return nullptr;
    }
    return &controls[static_cast<std::size_t>(index)];
}

} // namespace zerapol
