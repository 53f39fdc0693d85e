// The configuration window's shell: its place at load, the opening and the slide, the captions,
// the menu, the outside click, and the command grid with its choosers and the about box.
#include <gtest/gtest.h>

#include "test_app.h"

using forms::kRightButton;
using testing_support::click;
using testing_support::TestApp;

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
    TestApp t;
    t.platform.twipsPerPx = c.twipsPerPx;
    t.putFile("");  // an empty file changes nothing
    frmConfig& w = t.open("ENGLISH", {{core::BarSide, c.side}});
    EXPECT_EQ(w.rect(), (forms::Rect{c.left, -15, 4000, t.platform.screenHeightTwips() + 600}));
    EXPECT_EQ(w.frmeBig1.rect(), (forms::Rect{c.frame1Left, 1320, 4455, 4095}));
    EXPECT_EQ(w.frmeBig2.rect(), (forms::Rect{c.frame2Left, c.frame2Top, 5055, 3015}));
    EXPECT_EQ(w.frmeBig3.rect(), (forms::Rect{c.frame1Left, c.frame3Top, 3975, 375}));
    EXPECT_EQ(w.lblExit.left(), c.exitLeft);
    EXPECT_EQ(w.lblExitBox.left(), c.exitLeft);
    for (int i = 0; i < 7; ++i) {
      const auto k = static_cast<std::size_t>(i);
      EXPECT_EQ(w.lblFolder[k].rect(), (forms::Rect{10, 10 + 840 * i, 345, 345}));
      EXPECT_EQ(w.txtCarpeta[k].rect(), (forms::Rect{70, 370 + 840 * i, 3890, 345}));
    }
    EXPECT_TRUE(w.visible());
    EXPECT_FALSE(w.frmeBar.visible());
  }
}

TEST(ConfigShell, TheWindowWidensAndTheContentSlidesInTickByTick) {
  for (int side : {0, 1}) {
    SCOPED_TRACE(side);
    TestApp t;
    frmConfig& w = t.open("ENGLISH", {{core::BarSide, side}});
    const int screenW = t.platform.screenWidthTwips();
    std::vector<int> widths, slides;
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

TEST(ConfigShell, CaptionsAndTheAboutBoxAreEnglishOnlyForEnglish) {
  const char* const commandsEn[] = {"Icons", "Font",  "Glass", "Clock 12/24",   "Size",
                                    "Side",  "About", "Save",  "Save and close"};
  const char* const commandsEs[] = {"Iconos",      "Fuente",        "Transparencia",
                                    "Reloj 12/24", "Tama\xC3\xB1o", "Posici\xC3\xB3n",
                                    "Acerca",      "Guardar",       "Guardar y cerrar"};
  for (const char* language : {"ENGLISH", "SPANISH", "", "GERMAN"}) {
    SCOPED_TRACE(language);
    const bool en = std::string(language) == "ENGLISH";
    TestApp t;
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
    click(w.Label[6]);  // the about box names the maker and the build's version
    ASSERT_EQ(t.platform.aboutBoxes.size(), 1U);
    EXPECT_EQ(t.platform.aboutBoxes[0].owner, w.hwnd());
    EXPECT_EQ(t.platform.aboutBoxes[0].title, "Tervalo");
    EXPECT_EQ(t.platform.aboutBoxes[0].text,
              en ? "Velmora\r\nTervalon: Version 3.0" : "Velmora\r\nTervalon: Versi\xC3\xB3n 3.0");
    EXPECT_FALSE(w.frmeOut.visible());
    EXPECT_EQ(w.OpenChooser, 6);
  }
}

TEST(ConfigShell, TheMenuOpensAtThePointerTogglesTheBarColourAndLabelsRunOnALeftClickOnly) {
  TestApp t;
  frmConfig& w = t.open("SPANISH");
  t.timers.advance(200);  // opened
  t.platform.pointerPos = {1700, 300};
  t.timers.advance(10);  // the watcher notes the pointer
  click(w.lblTitle, kRightButton);
  ASSERT_TRUE(w.frmeBar.visible()) << "the right release must not hide it again";
  EXPECT_EQ(w.frmeBar.left(), 1700 * 15 - w.left());
  EXPECT_EQ(w.frmeBar.top(), 300 * 15);
  click(w.lblTitle);
  EXPECT_FALSE(w.frmeBar.visible());

  t.platform.pointerPos = {1919, 1079};  // the menu stays inside the window
  t.timers.advance(10);
  click(w.frmeBig3, kRightButton);
  EXPECT_EQ(w.frmeBar.left(), 5175 - 2415);
  EXPECT_EQ(w.frmeBar.top(), 1079 * 15);
  click(w.lblMenu[0], kRightButton);
  EXPECT_TRUE(w.frmeBar.visible()) << "only a left click runs a menu item";
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0);

  click(w.lblMenu[0]);
  EXPECT_FALSE(w.frmeBar.visible());
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);
  EXPECT_EQ(w.lblMenu[0].caption(), "Barra sin color");
  click(w, kRightButton);
  click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0);
  EXPECT_EQ(w.lblMenu[0].caption(), "Barra con color");
  click(w, kRightButton);
  click(w.lblMenu[1]);
  EXPECT_FALSE(w.frmeBar.visible());

  click(w.frmeBig1, kRightButton);
  click(w.lblTitle, forms::kMiddleButton);
  EXPECT_FALSE(w.frmeBar.visible()) << "the shortcut block has no menu, the middle button none";
  t.app.settings()[core::BarColoured] = -1;  // hand-edited: the bar is dark
  click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);
  EXPECT_EQ(w.lblMenu[0].caption(), "Barra sin color");

  // Clickable labels show their press and run on a left click only.
  forms::Label& save = w.Label[8];
  save.form().pointerDown(w.frmeBig2, kRightButton, 0, {700, 2300});
  EXPECT_EQ(save.backStyle(), forms::BackStyle::Opaque);
  EXPECT_EQ(save.foreColour(), 0);
  save.form().pointerUp(w.frmeBig2, kRightButton, 0, {700, 2300});
  EXPECT_EQ(save.backStyle(), forms::BackStyle::Transparent);
  EXPECT_EQ(save.foreColour(), 16777215);
  EXPECT_TRUE(t.app.findConfig() != nullptr) << "a right release must not run Save and close";

  click(w.lblExit, kRightButton);
  EXPECT_TRUE(t.app.findConfig() != nullptr);
  click(w.lblExit);
  EXPECT_FALSE(t.app.findConfig() != nullptr);
}

TEST(ConfigShell, AClickOutsideClosesTheWindowFromItsEdgePixelOn) {
  struct Case {
    int side, x;
    bool closes;
  };
  // 345 pixels is the open window's width; on the left the test is x >= 344.
  const Case cases[] = {{0, 1575, false}, {0, 1574, true}, {0, 1919, false},
                        {1, 343, false},  {1, 344, true},  {1, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << " x " << c.x);
    TestApp t;
    t.open("ENGLISH", {{core::BarSide, c.side}});
    t.platform.pointerPos = {c.x, 500};
    t.timers.advance(30);
    EXPECT_TRUE(t.app.findConfig() != nullptr) << "no click, no close";
    t.platform.leftButton = true;
    t.timers.advance(10);
    EXPECT_EQ(t.app.findConfig() != nullptr, !c.closes);
  }
}

TEST(ConfigShell, TheClickThatDismissesABoxClosesNothing) {
  TestApp t;
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
  click(w.Label[6]);
  ASSERT_EQ(t.platform.aboutBoxes.size(), 1U);
  EXPECT_EQ(ticksWhileOpen, 10);
  t.timers.advance(50);
  ASSERT_TRUE(t.app.findConfig() != nullptr) << "neither the box's clicks nor its dismissal close the window";
  t.platform.leftButton = true;
  t.timers.advance(10);
  EXPECT_FALSE(t.app.findConfig() != nullptr) << "the next real click outside does";
}

TEST(CommandGrid, EachItemOpensItsChooserWithTheCloseBoxBesideIt) {
  struct Case {
    int item, outLeft, outTop;
  };
  const Case cases[] = {{0, 240, 360},  {1, 4560, 360}, {2, 240, 840},
                        {3, 4560, 840}, {4, 240, 1320}, {5, 4560, 1320}};
  TestApp t;
  frmConfig& w = t.open();
  t.timers.advance(200);
  forms::Control* choosers[] = {&w.List1,   &w.cboFont,  &w.hscGlass,
                                &w.hscTime, &w.hscTotal, &w.hscLeft};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    click(w.Label[std::size_t(c.item)]);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(choosers[k]->visible(), k == c.item) << k;
    EXPECT_EQ(w.OpenChooser, c.item);
    EXPECT_TRUE(w.frmeOut.visible());
    EXPECT_EQ(w.frmeOut.rect(), (forms::Rect{c.outLeft, c.outTop, 375, 435}));
    click(w.lblOut);
    EXPECT_FALSE(choosers[c.item]->visible());
    EXPECT_FALSE(w.frmeOut.visible());
  }

  click(w.Label[2]);  // Glass, then Size: only the tile-count slider stays
  click(w.Label[4]);
  EXPECT_FALSE(w.hscGlass.visible());
  EXPECT_TRUE(w.hscTotal.visible());
  EXPECT_EQ(w.frmeOut.rect(), (forms::Rect{240, 1320, 375, 435}));

  click(w.Label[1]);
  w.cboFont.choose(4);  // Other...: the name box over the list; the close box hides both
  EXPECT_TRUE(w.frmeFont.visible());
  click(w.Label[3]);
  EXPECT_FALSE(w.frmeFont.visible()) << "another item hides the name box too";
  click(w.Label[1]);
  w.cboFont.choose(4);
  click(w.lblOut);
  EXPECT_FALSE(w.cboFont.visible());
  EXPECT_FALSE(w.frmeFont.visible());

  // The glyph list holds codes 33 to 255 every time it opens.
  for (int opening = 0; opening < 2; ++opening) {
    click(w.Label[0]);
    ASSERT_EQ(w.List1.listCount(), 223);
    EXPECT_EQ(w.List1.list(0), "!");
    EXPECT_EQ(w.List1.list(204 - 33), "\xC3\x8C");  // "Ì", the default glyph
    EXPECT_EQ(w.List1.list(222), "\xC3\xBF");       // "ÿ"
    EXPECT_EQ(w.List1.height(), 2550);
    EXPECT_TRUE(w.List1.visible());
    w.List1.addItem("extra");
    click(w.lblOut);  // the open list covers the grid: its close box first
  }
}
