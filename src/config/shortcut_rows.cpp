// The shortcut block: a row per tile with its name, folder, glyph and glyph colour, the tile
// count, the glyph list's copy, and the exchange of two ticked rows.
#include <cmath>
#include <limits>

#include "config/config_window.h"
#include "core/host.h"
#include "core/settings_file.h"
#include "forms/text.h"

namespace {

constexpr int kCtrlA = 1;
constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;

// A packed colour as a setting holds it; what no 32-bit colour can hold is white.
forms::Colour colourSetting(const core::Value& v) {
  const double d = std::nearbyint(v.number());
  if (!std::isfinite(d) || d < std::numeric_limits<forms::Colour>::min() ||
      d > std::numeric_limits<forms::Colour>::max()) {
    return forms::rgb(255, 255, 255);
  }
  return static_cast<forms::Colour>(d);
}

void swapTexts(forms::TextBox& a, forms::TextBox& b) {
  const std::string text = a.text();
  a.setText(b.text());
  b.setText(text);
}

}  // namespace

void frmConfig::loadRows() {
  const auto& s = host_.settings();
  for (int i = 0; i < kRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    txtNombre[k].setText(s[core::TileName0 + i].text());
    lblFolder[k].setForeColour(colourSetting(s[core::GlyphColour0 + i]));
    txtCarpeta[k].setText(s[core::TilePath0 + i].text());
    lblFolder[k].setText(s[core::Glyph0 + i].text());
  }
}

void frmConfig::eSize() {
  const auto showRow = [this](std::size_t i, bool shown) {
    for (forms::Control* c : std::initializer_list<forms::Control*>{&lblFolder[i], &txtNombre[i],
                                                                    &txtCarpeta[i], &lblResp[i]}) {
      c->setVisible(shown);
    }
  };
  for (std::size_t i = 0; i < kRows; ++i) showRow(i, false);
  const int n = hscTotal.value();
  for (int i = 0; i <= n && i < kRows; ++i) showRow(static_cast<std::size_t>(i), true);
  if (n >= 0 && n < kRows) frmeBig1.setHeight(kRowHeight + kRowPitch * n);
}

void frmConfig::hscTotal_Change() { eSize(); }

void frmConfig::dropOnRow(forms::Point at, const std::vector<forms::DroppedItem>& items) {
  const forms::Rect block = frmeBig1.formRect();
  const int x = at.x - block.left;
  const int y = at.y - block.top;
  const int row = y / kRowPitch;
  if (items.empty() || x < 0 || x >= kRowWidth || y < 0 || row >= kRows ||
      y - row * kRowPitch >= kRowHeight) {
    return;
  }
  const auto k = static_cast<std::size_t>(row);
  forms::TextBox& folder = txtCarpeta[k];
  const forms::DroppedItem& item = items.front();
  // The path is taken whole or not at all: cut at a line break, or without a character the
  // file cannot hold, it would name another folder. The balloon says which, as for typing.
  if (!folder.visible() || item.path.find_first_of("\r\n") != std::string::npos) return;
  std::string leftOut;
  for (const char32_t c : forms::decodeUtf8(item.path)) {
    if (!folder.holds(c)) leftOut += forms::encodeUtf8(c);
  }
  if (!leftOut.empty()) {
    folder.onRefuse(leftOut);
    return;
  }
  folder.dropText(item.path);
  if (txtNombre[k].text().empty()) txtNombre[k].dropText(item.displayName);
}

void frmConfig::List1_DblClick() {
  if (List1.listIndex() < 0) return;
  host_.platform().setClipboardText(List1.text());
}

void frmConfig::lblFolder_KeyPress(int index, int& key) {
  auto& box = lblFolder[static_cast<std::size_t>(index)];
  if (key == forms::kKeyBack || key == kCtrlA || key == kCtrlC) return;
  if (key == kCtrlV) {
    // The paste replaces the glyph by the clipboard's first character.
    box.selectAll();
    return;
  }
  // A control character is no glyph: a CR would break the settings file's lines. One the file
  // cannot hold goes on to the box, which refuses it.
  if (key >= 32 && !box.holds(static_cast<char32_t>(key))) return;
  if (key >= 32) {
    box.setText(forms::encodeUtf8(static_cast<char32_t>(key)));
    box.setSelection(static_cast<int>(forms::codePointCount(box.text())), 0);
  }
  key = 0;
}

void frmConfig::lblFolder_Change(int index) {
  auto& box = lblFolder[static_cast<std::size_t>(index)];
  // Whatever way it came (a paste of a tab, say), a control character is no glyph.
  std::string text = box.text();
  std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 32; });
  if (text == "&") text = "&&";
  if (text != box.text()) box.setText(text);
}

void frmConfig::lblFolder_MouseDown(int index, const forms::MouseEvent& e) {
  pressButton_ = e.button;
  if (e.button != forms::kRightButton) return;
  lblFolder[static_cast<std::size_t>(index)].selectAll();
}

void frmConfig::Check_Click(int index) {
  tmrChange.setEnabled(false);
  int n = 0;
  for (std::size_t i = 0; i < kRows; ++i) {
    if (Check[i].value() != 0) ++n;
    if (n == 3) Check[static_cast<std::size_t>(index)].setValue(0);
  }
  if (n == 2) tmrChange.setEnabled(true);
}

void frmConfig::tmrChange_Timer() {
  int rows[2] = {-1, -1};
  int found = 0;
  for (int i = 0; i < kRows && found < 2; ++i) {
    if (Check[static_cast<std::size_t>(i)].value() != 0) rows[found++] = i;
  }
  if (found == 2) {
    const auto ra = static_cast<std::size_t>(rows[0]);
    const auto rb = static_cast<std::size_t>(rows[1]);
    swapTexts(txtNombre[ra], txtNombre[rb]);
    swapTexts(txtCarpeta[ra], txtCarpeta[rb]);
    swapTexts(lblFolder[ra], lblFolder[rb]);
    const forms::Colour colour = lblFolder[ra].foreColour();
    lblFolder[ra].setForeColour(lblFolder[rb].foreColour());
    lblFolder[rb].setForeColour(colour);
    for (auto& check : Check) check.setValue(0);
  }
  tmrChange.setEnabled(false);
}

void frmConfig::lblResp_Click(int index) {
  core::exportSettingsCopy(host_.platform(), host_.state().fileSettings, host_.state(),
                           txtCarpeta[static_cast<std::size_t>(index)].text());
}
