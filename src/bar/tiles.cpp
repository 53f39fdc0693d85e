// The tiles: the one under the pointer lights up, a pressed one shows a second shade, a click
// opens the tile's folder through the shell.
#include "bar/side_bar.h"
#include "core/host.h"

namespace {

constexpr forms::Colour kHighlight = forms::rgb(50, 50, 50);  // 3289650
constexpr forms::Colour kPressed = forms::rgb(60, 60, 60);    // 3947580

}  // namespace

void frmSide::setTileBack(int i, forms::Colour c) {
  lblButton[static_cast<std::size_t>(i)].setBackColour(c);
  lblRe[static_cast<std::size_t>(i)].setBackColour(c);
}

void frmSide::NButton() {
  for (int i = 0; i < kTiles; ++i) {
    if (i != HoverTile) setTileBack(i, host_.state().barBackColour);
  }
}

void frmSide::tileMouseMove(int i) {
  // A pressed tile keeps its shade while the pointer moves on it.
  if (lblButton[static_cast<std::size_t>(i)].backColour() == kPressed) return;
  lightTile(i);
}

void frmSide::tileMouseDown(int i) { setTileBack(i, kPressed); }

void frmSide::tileMouseUp(int /*i*/) {
  HoverTile = kNoTile;
  NButton();
}

void frmSide::tileClick(int i) { launch(i); }

void frmSide::launch(int i) {
  host_.state().launchIndex = i;
  eEject();
}

int frmSide::highlightedTile() const {
  for (int k = 0; k < kTiles; ++k) {
    if (lblButton[static_cast<std::size_t>(k)].backColour() == kHighlight) return k;
  }
  return kNoTile;
}

void frmSide::launchHighlighted() {
  const int k = highlightedTile();
  if (k != kNoTile) {
    launch(k);
  } else {
    eEject();  // no tile lit: the tile launched last opens again
  }
}

void frmSide::eEject() {
  const core::Value& launch = host_.state().launchIndex;
  const double k = launch.number();
  if (k < 0 || k > kTiles - 1 || k != static_cast<int>(k)) return;
  // The folder as the tile names it, whatever the file's code page could hold.
  host_.platform().shellOpen(hwnd(),
                             host_.settings()[core::TilePath0 + static_cast<int>(k)].text());
}

void frmSide::eOpenConfig() { host_.openConfig(); }

void frmSide::Form_Click() {
  if (RightButtonDown) eOpenConfig();
  RightButtonDown = false;
}

void frmSide::lightTile(int i) {
  // The pointer moving over the lit tile lights it again: a screen reader hears only of a move.
  const bool moved = highlightedTile() != i;
  HoverTile = i;
  NButton();
  setTileBack(i, kHighlight);
  if (moved) accessibleFocusMoved();
}

void frmSide::Form_KeyDown(int key) {
  if (width() == kCollapsedWidth) return;
  const int shown = shownTiles();
  const int lit = highlightedTile();
  switch (key) {
    case forms::kKeyDown:
      lightTile(lit == kNoTile ? 0 : (lit + 1) % shown);
      break;
    case forms::kKeyUp:
      lightTile(lit == kNoTile || lit == 0 ? shown - 1 : lit - 1);
      break;
    case forms::kKeyHome:
    case forms::kKeyEnd:
      lightTile(key == forms::kKeyHome ? 0 : shown - 1);
      break;
    case forms::kKeyReturn:
    case forms::kKeySpace:
      if (lit != kNoTile) launch(lit);
      collapse();
      break;
    case forms::kKeyEscape:
      collapse();
      break;
    default:
      break;
  }
}

void frmSide::Form_MouseMove() {
  HoverTile = kNoTile;
  NButton();
}
