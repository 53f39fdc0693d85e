// The settings file: the exact bytes written, the reading rules, short files and failures.
#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "test_app.h"

using core::LoadOutcome;
using core::Value;
using testing_support::fileOf;
using testing_support::TestApp;

namespace {

const std::string kPath = "C:\\Program Files\\Tervalo3.txt";

// What each of the 36 lines holds: T a text, N a number.
constexpr char kKinds[] = "TTTTTTTTTTTTTTNNNNNNNNNTTTTTTTNNNNNT";

// A recognisable value for line i: "t<i>" for a text, i + 1000 for a number.
Value numbered(int i) {
  return kKinds[i] == 'T' ? Value("t" + std::to_string(i)) : Value(1000 + i);
}

// Lines 0..count-1 holding their recognisable values.
std::vector<std::string> numberedLines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(numbered(i % 36).text());
  return lines;
}

core::Settings markers() {
  core::Settings s;
  for (int i = 0; i < core::kSettingCount; ++i) s[i] = "old" + std::to_string(i);
  return s;
}

}  // namespace

TEST(SettingsFile, ASavedFileIsThirtySixCrLfLinesInTheAnsiCodePageAndReadsBack) {
  TestApp t;
  t.startBar("SPANISH", 10);
  t.app.settings()[core::Glyph0 + 2] = "&&";
  core::SaveSettingsFile(t.platform, t.app.settings(), t.app.state());
  const std::string expected =
      "Equipo\r\nAna\r\nDocumentos\r\nIm\xE1genes\r\nM\xFAsica\r\nVideos\r\nDescargas\r\n"
      "C:\\\r\nC:\\Users\\Ana\r\nC:\\Users\\Ana\\Documents\r\nC:\\Users\\Ana\\Pictures\r\n"
      "C:\\Users\\Ana\\Music\r\nC:\\Users\\Ana\\Videos\r\nC:\\Users\\Ana\\Downloads\r\n"
      "16777215\r\n16777215\r\n16777215\r\n16777215\r\n16777215\r\n16777215\r\n16777215\r\n"
      "12081179\r\n\r\n"
      "\xCC\r\n\xCC\r\n&&\r\n\xCC\r\n\xCC\r\n\xCC\r\n\xCC\r\n"
      "4\r\n240\r\n0\r\n0\r\n0\r\nWebdings\r\n";
  ASSERT_EQ(t.platform.files.at(kPath), expected);
  EXPECT_TRUE(t.platform.messages.empty());

  TestApp again;
  again.platform.files = t.platform.files;
  again.startBar("ENGLISH", 10);
  for (int i = 0; i < core::kSettingCount; ++i) {
    SCOPED_TRACE(i);
    // An empty setting is written as an empty line, which reads back as the number 0.
    EXPECT_EQ(again.app.settings()[i], i == core::BarSide ? Value(0) : t.app.settings()[i]);
  }
  EXPECT_EQ(again.side().lblButton[2].caption(), "&&");
}

TEST(SettingsFile, ShortFilesFollowTheirRules) {
  struct Case {
    int lines;
    LoadOutcome outcome;
  };
  for (const Case c :
       {Case{20, LoadOutcome::Partial}, Case{30, LoadOutcome::Partial},
        Case{31, LoadOutcome::Short}, Case{33, LoadOutcome::Short}, Case{35, LoadOutcome::Short},
        Case{36, LoadOutcome::Full}, Case{40, LoadOutcome::Full}}) {
    SCOPED_TRACE(std::to_string(c.lines) + " lines");
    std::vector<std::string> lines = numberedLines(std::max(c.lines, 24));
    lines[23] = "&";  // present in every case but the 20-line file
    lines.resize(static_cast<std::size_t>(c.lines));
    core::Settings s = markers();
    EXPECT_EQ(core::assignSettingsLines(s, lines), c.outcome);
    for (int i = 0; i < core::kSettingCount; ++i) {
      Value expected = "old" + std::to_string(i);
      if (i < c.lines) {
        expected = numbered(i);
        if (i == 23) expected = c.outcome == LoadOutcome::Full ? "&&" : "&";
      }
      if (i == core::GlassAlpha && c.outcome == LoadOutcome::Short) expected = 240;
      EXPECT_EQ(s[i], expected) << "setting " << i;
    }
  }
}

TEST(SettingsFile, LinesEndAtCrOrCrLfButNotAtALoneLf) {
  EXPECT_EQ(core::splitLines("a\r\nb\rc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(core::splitLines("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(core::splitLines("a\nb\n"), (std::vector<std::string>{"a\nb\n"}));
  EXPECT_EQ(core::splitLines(""), (std::vector<std::string>{}));
  EXPECT_EQ(core::splitLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));

  const std::vector<std::string> lines = numberedLines(36);
  core::Settings crOnly = markers();
  core::Settings crLf = markers();
  EXPECT_EQ(core::assignSettingsLines(crOnly, core::splitLines(fileOf(lines, "\r"))),
            LoadOutcome::Full);
  core::assignSettingsLines(crLf, core::splitLines(fileOf(lines)));
  EXPECT_EQ(crOnly, crLf);

  core::Settings lfOnly = markers();
  EXPECT_EQ(core::assignSettingsLines(lfOnly, core::splitLines(fileOf(lines, "\n"))),
            LoadOutcome::Partial);
  EXPECT_EQ(lfOnly[0], Value(fileOf(lines, "\n")));
  EXPECT_EQ(lfOnly[1], Value("old1"));
}

TEST(SettingsFile, NumbersAreReadTheLenientWay) {
  const std::pair<const char*, double> cases[] = {
      {" 2 4 0", 240}, {"12abc", 12}, {"abc", 0}, {"", 0},      {"-3", -3},
      {"1e2", 100},    {"2.5", 2.5},  {"\t7", 7}, {".5", 0.5},  {"1.5e", 1.5},
      {"+4", 4},       {"- 6", -6},   {"3,5", 3}, {"1e400", 0}, {"e5", 0},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_DOUBLE_EQ(core::lenientNumber(text), value) << '"' << text << '"';
  }
  // The bar colour is rounded to a 32-bit integer, halves to even.
  for (const auto& [text, value] : std::vector<std::pair<std::string, double>>{
           {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"12081179.4", 12081179}}) {
    std::vector<std::string> lines = numberedLines(36);
    lines[21] = text;
    core::Settings s;
    ASSERT_EQ(core::assignSettingsLines(s, lines), LoadOutcome::Full);
    EXPECT_EQ(s[core::BarColour], Value(value)) << text;
  }
  std::vector<std::string> lines = numberedLines(36);
  lines[21] = "99999999999";
  core::Settings s = markers();
  EXPECT_EQ(core::assignSettingsLines(s, lines), LoadOutcome::Partial);
  EXPECT_EQ(s[20], Value(1020));
  EXPECT_EQ(s[21], Value("old21"));
}

TEST(SettingsFile, ANumberTooLargeToHoldEndsTheLoadAtItsLine) {
  const std::string nines(400, '9');
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"1e400", std::nullopt},
      {"-1e400", std::nullopt},
      {"1e309", std::nullopt},
      {"1 e 4 0 0", std::nullopt},
      {"1e400abc", std::nullopt},
      {nines, std::nullopt},
      {"-" + nines + ".5", std::nullopt},
      {"1e308x", 1e308},
      {"-1.5e308", -1.5e308},
      {"1e-400", 0},
      {"0e400", 0},
      {"0", 0},
      {"", 0},
      {"inf", 0},
      {"0x1p9999", 0},
      {"e400", 0},
      {"240", 240},
  };
  for (const auto& [text, held] : cases) {
    EXPECT_EQ(core::heldNumber(text), held) << '"' << text << '"';
  }

  // Every number line: the lines before it are read, it and the rest keep their values, and
  // nothing is applied.
  for (const auto& [bad, before] : std::vector<std::pair<int, Value>>{{14, "t13"},
                                                                      {20, 1019},
                                                                      {21, 1020},
                                                                      {22, 1021},
                                                                      {30, "t29"},
                                                                      {31, 1030},
                                                                      {32, 1031},
                                                                      {34, 1033}}) {
    for (const char* text : {"1e400", "-1e400"}) {
      SCOPED_TRACE(std::string(text) + " on line " + std::to_string(bad));
      std::vector<std::string> lines = numberedLines(36);
      lines[static_cast<std::size_t>(bad)] = text;
      core::Settings s = markers();
      EXPECT_EQ(core::assignSettingsLines(s, lines), LoadOutcome::Partial);
      EXPECT_EQ(s[bad - 1], before);
      for (int i = bad; i < core::kSettingCount; ++i) {
        EXPECT_EQ(s[i], Value("old" + std::to_string(i))) << "setting " << i;
      }
    }
  }
  // In a text line it is only a text.
  std::vector<std::string> lines = numberedLines(36);
  lines[core::CustomFont] = "1e400";
  core::Settings s;
  EXPECT_EQ(core::assignSettingsLines(s, lines), LoadOutcome::Full);
  EXPECT_EQ(s[core::CustomFont], Value("1e400"));
}

TEST(SettingsFile, AFailedSaveTellsTheUserAndLeavesTheOldFile) {
  struct Case {
    const char* language;
    bool xpSpanish;
    const char* path;
    const char* message;
  };
  const Case cases[] = {
      {"ENGLISH", false, "C:\\Program Files\\Tervalo3.txt",
       "Unable to save configuration, make sure 'C:\\File Programs' is not write-protected."},
      {"GERMAN", false, "C:\\Program Files\\Tervalo3.txt",
       "No se puede guardar la configuraci\xC3\xB3n, revise que 'C:\\File Programs' no "
       "est\xC3\xA9 protegido contra escritura."},
      {"SPANISH", true, "C:\\Archivos de programa\\Tervalo3.txt",
       "No se puede guardar la configuraci\xC3\xB3n, revise que 'C:\\Archivos de programa' no "
       "est\xC3\xA9 protegido contra escritura."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    TestApp t;
    t.app.state().languageName = c.language;
    t.app.state().xpSpanish = c.xpSpanish;
    t.app.settings()[0] = "new";
    core::SaveSettingsFile(t.platform, t.app.settings(), t.app.state());
    ASSERT_EQ(t.platform.files.count(c.path), 1U) << "written where XpSpanish says";
    EXPECT_EQ(t.platform.files.size(), 1U);
    const std::string before = t.platform.files.at(c.path);
    t.platform.refuseWrites = true;
    t.app.settings()[0] = "newer";
    core::SaveSettingsFile(t.platform, t.app.settings(), t.app.state());
    EXPECT_EQ(t.platform.files.at(c.path), before);
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text, c.message);
    EXPECT_EQ(t.platform.messages[0].title, "Tervalo");
    EXPECT_EQ(t.platform.messages[0].icon, platform::MessageIcon::Critical);
  }
}

TEST(SettingsFile, TheExportedCopyGoesIntoTheFolderOrTellsWhyNot) {
  TestApp t;
  t.app.state().languageName = "ENGLISH";
  t.app.settings()[0] = "Equipo";
  core::exportSettingsCopy(t.platform, t.app.settings(), t.app.state(), "D:\\backup");
  const std::string copy = t.platform.files.at("D:\\backup\\Tervalo3.txt");
  EXPECT_EQ(copy, t.platform.toAnsi(core::settingsText(t.app.settings())));
  t.platform.files.clear();
  core::exportSettingsCopy(t.platform, t.app.settings(), t.app.state(), "D:\\backup\\");
  EXPECT_EQ(t.platform.files.at("D:\\backup\\Tervalo3.txt"), copy);
  core::exportSettingsCopy(t.platform, t.app.settings(), t.app.state(), "C:\\");
  EXPECT_EQ(t.platform.files.count("C:\\Tervalo3.txt"), 1U);
  EXPECT_TRUE(t.platform.messages.empty());

  t.platform.files.clear();
  t.platform.missingFolders = {"E:\\gone"};
  core::exportSettingsCopy(t.platform, t.app.settings(), t.app.state(), "");
  core::exportSettingsCopy(t.platform, t.app.settings(), t.app.state(), "E:\\gone");
  t.app.state().languageName = "SPANISH";
  core::exportSettingsCopy(t.platform, t.app.settings(), t.app.state(), "\\");
  EXPECT_TRUE(t.platform.files.empty());
  ASSERT_EQ(t.platform.messages.size(), 3U);
  EXPECT_EQ(t.platform.messages[0].text, "It can't be created here, try somewhere else.");
  EXPECT_EQ(t.platform.messages[1].text, "It can't be created here, try somewhere else.");
  EXPECT_EQ(t.platform.messages[2].text, "No se puede crear aqu\xC3\xAD, intente en otra parte.");
  EXPECT_EQ(t.platform.messages[2].icon, platform::MessageIcon::Critical);
}
