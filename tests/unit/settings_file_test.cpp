// The settings file: the exact bytes written and the reading rules, line by line.
#include <gtest/gtest.h>

#include "core/settings_file.h"
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

}  // namespace

TEST(SettingsFile, ASavedFileReadsBackAsItWasSaved) {
  TestApp t;
  t.startBar("SPANISH", 10);
  t.app.settings()[core::Glyph0 + 2] = "&&";
  core::SaveSettingsFile(t.platform, t.app.settings(), t.app.state());
  const std::string& bytes = t.platform.files.at("C:\\Program Files\\Tervalo3.txt");
  // CR LF lines in the ANSI code page; a doubled "&" written as it is.
  EXPECT_TRUE(bytes.starts_with("Equipo\r\nAna\r\nDocumentos\r\nIm\xE1genes\r\n")) << bytes;
  EXPECT_NE(bytes.find("\r\n\xCC\r\n\xCC\r\n&&\r\n\xCC\r\n"), std::string::npos);

  TestApp again;
  again.platform.files = t.platform.files;
  again.startBar("ENGLISH", 10);
  core::Settings read = t.app.settings();
  read[core::BarSide] = 0;  // an empty setting is written as an empty line, read back as 0
  EXPECT_EQ(again.app.settings(), read);
  EXPECT_EQ(again.side().lblButton[2].caption(), "&&");
}

TEST(SettingsFile, LinesEndAtCrOrCrLfButNotAtALoneLf) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(linesOf("a\r\nb\rc\r\n"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(linesOf("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(linesOf("a\nb\n"), (Lines{"a\nb\n"}));

  core::Settings crOnly = markers();
  core::Settings crLf = markers();
  EXPECT_EQ(core::assignSettingsLines(crOnly, linesOf(fileOf(kLines, "\r"))), LoadOutcome::Full);
  core::assignSettingsLines(crLf, linesOf(fileOf(kLines)));
  EXPECT_EQ(crOnly, crLf);
  core::Settings lfOnly = markers();
  EXPECT_EQ(core::assignSettingsLines(lfOnly, linesOf(fileOf(kLines, "\n"))), LoadOutcome::Partial);
  EXPECT_EQ(lfOnly[0], Value(fileOf(kLines, "\n")));
  EXPECT_EQ(lfOnly[1], old(1));
}

TEST(SettingsFile, NumbersAreReadTheLenientWayAndOneTooLargeToHoldEndsTheLoadAtItsLine) {
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
  // On any number line: the lines before it are read, it and the rest keep their values. In a
  // text line it is only a text.
  for (int bad : {14, 21, 22, 30, 34, 35}) {
    for (const char* text : {"1e400", "-1e400", bad == 21 ? "99999999999" : "1e309"}) {
      SCOPED_TRACE(std::string(text) + " on line " + std::to_string(bad));
      std::vector<std::string> lines = kLines;
      lines[static_cast<std::size_t>(bad)] = text;
      core::Settings s = markers();
      const bool number = bad != core::CustomFont;
      EXPECT_EQ(core::assignSettingsLines(s, lines),
                number ? LoadOutcome::Partial : LoadOutcome::Full);
      EXPECT_EQ(s[bad - 1].text(), kLines[static_cast<std::size_t>(bad - 1)]);
      EXPECT_EQ(s[bad], number ? old(bad) : Value(text));
      EXPECT_EQ(s[35], number ? old(35) : Value(text));
    }
  }
}
