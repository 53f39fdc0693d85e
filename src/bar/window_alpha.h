// Makes a window layered and sets its opacity.
#pragma once

#include "platform/services.h"

// 0 when the opacity was set, 1 when alpha lies outside 0..255 (nothing is done), 2 when the
// system refused.
int SetWindowAlpha(platform::Platform& platform, platform::WindowHandle window, int alpha);
