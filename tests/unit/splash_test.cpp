// The start-up splash: detection at load, the fade, the growing bars, the hand-over and "x".
#include <gtest/gtest.h>

#include <algorithm>

#include "bar/side_bar.h"
#include "core/splash.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

frmInicio& startSplash(TestApp& t) {
  t.app.start();
  return t.app.inicio();
}

}  // namespace

TEST(Splash, DetectsTheLanguageAndXpSpanishAtLoad) {
  // The system's English language name, upper-cased; XP Spanish is 5.1 exactly, in Spanish.
  for (const auto& [major, minor, language, name, english, xpSpanish] :
       {std::tuple{5, 1, std::optional<std::string>("spanish"), "SPANISH", false, true},
        {5, 1, "English", "ENGLISH", true, false},
        {6, 1, "Spanish", "SPANISH", false, false},
        {5, 2, "Spanish", "SPANISH", false, false},
        {5, 1, std::nullopt, "", false, false},
        {10, 0, "English ", "ENGLISH ", false, false}}) {
    SCOPED_TRACE(testing::Message() << name << " " << major << "." << minor);
    TestApp t;
    t.platform.os = {major, minor};
    t.platform.locale.clear();
    if (language) t.platform.locale[4097] = *language;
    startSplash(t);
    EXPECT_EQ(t.app.state().languageName, name);
    EXPECT_EQ(t.app.state().english(), english);
    EXPECT_EQ(t.app.state().xpSpanish, xpSpanish);
  }
}

TEST(Splash, TheNameFadesTheBarsGrowTheSquareMarksTheCrossingAndTheBarTakesOver) {
  TestApp t;
  t.app.settings()[core::BarColoured] = 1;
  frmInicio& s = startSplash(t);
  EXPECT_EQ(s.rect(), (forms::Rect{(28800 - 7815) / 2, (16200 - 4455) / 2, 7815, 4455}));
  EXPECT_EQ(t.app.settings()[core::BarColoured], core::Value(0)) << "the load clears it";
  for (int tick = 1; tick <= 40; ++tick) {  // a tick every 30 ms
    t.timers.advance(30);
    SCOPED_TRACE("tick " + std::to_string(tick));
    const int grey = std::max(250 - 10 * tick, 0);  // black from the 25th tick
    ASSERT_EQ(s.lblWord.foreColour(), forms::rgb(grey, grey, grey));
    ASSERT_EQ(s.Timer1.enabled(), tick <= 25) << "the 26th tick stops the fade";
    ASSERT_EQ(s.Shape2.rect(), (forms::Rect{480, 0, 495, 15 + 120 * tick}));
    ASSERT_EQ(s.Shape1.rect(), (forms::Rect{7800 - 200 * tick, 3240, 15 + 200 * tick, 495}));
    ASSERT_EQ(s.Shape3.visible(), tick >= 35);
  }
  EXPECT_EQ(s.Shape3.rect(), (forms::Rect{480, 3240, 495, 495}));
  t.timers.advance(30);  // the 41st tick ends the growth; the bar comes 500 ms later
  EXPECT_EQ(s.Shape2.height(), 4815);
  t.timers.advance(499);
  EXPECT_EQ(t.app.findSide(), nullptr);
  t.timers.advance(1);
  ASSERT_NE(t.app.findSide(), nullptr);
  EXPECT_TRUE(t.app.side().visible());
  EXPECT_EQ(t.app.findInicio(), nullptr) << "the splash unloads itself after the hand-over";
}

TEST(Splash, TheCloseLabelShowsItsPressAndEndsTheProgramEvenWhileTheBarIsAwaited) {
  TestApp t;
  frmInicio& s = startSplash(t);
  t.timers.advance(1500);  // the animation is over, the bar awaited
  s.pointerDown(forms::kLeftButton, 0, {7500, 200});
  EXPECT_EQ(s.lblEsc.backStyle(), forms::BackStyle::Opaque);
  s.pointerUp(forms::kLeftButton, 0, {100, 100});  // released elsewhere: no click
  EXPECT_EQ(s.lblEsc.backStyle(), forms::BackStyle::Transparent);
  testing_support::click(s.lblEsc);
  EXPECT_TRUE(t.platform.exited);
  EXPECT_EQ(t.timers.runningCount(), 0U) << "nothing left to come, not even the bar";
}
