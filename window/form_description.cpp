// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/form_description.h"

#include <array>

namespace zerapol {
namespace {

using enum ControlKind;

constexpr Colour kWindowBackground = Colour::system(19);
constexpr Colour kReadoutBackground = Colour::system(0);
constexpr Colour kCaptionTextBackground = Colour::system(9);
constexpr Colour kWhite{0xFFFFFF};
constexpr Colour kBlack{0x000000};

// "Courier" first as designed; the others are the faces that keep its metrics where it is
// missing, which on a Linux desktop is nearly always, "Courier New" being its outline twin on
// Windows.
constexpr std::array<std::string_view, 3> kCourierFaces{"Courier", "Courier New",
                                                        "Liberation Mono"};
// "MS Sans Serif" as designed, its outline twin on Windows for densities its bitmaps were not
// drawn for, then the stand-in with Arial's metrics. A real face, not the desktop's generic
// "Sans Serif": Qt resolves a generic name through fontconfig's fallbacks at every start.
constexpr std::array<std::string_view, 4> kSansSerifFaces{"MS Sans Serif", "Microsoft Sans Serif",
                                                          "Liberation Sans", "Arial"};
// The selectors were sized for the narrow 8 pt bitmap face of "MS Sans Serif"; its outline twin
// keeps its widths, a face of Arial's width cuts "Izaberite boju" short in them, and a narrow one
// of the same height does not.
constexpr std::array<std::string_view, 4> kDialogFaces{"MS Sans Serif", "Microsoft Sans Serif",
                                                       "Liberation Sans Narrow", "Arial Narrow"};

// Central European, so that a Windows bitmap face is taken in the code page of Serbian Latin.
constexpr std::uint8_t kCentralEuropean = 238;

constexpr FontSpec kButtonFont{kSansSerifFaces, GenericFamily::SansSerif, 12, 700,
                               kCentralEuropean};
constexpr FontSpec kReadoutFont{kCourierFaces, GenericFamily::Monospace, 15, 700, kCentralEuropean};
constexpr FontSpec kDialogFont{kDialogFaces, GenericFamily::SansSerif, 8, 400};

constexpr std::string_view kChooseColour = "Izaberite boju";

constexpr ControlSpec swatch(std::string_view name, int left, int tabIndex) {
    return {.name = name,
            .kind = SwatchPanel,
            .bounds = {left, 2280, 495, 1215},
            .tabIndex = tabIndex,
            .background = kWindowBackground};
}

constexpr ControlSpec selector(std::string_view name, int left, int tabIndex) {
    return {.name = name,
            .kind = Selector,
            .bounds = {left, 600, 1335, 315},
            .tabIndex = tabIndex,
            .text = kChooseColour};
}

constexpr ControlSpec readout(std::string_view name, TwipRect bounds, int tabIndex) {
    return {.name = name,
            .kind = ReadoutText,
            .bounds = bounds,
            .tabIndex = tabIndex,
            .background = kReadoutBackground,
            .font = &kReadoutFont,
            .alignment = TextAlignment::Centre};
}

constexpr ControlSpec frame(std::string_view name, TwipRect bounds) {
    return {.name = name, .kind = Outline, .bounds = bounds, .drawnAboveSiblings = true};
}

constexpr FormSpec kForm1{
    .name = "Form1",
    .title = "Izracunavanje vrednosti otpornika v.1.0 by Vemitrak",
    .clientWidth = 7995,
    .clientHeight = 5235,
    .background = kWindowBackground,
    .font = &kDialogFont,
};

constexpr std::array kControls{
    ControlSpec{.name = "Command1",
                .kind = PushButton,
                .bounds = {3120, 1200, 1455, 495},
                .tabIndex = 15,
                .text = "U redu",
                .font = &kButtonFont},
    swatch("Picture5", 5280, 14),
    swatch("Picture4", 4440, 13),
    swatch("Picture3", 3600, 12),
    swatch("Picture1", 1920, 10),
    selector("Combo5", 6480, 4),
    selector("Combo4", 4920, 3),
    selector("Combo3", 3360, 2),
    selector("Combo2", 1800, 1),
    selector("Combo1", 240, 0),
    swatch("Picture2", 2760, 11),
    frame("Shape4", {5040, 4200, 975, 375}),
    frame("Shape3", {3000, 4200, 1935, 375}),
    frame("Shape2", {1800, 4200, 1095, 375}),
    readout("Label7", {2520, 4200, 375, 375}, 17),
    readout("Label6", {2160, 4200, 375, 375}, 16),
    ControlSpec{.name = "Shape1",
                .kind = Outline,
                .bounds = {1680, 2280, 4335, 1215},
                .borderWidth = 3,
                .roundedCorners = true},
    ControlSpec{
        .name = "Line8", .kind = Line, .from = {6000, 2880}, .to = {6480, 2880}, .borderWidth = 4},
    ControlSpec{.name = "Line1",
                .kind = Line,
                .from = {1080, 2880},
                .to = {1680, 2880},
                .foreground = kBlack,
                .borderWidth = 4},
    ControlSpec{.name = "Label5",
                .kind = CaptionText,
                .bounds = {5040, 3840, 975, 255},
                .tabIndex = 9,
                .text = "Tolerancija",
                .background = kCaptionTextBackground,
                .alignment = TextAlignment::Centre},
    ControlSpec{.name = "Label4",
                .kind = CaptionText,
                .bounds = {3360, 3840, 1215, 255},
                .tabIndex = 8,
                .text = "Broj nula",
                .background = kWhite,
                .alignment = TextAlignment::Centre},
    readout("Label3", {5040, 4200, 975, 375}, 7),
    readout("Label2", {3000, 4200, 1935, 375}, 6),
    readout("Label1", {1800, 4200, 375, 375}, 5),
};

} // namespace

const FormSpec& formSpec() {
    return kForm1;
}

std::span<const ControlSpec> formControls() {
    return kControls;
}

} // namespace zerapol
