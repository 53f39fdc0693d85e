// The side bar: a borderless, always-on-top window as tall as its monitor at the right or left
// edge of the whole desktop, with a column of up to seven tiles. It loads the settings file, lays
// down the default tiles and applies the settings to them.
#pragma once

#include <array>
#include <optional>

#include "core/settings.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/services.h"

namespace core {
class Host;
}  // namespace core

class frmSide : public forms::Form {
 public:
  static constexpr int kTiles = core::kTileCount;
  // What HoverTile and highlightedTile() hold when no tile is meant.
  static constexpr int kNoTile = kTiles;

  explicit frmSide(core::Host& host);
  void load();
  // Loads the settings file into the store and, when it holds 31 lines or more, applies it.
  void eLoad();
  // Applies the settings held in the settings to the seven tiles.
  void eConfig();
  // Returns every tile but HoverTile to the bar colour.
  void NButton();
  // Opens the folder of tile LaunchIndex through the shell.
  void eEject();
  // Shows a fresh configuration window and collapses the bar.
  void eOpenConfig();
  // The lit tile (kept apart from the pointer: a pressed tile is not lit), or kNoTile for none.
  [[nodiscard]] int highlightedTile() const;
  // Opens the folder of the lit tile, or with none lit the folder of the tile launched last.
  void launchHighlighted();
  // Opens the bar as a rest on its corner does, wherever the pointer is; it stays open until
  // the pointer moves, and then collapses as usual once the pointer is off it.
  void openFromOutside();
  // The hotkey: opens the bar as openFromOutside does, the first tile lit and the bar's keys
  // taken; on an open bar, collapses it at once.
  void toggleFromKeyboard();

  forms::Frame frmeBar;                        // the column of tiles
  std::array<forms::Frame, kTiles> frmeIcon;   // the tiles
  std::array<forms::Label, kTiles> lblRe;      // the strip above each glyph
  std::array<forms::Label, kTiles> lblButton;  // the glyphs
  std::array<forms::Label, kTiles> Labels;     // the tile names
  forms::Frame Frame1;                         // out of sight: what the bar keeps but never shows
  forms::Label Usuario;                        // the logon name
  forms::ListBox List1;                        // the settings file's lines as read
  forms::ScrollBar HScroll1;  // the fade counter: the opacity while the bar fades in
  forms::Label Label1;        // the screen's height
  forms::Label Label2;        // the pointer's row
  forms::Timer tmrMouse;      // the edge watcher's poll
  forms::Timer tmrWait;       // the dwell on a corner
  forms::Timer tmrOpen;       // the fade-in
  forms::Timer tmrQuit;       // the collapse
  forms::Timer tmrEnd;        // a press held on the bar for a second ends the program
  forms::Timer tmrCBack;      // nothing starts it

  int HoverTile = kNoTile;       // the tile under the pointer
  bool RightButtonDown = false;  // a right press on the bar, whose click opens the configuration
  platform::Monitor BarMonitor;  // the monitor the bar loaded on
  int CursorX = 0;               // the pointer at the last poll, in pixels
  int CursorY = 0;

 private:
  // The bar collapsed to a twip at its edge, and open as wide as a tile.
  static constexpr int kCollapsedWidth = 1;
  static constexpr int kTileWidth = 1590;
  static constexpr int kOpenWidth = kTileWidth;

  // Stands the program's windows on the bar's monitor for the side in the settings.
  void standOnMonitor();
  void layDefaultTiles();
  void Form_MouseDown(const forms::MouseEvent& e);
  void Form_MouseUp(const forms::MouseEvent& e);
  void Form_Click();
  // Up, Down, Home and End move the light over the shown tiles, wrapping around; Enter or Space
  // opens the lit tile's folder and collapses the bar; Escape collapses it.
  void Form_KeyDown(int key);
  void lightTile(int i);
  // The tiles the column shows: BarSize + 1 of them, all seven for a size the bar cannot take.
  [[nodiscard]] int shownTiles() const;
  // Collapses the bar now, whatever it was doing, and releases the keys it took.
  void collapse();
  void Form_MouseMove();
  void tileMouseMove(int i);
  void tileMouseDown(int i);
  void tileMouseUp(int i);
  void tileClick(int i);
  void launch(int i);
  void setTileBack(int i, forms::Colour c);
  void tmrMouse_Timer();
  void tmrWait_Timer();
  void tmrOpen_Timer();
  void tmrQuit_Timer();
  void HScroll1_Change();

  core::Host& host_;
  std::optional<platform::PointerPos> heldAt_;  // the pointer when the bar was opened from outside
  bool hasKeys_ = false;                        // taken by the hotkey, until the bar collapses
};
