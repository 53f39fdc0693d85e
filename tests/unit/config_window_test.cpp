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
using ConfigLayout = testing_support::ConfigWindow;

TEST(ConfigShell, TheWindowOpensAtTheBarsEdgeThenWidensAndSlidesItsBlocksInTickByTick) {
  // Side, twips per pixel, the window's left at load, the command and close blocks' tops and the
  // tile count: 1920 x 1080 pixels are 28800 x 16200 twips at 96 DPI; 1920 x 1040 at 144 DPI are
  // 19200 x 10400, a small screen, where the tile count stays as it is.
  for (auto [side, twipsPerPx, left, frame2Top, frame3Top, size] :
       {std::tuple{0, 15.0, 24800, 12345, 15225, 4}, std::tuple{1, 15.0, 0, 12345, 15225, 4},
        std::tuple{0, 10.0, 15200, 6545, 9425, 0}, std::tuple{1, 10.0, 0, 6545, 9425, 0}}) {
    SCOPED_TRACE(testing::Message() << "side " << side << ", " << twipsPerPx << " twips/px");
    TestApp t;
    t.platform.twipsPerPx = twipsPerPx;
    t.platform.screenHeightPx = twipsPerPx == 15.0 ? 1080 : 1040;
    frmConfig& w = t.open("ENGLISH", {{core::BarSide, side}, {core::BarSize, size}});
    EXPECT_EQ(w.rect(), (forms::Rect{left, -15, 4000, t.platform.screenHeightTwips() + 600}));
    const int x = side == 0 ? 1400 : -200;  // 800 twips short of where the blocks rest
    EXPECT_EQ(w.frmeBig1.rect(), (forms::Rect{x, 1320, 4455, 735 + 840 * size}));
    EXPECT_EQ(w.hscTotal.enabled(), twipsPerPx == 15.0) << "a small screen keeps the tile count";
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
    EXPECT_EQ(shown({&w.frmeFont, &w.frmeOut}), "11");
    EXPECT_EQ(w.txtFont.text(), "Marlett");
    EXPECT_FALSE(w.txtFont.focused());
    EXPECT_EQ(w.lblFolder[6].font().name, "Marlett");
    w.txtFont.typeChar(forms::kKeyReturn);  // Marlett is not installed here
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text,
              en ? "This font is not available on your computer, try another."
                 : "Esta fuente no est\xC3\xA1 disponible en su equipo, intente otra.");
    click(w.lblOut);
    EXPECT_EQ(shown({&w.frmeFont, &w.frmeOut}), "00") << "closed as the load opened them";
    click(w.Label[6]);  // the about box names the maker and the build's version
    const std::string about = en ? "Version 3.0" : "Versi\xC3\xB3n 3.0";
    EXPECT_EQ(t.platform.aboutBoxes,
              (std::vector{std::pair(w.hwnd(), "Velmora\r\nTervalon: " + about)}));
  }
}

TEST_F(ConfigLayout, RowsGridChoosersMenuAndSwatchesWithTheirFontsAndPressColours) {
  using Style = std::tuple<forms::Font, forms::Align, forms::Colour>;  // font, alignment, text
  const forms::Font segoe{"Segoe UI", 12.75, 400, 0};
  const Style label{segoe, forms::Align::Center, 16777215},
      box{segoe, forms::Align::Left, 16777215},
      glyph{{"Webdings", 12.75, 400, 2}, forms::Align::Center, 16777215},
      editor{{"Segoe UI", 12, 400, 0}, forms::Align::Center, 16777215};
  // Rect, style and back colour where the window fixes them; a label's shows while it is pressed.
  const std::tuple<forms::Control*, forms::Rect, std::optional<Style>, forms::Colour> looks[] = {
      {&w.lblFolder[6], {10, 5050, 345, 345}, glyph, -1},
      {&w.txtNombre[6], {420, 5050, 2825, 345}, box, -1},
      {&w.Check[6], {3330, 5100, 255, 255}, {}, -1},
      {&w.lblResp[6], {3600, 5040, 375, 375}, label, 16777215},
      {&w.txtCarpeta[6], {70, 5410, 3890, 345}, box, -1},
      {&w.Label[0], {600, 360, 1935, 375}, label, 16777215},
      {&w.Label[3], {2640, 840, 1935, 375}, label, 657930},
      {&w.Label[8], {600, 2280, 3975, 375}, label, 16777215},
      {&w.List1, {600, 360, 3975, 2370}, {}, -1},
      {&w.cboFont, {2640, 360, 1935, 375}, {}, -1},
      {&w.hscGlass, {600, 840, 1935, 375}, {}, -1},
      {&w.hscLeft, {2640, 1320, 1935, 375}, {}, -1},
      {&w.lblOut, {0, 0, 375, 375}, label, 16777215},
      {&w.lblMenu[0], {360, 0, 2055, 375}, label, 16777215},
      {&w.lblMenu[1], {0, 0, 375, 375}, label, 16777215},
      {&w.lblCC[0], {0, 0, 375, 190}, {}, 16777215},
      {&w.lblCC[19], {3240, 195, 375, 195}, {}, 12084695},
      {&w.lblColor[0], {1560, 0, 1215, 375}, editor, 71727},
      {&w.lblColor[1], {360, 0, 1215, 375}, editor, 78},
      {&w.lblColor[3], {0, 0, 375, 375}, editor, 16777215},
  };
  for (const auto& [c, rect, style, back] : looks) {
    SCOPED_TRACE(c->name() + std::to_string(c->index()));
    EXPECT_EQ(c->rect(), rect);
    const Style shows{c->font(), c->alignment(), c->foreColour()};
    EXPECT_EQ(shows, style.value_or(shows));
    EXPECT_EQ(c->backColour(), back == -1 ? c->backColour() : back);
  }
  EXPECT_EQ(w.cboFont.font(), (forms::Font{"Segoe UI", 9.75, 400, 0}));
  // Hidden at load.
  EXPECT_EQ(
      shown({&w.frmeBar, &w.frmeOut, &w.cboFont, &w.hscGlass, &w.hscTime, &w.hscTotal, &w.hscLeft}),
      "0000000");
}

TEST_F(ConfigMenu, OpensAtThePointerInsideTheWindowAndTogglesTheBarColourAtOnce) {
  t.platform.pointerPos = {1700, 300};
  t.timers.advance(10);  // the watcher notes the pointer
  click(w.lblTitle, kRightButton);
  ASSERT_TRUE(w.frmeBar.visible()) << "the right release must not hide it again";
  EXPECT_EQ(w.frmeBar.rect(), (forms::Rect{1700 * 15 - w.left(), 300 * 15, 2415, 375}));
  click(w.lblTitle);
  EXPECT_FALSE(w.frmeBar.visible());
  w.pointerDown(w.frmeBig2, kRightButton, 0, {100, 100});  // beside the command items
  EXPECT_TRUE(w.frmeBar.visible());
  click(w);  // the window's background hides it too
  click(w.frmeBig1, kRightButton);
  EXPECT_FALSE(w.frmeBar.visible()) << "the shortcut block has no menu";

  t.platform.pointerPos = {1919, 1079};
  t.timers.advance(10);
  click(w.frmeBig3, kRightButton);
  EXPECT_EQ(w.frmeBar.rect(), (forms::Rect{5175 - 2415, 1079 * 15, 2415, 375})) << "inside";
  click(w.lblMenu[1]);
  EXPECT_FALSE(w.frmeBar.visible());
  click(w, kRightButton);
  ASSERT_TRUE(w.frmeBar.visible()) << "the window's background opens it too";
  click(w.lblMenu[0]);
  EXPECT_FALSE(w.frmeBar.visible());
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);
  EXPECT_EQ(w.lblMenu[0].caption(), "Bar without color");
  click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 0);
  t.app.settings()[core::BarColoured] = -1;  // hand-edited: the bar is dark, the item colours it
  click(w.lblMenu[0]);
  EXPECT_EQ(t.app.settings()[core::BarColoured].number(), 1);

  // A clickable label shows its press, and a right release runs nothing: not even Save and close.
  const forms::Point at{700, 2300};
  w.pointerDown(w.frmeBig2, kRightButton, 0, at);
  EXPECT_EQ(std::pair(w.Label[8].backStyle(), w.Label[8].foreColour()),
            std::pair(forms::BackStyle::Opaque, 0));
  w.pointerUp(w.frmeBig2, kRightButton, 0, at);
  EXPECT_EQ(std::pair(w.Label[8].backStyle(), w.Label[8].foreColour()),
            std::pair(forms::BackStyle::Transparent, 16777215));
  ASSERT_TRUE(t.app.findConfig() != nullptr);
  click(w.lblExit);
  EXPECT_FALSE(t.app.findConfig() != nullptr);
  EXPECT_TRUE(t.platform.files.empty()) << "Close saves nothing";
}

TEST(ConfigShell, ALeftClickOutsideClosesTheWindowFromItsEdgePixelOn) {
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
  EXPECT_EQ(shown({&w.cboFont, &w.frmeFont}), "00") << "another item hides the name box too";
  click(w.Label[1]);
  click(w.lblOut);
  EXPECT_FALSE(w.cboFont.visible()) << "the close box hides the font list";

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
