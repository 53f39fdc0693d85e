// The start-up splash: detection at load, the fade, the growing bars, the hand-over and "x".
#include <gtest/gtest.h>

#include <algorithm>

#include "bar/side_bar.h"
#include "core/splash.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

constexpr int kTick = 30;

frmInicio& startSplash(TestApp& t) {
  t.app.start();
  return t.app.inicio();
}

}  // namespace

TEST(Splash, DetectsTheLanguageAndXpSpanishAtLoad) {
  struct Case {
    int major, minor;
    std::optional<std::string> language;
    const char* languageName;
    bool english, xpSpanish;
  };
  for (const Case& c :
       {Case{5, 1, "Spanish", "SPANISH", false, true},
        Case{5, 1, "spanish", "SPANISH", false, true},
        Case{5, 1, "English", "ENGLISH", true, false},
        Case{6, 1, "Spanish", "SPANISH", false, false},
        Case{5, 2, "Spanish", "SPANISH", false, false}, Case{5, 1, std::nullopt, "", false, false},
        Case{10, 0, "English ", "ENGLISH ", false, false}}) {
    SCOPED_TRACE(std::string(c.languageName) + " " + std::to_string(c.major) + "." +
                 std::to_string(c.minor));
    TestApp t;
    t.platform.os = {c.major, c.minor};
    t.platform.locale.clear();
    if (c.language) t.platform.locale[4097] = *c.language;
    startSplash(t);
    EXPECT_EQ(t.app.state().languageName, c.languageName);
    EXPECT_EQ(t.app.state().english(), c.english);
    EXPECT_EQ(t.app.state().xpSpanish, c.xpSpanish);
    EXPECT_EQ(t.app.state().osMajorVersion, c.major);
  }
}

TEST(Splash, TheNameFadesTheBarsGrowTheSquareMarksTheCrossingAndTheBarTakesOver) {
  TestApp t;
  t.app.settings()[core::BarColoured] = 1;
  frmInicio& s = startSplash(t);
  EXPECT_TRUE(s.visible());
  EXPECT_EQ(s.rect(), (forms::Rect{(28800 - 7815) / 2, (16200 - 4455) / 2, 7815, 4455}));
  EXPECT_EQ(s.lblWord.caption(), "TERVALO");
  EXPECT_EQ(t.app.settings()[core::BarColoured], core::Value(0));
  for (int tick = 1; tick <= 40; ++tick) {
    t.timers.advance(kTick);
    SCOPED_TRACE("tick " + std::to_string(tick));
    const int grey = std::max(250 - 10 * tick, 0);  // black from the 25th tick
    ASSERT_EQ(s.lblWord.foreColour(), forms::rgb(grey, grey, grey));
    ASSERT_EQ(s.Timer1.enabled(), tick <= 25) << "the 26th tick stops the fade";
    ASSERT_EQ(s.Shape2.rect(), (forms::Rect{480, 0, 495, 15 + 120 * tick}));
    ASSERT_EQ(s.Shape1.rect(), (forms::Rect{7800 - 200 * tick, 3240, 15 + 200 * tick, 495}));
    ASSERT_EQ(s.Shape3.visible(), tick >= 35);
  }
  EXPECT_EQ(s.Shape3.rect(), (forms::Rect{480, 3240, 495, 495}));
  t.timers.advance(kTick);  // the 41st tick hands over to Timer3
  EXPECT_FALSE(s.Timer2.enabled());
  EXPECT_EQ(s.Shape2.height(), 4815);
  t.timers.advance(499);
  EXPECT_EQ(t.app.findSide(), nullptr);
  t.timers.advance(1);
  ASSERT_NE(t.app.findSide(), nullptr);
  EXPECT_TRUE(t.app.side().visible());
  EXPECT_EQ(t.app.findInicio(), nullptr) << "the splash unloads itself after the hand-over";
  EXPECT_FALSE(t.platform.exited);
}

TEST(Splash, TheCloseLabelShowsItsPressAndEndsTheProgramInAnyState) {
  for (const int ms : {0, 1500}) {  // the animation, then the wait for the hand-over
    SCOPED_TRACE("after " + std::to_string(ms) + " ms");
    TestApp t;
    frmInicio& s = startSplash(t);
    t.timers.advance(ms);
    s.pointerDown(forms::kLeftButton, 0, {7500, 200});
    EXPECT_EQ(s.lblEsc.backStyle(), forms::BackStyle::Opaque);
    EXPECT_FALSE(t.platform.exited);
    s.pointerUp(forms::kLeftButton, 0, {7500, 200});
    EXPECT_TRUE(t.platform.exited);
    EXPECT_EQ(t.app.findInicio(), nullptr);
    EXPECT_EQ(t.app.findSide(), nullptr);
    EXPECT_EQ(t.timers.runningCount(), 0U);
  }
  TestApp t;
  frmInicio& s = startSplash(t);
  s.pointerDown(forms::kRightButton, 0, {7500, 200});
  s.pointerUp(forms::kRightButton, 0, {100, 100});  // released elsewhere: no click
  EXPECT_EQ(s.lblEsc.backStyle(), forms::BackStyle::Transparent);
  EXPECT_FALSE(t.platform.exited);
}
