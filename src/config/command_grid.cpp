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
constexpr std::array<forms::Point, 6> kCloseBoxAt{
    {{240, 360}, {4560, 360}, {240, 840}, {4560, 840}, {240, 1320}, {4560, 1320}}};

}  // namespace

void frmConfig::Label_Click(int index) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &cboFont, &hscGlass, &hscTime, &hscTotal, &hscLeft, &frmeOut, &frmeFont}) {
    c->setVisible(false);
  }
  switch (index) {
    case 0: {
      List1.setVisible(true);
      List1.clear();
      auto& platform = host_.platform();
      for (int code = kFirstGlyphCode; code <= kLastGlyphCode; ++code) {
        List1.addItem(platform.fromAnsi(std::string(1, static_cast<char>(code))));
      }
      List1.setHeight(kOpenListHeight);
      break;
    }
    case 1:
      cboFont.setVisible(true);
      break;
    case 2:
      hscGlass.setVisible(true);
      break;
    case 3:
      hscTime.setVisible(true);
      break;
    case 4:
      hscTotal.setVisible(true);
      break;
    case 5:
      hscLeft.setVisible(true);
      break;
    case 6:
      showAbout();
      break;
    case 7:
      eExe();
      break;
    case 8:
      if (eExe()) unload();
      break;
    default:
      break;
  }
  OpenChooser = index;
  if (index >= 0 && index <= 5) {
    const forms::Point at = kCloseBoxAt[static_cast<std::size_t>(index)];
    frmeOut.setRect({at.x, at.y, frmeOut.width(), frmeOut.height()});
    frmeOut.setVisible(true);
  }
}

void frmConfig::lblOut_Click() {
  switch (OpenChooser) {
    case 0:
      List1.setVisible(false);
      break;
    case 1:
      cboFont.setVisible(false);
      frmeFont.setVisible(false);
      break;
    case 2:
      hscGlass.setVisible(false);
      break;
    case 3:
      hscTime.setVisible(false);
      break;
    case 4:
      hscTotal.setVisible(false);
      break;
    case 5:
      hscLeft.setVisible(false);
      break;
    default:
      break;
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
