#include "clock/battery_pictures.h"

#include <array>

namespace clock_panel {

namespace {

constexpr std::uint32_t kLight = 0xFFF0F0F0;   // RGB(240,240,240)
constexpr std::uint32_t kYellow = 0xFFFADC00;  // RGB(250,220,0)
constexpr std::uint32_t kRed = 0xFFED1C24;     // RGB(237,28,36)
constexpr int kFillLeft = 2;
constexpr int kFillTop = 4;
constexpr int kFillWidth = 7;
constexpr int kFillRows = 20;

// Cut-outs within the 7 x 20 fill area, '#' transparent.
constexpr std::array<const char*, kFillRows> kBolt = {
    ".......", ".......", ".......", "....##.", "...##..", "...#...", "..##...",
    "..#....", ".#####.", "....#..", "...##..", "...#...", "..##...", "..#....",
    ".#.....", ".......", ".......", ".......", ".......", "......."};
constexpr std::array<const char*, kFillRows> kPlug = {
    ".......", ".......", ".......", "..#.#..", "..#.#..", "..#.#..", ".#####.",
    ".#####.", ".#####.", "..###..", "...#...", "...#...", "...#...", "...#...",
    ".......", ".......", ".......", ".......", ".......", "......."};

forms::Picture draw(int index) {
  forms::Picture p(kPictureWidth, kPictureHeight);
  for (int x = 3; x <= 7; ++x) {  // terminal, 5 wide and 2 high, centred on top
    p.set(x, 0, kLight);
    p.set(x, 1, kLight);
  }
  for (int x = 0; x < kPictureWidth; ++x) {  // frame, 11 wide and 24 high
    p.set(x, 2, kLight);
    p.set(x, kPictureHeight - 1, kLight);
  }
  for (int y = 2; y < kPictureHeight; ++y) {
    p.set(0, y, kLight);
    p.set(kPictureWidth - 1, y, kLight);
  }
  int rows = 0;
  std::uint32_t colour = kLight;
  const std::array<const char*, kFillRows>* cut = nullptr;
  if (index == 0 || index == 1) {
    rows = kFillRows;
    cut = index == 0 ? &kBolt : &kPlug;
  } else if (index >= 2 && index <= 11) {
    rows = 2 * (12 - index);
    if (index == 10) colour = kYellow;
    if (index == 11) colour = kRed;
  }
  for (int r = kFillRows - rows; r < kFillRows; ++r) {
    for (int c = 0; c < kFillWidth; ++c) {
      if (cut != nullptr && (*cut)[static_cast<std::size_t>(r)][c] == '#') continue;
      p.set(kFillLeft + c, kFillTop + r, colour);
    }
  }
  return p;
}

}  // namespace

std::shared_ptr<const forms::Picture> batteryPicture(int index) {
  // Drawn once: the clock panel is built often and its pictures never change.
  static const std::array<std::shared_ptr<const forms::Picture>, kBatteryPictures> pictures = [] {
    std::array<std::shared_ptr<const forms::Picture>, kBatteryPictures> all;
    for (int i = 0; i < kBatteryPictures; ++i) {
      all[static_cast<std::size_t>(i)] = std::make_shared<const forms::Picture>(draw(i));
    }
    return all;
  }();
  return pictures.at(static_cast<std::size_t>(index));
}

int batteryPictureIndex(int charge) {
  if (charge <= 0) return 12;
  if (charge > 100) charge = 100;
  return 2 + (100 - charge) / 10;
}

}  // namespace clock_panel
