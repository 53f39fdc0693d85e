// The tiles: the one under the pointer lights up, a pressed one shows a second shade, a click
// opens the tile's folder through the shell.
#include "bar/side_bar.h"
#include "config/config_window.h"
#include "core/app.h"

namespace {

constexpr forms::Colour kHighlight = forms::rgb(50, 50, 50);  // 3289650
constexpr forms::Colour kPressed = forms::rgb(60, 60, 60);    // 3947580
constexpr int kNoTile = 7;

}  // namespace

void frmSide::setTileBack(int i, forms::Colour c) {
  lblButton[static_cast<std::size_t>(i)].setBackColour(c);
  lblRe[static_cast<std::size_t>(i)].setBackColour(c);
}

void frmSide::NButton() {
  for (int i = 0; i < 7; ++i) {
    if (i != HoverTile) setTileBack(i, app_.state().barBackColour);
  }
}

void frmSide::tileMouseMove(int i) {
  // A pressed tile keeps its shade while the pointer moves on it.
  if (lblButton[static_cast<std::size_t>(i)].backColour() == kPressed) return;
  HoverTile = i;
  NButton();
  setTileBack(i, kHighlight);
}

void frmSide::tileMouseDown(int i) { setTileBack(i, kPressed); }

void frmSide::tileMouseUp(int /*i*/) {
  HoverTile = kNoTile;
  NButton();
}

void frmSide::tileClick(int i) {
  app_.state().launchIndex = i;
  eEject();
}

void frmSide::eEject() {
  const core::Value& launch = app_.state().launchIndex;
  const double k = launch.number();
  if (k < 0 || k > 6 || k != static_cast<int>(k)) return;
  auto& platform = app_.platform();
  const std::string path = app_.settings()[core::TilePath0 + static_cast<int>(k)].text();
  platform.shellOpen(hwnd(), platform.toAnsi(path));
}

void frmSide::eOpenConfig() {
  if (app_.hasConfig()) app_.config().unload();  // unsaved edits are dropped
  app_.config().show();
  tmrQuit.setEnabled(true);
}

void frmSide::Form_Click() {
  if (RightButtonDown) eOpenConfig();
  RightButtonDown = false;
}

void frmSide::Form_MouseMove() {
  HoverTile = kNoTile;
  NButton();
}
