// The colour editor: two strips over a glyph's row, three number boxes with a live preview, a
// palette of twenty swatches, and the buttons that give the colour to one glyph, to all of
// them, or to the window itself.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "config/config_window.h"
#include "core/host.h"
#include "core/look.h"
#include "core/settings.h"
#include "forms/text.h"

namespace {

constexpr std::int64_t kLineShift = 1973790;    // RGB(30, 30, 30)
constexpr std::int64_t kLightTheme = 14474460;  // RGB(220, 220, 220)

// One component from a number box: the number at the start of its text, rounded half to
// even, 0 to 255; a text that is no number (1e400 included), a negative one and NaN give 0.
int component(const std::string& text) {
  const double v = std::nearbyint(core::lenientNumber(text));
  if (!std::isfinite(v) || !(v > 0)) return 0;
  return v > 255 ? 255 : static_cast<int>(v);
}

// Shows a packed colour in the three number boxes, split the way they show it. Blue goes in
// first, then green, then red: each box's change repaints the preview.
void showColour(std::array<forms::TextBox, 3>& boxes, forms::Colour c) {
  const int b = c / 65536;
  const int g = (c - 65536 * b) / 256;
  const int r = c - 65536 * b - 256 * g;
  boxes[2].setText(std::to_string(b));
  boxes[1].setText(std::to_string(g));
  boxes[0].setText(std::to_string(r));
}

}  // namespace

void frmConfig::lblFolder_Click(int index) {
  if (index == SelectedGlyph && frmeColor1.visible()) {
    closeColourEditor();
    return;
  }
  frmeColor1.setTop(kRowPitch * index);
  frmeColor2.setTop(kRowPitch * index + kStripHeight);
  SelectedGlyph = index;
  frmeColor1.setVisible(true);
  frmeColor2.setVisible(true);
  foldPalette();
  eColor();
}

void frmConfig::closeColourEditor() {
  frmeColor1.setVisible(false);
  frmeColor2.setVisible(false);
  foldPalette();
}

void frmConfig::foldPalette() {
  frmeColor3.setVisible(false);
  lblColor[kPaletteToggle].setCaption("+");
}

void frmConfig::eColor() {
  showColour(txtRGB, lblFolder[static_cast<std::size_t>(SelectedGlyph)].foreColour());
}

void frmConfig::lblCC_Click(int index) {
  showColour(txtRGB, lblCC[static_cast<std::size_t>(index)].backColour());
  foldPalette();
}

forms::Colour frmConfig::previewColour() const {
  return forms::rgb(component(txtRGB[0].text()), component(txtRGB[1].text()),
                    component(txtRGB[2].text()));
}

void frmConfig::txtRGB_Change() {
  const forms::Colour c = previewColour();
  for (auto& box : txtRGB) box.setBackColour(c);
}

void frmConfig::txtRGB_KeyPress(int index, int& key) {
  if (key != forms::kKeyReturn) return;
  auto& next = txtRGB[static_cast<std::size_t>((index + 1) % 3)];
  next.setFocus();
  next.selectAll();
  key = 0;
}

void frmConfig::lblColor_Click(int index) {
  if (index == kPaletteToggle) {
    const bool folded = lblColor[kPaletteToggle].caption() == "+";
    lblColor[kPaletteToggle].setCaption(folded ? "-" : "+");
    frmeColor3.setVisible(folded);
    return;
  }
  // The boxes may hold any text: the colour is the one the preview shows.
  const forms::Colour c = previewColour();
  if (index == 0) {
    for (auto& box : lblFolder) box.setForeColour(c);
  } else if (index == 1) {
    lblFolder[static_cast<std::size_t>(SelectedGlyph)].setForeColour(c);
  } else {
    ThemeColour = c;
    eCChange();
  }
  closeColourEditor();
}

void frmConfig::eCChange() {
  const forms::Colour c = ThemeColour;
  setBackColour(c);
  for (forms::Frame* f :
       {&frmeColor1, &frmeColor2, &frmeBig1, &frmeBig2, &frmeBig3, &frmeOut, &frmeBar, &frmeFont}) {
    f->setBackColour(c);
  }
  txtFont.setBackColour(c);
  List1.setBackColour(c);
  for (std::size_t i = 0; i < kRows; ++i) {
    lblFolder[i].setBackColour(core::kDarkBarColour);
    txtNombre[i].setBackColour(c);
    txtCarpeta[i].setBackColour(c);
    Check[i].setBackColour(c);
  }
  // Lighter on a dark theme, darker on a light one, on the packed value: a component above 225
  // carries into the next.
  const std::int64_t line = c < kLightTheme ? c + kLineShift : c - kLineShift;
  Line1.setBorderColour(static_cast<forms::Colour>(static_cast<std::uint32_t>(line)));
}
