// The configuration window: a tall borderless column at the bar's edge that widens as it opens,
// slides its content in, and closes on a click outside it. It edits every setting of the tiles
// and the bar; only Save carries the edits into the settings file.
#pragma once

#include <array>

#include "core/settings.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"

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
  std::array<forms::Label, kRows> lblResp;
  std::array<forms::TextBox, kRows> lblFolder;
  std::array<forms::TextBox, kRows> txtNombre;
  std::array<forms::CheckBox, kRows> Check;
  std::array<forms::TextBox, kRows> txtCarpeta;
  forms::Frame frmeColor1;
  forms::Label lblType1;
  forms::Label lblType2;
  forms::Label lblType3;
  forms::Shape Shape20;
  std::array<forms::TextBox, 3> txtRGB;
  forms::Frame frmeColor3;
  forms::Shape Shape24;
  std::array<forms::Label, kSwatches> lblCC;
  forms::Frame frmeColor2;
  forms::Shape Shape23;
  forms::Shape Shape18;
  forms::Shape Shape19;
  forms::Shape Shape22;
  std::array<forms::Label, 4> lblColor;

  // The command block: the grid of nine items and the choosers above their cells.
  forms::Frame frmeBig2;
  forms::Line Line1;
  std::array<forms::Shape, kCommands> LabelBox;
  std::array<forms::Label, kCommands> Label;
  forms::ListBox List1;
  forms::ComboBox cboFont;
  forms::Frame frmeFont;
  forms::Shape Shape27;
  forms::TextBox txtFont;
  forms::ScrollBar hscGlass;
  forms::ScrollBar hscTime;
  forms::ScrollBar hscTotal;
  forms::ScrollBar hscLeft;
  forms::Frame frmeOut;
  forms::Shape lblOutBox;
  forms::Label lblOut;

  // The close bar.
  forms::Frame frmeBig3;
  forms::Shape lblExitBox;
  forms::Label lblExit;

  // The context menu, above everything.
  forms::Frame frmeBar;
  std::array<forms::Shape, 2> lblMenuBox;
  std::array<forms::Label, 2> lblMenu;

  forms::Timer tmrOpen;
  forms::Timer tmrMove;
  forms::Timer tmrMouse;
  forms::Timer tmrChange;

  // Window-level state.
  struct PointerPos {
    int x = 0;
    int y = 0;
  } PointerPos;
  int OpenChooser = 0;
  forms::Colour ThemeColour = 0;
  int SelectedGlyph = 0;

  // The edge the window opened at: 0 right, 1 left. It stays until the window closes, whatever
  // a Save does to the bar.
  [[nodiscard]] int openSide() const { return openSide_; }

 private:
  // A row of the shortcut block: rows kRowPitch apart, each kRowHeight high, its upper strip
  // (glyph box, name, check box, "R") kStripHeight high above the folder.
  static constexpr int kRowPitch = 840;
  static constexpr int kRowHeight = 735;
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

  core::Host& host_;
  // The settings as this window found them or last saved them: what an export writes.
  core::Settings stored_;
  int openSide_ = 0;
  int pressButton_ = 0;  // the button of the last press on a clickable label
  bool loaded_ = false;
};
