// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/form_places.h"

#include <algorithm>

namespace zerapol {
namespace {

RECT pixelsOf(const TwipRect& twips, int dpi) {
    const int left = twipsToPixels(twips.left, dpi);
    const int top = twipsToPixels(twips.top, dpi);
    return {left, top, left + twipsToPixels(twips.width, dpi),
            top + twipsToPixels(twips.height, dpi)};
}

RECT pixelsOfLine(const ControlSpec& line, int dpi) {
    // A horizontal or vertical line, its width split on either side of it as a pen would be.
    const int width = std::max(1, MulDiv(line.borderWidth, dpi, kDesignDpi));
    const int half = width / 2;
    const int x1 = twipsToPixels(std::min(line.from.x, line.to.x), dpi);
    const int x2 = twipsToPixels(std::max(line.from.x, line.to.x), dpi);
    const int y1 = twipsToPixels(std::min(line.from.y, line.to.y), dpi);
    const int y2 = twipsToPixels(std::max(line.from.y, line.to.y), dpi);
    if (y1 == y2) {
        return {x1, y1 - half, x2, y1 - half + width};
    }
    return {x1 - half, y1, x1 - half + width, y2};
}

// The controls that take the focus overlap nothing, so they go on top in tab order; below them
// come the frames that must show over what they frame, then the rest, the later created above
// the earlier as in the description.
std::vector<const ControlSpec*> orderOfStacking() {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& design : formControls()) {
        order.push_back(&design);
    }
    const auto rank = [](const ControlSpec* design) {
        if (design->tabIndex != kNoTabIndex &&
            (design->kind == ControlKind::PushButton || design->kind == ControlKind::Selector)) {
            return 0;
        }
        return design->drawnAboveSiblings ? 1 : 2;
    };
    std::reverse(order.begin(), order.end());
    std::stable_sort(order.begin(), order.end(), [&](const ControlSpec* a, const ControlSpec* b) {
        if (rank(a) != rank(b)) {
            return rank(a) < rank(b);
        }
        return rank(a) == 0 && a->tabIndex < b->tabIndex;
    });
    return order;
}

} // namespace

RECT placeOf(const ControlSpec& design, int dpi) {
    return design.kind == ControlKind::Line ? pixelsOfLine(design, dpi)
                                            : pixelsOf(design.bounds, dpi);
}

bool isShape(const ControlSpec& design) {
    return design.kind == ControlKind::Outline || design.kind == ControlKind::Line;
}

const std::vector<const ControlSpec*>& stackingOrder() {
    // Worked out once: the description does not change.
    static const std::vector<const ControlSpec*> order = orderOfStacking();
    return order;
}

std::vector<const ControlSpec*> shapesAbove(const ControlSpec& design, int dpi) {
    std::vector<const ControlSpec*> above;
    const RECT place = placeOf(design, dpi);
    for (const ControlSpec* stacked : stackingOrder()) {
        if (stacked == &design) {
            break;
        }
        RECT overlap;
        const RECT shape = placeOf(*stacked, dpi);
        if (isShape(*stacked) && IntersectRect(&overlap, &shape, &place)) {
            above.push_back(stacked);
        }
    }
    return above;
}

} // namespace zerapol
