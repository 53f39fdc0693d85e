// A fresh App on fakes in one line: fake platform (1920 x 1080 pixels at 96 DPI), virtual
// timers and deterministic text metrics; the default settings file; a user's clicks and typing.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "bar/side_bar.h"
#include "config/config_window.h"
#include "core/settings_file.h"
#include "fake_platform.h"
#ifndef TERVALO_FUZZ
#include "gtest/gtest.h"
#endif
#include "virtual_timers.h"

namespace testing_support {

inline constexpr char kSettingsPath[] = "C:\\Program Files\\Tervalo3.txt";

// The lines of a settings text, as the bar's load reads them.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  core::forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

// Each character is points x 10 twips wide; a line is points x 25 twips high.
struct FakeMetrics final : forms::TextMetrics {
  forms::Size measure(const forms::Font& font, std::u32string_view text) override {
    const auto perChar = static_cast<int>(std::lround(font.points * 10));
    return {perChar * static_cast<int>(text.size()),
            static_cast<int>(std::lround(font.points * 25))};
  }
};

// A handler that ends with anything but a planned ending fails the test (stops the fuzzer).
inline void failOnFault(forms::Runtime& runtime) {
  runtime.onFault = [](const std::string& what) {
#ifdef TERVALO_FUZZ
    std::fprintf(stderr, "a handler failed: %s\n", what.c_str());
    std::abort();
#else
    ADD_FAILURE() << "a handler failed: " << what;
#endif
  };
}

// A runtime on fakes, for forms without an App: text boxes cut, copy and paste through the fake
// platform's clipboard.
struct TestRuntime {
  FakePlatform platform;
  forms::VirtualTimers timers;
  FakeMetrics metrics;
  forms::Runtime runtime{timers, metrics, nullptr, &platform};
  TestRuntime() { failOnFault(runtime); }
};

// An App on that runtime: its text boxes use the fake clipboard as the program's use the system's.
struct TestApp : TestRuntime {
  App app{platform, runtime};

  // What the splash leaves behind, then the bar shown as the splash shows it.
  frmSide& startBar(const std::string& language = "ENGLISH", int osMajor = 10) {
    app.state().languageName = language;
    app.state().osMajorVersion = osMajor;
    app.settings()[core::BarColoured] = 0;
    app.side().show();
    return app.side();
  }
  frmSide& side() { return app.side(); }
  // The configuration window opened from a started bar, as a right click on the bar opens it,
  // with some settings changed in between.
  frmConfig& open(const std::string& language = "ENGLISH",
                  const std::map<int, core::Value>& settings = {}) {
    startBar(language);
    for (const auto& [i, v] : settings) app.settings()[i] = v;
    side().eOpenConfig();
    return app.config();
  }
  void putFile(const std::string& bytes) { platform.files[kSettingsPath] = bytes; }
  std::string& file() { return platform.files[kSettingsPath]; }
};

// Presses and releases `button` in the middle of a control, through the form's pointer routing.
inline void click(forms::Control& c, int button = forms::kLeftButton) {
  if (c.parent() == nullptr) {  // the form itself: its background near the top-left corner
    c.form().pointerDown(button, 0, {100, 100});
    c.form().pointerUp(button, 0, {100, 100});
    return;
  }
  const forms::Point p{c.left() + c.width() / 2, c.top() + c.height() / 2};
  c.form().pointerDown(*c.parent(), button, 0, p);
  c.form().pointerUp(*c.parent(), button, 0, p);
}

// Types a text, character by character, into a box.
inline void typeText(forms::TextBox& box, const std::string& text) {
  for (char32_t ch : forms::decodeUtf8(text)) box.typeChar(static_cast<int>(ch));
}

// A file of these lines, each ended by `end`.
inline std::string fileOf(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

// The lines of a complete settings file, in the ANSI code page: the defaults of user "Ana" on a
// modern English system (white glyphs "\xCC", the blue bar colour, four tiles' size, the fade to
// 240, Webdings), with side 0 and some lines replaced.
inline std::vector<std::string> linesWith(const std::map<int, std::string>& lines) {
  std::vector<std::string> all = {"Computer", "Ana",       "Documents", "Pictures",      "Music",
                                  "Videos",   "Downloads", "C:\\",      "C:\\Users\\Ana"};
  for (std::size_t i = 2; i < 7; ++i) all.push_back(all[8] + "\\" + all[i]);  // its folders
  all.resize(all.size() + core::kTileCount, "16777215");
  all.insert(all.end(), {"12081179", "0"});  // the bar colour, side 0
  all.resize(all.size() + core::kTileCount, "\xCC");
  all.insert(all.end(), {"4", "240", "0", "0", "0", "Webdings"});
  for (const auto& [i, v] : lines) all[static_cast<std::size_t>(i)] = v;
  return all;
}

inline std::string fileWith(const std::map<int, std::string>& lines) {
  return fileOf(linesWith(lines));
}

// "1" for each shown control, "0" for each hidden one.
inline std::string shown(std::initializer_list<const forms::Control*> controls) {
  std::string s;
  for (const forms::Control* c : controls) s += c->visible() ? '1' : '0';
  return s;
}

#ifndef TERVALO_FUZZ
// The configuration window opened in English on the default settings, and done sliding in.
class ConfigWindow : public testing::Test {
 protected:
  ConfigWindow() { t.timers.advance(200); }

  // Opens the colour strips over a row, types a colour and clicks colour button `button`.
  void paint(int row, const std::array<const char*, 3>& rgb, int button) {
    click(w.lblFolder[std::size_t(row)]);
    for (std::size_t i = 0; i < 3; ++i) w.txtRGB[i].setText(rgb[i]);
    click(w.lblColor[std::size_t(button)]);
  }

  TestApp t;
  frmConfig& w = t.open();
};
#endif

}  // namespace testing_support
