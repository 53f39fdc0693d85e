// The configuration window's layout, its loading, the opening animation, the content slide,
// the outside-click watcher and the context menu.
#include "config/config_window.h"

#include <algorithm>
#include <cmath>

#include "config/config_texts.h"
#include "core/host.h"
#include "core/look.h"
#include "core/settings_file.h"

namespace {

using forms::Rect;
using forms::rgb;

constexpr forms::Colour kWhite = rgb(255, 255, 255);
constexpr forms::Colour kGrid = rgb(82, 128, 201);  // 13205586
constexpr int kStartWidth = 4000;
constexpr int kOpenWidth = 5175;
constexpr int kGrowStep = 200;
constexpr int kSlideStep = 50;
constexpr int kRestingLeft = 600;
constexpr int kMenuWidth = 2415;
constexpr int kMenuHeight = 375;

const forms::Font kCaptionFont{"Segoe UI", 12.75, 400, 0};
const forms::Font kEditorFont{"Segoe UI", 12, 400, 0};
const forms::Font kGlyphBoxFont{core::kDefaultGlyphFont, 12.75, 400, forms::kSymbolCharset};
const forms::Font kGlyphListFont{core::kDefaultGlyphFont, 27.75, 400, forms::kSymbolCharset};

constexpr std::array<Rect, frmConfig::kCommands> kCommandCells{{
    {600, 360, 1935, 375},
    {2640, 360, 1935, 375},
    {600, 840, 1935, 375},
    {2640, 840, 1935, 375},
    {600, 1320, 1935, 375},
    {2640, 1320, 1935, 375},
    {600, 1800, 1935, 375},
    {2640, 1800, 1935, 375},
    {600, 2280, 3975, 375},
}};
constexpr std::array<Rect, 4> kColourButtonCells{{
    {1560, 0, 1215, 375},  // All
    {360, 0, 1215, 375},   // Only this
    {2760, 0, 1215, 375},  // Theme
    {0, 0, 375, 375},      // palette toggle
}};
constexpr std::array<Rect, 2> kMenuCells{{{360, 0, 2055, 375}, {0, 0, 375, 375}}};

// The palette's fixed colours.
constexpr std::array<forms::Colour, frmConfig::kSwatches> kSwatchColours{
    rgb(255, 255, 255), rgb(47, 24, 1),   rgb(78, 0, 0),     rgb(78, 0, 56),    rgb(45, 0, 78),
    rgb(31, 0, 104),    rgb(1, 31, 79),   rgb(1, 78, 97),    rgb(1, 75, 1),     rgb(22, 156, 43),
    rgb(230, 109, 26),  rgb(184, 27, 27), rgb(183, 26, 107), rgb(105, 27, 184), rgb(26, 87, 183),
    rgb(86, 156, 227),  rgb(0, 170, 170), rgb(130, 185, 30), rgb(212, 158, 10), rgb(215, 101, 184)};

Rect swatchCell(int i) { return {360 * (i / 2), 195 * (i % 2), 375, i == 0 ? 190 : 195}; }

// A white, centred caption on the window colour, as every clickable label of the window.
void captionStyle(forms::Label& l, const std::string& caption, const forms::Font& font) {
  l.setFont(font);
  l.setForeColour(kWhite);
  l.setBackColour(kWhite);
  l.setBackStyle(forms::BackStyle::Transparent);
  l.setAlignment(forms::Align::Center);
  l.setCaption(caption);
}

void boxStyle(forms::TextBox& box, forms::Colour fore, forms::Colour back, forms::Align align,
              const forms::Font& font) {
  box.setForeColour(fore);
  box.setBackColour(back);
  box.setAlignment(align);
  box.setFont(font);
}

forms::Shape outline(forms::Container& parent, const char* name, Rect r) {
  return {parent, name, r, forms::ShapeStyle::Outline, kWhite};
}

}  // namespace

frmConfig::frmConfig(core::Host& host)
    : forms::Form(host.runtime(), "frmConfig",
                  {0, core::kEdgeWindowTop, kStartWidth, core::kEdgeWindowHeight}),
      lblTitle(*this, "lblTitle", {570, 430, 2895, 615}),
      frmeBig1(*this, "frmeBig1", {600, 1320, 4455, 5775}),
      RowBox(forms::makeArray<forms::Shape, kRows>([this](int i) {
        return outline(frmeBig1, "RowBox", {0, kRowPitch * i, kRowWidth, kRowHeight});
      })),
      RowSplit(forms::makeArray<forms::Line, kRows>([this](int i) {
        return forms::Line(frmeBig1, "RowSplit", {0, kRowPitch * i + kStripHeight},
                           {3960, kRowPitch * i + kStripHeight}, kWhite);
      })),
      RowDivider1(forms::makeArray<forms::Line, kRows>([this](int i) {
        return forms::Line(frmeBig1, "RowDivider", {360, kRowPitch * i},
                           {360, kRowPitch * i + kStripHeight}, kWhite);
      })),
      RowDivider2(forms::makeArray<forms::Line, kRows>([this](int i) {
        return forms::Line(frmeBig1, "RowDivider", {3240, kRowPitch * i},
                           {3240, kRowPitch * i + kStripHeight}, kWhite);
      })),
      RowDivider3(forms::makeArray<forms::Line, kRows>([this](int i) {
        return forms::Line(frmeBig1, "RowDivider", {3600, kRowPitch * i},
                           {3600, kRowPitch * i + kStripHeight}, kWhite);
      })),
      lblRespBox(forms::makeArray<forms::Shape, kRows>([this](int i) {
        return outline(frmeBig1, "lblRespBox", {3600, kRowPitch * i, 375, 375});
      })),
      lblResp(forms::makeArray<forms::Label, kRows>([this](int i) {
        return forms::Label(frmeBig1, "lblResp", {3600, kRowPitch * i, 375, 375}, i);
      })),
      lblFolder(forms::makeArray<forms::TextBox, kRows>([this](int i) {
        return forms::TextBox(frmeBig1, "lblFolder", {10, 10 + kRowPitch * i, 345, 345}, i);
      })),
      txtNombre(forms::makeArray<forms::TextBox, kRows>([this](int i) {
        return forms::TextBox(frmeBig1, "txtNombre", {420, 10 + kRowPitch * i, 2825, 345}, i);
      })),
      Check(forms::makeArray<forms::CheckBox, kRows>([this](int i) {
        return forms::CheckBox(frmeBig1, "Check", {3330, 60 + kRowPitch * i, 255, 255}, i);
      })),
      txtCarpeta(forms::makeArray<forms::TextBox, kRows>([this](int i) {
        return forms::TextBox(frmeBig1, "txtCarpeta", {70, 370 + kRowPitch * i, 3890, 345}, i);
      })),
      frmeColor1(frmeBig1, "frmeColor1", {360, 0, 3615, 375}),
      lblType1(frmeColor1, "lblType1", {0, 0, 375, 375}),
      lblType2(frmeColor1, "lblType2", {1200, 0, 375, 375}),
      lblType3(frmeColor1, "lblType3", {2400, 0, 375, 375}),
      Shape20(frmeColor1, "Shape20", {0, 0, 3615, 375}, forms::ShapeStyle::Outline, kWhite),
      txtRGB(forms::makeArray<forms::TextBox, 3>([this](int i) {
        return forms::TextBox(frmeColor1, "txtRGB", {360 + 1200 * i, 10, i == 2 ? 845 : 855, 345},
                              i);
      })),
      frmeColor3(frmeColor1, "frmeColor3", {0, 0, 3615, 375}),
      Shape24(frmeColor3, "Shape24", {0, 0, 3615, 375}, forms::ShapeStyle::Outline, kWhite),
      lblCC(forms::makeArray<forms::Label, kSwatches>(
          [this](int i) { return forms::Label(frmeColor3, "lblCC", swatchCell(i), i); })),
      frmeColor2(frmeBig1, "frmeColor2", {0, kStripHeight, 3975, 375}),
      Shape23(frmeColor2, "Shape23", kColourButtonCells[3], forms::ShapeStyle::Outline, kWhite),
      Shape18(frmeColor2, "Shape18", kColourButtonCells[1], forms::ShapeStyle::Outline, kWhite),
      Shape19(frmeColor2, "Shape19", kColourButtonCells[0], forms::ShapeStyle::Outline, kWhite),
      Shape22(frmeColor2, "Shape22", kColourButtonCells[2], forms::ShapeStyle::Outline, kWhite),
      lblColor(forms::makeArray<forms::Label, 4>([this](int i) {
        return forms::Label(frmeColor2, "lblColor", kColourButtonCells[static_cast<std::size_t>(i)],
                            i);
      })),
      frmeBig2(*this, "frmeBig2", {0, 0, 5055, 3015}),
      Line1(frmeBig2, "Line1", {600, 0}, {4560, 0}, kGrid),
      LabelBox(forms::makeArray<forms::Shape, kCommands>([this](int i) {
        return outline(frmeBig2, "LabelBox", kCommandCells[static_cast<std::size_t>(i)]);
      })),
      Label(forms::makeArray<forms::Label, kCommands>([this](int i) {
        return forms::Label(frmeBig2, "Label", kCommandCells[static_cast<std::size_t>(i)], i);
      })),
      List1(frmeBig2, "List1", {600, 360, 3975, 2370}),
      cboFont(frmeBig2, "cboFont", {2640, 360, 1935, 375}),
      frmeFont(frmeBig2, "frmeFont", {2640, 360, 2055, 375}),
      Shape27(frmeFont, "Shape27", {0, 0, 1935, 375}, forms::ShapeStyle::Outline, kWhite),
      txtFont(frmeFont, "txtFont", {60, 10, 1815, 345}),
      hscGlass(frmeBig2, "hscGlass", {600, 840, 1935, 375}, 0, 5, 1),
      hscTime(frmeBig2, "hscTime", {2640, 840, 1935, 375}, 0, 1, 0),
      hscTotal(frmeBig2, "hscTotal", {600, 1320, 1935, 375}, 0, 6, 4),
      hscLeft(frmeBig2, "hscLeft", {2640, 1320, 1935, 375}, 1, 0, 0),
      frmeOut(frmeBig2, "frmeOut", {240, 360, 375, 435}),
      lblOutBox(frmeOut, "lblOutBox", {0, 0, 375, 375}, forms::ShapeStyle::Outline, kWhite),
      lblOut(frmeOut, "lblOut", {0, 0, 375, 375}),
      frmeBig3(*this, "frmeBig3", {600, 0, 3975, 375}),
      lblExitBox(frmeBig3, "lblExitBox", {3120, 0, 855, 375}, forms::ShapeStyle::Outline, kWhite),
      lblExit(frmeBig3, "lblExit", {3120, 0, 855, 375}),
      frmeBar(*this, "frmeBar", {0, 0, kMenuWidth, kMenuHeight}),
      lblMenuBox(forms::makeArray<forms::Shape, 2>([this](int i) {
        return outline(frmeBar, "lblMenuBox", kMenuCells[static_cast<std::size_t>(i)]);
      })),
      lblMenu(forms::makeArray<forms::Label, 2>([this](int i) {
        return forms::Label(frmeBar, "lblMenu", kMenuCells[static_cast<std::size_t>(i)], i);
      })),
      tmrOpen(*this, 10, forms::Running, "tmrOpen"),
      tmrMove(*this, 10, forms::Running, "tmrMove"),
      tmrMouse(*this, 10, forms::Running, "tmrMouse"),
      tmrChange(*this, 500, forms::Stopped, "tmrChange"),
      host_(host) {
  buildLayout();
  wireEvents();
}

void frmConfig::buildLayout() {
  namespace tx = config_texts;
  setBackColour(core::kThemeColour);
  setForeColour(kWhite);
  setFont({"Segoe UI", 12.75, 400, 0});
  setActivation(Activation::OnShow);

  lblTitle.setFont({"Segoe UI", 20.25, 400, 0});
  lblTitle.setForeColour(kWhite);
  lblTitle.setBackStyle(forms::BackStyle::Transparent);
  lblTitle.setCaption(tx::kTitle.spanish);

  for (forms::Frame* f :
       {&frmeBig1, &frmeBig2, &frmeBig3, &frmeBar, &frmeOut, &frmeFont, &frmeColor1, &frmeColor2}) {
    f->setBackColour(core::kThemeColour);
  }
  frmeColor3.setBackColour(rgb(128, 128, 128));

  // The rows of the shortcut block.
  for (std::size_t i = 0; i < kRows; ++i) {
    captionStyle(lblResp[i], "R", kCaptionFont);
    lblResp[i].setToolTip(tx::kExportTip);
    boxStyle(lblFolder[i], rgb(224, 224, 224), rgb(64, 64, 64), forms::Align::Center,
             kGlyphBoxFont);
    lblFolder[i].setText(core::kDefaultGlyph);
    lblFolder[i].setMaxLength(1);
    lblFolder[i].setToolTip(std::string(tx::kGlyphTipStart) + std::to_string(i + 1) + ". ");
    boxStyle(txtNombre[i], kWhite, core::kThemeColour, forms::Align::Left, kCaptionFont);
    txtNombre[i].setMaxLength(14);
    Check[i].setBackColour(core::kThemeColour);
    Check[i].setCaption("Check1");
    boxStyle(txtCarpeta[i], kWhite, core::kThemeColour, forms::Align::Left, kCaptionFont);
    txtCarpeta[i].setText("C:\\");
  }
  for (std::size_t i = 0; i < kRows; ++i) txtNombre[i].setText(core::kDesignTileNames[i]);

  // The colour editor.
  frmeColor1.setVisible(false);
  frmeColor2.setVisible(false);
  frmeColor3.setVisible(false);
  captionStyle(lblType1, "R:", kEditorFont);
  captionStyle(lblType2, "G:", kEditorFont);
  captionStyle(lblType3, "B:", kEditorFont);
  for (auto& box : txtRGB) {
    boxStyle(box, 0, kWhite, forms::Align::Center, kEditorFont);
    box.setText("260");
  }
  for (std::size_t i = 0; i < kSwatches; ++i) lblCC[i].setBackColour(kSwatchColours[i]);
  for (std::size_t i = 0; i < 3; ++i) {
    captionStyle(lblColor[i], tx::kColourButtons[i].spanish, kEditorFont);
  }
  captionStyle(lblColor[kPaletteToggle], "+", kEditorFont);

  // The command block.
  for (std::size_t i = 0; i < kCommands; ++i) {
    captionStyle(Label[i], tx::kCommands[i].spanish, kCaptionFont);
  }
  Label[0].setToolTip(tx::kIconsTip);
  List1.setVisible(false);
  List1.setForeColour(kWhite);
  List1.setBackColour(core::kThemeColour);
  List1.setFont(kGlyphListFont);
  cboFont.setVisible(false);
  cboFont.setFont({"Segoe UI", 9.75, 400, 0});
  for (const auto& entry : tx::kFontEntries) cboFont.addItem(entry.spanish);
  frmeFont.setVisible(false);
  boxStyle(txtFont, kWhite, core::kThemeColour, forms::Align::Center, kCaptionFont);
  for (forms::ScrollBar* s : {&hscGlass, &hscTime, &hscTotal, &hscLeft}) s->setVisible(false);
  frmeOut.setVisible(false);
  captionStyle(lblOut, "x", kCaptionFont);

  captionStyle(lblExit, tx::kClose.spanish, kCaptionFont);

  frmeBar.setVisible(false);
  captionStyle(lblMenu[0], tx::kMenuColour.spanish, kCaptionFont);
  captionStyle(lblMenu[1], "x", kCaptionFont);
}

void frmConfig::wireEvents() {
  onResize = [this] { host_.platform().makeTopmost(hwnd()); };
  onDrop = [this](forms::Point at, const std::vector<forms::DroppedItem>& items) {
    dropOnRow(at, items);
  };
  tmrOpen.onTimer = [this] { tmrOpen_Timer(); };
  tmrMove.onTimer = [this] { tmrMove_Timer(); };
  tmrMouse.onTimer = [this] { tmrMouse_Timer(); };
  tmrChange.onTimer = [this] { tmrChange_Timer(); };

  // The background of the window, the title and the command and close blocks: a right press
  // opens the menu, a left click hides it.
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{this, &lblTitle, &frmeBig2, &frmeBig3}) {
    c->onMouseDown = [this](const forms::MouseEvent& e) {
      pressButton_ = e.button;
      if (e.button == forms::kRightButton) eMenu();
    };
    c->onClick = [this] {
      if (pressButton_ == forms::kLeftButton) hideMenu();
    };
  }

  for (int i = 0; i < kCommands; ++i)
    listenForClicks(Label[std::size_t(i)], [this, i] { Label_Click(i); });
  for (int i = 0; i < 2; ++i) {
    listenForClicks(lblMenu[std::size_t(i)], [this, i] { lblMenu_Click(i); });
  }
  listenForClicks(lblExit, [this] { lblExit_Click(); });
  listenForClicks(lblOut, [this] { lblOut_Click(); });
  for (int i = 0; i < kRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    listenForClicks(lblResp[k], [this, i] { lblResp_Click(i); });
    lblFolder[k].onKeyPress = [this, i](int& key) { lblFolder_KeyPress(i, key); };
    lblFolder[k].onChange = [this, i] { lblFolder_Change(i); };
    lblFolder[k].onMouseDown = [this, i](const forms::MouseEvent& e) { lblFolder_MouseDown(i, e); };
    lblFolder[k].onClick = [this, i] {
      if (pressButton_ == forms::kLeftButton) lblFolder_Click(i);
    };
    Check[k].onClick = [this, i] { Check_Click(i); };
  }
  // What the settings file's code page cannot hold never enters a box whose text it keeps.
  std::vector<forms::TextBox*> kept{&txtFont};
  for (std::size_t k = 0; k < kRows; ++k)
    kept.insert(kept.end(), {&lblFolder[k], &txtNombre[k], &txtCarpeta[k]});
  for (forms::TextBox* box : kept) {
    box->setHolds([&p = host_.platform()](char32_t c) { return core::fileHolds(p, c); });
    box->onRefuse = [this, box](const std::string& leftOut) {
      box->showBalloon({config_texts::kRefusedTitle.in(host_.state()),
                        config_texts::kRefusedText.in(host_.state()) + leftOut});
    };
  }

  for (int i = 0; i < 4; ++i) {
    forms::Label& button = lblColor[std::size_t(i)];
    listenForClicks(button, [this, i] { lblColor_Click(i); });
  }
  for (int i = 0; i < kSwatches; ++i) {
    lblCC[std::size_t(i)].onClick = [this, i] { lblCC_Click(i); };
  }
  for (int i = 0; i < 3; ++i) {
    txtRGB[std::size_t(i)].onChange = [this] { txtRGB_Change(); };
    txtRGB[std::size_t(i)].onKeyPress = [this, i](int& key) { txtRGB_KeyPress(i, key); };
  }

  List1.onDblClick = [this] { List1_DblClick(); };
  cboFont.onClick = [this] { cboFont_Click(); };
  txtFont.onKeyPress = [this](int& key) { txtFont_KeyPress(key); };
  hscTotal.onChange = [this] { hscTotal_Change(); };
}

bool frmConfig::english() const { return host_.state().english(); }

void frmConfig::listenForClicks(forms::Label& label, std::function<void()> action) {
  label.onMouseDown = [this, &label](const forms::MouseEvent& e) {
    pressButton_ = e.button;
    pressLook(label, true);
  };
  label.onMouseUp = [this, &label](const forms::MouseEvent& /*e*/) { pressLook(label, false); };
  label.onClick = [this, action = std::move(action)] {
    if (pressButton_ == forms::kLeftButton) action();
  };
}

void frmConfig::pressLook(forms::Label& label, bool pressed) {
  label.setBackStyle(pressed ? forms::BackStyle::Opaque : forms::BackStyle::Transparent);
  label.setForeColour(pressed ? 0 : kWhite);
}

void frmConfig::eLoad_Names() {
  namespace tx = config_texts;
  if (!english()) return;
  lblTitle.setCaption(tx::kTitle.english);
  lblMenu[0].setCaption(tx::kMenuColour.english);
  for (std::size_t i = 0; i < 3; ++i) lblColor[i].setCaption(tx::kColourButtons[i].english);
  for (std::size_t i = 0; i < kCommands; ++i) Label[i].setCaption(tx::kCommands[i].english);
  lblExit.setCaption(tx::kClose.english);
  cboFont.clear();
  for (const auto& entry : tx::kFontEntries) cboFont.addItem(entry.english);
}

void frmConfig::load() {
  auto& settings = host_.settings();

  eLoad_Names();
  // A side the bar cannot take (a hand-edited -1) leaves the bar at the left, where the window
  // opens too.
  openSide_ = settings[core::BarSide].number() == 0 ? 0 : 1;
  const int slide = openSide_ == 0 ? 800 : -800;
  frmeBig1.setLeft(kRestingLeft + slide);
  frmeBig2.setLeft(slide);
  frmeBig3.setLeft(kRestingLeft + slide);
  setWidth(kStartWidth);

  // A bar colour that is no colour stays as it is: the bar shows it dark, and a Save without
  // a new theme keeps it so.
  const double barColour = settings[core::BarColour].number();
  ThemeColour = std::isfinite(barColour) && std::abs(barColour) < 2147483648.0
                    ? static_cast<forms::Colour>(barColour)
                    : core::kThemeColour;
  eCChange();

  frmeBig1.setTop(1320);
  lblExit.setLeft(openSide_ == 0 ? 3120 : 0);
  lblExitBox.setLeft(lblExit.left());
  placeOnMonitor();

  Label[kClockItem].setBackColour(rgb(10, 10, 10));
  lblColor[0].setBackColour(rgb(47, 24, 1));
  lblColor[1].setBackColour(rgb(78, 0, 0));

  loadRows();
  loadSliders();
  loaded_ = true;
}

void frmConfig::placeOnMonitor() {
  auto& platform = host_.platform();
  openMonitor_ = platform.monitorInUse();
  const int screenW = platform.screenWidthTwips();
  const int screenH = platform.screenHeightTwips();
  setRect({openSide_ == 0 ? screenW - width() : 0, core::kEdgeWindowTop + core::kEdgeWindowTopShift,
           width(), screenH + core::kEdgeWindowExtraHeight});
  frmeBig2.setTop(height() - frmeBig2.height() - 1440);
  frmeBig3.setTop(screenH - (lblExit.height() + 600));
  followMonitor();
}

void frmConfig::tmrOpen_Timer() {
  int w = kOpenWidth;
  if (width() < kOpenWidth) {
    w = width() + kGrowStep;
  } else {
    tmrOpen.setEnabled(false);
  }
  // At the right edge the window grows leftwards: width and left change as one.
  const int l = openSide_ == 0 ? host_.platform().screenWidthTwips() - w : left();
  setRect({l, top(), w, height()});
}

void frmConfig::tmrMove_Timer() {
  const bool done =
      openSide_ == 0 ? frmeBig3.left() <= kRestingLeft : frmeBig3.left() >= kRestingLeft;
  if (done) {
    tmrMove.setEnabled(false);
    return;
  }
  const int step = openSide_ == 0 ? -kSlideStep : kSlideStep;
  for (forms::Frame* f : {&frmeBig1, &frmeBig2, &frmeBig3}) f->setLeft(f->left() + step);
}

void frmConfig::tmrMouse_Timer() {
  auto& platform = host_.platform();
  // The pointer from the corner of the window's monitor, which the bar may have left since (a
  // Save that took it to the other side of the desktop).
  const platform::Monitor inUse = platform.monitorInUse();
  const platform::PointerPos at = platform.pointer();
  const platform::PointerPos p{at.x + inUse.left - openMonitor_.left,
                               at.y + inUse.top - openMonitor_.top};
  PointerPos = {p.x, p.y};
  if (!platform.leftButtonPressed()) return;
  // The window's final width in pixels at its monitor's real scale (345 at 96 DPI).
  const long openWidthPx = std::lround(kOpenWidth / twipsPerPixel());
  const int widthPx = openMonitor_.width;
  // A click on another monitor, above, below or beside this one, is outside too.
  const bool offMonitor = p.x < 0 || p.x >= widthPx || p.y < 0 || p.y >= openMonitor_.height;
  const bool outside =
      offMonitor || (openSide_ == 0 ? widthPx - openWidthPx > p.x : p.x >= openWidthPx - 1);
  if (outside) unload();
}

double frmConfig::twipsPerPixel() const { return 1440.0 / openMonitor_.dpi; }

void frmConfig::eMenu() {
  const double tpp = twipsPerPixel();
  const int x = static_cast<int>(std::lround(PointerPos.x * tpp)) - left();
  const int y = static_cast<int>(std::lround(PointerPos.y * tpp));
  // The menu opens at the pointer, but never beyond the window's edges.
  frmeBar.setLeft(std::clamp(x, 0, std::max(0, width() - kMenuWidth)));
  frmeBar.setTop(std::clamp(y, 0, std::max(0, height() - kMenuHeight)));
  frmeBar.setVisible(true);
}

void frmConfig::hideMenu() { frmeBar.setVisible(false); }

void frmConfig::lblMenu_Click(int index) {
  namespace tx = config_texts;
  if (index == 0) {
    auto& coloured = host_.settings()[core::BarColoured];
    // The bar is dark below 1 (a hand-edited -1 too): the item then colours it.
    if (coloured.number() < 1) {
      coloured = 1;
      lblMenu[0].setCaption(tx::kMenuNoColour.in(host_.state()));
    } else {
      coloured = 0;
      lblMenu[0].setCaption(tx::kMenuColour.in(host_.state()));
    }
  }
  hideMenu();
}

void frmConfig::lblExit_Click() { unload(); }
