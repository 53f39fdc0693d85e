// What the windows share of their look: the theme and the bar's dark and light colours, the
// glyph and the tile names they show before any setting is applied, and the geometry of a
// window that stands along a screen edge (the bar and the configuration window).
#pragma once

#include <array>

#include "core/settings.h"
#include "forms/types.h"

namespace core {

// The theme: the bar's colour until the user picks another, and the configuration window's.
inline constexpr forms::Colour kThemeColour = forms::rgb(27, 88, 184);  // 12081179
// The bar without colour. The glyph boxes of the configuration window show every glyph on it,
// whatever the theme.
inline constexpr forms::Colour kDarkBarColour = forms::rgb(17, 17, 17);  // 1118481
// The light text on the bar's colour: the tile names and the clock panel's labels.
inline constexpr forms::Colour kLightText = forms::rgb(240, 240, 240);  // 15790320

// The glyph of every tile until the settings give another.
inline constexpr char kDefaultGlyph[] = "\xC3\x8C";  // "Ì"
// The tile names as laid out, shown until the settings file is applied.
inline constexpr std::array<const char*, kTileCount> kDesignTileNames{
    "Equipo", "Personal", "Documentos", "Im\xC3\xA1genes", "M\xC3\xBAsica", "Videos", "Descargas"};

// A window along a screen edge is laid out at this top and height; at load it takes the
// screen's height, then moves down and grows by these, so that it overhangs both ends of the
// screen.
inline constexpr int kEdgeWindowTop = -375;
inline constexpr int kEdgeWindowHeight = 11520;
inline constexpr int kEdgeWindowTopShift = 360;
inline constexpr int kEdgeWindowExtraHeight = 600;

}  // namespace core
