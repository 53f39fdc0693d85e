#include "core/settings_file.h"

#include <algorithm>
#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "core/texts.h"
#include "forms/ending.h"

namespace core {

namespace {

constexpr int kShortFileLimit = 30;  // a file of this many lines or fewer applies nothing

// Rounds to the nearest 32-bit integer, halves to even; a number out of range cannot be held.
double roundToInt32(double v) {
  const double r = std::nearbyint(v);
  if (r < std::numeric_limits<std::int32_t>::min() ||
      r > std::numeric_limits<std::int32_t>::max()) {
    throw forms::Ending("32-bit integer");
  }
  return r;
}

bool isTextLine(int i) {
  return i <= TilePath0 + kTileCount - 1 || (i >= Glyph0 && i < Glyph0 + kTileCount) ||
         i == CustomFont;
}

}  // namespace

std::string settingsPath(const GlobalState& state) {
  return std::string(state.xpSpanish ? "C:\\Archivos de programa\\" : "C:\\Program Files\\") +
         kSettingsFileName;
}

LoadOutcome assignSettingsLines(Settings& settings, const std::vector<std::string>& lines) {
  const int n = static_cast<int>(lines.size());
  try {
    for (int i = 0; i < kSettingCount; ++i) {
      if (i >= n) {
        if (n <= kShortFileLimit) return LoadOutcome::Partial;
        settings[GlassAlpha] = kDefaultGlassAlpha;
        return LoadOutcome::Short;
      }
      const std::string& line = lines[static_cast<std::size_t>(i)];
      if (isTextLine(i)) {
        settings[i] = line;
      } else {
        // A number too large to hold ends the load here, like a bar colour out of range:
        // read as 0 it would, as GlassAlpha, keep the bar from ever opening.
        const std::optional<double> number = heldNumber(line);
        if (!number) throw forms::Ending("number");
        settings[i] = i == BarColour ? roundToInt32(*number) : *number;
      }
    }
  } catch (const forms::Ending&) {
    return LoadOutcome::Partial;  // the load ends there; what was read stays
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

bool SaveSettingsFile(platform::Platform& platform, const Settings& settings,
                      const GlobalState& state) {
  if (platform.writeFileReplacing(settingsPath(state), platform.toAnsi(settingsText(settings)))) {
    return true;
  }
  const std::string message =
      state.xpSpanish ? texts::kSaveFailedXpSpanish : texts::kSaveFailed.in(state);
  platform.messageBox(message, kProgramTitle, platform::MessageIcon::Critical);
  return false;
}

void exportSettingsCopy(platform::Platform& platform, const Settings& settings,
                        const GlobalState& state, const std::string& folder) {
  std::string target = folder;
  if (!target.empty() && target.back() == '\\') target.pop_back();
  // A relative folder would land in whatever the working folder happens to be.
  const bool ok = isAbsoluteFolder(folder) &&
                  platform.writeFileReplacing(target + "\\" + kSettingsFileName,
                                              platform.toAnsi(settingsText(settings)));
  if (!ok) {
    platform.messageBox(texts::kExportFailed.in(state), kProgramTitle,
                        platform::MessageIcon::Critical);
  }
}

}  // namespace core
