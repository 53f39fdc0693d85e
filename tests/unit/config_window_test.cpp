// The configuration window's shell: its place at load, the opening and the slide, the captions,
// the menu, the outside click, and the command grid with its choosers and the about box.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_app.h"

using forms::kRightButton;
using testing_support::click;
using testing_support::shown;
using testing_support::TestApp;
using CommandGrid = testing_support::ConfigWindow;
using ConfigMenu = testing_support::ConfigWindow;

TEST(ConfigShell, TheWindowOpensAtTheBarsEdgeThenWidensAndSlidesItsBlocksInTickByTick) {
  // Side, twips per pixel, the window's left at load and the command and close blocks' tops:
  // 1920 x 1080 pixels are 28800 x 16200 twips at 96 DPI, 19200 x 10800 at 144.
  for (auto [side, twipsPerPx, left, frame2Top, frame3Top] :
       {std::tuple{0, 15.0, 24800, 12345, 15225}, std::tuple{1, 15.0, 0, 12345, 15225},
        std::tuple{0, 10.0, 15200, 6945, 9825}, std::tuple{1, 10.0, 0, 6945, 9825}}) {
    SCOPED_TRACE(testing::Message() << "side " << side << ", " << twipsPerPx << " twips/px");
    TestApp t;
    t.platform.twipsPerPx = twipsPerPx;
    frmConfig& w = t.open("ENGLISH", {{core::BarSide, side}});
    EXPECT_EQ(w.rect(), (forms::Rect{left, -15, 4000, t.platform.screenHeightTwips() + 600}));
    const int x = side == 0 ? 1400 : -200;  // 800 twips short of where the blocks rest
    EXPECT_EQ(w.frmeBig1.rect(), (forms::Rect{x, 1320, 4455, 4095}));
    EXPECT_EQ(w.frmeBig2.rect(), (forms::Rect{x - 600, frame2Top, 5055, 3015}));
    EXPECT_EQ(w.frmeBig3.rect(), (forms::Rect{x, frame3Top, 3975, 375}));
    EXPECT_EQ(w.lblExit.left(), side == 0 ? 3120 : 0);
    for (int tick = 1; tick <= 18; ++tick) {
      t.timers.advance(10);
      // 200 twips a tick, the last step one past the open width of 5175.
      EXPECT_EQ(w.width(), tick <= 6 ? 4000 + 200 * tick : 5175) << tick;
      EXPECT_EQ(w.left(), side == 1 ? 0 : t.platform.screenWidthTwips() - w.width());
      EXPECT_EQ(w.frmeBig3.left(),
                side == 0 ? std::max(600, 1400 - 50 * tick) : std::min(600, -200 + 50 * tick));
      EXPECT_EQ(w.frmeBig1.left(), w.frmeBig3.left());
      EXPECT_EQ(w.frmeBig2.left(), w.frmeBig3.left() - 600);
    }
    EXPECT_FALSE(w.tmrOpen.enabled() || w.tmrMove.enabled()) << "both end once done";
    EXPECT_EQ(t.side().width(), 1) << "the bar collapsed while the window opened";
  }
}

TEST(ConfigShell, TextsAreEnglishOnlyForEnglish) {
  for (const char* language : {"ENGLISH", "SPANISH", "GERMAN"}) {
    SCOPED_TRACE(language);
    const bool en = std::string(language) == "ENGLISH";
    TestApp t;
    frmConfig& w = t.open(language, {{core::GlyphFont, 4}, {core::CustomFont, "Marlett"}});
    // The single captions, and the last of each list of them.
    EXPECT_EQ(w.lblTitle.caption(), en ? "Configuration" : "Configuraci\xC3\xB3n");
    EXPECT_EQ(w.lblMenu[0].caption(), en ? "Bar with color" : "Barra con color");
    EXPECT_EQ(w.lblExit.caption(), en ? "Close" : "Cerrar");
    EXPECT_EQ(w.lblColor[2].caption(), en ? "Fond" : "Tema");
    EXPECT_EQ(w.Label[8].caption(), en ? "Save and close" : "Guardar y cerrar");
    EXPECT_EQ(w.cboFont.list(4), en ? "Other..." : "Otro...");
    EXPECT_EQ(w.lblFolder[6].toolTip(), " Figura 7. ") << "tool tips are Spanish in any language";
    // Loaded with a font of the user's: its name shows, waiting for the user, with no focus.
    EXPECT_EQ(w.cboFont.listIndex(), 4);
    EXPECT_EQ(shown({&w.frmeFont, &w.frmeOut}), "11");
    EXPECT_EQ(w.txtFont.text(), "Marlett");
    EXPECT_FALSE(w.txtFont.focused());
    EXPECT_EQ(w.lblFolder[6].font().name, "Marlett");
    w.txtFont.typeChar(forms::kKeyReturn);  // Marlett is not installed here
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text,
              en ? "This font is not available on your computer, try another."
                 : "Esta fuente no est\xC3\xA1 disponible en su equipo, intente otra.");
    click(w.Label[6]);  // the about box names the maker and the build's version
    ASSERT_EQ(t.platform.aboutBoxes.size(), 1U);
    const std::string about =
        en ? "Velmora\r\nTervalon: Version 3.0" : "Velmora\r\nTervalon: Versi\xC3\xB3n 3.0";
    EXPECT_EQ(t.platform.aboutBoxes[0], std::pair(w.hwnd(), about));
  }
}

TEST_F(ConfigMenu, OpensAtThePointerInsideTheWindowAndTogglesTheBarColourAtOnce) {
  t.platform.pointerPos = {1700, 300};
  t.timers.advance(10);  // the watcher notes the pointer
  click(w.lblTitle, kRightButton);
  ASSERT_TRUE(w.frmeBar.visible()) << "the right release must not hide it again";
  EXPECT_EQ(w.frmeBar.rect(), (forms::Rect{1700 * 15 - w.left(), 300 * 15, 2415, 375}));
  click(w.lblTitle);
  EXPECT_FALSE(w.frmeBar.visible());
  click(w.frmeBig1, kRightButton);
  EXPECT_FALSE(w.frmeBar.visible()) << "the shortcut block has no menu";

  t.platform.pointerPos = {1919, 1079};
  t.timers.advance(10);
  click(w.frmeBig3, kRightButton);
  EXPECT_EQ(w.frmeBar.rect(), (forms::Rect{5175 - 2415, 1079 * 15, 2415, 375})) << "inside";
  click(w.lblMenu[0], kRightButton);
  click(w.lblMenu[1]);
  EXPECT_FALSE(w.frmeBar.visible());
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0) << "only a left click runs an item";
  click(w.lblTitle, kRightButton);
  click(w.lblMenu[0]);
  EXPECT_FALSE(w.frmeBar.visible());
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);
  EXPECT_EQ(w.lblMenu[0].caption(), "Bar without color");
  click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0);
  EXPECT_EQ(w.lblMenu[0].caption(), "Bar with color");
  t.app.settings()[core::BarColoured] = -1;  // hand-edited: the bar is dark, the item colours it
  click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);

  // A clickable label shows its press, and a right release runs nothing (here: Save and close).
  w.pointerDown(w.frmeBig2, kRightButton, 0, {700, 2300});
  EXPECT_EQ(std::pair(w.Label[8].backStyle(), w.Label[8].foreColour()),
            std::pair(forms::BackStyle::Opaque, 0));
  w.pointerUp(w.frmeBig2, kRightButton, 0, {700, 2300});
  EXPECT_EQ(std::pair(w.Label[8].backStyle(), w.Label[8].foreColour()),
            std::pair(forms::BackStyle::Transparent, 16777215));
  w.pointerDown(w.frmeBig2, forms::kLeftButton, 0, {700, 2300});
  w.captureLost();  // another window took the mouse: the press ends, and runs nothing
  EXPECT_EQ(std::pair(w.Label[8].backStyle(), w.Label[8].foreColour()),
            std::pair(forms::BackStyle::Transparent, 16777215));
  ASSERT_TRUE(t.app.findConfig() != nullptr);
  click(w.lblExit);
  EXPECT_FALSE(t.app.findConfig() != nullptr);
  EXPECT_TRUE(t.platform.files.empty()) << "Close saves nothing";
}

TEST(ConfigShell, ALeftClickOutsideClosesTheWindowFromItsEdgePixelOnAndSavesNothing) {
  // Side, the pointer's x, whether a click there closes: 345 pixels is the open window's width;
  // on the left the test is x >= 344.
  for (auto [side, x, closes] : {std::tuple{0, 1575, false}, std::tuple{0, 1574, true},
                                 std::tuple{1, 343, false}, std::tuple{1, 344, true}}) {
    SCOPED_TRACE(testing::Message() << "side " << side << " x " << x);
    TestApp t;
    t.open("ENGLISH", {{core::BarSide, side}});
    t.platform.pointerPos = {x, 500};
    t.timers.advance(30);
    EXPECT_TRUE(t.app.findConfig() != nullptr) << "no click, no close";
    t.platform.leftButton = true;
    t.timers.advance(10);
    EXPECT_EQ(t.app.findConfig() != nullptr, !closes);
    EXPECT_TRUE(t.platform.files.empty()) << "nothing saved";
  }
}

TEST_F(CommandGrid, EachItemOpensItsChooserAloneWithTheCloseBoxBesideIt) {
  const forms::Point closeBoxes[] = {{240, 360},  {4560, 360}, {240, 840},
                                     {4560, 840}, {240, 1320}, {4560, 1320}};
  for (int item = 0; item < 6; ++item) {
    SCOPED_TRACE(item);
    click(w.Label[std::size_t(item)]);  // the chooser before goes, but for the glyph list
    std::string expected = "0000001";   // the six choosers, then the close box
    expected[std::size_t(item)] = '1';
    EXPECT_EQ(
        shown({&w.List1, &w.cboFont, &w.hscGlass, &w.hscTime, &w.hscTotal, &w.hscLeft, &w.frmeOut}),
        expected);
    EXPECT_EQ(w.frmeOut.rect(), (forms::Rect{closeBoxes[item].x, closeBoxes[item].y, 375, 435}));
    if (item == 0) click(w.lblOut);  // the open list covers the grid: its close box first
  }
  click(w.lblOut);

  click(w.Label[1]);
  w.cboFont.choose(4);  // Other...: the name box over the list
  click(w.Label[3]);
  EXPECT_FALSE(w.frmeFont.visible()) << "another item hides the name box too";
  click(w.Label[1]);
  w.cboFont.choose(4);
  click(w.lblOut);
  EXPECT_EQ(shown({&w.cboFont, &w.frmeFont}), "00") << "the close box hides both";

  // The glyph list holds codes 33 to 255 ("Ì", the default glyph, is 204) each time it opens.
  click(w.Label[0]);
  w.List1.addItem("extra");
  click(w.lblOut);
  click(w.Label[0]);
  ASSERT_EQ(w.List1.listCount(), 223);
  EXPECT_EQ(w.List1.list(0) + w.List1.list(204 - 33) + w.List1.list(222), "!\xC3\x8C\xC3\xBF");
  EXPECT_EQ(w.List1.height(), 2550);
  click(w.lblOut);

  // About opens no chooser; the clicks on the box and its dismissal are no clicks outside.
  click(w.Label[2]);
  t.platform.pointerPos = {100, 500};
  t.platform.whileBoxOpen = [&] {
    t.platform.leftButton = true;  // the window's timers go on while the user clicks the box
    t.timers.advance(100);
    t.platform.leftButton = true;
  };
  click(w.Label[6]);
  EXPECT_FALSE(w.frmeOut.visible());
  t.timers.advance(50);
  ASSERT_TRUE(t.app.findConfig() != nullptr);
  t.platform.leftButton = true;
  t.timers.advance(10);
  EXPECT_FALSE(t.app.findConfig() != nullptr) << "the next real click outside does";
}
