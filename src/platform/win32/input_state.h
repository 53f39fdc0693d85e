// The keyboard's and the mouse's state as the forms runtime counts it.
#pragma once

#include <windows.h>

#include "forms/types.h"

namespace win32 {

// Shift, Ctrl and Alt with a mouse message's flags.
inline int shiftState(WPARAM wp) {
  int s = 0;
  if ((wp & MK_SHIFT) != 0) s |= forms::kShift;
  if ((wp & MK_CONTROL) != 0) s |= forms::kCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= forms::kAlt;
  return s;
}

// Shift, Ctrl and Alt as they stand for the key message being handled.
inline int keyShiftState() {
  int s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= forms::kShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= forms::kCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= forms::kAlt;
  return s;
}

inline int buttonsDown(WPARAM wp) {
  int b = 0;
  if ((wp & MK_LBUTTON) != 0) b |= forms::kLeftButton;
  if ((wp & MK_RBUTTON) != 0) b |= forms::kRightButton;
  if ((wp & MK_MBUTTON) != 0) b |= forms::kMiddleButton;
  return b;
}

}  // namespace win32
