// The settings file a fresh English bar for user "Ana" on a modern system holds, line by line,
// and files made from it with some lines replaced.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/settings.h"
#include "test_app.h"

namespace testing_support {

// The names and folders of the default tiles of user "Ana" (lines 0 to 13 of the file).
inline const std::vector<std::string> kModernEnglish = {"Computer",
                                                        "Ana",
                                                        "Documents",
                                                        "Pictures",
                                                        "Music",
                                                        "Videos",
                                                        "Downloads",
                                                        "C:\\",
                                                        "C:\\Users\\Ana",
                                                        "C:\\Users\\Ana\\Documents",
                                                        "C:\\Users\\Ana\\Pictures",
                                                        "C:\\Users\\Ana\\Music",
                                                        "C:\\Users\\Ana\\Videos",
                                                        "C:\\Users\\Ana\\Downloads"};
// Lines 14 to 35 of the defaults: white glyphs, the blue bar colour, no side (an empty line),
// the glyph "Ì", four tiles' size, the fade to 240, Webdings.
inline const std::vector<std::string> kOtherDefaults = {
    "16777215", "16777215", "16777215", "16777215", "16777215", "16777215", "16777215", "12081179",
    "",         "\xC3\x8C", "\xC3\x8C", "\xC3\x8C", "\xC3\x8C", "\xC3\x8C", "\xC3\x8C", "\xC3\x8C",
    "4",        "240",      "0",        "0",        "0",        "Webdings"};

inline std::vector<std::string> concat(std::vector<std::string> a,
                                       const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The lines of a complete settings file, in the ANSI code page: the English defaults on a modern
// system, with side 0 and some lines replaced.
inline std::vector<std::string> linesWith(const std::map<int, std::string>& lines) {
  std::vector<std::string> all = concat(kModernEnglish, kOtherDefaults);
  all[core::BarSide] = "0";
  for (int k = 0; k < core::kTileCount; ++k)
    all[static_cast<std::size_t>(core::Glyph0 + k)] = "\xCC";
  for (const auto& [i, v] : lines) all[static_cast<std::size_t>(i)] = v;
  return all;
}

inline std::string fileWith(const std::map<int, std::string>& lines) {
  return fileOf(linesWith(lines));
}

}  // namespace testing_support
