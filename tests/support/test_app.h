// A fresh App on fakes in one line: fake platform (1920 x 1080 pixels at 96 DPI), virtual
// timers and deterministic text metrics.
#pragma once

#include <cmath>

#include "bar/side_bar.h"
#include "core/app.h"
#include "fake_platform.h"
#include "forms/runtime.h"
#include "forms/virtual_timers.h"

namespace testing_support {

// Each character is points x 10 twips wide; a line is points x 25 twips high.
class FakeMetrics final : public forms::TextMetrics {
 public:
  forms::Size measure(const forms::Font& font, std::u32string_view text) override {
    const auto perChar = static_cast<int>(std::lround(font.points * 10));
    return {perChar * static_cast<int>(text.size()),
            static_cast<int>(std::lround(font.points * 25))};
  }
};

// The clipboard the text boxes use: by default its own text, in an App the fake platform's, so
// that what the program puts there can be pasted.
class TestClipboard final : public forms::Clipboard {
 public:
  std::string text() override { return *target; }
  void setText(const std::string& utf8) override { *target = utf8; }
  std::string own;
  std::string* target = &own;
};

struct TestRuntime {
  forms::VirtualTimers timers;
  FakeMetrics metrics;
  TestClipboard clipboard;
  forms::Runtime runtime{timers, metrics, nullptr, &clipboard};
};

struct TestApp : TestRuntime {
  FakePlatform platform;
  App app{platform, runtime};

  TestApp() { clipboard.target = &platform.clipboard; }

  // What the splash leaves behind, then the bar shown as the splash shows it.
  frmSide& startBar(const std::string& language = "ENGLISH", int osMajor = 10) {
    app.state().languageName = language;
    app.state().osMajorVersion = osMajor;
    app.settings()[core::BarColoured] = 0;
    app.side().show();
    return app.side();
  }
  frmSide& side() { return app.side(); }
  void putFile(const std::string& bytes) {
    platform.files["C:\\Program Files\\Tervalo3.txt"] = bytes;
  }
};

// A file of these lines, each ended by `end`.
inline std::string fileOf(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string out;
  for (const auto& l : lines) out += l + end;
  return out;
}

}  // namespace testing_support
