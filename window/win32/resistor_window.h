// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bands/evaluate.h"
#include "window/band_controls.h"
#include "window/form_description.h"
#include "window/win32/gdi_objects.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <windows.h>

namespace zerapol {

/// The window class of Form1, by which other programs find it.
inline constexpr wchar_t kFormClass[] = L"ZerapolForm1";

/// Form1 as a native Windows window: built from the window description in its initial look, laid
/// out at the density of the monitor it is on and again whenever that changes, and the BandView
/// the band logic paints through.
class ResistorWindow : public BandView {
public:
    /// Creates Form1 and its controls, hidden. Throws std::runtime_error when Windows refuses a
    /// window, a class or a font.
    explicit ResistorWindow(HINSTANCE instance);
    ~ResistorWindow() override;
    ResistorWindow(const ResistorWindow&) = delete;
    ResistorWindow& operator=(const ResistorWindow&) = delete;

    HWND handle() const { return m_window; }

    /// Runs the handler on every click of the named push button, and on Enter while the button
    /// has the focus. Throws ControlError when the window has no such button.
    void onClick(std::string_view button, std::function<void()> handler);

    /// Receives whatever a handler throws: no exception may cross Windows' message dispatch.
    void onError(std::function<void(const std::exception&)> handler);

    /// Runs once the window has been destroyed, by closing or otherwise.
    void onDestroyed(std::function<void()> handler);

    /// Each operation looks its control up by id for that one operation and throws
    /// ControlError, naming the control, when it is missing or not of the expected kind.
    std::string selectorText(int band) override;
    void setSwatchColour(int band, Colour colour) override;
    void setReadoutText(int band, std::string_view text) override;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void handleCommand(int id, int notification);
    LRESULT colourStatic(HDC dc, HWND control);
    void drawListItem(const DRAWITEMSTRUCT& item);
    using FontSet = std::map<const FontSpec*, FontObject>;

    static int listItemHeight(int dpi);
    static int selectorContentHeight(const ControlSpec& design, int dpi);
    /// Where a control's window stands: its place, and for a selector the room below its field
    /// that its list opens into.
    RECT windowPlaceOf(const ControlSpec& design, int dpi) const;
    static FontSet fontsAt(int dpi);
    void createControls(int dpi);
    void createSelectorLabel(const BandControls& band, HINSTANCE instance);
    /// Gives a control in its place its font; sets a selector's rows and fits its field to the
    /// description's height.
    void dress(HWND control, const ControlSpec& design, int dpi);
    void layOut(int dpi);
    /// Draws on a control's DC the outlines and lines stacked above it.
    void drawShapesAbove(HDC dc, HWND control);
    void paintShapes();
    void fitClientArea(int dpi);
    HWND control(std::string_view name, ControlKind kind) const;
    HBRUSH brushOf(Colour colour);

    HWND m_window = nullptr;
    HWND m_focusBeforeDeactivation = nullptr;
    int m_fieldItemHeight = 0; ///< what a selector's field asks for at this density, once known
    int m_listRoomExtra = 0;   ///< what a selector's window needs beyond its field and rows
    int m_fieldTextTop = -1;   ///< where a selector's text line starts, once one is centred
    std::map<int, std::function<void()>> m_clickHandlers;
    std::function<void(const std::exception&)> m_errorHandler;
    std::function<void()> m_destroyedHandler;
    std::map<COLORREF, BrushObject> m_brushes;
    FontSet m_fonts; ///< at the window's present density
    int m_dpi = 0;   ///< the density the window is laid out and drawn at
};

} // namespace zerapol
