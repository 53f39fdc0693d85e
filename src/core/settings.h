// The 36 settings in their fixed order (the order of the lines of the settings file) and the
// global state worked out at start, shared by every window through its host.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "forms/types.h"

namespace core {

// A loosely typed setting: nothing, a text or a number. Empty compares as 0 and as "", and is
// written as an empty line.
class Value {
 public:
  Value() = default;
  Value(std::string text) : v_(std::move(text)) {}        // NOLINT(google-explicit-constructor)
  Value(const char* text) : v_(std::string(text)) {}      // NOLINT(google-explicit-constructor)
  Value(double number) : v_(number) {}                    // NOLINT(google-explicit-constructor)
  Value(int number) : v_(static_cast<double>(number)) {}  // NOLINT(google-explicit-constructor)

  [[nodiscard]] bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
  [[nodiscard]] bool isText() const { return std::holds_alternative<std::string>(v_); }
  [[nodiscard]] bool isNumber() const { return std::holds_alternative<double>(v_); }

  // As a number: empty is 0; a text is read the lenient way.
  [[nodiscard]] double number() const;
  // As a text: empty is ""; a number is written in plain decimal (240, 16777215, 2.5).
  [[nodiscard]] std::string text() const;

  friend bool operator==(const Value& a, const Value& b) = default;

 private:
  std::variant<std::monostate, std::string, double> v_;
};

// Reads a number the lenient way: blanks and tabs anywhere are ignored; an optional sign,
// digits, an optional "." with more digits and an optional exponent are taken; reading stops at
// the first other character; no leading digits gives 0. The decimal point is always ".".
double lenientNumber(const std::string& text);
// The same reading, but nothing for a number too large for a double.
std::optional<double> heldNumber(const std::string& text);

enum Setting : int {
  TileName0 = 0,
  TilePath0 = 7,
  GlyphColour0 = 14,
  BarColour = 21,
  BarSide = 22,
  Glyph0 = 23,
  BarSize = 30,
  GlassAlpha = 31,
  GlyphFont = 32,
  ClockMode = 33,
  BarColoured = 34,
  CustomFont = 35,
};

constexpr int kSettingCount = 36;

// The glyph fonts GlyphFont 0 to 3 name; kCustomGlyphFont is the font named by CustomFont.
// The first is the glyphs' font until a setting names another.
inline constexpr char kDefaultGlyphFont[] = "Webdings";
inline constexpr const char* kGlyphFontNames[] = {kDefaultGlyphFont, "Wingdings", "Wingdings 2",
                                                  "Wingdings 3"};
constexpr int kCustomGlyphFont = 4;
constexpr int kTileCount = 7;
// The opacity of the open bar when no settings file says otherwise.
constexpr int kDefaultGlassAlpha = 240;
constexpr int kLowestGlassAlpha = 200;  // the lowest fade target the bar goes by

class Settings {
 public:
  Value& operator[](int line) { return values_.at(static_cast<std::size_t>(line)); }
  const Value& operator[](int line) const { return values_.at(static_cast<std::size_t>(line)); }
  friend bool operator==(const Settings&, const Settings&) = default;

 private:
  std::array<Value, kSettingCount> values_{};
};

// Worked out at start or while the bar runs; never saved.
struct GlobalState {
  std::string languageName;  // upper-case English name of the user locale's language
  int osMajorVersion = 0;
  bool xpSpanish = false;
  forms::Colour barBackColour = 0;
  int smallScreen = 0;
  Value launchIndex;
  // The settings as the bar last loaded them (from the file, or its defaults with none): what
  // an exported copy holds, never a choice the configuration window has not saved.
  Settings fileSettings;

  // Every window shows English texts exactly when the language name is "ENGLISH".
  [[nodiscard]] bool english() const { return languageName == "ENGLISH"; }
};

}  // namespace core
