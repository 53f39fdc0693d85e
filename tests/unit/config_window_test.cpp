// The configuration window's shell: its place at load, the opening and the slide, the captions,
// the menu, the outside click, and the command grid with its choosers and the about box.
#include <gtest/gtest.h>

#include "config_rig.h"

using forms::kLeftButton;
using forms::kRightButton;
using testing_support::ConfigRig;

TEST(ConfigShell, TheLoadPlacesTheWindowAndItsBlocksAtTheBarsEdge) {
  struct Case {
    int side;
    double twipsPerPx;
    int left, frame1Left, frame2Left, frame2Top, frame3Top, exitLeft;
  };
  // 1920 x 1080 pixels: 28800 x 16200 twips at 96 DPI, 19200 x 10800 at 144.
  const Case cases[] = {
      {0, 15, 24800, 1400, 800, 12345, 15225, 3120},
      {1, 15, 0, -200, -800, 12345, 15225, 0},
      {0, 10, 15200, 1400, 800, 6945, 9825, 3120},
      {1, 10, 0, -200, -800, 6945, 9825, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << ", " << c.twipsPerPx << " twips/px");
    ConfigRig t;
    t.platform.twipsPerPx = c.twipsPerPx;
    t.putFile("");  // an empty file changes nothing
    t.startBar();
    t.app.settings()[core::BarSide] = c.side;
    t.side().eOpenConfig();
    frmConfig& w = t.config();
    EXPECT_EQ(w.rect(), (forms::Rect{c.left, -15, 4000, t.platform.screenHeightTwips() + 600}));
    EXPECT_EQ(w.frmeBig1.rect(), (forms::Rect{c.frame1Left, 1320, 4455, 4095}));
    EXPECT_EQ(w.frmeBig2.rect(), (forms::Rect{c.frame2Left, c.frame2Top, 5055, 3015}));
    EXPECT_EQ(w.frmeBig3.rect(), (forms::Rect{c.frame1Left, c.frame3Top, 3975, 375}));
    EXPECT_EQ(w.lblExit.left(), c.exitLeft);
    EXPECT_EQ(w.lblExitBox.left(), c.exitLeft);
    EXPECT_TRUE(w.visible());
    EXPECT_FALSE(w.frmeBar.visible());
  }
}

TEST(ConfigShell, TheWindowWidensAndTheContentSlidesInTickByTick) {
  for (int side : {0, 1}) {
    SCOPED_TRACE(side);
    ConfigRig t;
    t.startBar();
    t.app.settings()[core::BarSide] = side;
    t.side().eOpenConfig();
    frmConfig& w = t.config();
    const int screenW = t.platform.screenWidthTwips();
    std::vector<int> widths;
    std::vector<int> slides;
    for (int tick = 1; tick <= 18; ++tick) {
      t.timers.advance(10);
      widths.push_back(w.width());
      slides.push_back(w.frmeBig3.left());
      EXPECT_EQ(w.left(), side == 0 ? screenW - w.width() : 0);
      EXPECT_EQ(w.frmeBig1.left(), w.frmeBig3.left());
      EXPECT_EQ(w.frmeBig2.left(), w.frmeBig3.left() - 600);
    }
    EXPECT_EQ(widths, (std::vector<int>{4200, 4400, 4600, 4800, 5000, 5200, 5175, 5175, 5175, 5175,
                                        5175, 5175, 5175, 5175, 5175, 5175, 5175, 5175}));
    EXPECT_FALSE(w.tmrOpen.enabled());
    for (int i = 0; i < 16; ++i) {
      EXPECT_EQ(slides[std::size_t(i)], side == 0 ? 1350 - 50 * i : -150 + 50 * i);
    }
    EXPECT_EQ(slides[16], 600);
    EXPECT_FALSE(w.tmrMove.enabled()) << "the seventeenth tick stops the slide";
    EXPECT_TRUE(w.tmrMouse.enabled());
    EXPECT_EQ(t.side().width(), 1) << "the bar collapsed while the window opened";
  }
}

TEST(ConfigShell, CaptionsAreEnglishOnlyForEnglish) {
  const char* const commandsEn[] = {"Icons", "Font",  "Glass", "Clock 12/24",   "Size",
                                    "Side",  "About", "Save",  "Save and close"};
  const char* const commandsEs[] = {"Iconos",      "Fuente",        "Transparencia",
                                    "Reloj 12/24", "Tama\xC3\xB1o", "Posici\xC3\xB3n",
                                    "Acerca",      "Guardar",       "Guardar y cerrar"};
  for (const char* language : {"ENGLISH", "SPANISH", "", "GERMAN"}) {
    SCOPED_TRACE(language);
    const bool en = std::string(language) == "ENGLISH";
    ConfigRig t;
    frmConfig& w = t.open(language);
    EXPECT_EQ(w.lblTitle.caption(), en ? "Configuration" : "Configuraci\xC3\xB3n");
    EXPECT_EQ(w.lblMenu[0].caption(), en ? "Bar with color" : "Barra con color");
    EXPECT_EQ(w.lblMenu[1].caption(), "x");
    EXPECT_EQ(w.lblColor[0].caption(), en ? "All" : "Todos");
    EXPECT_EQ(w.lblColor[1].caption(), en ? "Only this" : "S\xC3\xB3lo este");
    EXPECT_EQ(w.lblColor[2].caption(), en ? "Fond" : "Tema");
    EXPECT_EQ(w.lblColor[3].caption(), "+");
    for (std::size_t i = 0; i < 9; ++i) {
      EXPECT_EQ(w.Label[i].caption(), en ? commandsEn[i] : commandsEs[i]);
    }
    EXPECT_EQ(w.lblExit.caption(), en ? "Close" : "Cerrar");
    EXPECT_EQ(w.lblOut.caption(), "x");
    EXPECT_EQ(w.cboFont.items(),
              (std::vector<std::string>{"Webdings", "Wingdings", "Wingdings 2", "Wingdings 3",
                                        en ? "Other..." : "Otro..."}));
    EXPECT_EQ(w.Label[0].toolTip(), " Abrir iconos para seleccionar. ");
    for (std::size_t i = 0; i < 7; ++i) {
      EXPECT_EQ(w.lblResp[i].caption(), "R");
      EXPECT_EQ(w.lblResp[i].toolTip(), " Crear un respaldo aqu\xC3\xAD. ");
      EXPECT_EQ(w.lblFolder[i].toolTip(), " Figura " + std::to_string(i + 1) + ". ");
    }
  }
}

TEST(ConfigShell, TheMenuOpensAtThePointerInsideTheWindowAndTogglesTheBarColour) {
  ConfigRig t;
  frmConfig& w = t.open("SPANISH");
  t.timers.advance(200);  // opened
  t.platform.pointerPos = {1700, 300};
  t.timers.advance(10);  // the watcher notes the pointer
  ConfigRig::click(w.lblTitle, kRightButton);
  ASSERT_TRUE(w.frmeBar.visible()) << "the right release must not hide it again";
  EXPECT_EQ(w.frmeBar.left(), 1700 * 15 - w.left());
  EXPECT_EQ(w.frmeBar.top(), 300 * 15);
  ConfigRig::click(w.lblTitle);
  EXPECT_FALSE(w.frmeBar.visible());

  t.platform.pointerPos = {1919, 1079};  // the menu stays inside the window
  t.timers.advance(10);
  ConfigRig::click(w.frmeBig3, kRightButton);
  EXPECT_EQ(w.frmeBar.left(), 5175 - 2415);
  EXPECT_EQ(w.frmeBar.top(), 1079 * 15);
  ConfigRig::click(w.lblMenu[0], kRightButton);
  EXPECT_TRUE(w.frmeBar.visible()) << "only a left click runs a menu item";
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0);

  ConfigRig::click(w.lblMenu[0]);
  EXPECT_FALSE(w.frmeBar.visible());
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);
  EXPECT_EQ(w.lblMenu[0].caption(), "Barra sin color");
  ConfigRig::click(w, kRightButton);
  ConfigRig::click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0);
  EXPECT_EQ(w.lblMenu[0].caption(), "Barra con color");
  ConfigRig::click(w, kRightButton);
  ConfigRig::click(w.lblMenu[1]);
  EXPECT_FALSE(w.frmeBar.visible());

  ConfigRig::click(w.frmeBig1, kRightButton);
  EXPECT_FALSE(w.frmeBar.visible()) << "the shortcut block has no menu";
}

TEST(ConfigShell, ClickableLabelsShowTheirPressAndRunOnALeftClickOnly) {
  ConfigRig t;
  frmConfig& w = t.open();
  forms::Label& save = w.Label[8];
  save.form().pointerDown(w.frmeBig2, kRightButton, 0, {700, 2300});
  EXPECT_EQ(save.backStyle(), forms::BackStyle::Opaque);
  EXPECT_EQ(save.foreColour(), 0);
  save.form().pointerUp(w.frmeBig2, kRightButton, 0, {700, 2300});
  EXPECT_EQ(save.backStyle(), forms::BackStyle::Transparent);
  EXPECT_EQ(save.foreColour(), 16777215);
  EXPECT_TRUE(t.app.hasConfig()) << "a right release must not run Save and close";
  EXPECT_TRUE(t.platform.files.empty());
  EXPECT_EQ(w.Label[3].backColour(), 657930);
  EXPECT_EQ(w.lblColor[0].backColour(), 71727);
  EXPECT_EQ(w.lblColor[1].backColour(), 78);

  ConfigRig::click(w.lblExit, kRightButton);
  EXPECT_TRUE(t.app.hasConfig());
  ConfigRig::click(w.lblExit);
  EXPECT_FALSE(t.app.hasConfig());
  EXPECT_TRUE(t.platform.files.empty()) << "Close saves nothing";
}

TEST(ConfigShell, AClickOutsideClosesTheWindowFromItsEdgePixelOn) {
  struct Case {
    int side;
    int x;
    bool closes;
  };
  // 345 pixels is the open window's width; on the left the test is x >= 344.
  const Case cases[] = {{0, 1575, false}, {0, 1574, true}, {0, 1919, false},
                        {1, 343, false},  {1, 344, true},  {1, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << " x " << c.x);
    ConfigRig t;
    t.startBar();
    t.app.settings()[core::BarSide] = c.side;
    t.side().eOpenConfig();
    t.platform.pointerPos = {c.x, 500};
    t.timers.advance(30);
    EXPECT_TRUE(t.app.hasConfig()) << "no click, no close";
    t.platform.leftButton = true;
    t.timers.advance(10);
    EXPECT_EQ(t.app.hasConfig(), !c.closes);
  }
}

TEST(ConfigShell, TheClickThatDismissesABoxClosesNothing) {
  ConfigRig t;
  frmConfig& w = t.open();
  t.timers.advance(200);
  t.platform.pointerPos = {100, 500};  // far outside the window
  int ticksWhileOpen = 0;
  t.platform.whileBoxOpen = [&] {
    // The user's time with the box: the window's timers go on, the user clicks on the box
    // (outside the window) and its OK button.
    t.platform.leftButton = true;
    const int before = t.timers.now();
    t.timers.advance(100);
    ticksWhileOpen = static_cast<int>(t.timers.now() - before) / 10;
    t.platform.leftButton = true;
  };
  ConfigRig::click(w.Label[6]);
  ASSERT_EQ(t.platform.aboutBoxes.size(), 1U);
  EXPECT_EQ(ticksWhileOpen, 10);
  t.timers.advance(50);
  ASSERT_TRUE(t.app.hasConfig()) << "neither the box's clicks nor its dismissal close the window";
  t.platform.leftButton = true;
  t.timers.advance(10);
  EXPECT_FALSE(t.app.hasConfig()) << "the next real click outside does";
}

TEST(CommandGrid, EachItemOpensItsChooserWithTheCloseBoxBesideIt) {
  struct Case {
    int item;
    int outLeft, outTop;
  };
  const Case cases[] = {{0, 240, 360},  {1, 4560, 360}, {2, 240, 840},
                        {3, 4560, 840}, {4, 240, 1320}, {5, 4560, 1320}};
  ConfigRig t;
  frmConfig& w = t.open();
  t.timers.advance(200);
  forms::Control* choosers[] = {&w.List1,   &w.cboFont,  &w.hscGlass,
                                &w.hscTime, &w.hscTotal, &w.hscLeft};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    w.List1.setVisible(false);  // only its own close box closes the glyph list
    ConfigRig::click(w.Label[std::size_t(c.item)]);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(choosers[k]->visible(), k == c.item) << k;
    EXPECT_EQ(w.OpenChooser, c.item);
    EXPECT_TRUE(w.frmeOut.visible());
    EXPECT_EQ(w.frmeOut.rect(), (forms::Rect{c.outLeft, c.outTop, 375, 435}));
    ConfigRig::click(w.lblOut);
    EXPECT_FALSE(choosers[c.item]->visible());
    EXPECT_FALSE(w.frmeOut.visible());
  }

  ConfigRig::click(w.Label[2]);  // Glass, then Size: only the tile-count slider stays
  ConfigRig::click(w.Label[4]);
  EXPECT_FALSE(w.hscGlass.visible());
  EXPECT_TRUE(w.hscTotal.visible());
  EXPECT_EQ(w.frmeOut.rect(), (forms::Rect{240, 1320, 375, 435}));

  ConfigRig::click(w.Label[1]);
  w.cboFont.choose(4);  // Other...: the name box over the list; the close box hides both
  EXPECT_TRUE(w.frmeFont.visible());
  ConfigRig::click(w.lblOut);
  EXPECT_FALSE(w.cboFont.visible());
  EXPECT_FALSE(w.frmeFont.visible());
}

TEST(CommandGrid, TheGlyphListHoldsCodes33To255EveryTimeItOpens) {
  ConfigRig t;
  frmConfig& w = t.open();
  for (int opening = 0; opening < 2; ++opening) {
    ConfigRig::click(w.Label[0]);
    ASSERT_EQ(w.List1.listCount(), 223);
    EXPECT_EQ(w.List1.list(0), "!");
    EXPECT_EQ(w.List1.list(204 - 33), "\xC3\x8C");  // "Ì", the default glyph
    EXPECT_EQ(w.List1.list(222), "\xC3\xBF");       // "ÿ"
    EXPECT_EQ(w.List1.height(), 2550);
    EXPECT_TRUE(w.List1.visible());
  }
}

TEST(CommandGrid, TheAboutBoxNamesTheMakerAndTheBuildsVersion) {
  for (const char* language : {"ENGLISH", "SPANISH", "FRENCH"}) {
    ConfigRig t;
    t.platform.program = {3, 0};
    frmConfig& w = t.open(language);
    ConfigRig::click(w.Label[6]);
    ASSERT_EQ(t.platform.aboutBoxes.size(), 1U);
    const auto& box = t.platform.aboutBoxes[0];
    EXPECT_EQ(box.owner, w.hwnd());
    EXPECT_EQ(box.title, "Tervalo");
    EXPECT_EQ(box.text, std::string(language) == "ENGLISH"
                            ? "Velmora\r\nTervalon: Version 3.0"
                            : "Velmora\r\nTervalon: Versi\xC3\xB3n 3.0");
    EXPECT_FALSE(w.frmeOut.visible());
    EXPECT_EQ(w.OpenChooser, 6);
  }
}
