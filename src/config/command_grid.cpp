// The command grid: nine items, six of which open a chooser over their own cell with a close
// box beside it; the about box; Save and Save and close.
#include <array>

#include "config/config_texts.h"
#include "config/config_window.h"
#include "core/host.h"

namespace {

constexpr int kFirstGlyphCode = 33;
constexpr int kLastGlyphCode = 255;
constexpr int kOpenListHeight = 2550;

// The choosers the first six items open over their own cells, in the items' order, each with
// the place of the close box beside it.
struct Chooser {
  forms::Control* control;
  forms::Point closeBoxAt;
};

std::array<Chooser, frmConfig::kChoosers> choosers(frmConfig& w) {
  return {{{&w.List1, {240, 360}},
           {&w.cboFont, {4560, 360}},
           {&w.hscGlass, {240, 840}},
           {&w.hscTime, {4560, 840}},
           {&w.hscTotal, {240, 1320}},
           {&w.hscLeft, {4560, 1320}}}};
}

bool isChooser(int index) { return index >= 0 && index < frmConfig::kChoosers; }

}  // namespace

void frmConfig::Label_Click(int index) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &cboFont, &hscGlass, &hscTime, &hscTotal, &hscLeft, &frmeOut, &frmeFont}) {
    c->setVisible(false);
  }
  if (isChooser(index)) {
    choosers(*this)[static_cast<std::size_t>(index)].control->setVisible(true);
    if (index == kIconsItem) {
      List1.clear();
      auto& platform = host_.platform();
      for (int code = kFirstGlyphCode; code <= kLastGlyphCode; ++code) {
        List1.addItem(platform.fromAnsi(std::string(1, static_cast<char>(code))));
      }
      List1.setHeight(kOpenListHeight);
    }
  } else if (index == kAboutItem) {
    showAbout();
  } else if (index == kSaveItem) {
    eExe();
  } else if (index == kSaveAndCloseItem) {
    if (eExe()) unload();
  }
  OpenChooser = index;
  if (isChooser(index)) showCloseBox(index);
}

void frmConfig::showCloseBox(int chooser) {
  const forms::Point at = choosers(*this)[static_cast<std::size_t>(chooser)].closeBoxAt;
  frmeOut.setRect({at.x, at.y, frmeOut.width(), frmeOut.height()});
  frmeOut.setVisible(true);
}

void frmConfig::lblOut_Click() {
  if (isChooser(OpenChooser)) {
    choosers(*this)[static_cast<std::size_t>(OpenChooser)].control->setVisible(false);
    // The font chooser's box for another font goes with it.
    if (OpenChooser == kFontItem) frmeFont.setVisible(false);
  }
  frmeOut.setVisible(false);
}

void frmConfig::showAbout() {
  auto& platform = host_.platform();
  const platform::OsVersion v = platform.programVersion();
  const std::string text = std::string(config_texts::kAboutMaker) + "\r\n" +
                           config_texts::kAboutVersion.in(host_.state()) + std::to_string(v.major) +
                           "." + std::to_string(v.minor);
  platform.aboutBox(hwnd(), core::kProgramTitle, text);
}
