// The font chooser: four symbol fonts by name, or any installed font typed into a box. A choice
// shows at once on the glyph boxes and the glyph list.
#include <algorithm>

#include "config/config_texts.h"
#include "config/config_window.h"
#include "core/host.h"
#include "forms/text.h"

namespace {

constexpr int kLongestFaceName = 31;  // what a font's face name can hold

bool blank(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

void frmConfig::applyGlyphFont(const std::string& name) {
  for (auto& box : lblFolder) box.setFontName(name);
  List1.setFontName(name);
}

void frmConfig::cboFont_Click() {
  const int i = cboFont.listIndex();
  if (i < 0) return;
  host_.settings()[core::GlyphFont] = i;
  if (i < core::kCustomGlyphFont) {
    applyGlyphFont(core::kGlyphFontNames[i]);
    return;
  }
  frmeFont.setVisible(true);
  txtFont.setText(List1.font().name);
  // While the window loads it is not on the screen yet: the box waits for the user.
  if (loaded_ && visible()) {
    txtFont.setFocus();
    txtFont.selectAll();
  }
  OpenChooser = kFontItem;
  showCloseBox(kFontItem);
}

void frmConfig::txtFont_KeyPress(int& key) {
  if (key != forms::kKeyReturn) return;
  key = 0;
  auto& platform = host_.platform();
  const std::string name = txtFont.text();
  const bool usable = !blank(name) && forms::codePointCount(name) <= kLongestFaceName &&
                      platform.fontInstalled(name);
  if (!usable) {
    platform.messageBox(config_texts::kFontMissing.in(host_.state()), core::kProgramTitle,
                        platform::MessageIcon::Warning);
    return;
  }
  applyGlyphFont(name);
  frmeFont.setVisible(false);
  frmeOut.setVisible(false);
  cboFont.setVisible(false);
}
