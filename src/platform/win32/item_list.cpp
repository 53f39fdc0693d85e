#include "platform/win32/item_list.h"

#include "platform/win32/text_convert.h"

namespace win32 {

void ItemListAdapter::sync(forms::Change what) {
  switch (what) {
    case forms::Change::List:
      stale_ = true;
      break;
    case forms::Change::Value:
      // A stale list gets its selection when it is rebuilt.
      if (!stale_) {
        SendMessageW(hwnd(), messages_.setSelection, static_cast<WPARAM>(list_.listIndex()), 0);
      }
      break;
    case forms::Change::Text:
      break;
    default:
      NativeAdapter::sync(what);
      break;
  }
}

void ItemListAdapter::settle() {
  if (!stale_) return;
  stale_ = false;
  HWND h = hwnd();
  Bypass direct(*this);
  std::size_t bytes = 0;
  for (const std::string& item : list_.items()) bytes += (item.size() + 1) * sizeof(wchar_t);
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  SendMessageW(h, messages_.reset, 0, 0);
  SendMessageW(h, messages_.initStorage, list_.items().size(), static_cast<LPARAM>(bytes));
  for (const std::string& item : list_.items()) {
    const std::wstring w = widen(item);
    SendMessageW(h, messages_.add, 0, reinterpret_cast<LPARAM>(w.c_str()));
  }
  SendMessageW(h, messages_.setSelection, static_cast<WPARAM>(list_.listIndex()), 0);
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(h, nullptr, TRUE);
}

}  // namespace win32
