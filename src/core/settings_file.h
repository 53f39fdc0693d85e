// The settings file: 36 lines, each ended by CR LF, meaning by position, in the system's ANSI
// code page. Reading, writing and the exported copy.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "platform/services.h"

namespace core {

inline constexpr char kSettingsFileName[] = "Tervalo3.txt";

// "C:\Program Files\Tervalo3.txt", or "C:\Archivos de programa\Tervalo3.txt" on a Spanish 5.1.
std::string settingsPath(const GlobalState& state);

// The settings file's bytes as UTF-8 text: after a UTF-8 or UTF-16 byte-order mark in that
// encoding (an editor's "Unicode"), otherwise in the system's ANSI code page.
std::string decodeSettingsBytes(const std::string& bytes, platform::Platform& platform);

// Calls `take` with each line of `text`, in order: a line ends at CR LF, CR or LF (many tools
// end lines in LF alone; no value holds a line break: the writer writes them as spaces). Text
// after the last terminator is a last line of its own.
template <typename Take>
void forEachLine(std::string_view text, Take&& take) {
  std::size_t start = 0;
  for (std::size_t end = text.find_first_of("\r\n"); end != std::string_view::npos;
       end = text.find_first_of("\r\n", start)) {
    take(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  if (start < text.size()) take(text.substr(start));
}

enum class LoadOutcome {
  Ignored,  // 30 lines or fewer: nothing changes, nothing is applied
  Short,    // 31 to 35 lines: GlassAlpha back to 240, applied
  Full,     // 36 lines or more: applied
};

// Assigns the lines to the settings by position, with the short-file rules. A value a setting
// cannot use (a number too large to hold, a colour that is no colour) leaves that setting as
// it was.
LoadOutcome assignSettingsLines(Settings& settings, const std::vector<std::string>& lines);

// The 36 lines of the file, each ended by CR LF (UTF-8; converted to ANSI when written).
std::string settingsText(const Settings& settings);

// Writes the settings file; on failure tells the user and returns false.
bool SaveSettingsFile(platform::Platform& platform, const Settings& settings,
                      const GlobalState& state);

// A folder given by its drive (C:\Users) or on the network (\\server\share).
bool isAbsoluteFolder(const std::string& folder);
// Whether the settings file can hold the character: its code page has a byte for it.
bool fileHolds(platform::Platform& platform, char32_t c);

// Writes a copy of the settings file into `folder`, which must be absolute; on failure tells
// the user.
void exportSettingsCopy(platform::Platform& platform, const Settings& settings,
                        const GlobalState& state, const std::string& folder);

}  // namespace core
