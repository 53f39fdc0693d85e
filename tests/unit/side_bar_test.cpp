// The bar window's load: defaults, the file's values, the layout and the press that ends.
#include <gtest/gtest.h>

#include <map>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "core/settings_file.h"
#include "test_app.h"

using core::Value;
using testing_support::fileOf;
using testing_support::fileWith;
using testing_support::linesWith;
using testing_support::TestApp;

namespace {

// The bar started over a complete settings file with these lines replaced.
frmSide& loaded(TestApp& t, const std::map<int, std::string>& lines) {
  t.putFile(fileWith(lines));
  return t.startBar();
}

}  // namespace

TEST(SideBarLoad, WithNoFileTheDefaultsFollowLanguageAndSystemButAreNotShown) {
  // The last tile of each defaults table: English only for "ENGLISH", XP's folders before 6.
  const std::string xp = "C:\\Documents and Settings\\Ana\\";
  for (const auto& [os, language, name, folder] :
       {std::tuple{5, "ENGLISH", "Desktop", xp + "Desktop"},
        {5, "GERMAN", "Escritorio", xp + "Escritorio"},
        {6, "ENGLISH", "Downloads", std::string("C:\\Users\\Ana\\Downloads")},
        {10, "", "Descargas", std::string("C:\\Users\\Ana\\Downloads")}}) {
    SCOPED_TRACE(testing::Message() << language << " " << os);
    TestApp t;
    t.startBar(language, os);
    EXPECT_EQ(t.app.settings()[core::TileName0 + 6], Value(name));
    EXPECT_EQ(t.app.settings()[core::TilePath0 + 6], Value(folder));
  }
  TestApp t;  // a failed logon query gives an empty name
  t.platform.logon = std::nullopt;
  t.startBar();
  EXPECT_EQ(t.app.settings()[core::TilePath0 + 1], Value("C:\\Users\\"));
}

TEST(SideBarLoad, TheWindowStandsAtItsEdgeAsTallAsTheScreenCollapsedInItsColour) {
  // BarSide, BarColoured; the bar's left, the side stored and the colour: BarColour is 255, taken
  // for any BarColoured but 0.
  const std::tuple<const char*, const char*, int, Value, forms::Colour> cases[] = {
      {"0", "0", 28800 - 3810, 0, 1118481},
      {"", "1", 28800 - 3810, 0, 255},
      {"1", "3", -45, 1, 255},
      {"3", "0.5", -45, 1, 1118481}};
  for (const auto& [side, coloured, left, stored, colour] : cases) {
    SCOPED_TRACE(testing::Message() << "BarSide " << side << ", BarColoured " << coloured);
    TestApp t;
    frmSide& bar =
        loaded(t, {{core::BarSide, side}, {core::BarColoured, coloured}, {core::BarColour, "255"}});
    EXPECT_EQ(bar.rect(), (forms::Rect{left, -15, 1, 16200 + 600}));
    EXPECT_EQ(t.app.settings()[core::BarSide], stored);
    EXPECT_EQ(t.platform.topmostCalls.back(), bar.hwnd()) << "topmost again on every resize";
    EXPECT_FALSE(t.app.date().visible());
    EXPECT_EQ(t.platform.alpha.at(t.app.date().hwnd()), 1);
    EXPECT_EQ(bar.backColour(), colour);
    EXPECT_EQ(bar.lblButton[6].backColour(), colour);
    EXPECT_EQ(t.app.date().backColour(), colour) << "the clock panel takes the bar's colour";
  }
}

TEST(SideBarLoad, TheColumnHoldsBarSizePlusOneTilesCentredAndSmallScreensAtMostFive) {
  // BarSize, then the column's height and top, centred on the 16200-twip screen, 90 twips low.
  const std::tuple<const char*, int, int> columns[] = {{"0", 1500, 7440},
                                                       {"4", 7500, 4440},
                                                       {"9", 10500, 2940},
                                                       {"2.5", 10500, 2940},
                                                       {"-1", 10500, 2940}};
  for (const auto& [size, height, top] : columns) {
    TestApp t;
    frmSide& bar = loaded(t, {{core::BarSize, size}});
    EXPECT_EQ(bar.frmeBar.height(), height) << "BarSize " << size;
    EXPECT_EQ(bar.frmeBar.top(), top);
  }
  // 699 px = 10485 twips, 700 px = 10500, 617 px = 9255, 616 px = 9240. The load caps BarSize
  // for its own layout; the second read of the file brings the stored value back, and only
  // applying the settings on a very small screen caps it again.
  for (const auto& [heightPx, smallScreen, barSize] :
       {std::tuple{700, 0, 6}, {699, 1, 6}, {617, 1, 6}, {616, 1, 4}}) {
    SCOPED_TRACE(heightPx);
    TestApp t;
    t.platform.screenHeightPx = heightPx;
    frmSide& bar = loaded(t, {{core::BarSize, "6"}});
    EXPECT_EQ(t.app.settings()[core::BarSize], Value(barSize));
    EXPECT_EQ(bar.frmeBar.height(), smallScreen == 0 ? 10500 : 7500);
  }
}

TEST(SideBarLoad, TheFileDecidesGlyphsFontsColoursAndNames) {
  for (const auto& [font, name] :
       {std::pair{"2", "Wingdings 2"}, {"4", "Marlett"}, {"7", "Webdings"}, {"", "Webdings"}}) {
    TestApp t;
    frmSide& bar = loaded(t, {{core::GlyphFont, font}, {core::CustomFont, "Marlett"}});
    for (auto& b : bar.lblButton) EXPECT_EQ(b.font().name, name) << "GlyphFont " << font;
    EXPECT_EQ(bar.lblButton[0].font().charset, forms::kSymbolCharset);
  }
  TestApp t;
  frmSide& bar = loaded(t, {{0, "R&&D"}, {2, "a&b"}, {16, "255"}, {24, "&"}, {25, "\xFC"}});
  EXPECT_EQ(bar.Labels[0].caption(), "R&&D");
  EXPECT_EQ(bar.Labels[2].displayText().text, U"ab");  // the "&" marks an access key
  EXPECT_EQ(bar.Labels[2].displayText().underline, 1);
  EXPECT_EQ(bar.lblButton[2].foreColour(), 255);
  EXPECT_EQ(bar.lblButton[1].displayText().text, U"&");
  EXPECT_EQ(bar.lblButton[2].caption(), "\xC3\xBC");
}

TEST(SideBarLoad, OnlyAFileOfThirtyOneLinesOrMoreIsApplied) {
  for (int count : {20, 30, 31, 35, 36}) {
    SCOPED_TRACE(std::to_string(count) + " lines");
    const bool applied = count >= 31;
    TestApp t;
    std::vector<std::string> lines = linesWith({{0, "First"}, {23, "&"}, {35, "X"}});
    lines.resize(static_cast<std::size_t>(count));
    t.putFile(fileOf(lines));
    frmSide& bar = t.startBar();
    const core::Settings& s = t.app.settings();
    EXPECT_EQ(s[0], Value(applied ? "First" : "Computer")) << "a short file changes nothing";
    EXPECT_EQ(s[core::Glyph0], Value(!applied ? "\xC3\x8C" : count < 36 ? "&" : "&&"));
    EXPECT_EQ(s[core::CustomFont], Value(count < 36 ? "Webdings" : "X"));
    EXPECT_EQ(bar.Labels[0].caption(), applied ? "First" : "Equipo");
    EXPECT_EQ(bar.Labels[0].foreColour(), applied ? 15790320 : 14737632);
  }
}

TEST(SideBarLoad, TheFileIsReadOnlyFromTheFolderXpSpanishNames) {
  // XP Spanish; a file "A" in "Archivos de programa"; a file "P" in "Program Files"; the first
  // tile's name shown ("Equipo": none was read).
  const std::tuple<bool, bool, bool, const char*> cases[] = {{true, true, true, "A"},
                                                             {true, false, true, "Equipo"},
                                                             {false, true, true, "P"},
                                                             {false, true, false, "Equipo"}};
  for (const auto& [xpSpanish, inArchivos, inProgramFiles, name] : cases) {
    TestApp t;
    t.app.state().xpSpanish = xpSpanish;
    if (inArchivos)
      t.platform.files["C:\\Archivos de programa\\Tervalo3.txt"] = fileWith({{0, "A"}});
    if (inProgramFiles) t.putFile(fileWith({{0, "P"}}));
    EXPECT_EQ(t.startBar("SPANISH", 5).Labels[0].caption(), name);
  }
}

TEST(SideBarLoad, AOneSecondPressOnTheBackgroundEndsTheProgram) {
  TestApp t;
  frmSide& bar = t.startBar();
  bar.pointerDown(forms::kLeftButton, 0, {500, 100});  // above the tile column
  t.timers.advance(999);
  bar.pointerUp(forms::kLeftButton, 0, {500, 100});
  t.timers.advance(5000);
  EXPECT_FALSE(t.platform.exited) << "a release within the second keeps the program";

  bar.pointerDown(forms::kRightButton, 0, {500, 100});
  t.timers.advance(1000);
  EXPECT_TRUE(t.platform.exited);
  EXPECT_EQ(t.app.findSide(), nullptr);
  EXPECT_EQ(t.app.findDate(), nullptr);
}
