// The choosers' values at load (font, sliders), and Save: the edits go into the settings, the
// settings file is written and the bar is rebuilt from it.
#include <array>
#include <cmath>

#include "config/config_texts.h"
#include "config/config_window.h"
#include "core/host.h"
#include "core/settings_file.h"

namespace {

constexpr std::array<int, 6> kGlassAlpha{250, 240, 230, 220, 210, 200};

// A whole number from a setting, or -1 when it is none.
int whole(const core::Value& v) {
  const double d = v.number();
  return std::isfinite(d) && d == std::floor(d) && std::abs(d) < 1e9 ? static_cast<int>(d) : -1;
}

}  // namespace

void frmConfig::loadSliders() {
  namespace tx = config_texts;
  auto& s = host_.settings();

  // The glyph font; a value that names no font draws Webdings and is shown as Webdings.
  int font = whole(s[core::GlyphFont]);
  if (font < 0 || font > core::kCustomGlyphFont) font = 0;
  applyGlyphFont(font == core::kCustomGlyphFont
                     ? s[core::CustomFont].text()
                     : core::kGlyphFontNames[static_cast<std::size_t>(font)]);
  cboFont.setListIndex(font);

  // Each slider shows its setting at the nearest meaning it can hold: the bar takes any side
  // but 0 as the left, any clock mode but 0 as 24-hour, and at most seven tiles.
  hscLeft.setValue(s[core::BarSide].number() == 0 ? 0 : 1);
  // The bar shows a column of n + 1 tiles for a BarSize n of 0 to 5, and all seven for any
  // other value.
  const int size = whole(s[core::BarSize]);
  hscTotal.setValue(size >= 0 && size <= 5 ? size : 6);
  hscTime.setValue(s[core::ClockMode].number() != 0 ? 1 : 0);

  lblMenu[0].setCaption(s[core::BarColoured].number() >= 1 ? tx::kMenuNoColour.in(host_.state())
                                                           : tx::kMenuColour.in(host_.state()));
  eSize();

  int glass = 5;
  for (std::size_t v = 0; v + 1 < kGlassAlpha.size(); ++v) {
    if (s[core::GlassAlpha].number() == kGlassAlpha[v]) {
      glass = static_cast<int>(v);
      break;
    }
  }
  hscGlass.setValue(glass);
  if (host_.state().smallScreen == 1) hscTotal.setEnabled(false);
}

bool frmConfig::eExe() {
  auto& s = host_.settings();
  const core::Settings before = s;
  for (int i = 0; i < kRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    s[core::TileName0 + i] = txtNombre[k].text();
    s[core::GlyphColour0 + i] = lblFolder[k].foreColour();
    s[core::TilePath0 + i] = txtCarpeta[k].text();
    s[core::Glyph0 + i] = lblFolder[k].text();
  }
  s[core::BarSide] = hscLeft.value();
  s[core::BarSize] = hscTotal.value();
  s[core::ClockMode] = hscTime.value();
  s[core::BarColour] = backColour();
  s[core::CustomFont] = List1.font().name;
  const int glass = hscGlass.value();
  if (glass >= 0 && glass < static_cast<int>(kGlassAlpha.size())) {
    s[core::GlassAlpha] = kGlassAlpha[static_cast<std::size_t>(glass)];
  }
  if (!core::SaveSettingsFile(host_.platform(), s, host_.state())) {
    // The user was told; the settings and the bar stay as they were, and the edits stay in
    // this window for another try.
    s = before;
    return false;
  }
  host_.rebuildBar();  // it loads the file just written
  return true;
}
