// The settings file: what is written reads back, and the reading rules, line by line.
#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "forms/text.h"
#include "test_app.h"

using core::LoadOutcome;
using core::Value;
using testing_support::fileOf;
using testing_support::linesOf;
using testing_support::TestApp;

namespace {

// The lines of a complete file: the defaults, side 0.
const std::vector<std::string> kLines = testing_support::linesWith({});

// Settings holding "old<i>", to tell the lines a load left alone.
Value old(int i) { return "old" + std::to_string(i); }
core::Settings markers() {
  core::Settings s;
  for (int i = 0; i < core::kSettingCount; ++i) s[i] = old(i);
  return s;
}

// The settings an English bar loads from a settings file of these bytes.
core::Settings loadedFrom(const std::string& bytes) {
  TestApp t;
  t.putFile(bytes);
  t.startBar();
  return t.app.settings();
}

}  // namespace

TEST(SettingsFile, ASavedFileReadsBackAsItWasSaved) {
  TestApp t;
  t.startBar("SPANISH", 10);
  t.app.settings()[core::Glyph0 + 2] = "&&";
  core::SaveSettingsFile(t.platform, t.app.settings(), t.app.state());
  core::Settings read = t.app.settings();
  read[core::BarSide] = 0;  // an empty setting is written as an empty line, read back as 0
  EXPECT_EQ(loadedFrom(t.file()), read);
}

TEST(SettingsFile, LinesEndAtCrLfCrOrLfAndAByteOrderMarkSetsTheEncoding) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(linesOf("a\r\nb\rc\nd\r\n"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(linesOf("a\r\r\nb\n\n"), (Lines{"a", "", "b", ""}));

  // The same settings whichever way an editor saved them.
  const std::string utf8 = testing_support::FakePlatform().fromAnsi(fileOf(kLines));
  std::string utf16 = "\xFF\xFE";  // little-endian units, as Notepad's "Unicode"
  for (char32_t c : forms::decodeUtf8(utf8)) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  const core::Settings crLf = loadedFrom(fileOf(kLines));
  for (const std::string& bytes :
       {fileOf(kLines, "\r"), fileOf(kLines, "\n"), "\xEF\xBB\xBF" + utf8, utf16}) {
    EXPECT_EQ(loadedFrom(bytes), crLf) << bytes;
  }
}

TEST(SettingsFile, NumbersAreReadTheLenientWayAndAValueASettingCannotUseIsLeftOut) {
  const std::pair<const char*, double> held[] = {
      {" 2 4 0", 240}, {"12abc", 12}, {"abc", 0},      {"", 0},           {"-3", -3},
      {"1e2", 100},    {"2.5", 2.5},  {"\t7", 7},      {".5", 0.5},       {"1.5e", 1.5},
      {"+4", 4},       {"- 6", -6},   {"3,5", 3},      {"e400", 0},       {"1e-400", 0},
      {"0e400", 0},    {"inf", 0},    {"0x1p9999", 0}, {"1e308x", 1e308}, {"-1.5e308", -1.5e308}};
  for (const auto& [text, value] : held) EXPECT_EQ(core::heldNumber(text), value) << text;
  const std::string nines(400, '9');
  for (const std::string& text : {std::string("1e400"), std::string("-1e400"),
                                  std::string("1 e 4 0 0"), nines, "-" + nines + ".5"}) {
    EXPECT_EQ(core::heldNumber(text), std::nullopt) << text;
  }

  // The bar colour is rounded to a 32-bit integer, halves to even.
  for (const auto& [text, value] :
       {std::pair{"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"12081179.4", 12081179}}) {
    core::Settings s;
    core::assignSettingsLines(s, testing_support::linesWith({{core::BarColour, text}}));
    EXPECT_EQ(s[core::BarColour], Value(value)) << text;
  }
  // A value its setting cannot use (a glyph colour that is no colour, a bar colour beyond 32 bits,
  // a number too large to hold) leaves that setting as it was; every other line loads. In a text
  // line it is only a text.
  for (const auto& [bad, text] : std::vector<std::pair<int, std::string>>{
           {14, "-1"}, {20, "16777216"}, {21, "1e10"}, {30, "1e400"}, {35, "1e400"}}) {
    SCOPED_TRACE(text + " on line " + std::to_string(bad));
    std::vector<std::string> lines = kLines;
    lines[static_cast<std::size_t>(bad)] = text;
    core::Settings s = markers();
    EXPECT_EQ(core::assignSettingsLines(s, lines), LoadOutcome::Full);
    for (int i = 0; i < core::kSettingCount; ++i) {
      const Value loaded = i == bad && i != core::CustomFont ? old(i) : Value(lines[i]);
      EXPECT_EQ(s[i].text(), loaded.text()) << "setting " << i;
    }
  }
}
