#include "bar/window_alpha.h"

#include <cstdint>

int SetWindowAlpha(platform::Platform& platform, platform::WindowHandle window, int alpha) {
  if (alpha < 0 || alpha > 255) return 1;
  return platform.setLayeredAlpha(window, static_cast<std::uint8_t>(alpha)) ? 0 : 2;
}
