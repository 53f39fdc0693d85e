// The items of a combo box or a list box, kept in the native list: the two kinds differ only in
// their messages.
#pragma once

#include <windows.h>

#include "forms/controls.h"

namespace win32 {

struct ItemMessages {
  UINT reset;
  UINT add;
  UINT setSelection;
};

inline constexpr ItemMessages kComboItems{CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL};
inline constexpr ItemMessages kListItems{LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL};

// Puts the model's items and selection into the native list.
void syncItems(HWND h, const forms::ListControl& list, const ItemMessages& m);

}  // namespace win32
