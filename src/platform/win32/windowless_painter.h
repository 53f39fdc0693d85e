// What a container's own window shows: its background (and a frame's border) and its windowless
// children (labels, shapes, lines, images) in z-order.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace win32 {

class Backend;

// Paints `container` into `dc`, whose client area is `client`.
void paintContainer(HDC dc, const RECT& client, const forms::Container& container,
                    Backend& backend);

}  // namespace win32
