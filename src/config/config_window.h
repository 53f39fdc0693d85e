// The configuration window: a tall borderless column at the bar's edge that widens as it opens,
// slides its content in, and closes on a click outside it. It edits every setting of the tiles
// and the bar; only Save carries the edits into the settings file.
#pragma once

#include <array>

#include "core/settings.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/services.h"

namespace core {
class Host;
}  // namespace core

class frmConfig : public forms::Form {
 public:
  static constexpr int kRows = core::kTileCount;  // a row per tile
  // The items of the command grid, in its order. Those before kAboutItem open a chooser over
  // their own cell: the glyph list, the font, then the glass, clock, size and side sliders.
  enum CommandItem : int {
    kIconsItem,
    kFontItem,
    kGlassItem,
    kClockItem,
    kSizeItem,
    kSideItem,
    kAboutItem,
    kSaveItem,
    kSaveAndCloseItem,
  };
  static constexpr int kCommands = kSaveAndCloseItem + 1;
  static constexpr int kChoosers = kAboutItem;
  static constexpr int kSwatches = 20;

  explicit frmConfig(core::Host& host);
  void load();

  // Puts the English captions in place when the language is English.
  void eLoad_Names();
  // Shows the context menu at the pointer.
  void eMenu();
  // Shows the rows 0 to the tile-count slider's value and sizes the shortcut block for them.
  void eSize();
  // Items dropped from the shell on a shown row: the first one's path into its folder box, and
  // its name into the name box when that is empty. A drop anywhere else does nothing.
  void dropOnRow(forms::Point at, const std::vector<forms::DroppedItem>& items);
  // Loads the three number boxes from the colour of the selected glyph.
  void eColor();
  // Paints the window and its frames in ThemeColour.
  void eCChange();
  // Copies the edits into the settings, writes the settings file and rebuilds the bar. False
  // when the file could not be written: then nothing changed but the message the user saw.
  bool eExe();

  // The window at top level.
  forms::Label lblTitle;

  // The shortcut block: a row per tile, then the colour editor's strips above the rows.
  forms::Frame frmeBig1;
  std::array<forms::Shape, kRows> RowBox;
  std::array<forms::Line, kRows> RowSplit;
  std::array<forms::Line, kRows> RowDivider1;
  std::array<forms::Line, kRows> RowDivider2;
  std::array<forms::Line, kRows> RowDivider3;
  std::array<forms::Shape, kRows> lblRespBox;
  std::array<forms::Label, kRows> lblResp;       // "R": exports a copy of the settings file
  std::array<forms::TextBox, kRows> lblFolder;   // the glyph boxes
  std::array<forms::TextBox, kRows> txtNombre;   // the name boxes
  std::array<forms::CheckBox, kRows> Check;      // two ticked rows exchange their contents
  std::array<forms::TextBox, kRows> txtCarpeta;  // the folder boxes
  forms::Frame frmeColor1;                       // the strip of number boxes, over the glyph's row
  forms::Label lblType1;                         // "R:"
  forms::Label lblType2;                         // "G:"
  forms::Label lblType3;                         // "B:"
  forms::Shape Shape20;
  std::array<forms::TextBox, 3> txtRGB;  // red, green, blue
  forms::Frame frmeColor3;               // the palette, over the number boxes
  forms::Shape Shape24;
  std::array<forms::Label, kSwatches> lblCC;  // the palette's swatches
  forms::Frame frmeColor2;                    // the strip of colour buttons, below the number boxes
  // The outlines of the palette toggle, Only this, All and Theme.
  forms::Shape Shape23;
  forms::Shape Shape18;
  forms::Shape Shape19;
  forms::Shape Shape22;
  std::array<forms::Label, 4> lblColor;  // All, Only this, Theme, the palette toggle

  // The command block: the grid of nine items and the choosers above their cells.
  forms::Frame frmeBig2;
  forms::Line Line1;  // the rule above the grid
  std::array<forms::Shape, kCommands> LabelBox;
  std::array<forms::Label, kCommands> Label;  // the grid's items
  forms::ListBox List1;                       // the glyph list
  forms::ComboBox cboFont;                    // the glyph fonts
  forms::Frame frmeFont;                      // the box for another font's name
  forms::Shape Shape27;
  forms::TextBox txtFont;
  forms::ScrollBar hscGlass;  // the open bar's opacity
  forms::ScrollBar hscTime;   // the clock, 12 or 24 hours
  forms::ScrollBar hscTotal;  // how many tiles, less one
  forms::ScrollBar hscLeft;   // the bar's side
  forms::Frame frmeOut;       // the close box beside the open chooser
  forms::Shape lblOutBox;
  forms::Label lblOut;

  // The close bar.
  forms::Frame frmeBig3;
  forms::Shape lblExitBox;
  forms::Label lblExit;

  // The context menu, above everything.
  forms::Frame frmeBar;  // the context menu, not the bar
  std::array<forms::Shape, 2> lblMenuBox;
  std::array<forms::Label, 2> lblMenu;

  forms::Timer tmrOpen;    // the widening
  forms::Timer tmrMove;    // the content's slide
  forms::Timer tmrMouse;   // the outside-click watcher
  forms::Timer tmrChange;  // the exchange of two ticked rows

  // Window-level state.
  struct PointerPos {
    int x = 0;
    int y = 0;
  } PointerPos;
  int OpenChooser = 0;  // the grid item clicked last: the close box closes its chooser
  forms::Colour ThemeColour = 0;
  int SelectedGlyph = 0;

  // The edge the window opened at: 0 right, 1 left. It stays until the window closes, whatever
  // a Save does to the bar.
  [[nodiscard]] int openSide() const { return openSide_; }
  // Stands the window against its edge of the monitor in use, as tall as that monitor: at load,
  // and when a display change takes the bar to another monitor (the edits stay as they are).
  void placeOnMonitor();

 private:
  // A row of the shortcut block: rows kRowPitch apart, each kRowHeight high, its upper strip
  // (glyph box, name, check box, "R") kStripHeight high above the folder.
  static constexpr int kRowPitch = 840;
  static constexpr int kRowHeight = 735;
  static constexpr int kRowWidth = 3975;
  static constexpr int kStripHeight = 360;
  // The last of the colour buttons unfolds and folds the palette.
  static constexpr int kPaletteToggle = 3;

  void buildLayout();
  void wireEvents();
  [[nodiscard]] bool english() const;

  // Shell.
  void tmrOpen_Timer();
  void tmrMove_Timer();
  void tmrMouse_Timer();
  void lblMenu_Click(int index);
  void lblExit_Click();
  void hideMenu();
  // Press feedback of the clickable labels: opaque with black text while a button is held.
  void pressLook(forms::Label& label, bool pressed);
  // Clickable labels act on a left click only: a right-button release must not run a command.
  void listenForClicks(forms::Label& label, std::function<void()> action);

  // Command grid.
  void Label_Click(int index);
  void lblOut_Click();
  // Shows the close box beside chooser `chooser`'s cell.
  void showCloseBox(int chooser);
  void showAbout();

  // Shortcut rows and glyph boxes.
  void loadRows();
  void List1_DblClick();
  void lblFolder_KeyPress(int index, int& key);
  void lblFolder_Change(int index);
  // A right press selects the glyph for the menu's Paste; only a left click opens the colours.
  void lblFolder_MouseDown(int index, const forms::MouseEvent& e);
  void lblFolder_Click(int index);
  void Check_Click(int index);
  void tmrChange_Timer();
  void lblResp_Click(int index);

  // Colour editor.
  void lblCC_Click(int index);
  void lblColor_Click(int index);
  void txtRGB_Change();
  void txtRGB_KeyPress(int index, int& key);
  void closeColourEditor();
  // Hides the palette; its toggle shows "+" again.
  void foldPalette();
  [[nodiscard]] forms::Colour previewColour() const;

  // Font chooser.
  void applyGlyphFont(const std::string& name);
  void cboFont_Click();
  void txtFont_KeyPress(int& key);

  // Sliders.
  void loadSliders();
  void hscTotal_Change();

  // Of the window's monitor.
  [[nodiscard]] double twipsPerPixel() const;

  core::Host& host_;
  int openSide_ = 0;
  // The monitor the window opened on: it stays there whatever a Save does to the bar.
  platform::Monitor openMonitor_;
  int pressButton_ = 0;  // the button of the last press on a clickable label or a glyph box
  bool loaded_ = false;
};
