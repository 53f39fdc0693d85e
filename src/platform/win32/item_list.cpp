#include "platform/win32/item_list.h"

#include "platform/win32/text_convert.h"

namespace win32 {

void syncItems(HWND h, const forms::ListControl& list, const ItemMessages& m) {
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  SendMessageW(h, m.reset, 0, 0);
  for (const std::string& item : list.items()) {
    const std::wstring w = widen(item);
    SendMessageW(h, m.add, 0, reinterpret_cast<LPARAM>(w.c_str()));
  }
  SendMessageW(h, m.setSelection, static_cast<WPARAM>(list.listIndex()), 0);
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(h, nullptr, TRUE);
}

}  // namespace win32
