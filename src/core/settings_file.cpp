#include "core/settings_file.h"

#include <algorithm>
#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "core/texts.h"
#include "forms/text.h"

namespace core {

namespace {

constexpr int kShortFileLimit = 30;  // a file of this many lines or fewer changes nothing
constexpr double kLargestColour = 0xFFFFFF;

// A number line's value, or nothing when the setting cannot use it: a number too large to hold,
// a bar colour beyond a 32-bit integer (rounded, halves to even), a glyph colour that is no
// colour.
std::optional<double> usableNumber(int line, const std::string& text) {
  const std::optional<double> number = heldNumber(text);
  if (!number) return std::nullopt;
  if (line == BarColour) {
    const double r = std::nearbyint(*number);
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max()) {
      return std::nullopt;
    }
    return r;
  }
  if (line >= GlyphColour0 && line < GlyphColour0 + kTileCount &&
      (*number < 0 || std::nearbyint(*number) > kLargestColour)) {
    return std::nullopt;
  }
  return number;
}

bool isTextLine(int i) {
  return i <= TilePath0 + kTileCount - 1 || (i >= Glyph0 && i < Glyph0 + kTileCount) ||
         i == CustomFont;
}

}  // namespace

std::string decodeSettingsBytes(const std::string& bytes, platform::Platform& platform) {
  const auto starts = [&](std::string_view mark) { return bytes.starts_with(mark); };
  if (starts("\xEF\xBB\xBF")) return bytes.substr(3);
  const bool little = starts("\xFF\xFE");
  if (!little && !starts("\xFE\xFF")) return platform.fromAnsi(bytes);
  std::u32string text;
  char32_t high = 0;  // the first half of a pair, until its second comes
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    const char32_t unit = little ? (b1 << 8 | b0) : (b0 << 8 | b1);
    if (unit >= 0xD800 && unit < 0xDC00) {
      high = unit;
    } else if (unit >= 0xDC00 && unit < 0xE000) {
      text += high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : U'\uFFFD';
      high = 0;
    } else {
      text += unit;
      high = 0;
    }
  }
  return forms::encodeUtf8(text);
}

std::string settingsPath(const GlobalState& state) {
  return std::string(state.xpSpanish ? "C:\\Archivos de programa\\" : "C:\\Program Files\\") +
         kSettingsFileName;
}

LoadOutcome assignSettingsLines(Settings& settings, const std::vector<std::string>& lines) {
  const int n = static_cast<int>(lines.size());
  // A file of 30 lines or fewer is not a settings file: it changes nothing.
  if (n <= kShortFileLimit) return LoadOutcome::Ignored;
  for (int i = 0; i < kSettingCount && i < n; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i)];
    if (isTextLine(i)) {
      settings[i] = line;
    } else if (const std::optional<double> number = usableNumber(i, line)) {
      settings[i] = *number;
    }
    // A value the setting cannot use leaves it as it was (its default): every other line
    // still loads.
  }
  if (n < kSettingCount) {
    settings[GlassAlpha] = kDefaultGlassAlpha;
    return LoadOutcome::Short;
  }
  // A lone "&" would mark an access key on the glyph label; "&&" shows it.
  for (int k = 0; k < kTileCount; ++k) {
    if (settings[Glyph0 + k] == Value("&")) settings[Glyph0 + k] = "&&";
  }
  return LoadOutcome::Full;
}

std::string settingsText(const Settings& settings) {
  std::string text;
  for (int i = 0; i < kSettingCount; ++i) {
    // A line break inside a value would move every later setting down a line: it is written
    // as a space.
    std::string value = settings[i].text();
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    text += value;
    text += "\r\n";
  }
  return text;
}

bool isAbsoluteFolder(const std::string& folder) {
  const bool drive = folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
                     folder[1] == ':' && folder[2] == '\\';
  const bool network = folder.size() > 2 && folder[0] == '\\' && folder[1] == '\\';
  return drive || network;
}

bool fileHolds(platform::Platform& platform, char32_t c) {
  return platform.toAnsi(forms::encodeUtf8(c)).has_value();
}

bool SaveSettingsFile(platform::Platform& platform, const Settings& settings,
                      const GlobalState& state) {
  const std::string path = settingsPath(state);
  const std::string text = settingsText(settings);
  // A character the code page cannot hold is never written as "?" or a look-alike: the save
  // fails before anything is written, and says which.
  const std::optional<std::string> bytes = platform.toAnsi(text);
  if (bytes && platform.writeFileReplacing(path, *bytes)) return true;
  std::u32string unheld;
  for (const char32_t c : forms::decodeUtf8(text)) {
    if (unheld.find(c) == std::u32string::npos && !fileHolds(platform, c)) {
      unheld += c;
    }
  }
  const platform::WriteFailure why = platform.lastWriteFailure();
  const Text& message = !bytes                                    ? texts::kSaveFailedCharacters
                        : why == platform::WriteFailure::InUse    ? texts::kSaveFailedInUse
                        : why == platform::WriteFailure::DiskFull ? texts::kSaveFailedDiskFull
                                                                  : texts::kSaveFailed;
  std::string shown = message.in(state);
  for (const auto& [mark, with] : {std::pair{"%1", path}, {"%2", forms::encodeUtf8(unheld)}}) {
    if (const auto at = shown.find(mark); at != std::string::npos) shown.replace(at, 2, with);
  }
  platform.messageBox(shown, kProgramTitle, platform::MessageIcon::Critical);
  return false;
}

void exportSettingsCopy(platform::Platform& platform, const Settings& settings,
                        const GlobalState& state, const std::string& folder) {
  std::string target = folder;
  if (!target.empty() && target.back() == '\\') target.pop_back();
  // A relative folder would land in whatever the working folder happens to be.
  const std::optional<std::string> bytes = platform.toAnsi(settingsText(settings));
  const bool ok = bytes && isAbsoluteFolder(folder) &&
                  platform.writeFileReplacing(target + "\\" + kSettingsFileName, *bytes);
  if (!ok) {
    platform.messageBox(texts::kExportFailed.in(state), kProgramTitle,
                        platform::MessageIcon::Critical);
  }
}

}  // namespace core
