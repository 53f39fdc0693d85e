// Plain value types shared by the forms runtime: geometry in twips, packed colours, fonts.
#pragma once

#include <cstdint>
#include <string>

namespace forms {

// A colour packed as red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

constexpr Colour rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Left, top, width, height in twips, relative to the parent container.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  [[nodiscard]] bool contains(Point p) const {
    return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr int kSymbolCharset = 2;

struct Font {
  std::string name = "MS Sans Serif";
  double points = 8.25;
  int weight = 400;
  int charset = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class Align { Left, Right, Center };
enum class BackStyle { Transparent, Opaque };

// Mouse buttons and shift states carry the values the classic toolkits used.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShift = 1, kCtrl = 2, kAlt = 4 };

struct MouseEvent {
  int button = 0;
  int shift = 0;
  int x = 0;  // twips, relative to the control
  int y = 0;
};

// An item dragged from the shell and dropped on a form: its full path, and the name the shell
// shows for it (a shortcut's without ".lnk").
struct DroppedItem {
  std::string path;
  std::string displayName;
};

// Virtual-key codes used by the input entry points.
enum Key : int {
  kKeyBack = 8,
  kKeyTab = 9,
  kKeyReturn = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyDelete = 46,
};

}  // namespace forms
