// The tiles: hover, press and release shades, launching, the background's right click.
#include <gtest/gtest.h>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "config/config_window.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

constexpr forms::Colour kHighlight = 3289650;  // 50,50,50
constexpr forms::Colour kPressed = 3947580;    // 60,60,60
constexpr int kColumnTop = 4440;               // five tiles centred on a 1080-pixel screen

forms::Point onTile(int i, int y = 600) { return {800, kColumnTop + 1500 * i + y}; }

// The shades of the seven tiles: N normal, H highlighted, P pressed.
std::string shades(frmSide& bar, forms::Colour normal) {
  std::string s;
  for (std::size_t i = 0; i < 7; ++i) {
    const forms::Colour c = bar.lblButton[i].backColour();
    EXPECT_EQ(bar.lblRe[i].backColour(), c) << "strip and glyph change together";
    s += c == normal ? 'N' : c == kHighlight ? 'H' : c == kPressed ? 'P' : '?';
  }
  return s;
}

}  // namespace

TEST(Tiles, TheTileUnderThePointerLightsAPressedOneDarkensAndAClickOrEnterOpensItsFolder) {
  TestApp t;
  frmSide& bar = t.startBar("SPANISH", 5);
  const forms::Colour normal = t.app.state().barBackColour;
  forms::Button& enter = t.app.date().cmdIntro;
  enter.pressKey(forms::kKeyReturn);  // no tile ever chosen: tile 0
  bar.pointerMove(0, 0, onTile(2));
  EXPECT_EQ(shades(bar, normal), "NNHNNNN");
  bar.pointerMove(0, 0, onTile(3, 60));  // the strip is part of the tile
  EXPECT_EQ(shades(bar, normal), "NNNHNNN");
  bar.pointerDown(forms::kRightButton, 0, onTile(3, 1100));  // on the name
  EXPECT_EQ(shades(bar, normal), "NNNPNNN");
  bar.pointerMove(forms::kRightButton, 0, onTile(3, 1200));
  EXPECT_EQ(shades(bar, normal), "NNNPNNN") << "a pressed tile keeps its shade";
  bar.pointerUp(forms::kRightButton, 0, onTile(3, 1200));  // a right click opens it too
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");
  bar.pointerMove(0, 0, onTile(2));
  enter.pressKey(forms::kKeyReturn);   // Enter opens the lit tile, and then the last one opened
  bar.pointerMove(0, 0, {800, 1000});  // above the column
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");
  enter.pressKey(forms::kKeyReturn);
  t.app.state().launchIndex = 6;  // the last tile
  bar.eEject();
  t.app.state().launchIndex = 7;  // none
  bar.eEject();
  // Through the shell, owned by the bar, the folder exactly as the tile names it.
  const std::string home = "C:\\Documents and Settings\\Ana\\";
  std::vector<std::string> opened;
  for (const auto& [owner, path] : t.platform.shellOpened) {
    EXPECT_EQ(owner, bar.hwnd());
    opened.push_back(path);
  }
  EXPECT_EQ(opened, (std::vector<std::string>{"C:\\", home + "Mis documentos\\Mis im\xC3\xA1genes",
                                              home + "Mis documentos", home + "Mis documentos",
                                              home + "Escritorio"}));
  EXPECT_EQ(t.app.findConfig(), nullptr) << "a right click on a tile is not the menu";
}

TEST(Tiles, ARightClickOnTheBackgroundOpensAFreshConfigurationWindowAndCollapsesTheBar) {
  TestApp t;
  frmSide& bar = t.startBar();
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(1000);
  t.platform.pointerPos = {1900, 50};
  testing_support::click(bar);
  EXPECT_EQ(t.app.findConfig(), nullptr) << "a left click on the background does nothing";
  testing_support::click(bar, forms::kRightButton);
  ASSERT_NE(t.app.findConfig(), nullptr);
  const int first = t.app.config().serial();
  t.timers.advance(100);
  EXPECT_EQ(bar.width(), 1);

  bar.eOpenConfig();
  EXPECT_NE(t.app.config().serial(), first) << "a fresh window replaces the open one";
  EXPECT_TRUE(t.app.config().visible());
}

TEST(Tiles, TheHotkeyOpensTheBarWithTheKeyboardOnItsFirstTileAndTheKeysFollowTheShownTiles) {
  TestApp t;
  t.putFile(testing_support::fileWith({{core::BarSize, "2"}}));  // three tiles shown
  frmSide& bar = t.startBar();
  const forms::Colour normal = t.app.state().barBackColour;
  t.timers.advance(1000);
  const auto key = [&](int k) {
    bar.pressKey(k);
    return shades(bar, normal);
  };
  EXPECT_EQ(key(forms::kKeyDown), "NNNNNNN") << "a collapsed bar takes no keys";
  t.app.toggleBarFromKeyboard();
  EXPECT_EQ(shades(bar, normal), "HNNNNNN");
  EXPECT_EQ(t.platform.keysTo, bar.hwnd());
  t.timers.advance(300);
  EXPECT_EQ(bar.width(), 1590);
  EXPECT_NE(t.app.findDate(), nullptr) << "with its clock panel";
  for (const auto& [k, lit] : {std::pair{forms::kKeyDown, "NHNNNNN"},
                               {forms::kKeyDown, "NNHNNNN"},
                               {forms::kKeyDown, "HNNNNNN"},
                               {forms::kKeyUp, "NNHNNNN"},
                               {forms::kKeyHome, "HNNNNNN"},
                               {forms::kKeyEnd, "NNHNNNN"},
                               {forms::kKeyLeft, "NNHNNNN"}}) {
    EXPECT_EQ(key(k), lit) << k;
  }
  // The pointer and the keys share one light. The second of three tiles stands where the third
  // of five does.
  bar.pointerMove(0, 0, onTile(2));
  EXPECT_EQ(key(forms::kKeyDown), "NNHNNNN");
  bar.pointerMove(0, 0, {800, 300});  // off the tiles: none lit, Up starts from the last
  EXPECT_EQ(key(forms::kKeyUp), "NNHNNNN");
  // A screen reader finds the shown tiles, by name and place, and the lit one.
  std::string read;
  for (const auto& [name, rect, focused] : bar.accessibleButtons()) {
    read += name + "@" + std::to_string(rect.top) + (focused ? "* " : " ");
  }
  EXPECT_EQ(read, "Computer@5940 Ana@7440 Documents@8940* ");

  key(forms::kKeyReturn);
  key(forms::kKeyReturn);
  EXPECT_EQ(t.platform.shellOpened.size(), 1U) << "once, and the bar collapses at once";
  EXPECT_EQ(t.platform.shellOpened.at(0).second, "C:\\Users\\Ana\\Documents");
  EXPECT_EQ(bar.width(), 1);

  // Escape, and the hotkey again, collapse it and release the keys.
  for (const bool escape : {true, false}) {
    t.app.toggleBarFromKeyboard();
    t.timers.advance(50);
    EXPECT_EQ(t.platform.keysTo, bar.hwnd());
    if (escape) key(forms::kKeyEscape);
    if (!escape) t.app.toggleBarFromKeyboard();
    EXPECT_EQ(bar.width(), 1);
    EXPECT_FALSE(bar.visible());
    EXPECT_EQ(t.platform.keysTo, std::nullopt);
  }
}
