// A small bitmap held by image controls: 32-bit pixels 0xAARRGGBB, alpha 0 transparent.
#pragma once

#include <cstdint>
#include <vector>

namespace forms {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row from the top

  Picture() = default;
  Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), 0U) {}
  [[nodiscard]] std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y * width + x)];
  }
  void set(int x, int y, std::uint32_t argb) {
    pixels[static_cast<std::size_t>(y * width + x)] = argb;
  }
  friend bool operator==(const Picture&, const Picture&) = default;
};

}  // namespace forms
