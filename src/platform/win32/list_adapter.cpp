// A list box is a native LISTBOX: a choice runs the model's Click, a double click its DblClick.
#include "platform/win32/adapters.h"
#include "platform/win32/item_list.h"

namespace win32 {

namespace {

class ListAdapter final : public ItemListAdapter {
 public:
  ListAdapter(Backend& backend, forms::ListBox& list)
      : ItemListAdapter(backend, list, kListItems) {}

  void command(int code) override {
    if (code == LBN_SELCHANGE) {
      list_.choose(static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)));
    } else if (code == LBN_DBLCLK) {
      list_.dblClick();
    }
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"LISTBOX"; }
  [[nodiscard]] DWORD style() const override {
    return WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  }
};

}  // namespace

std::unique_ptr<NativeAdapter> makeListAdapter(Backend& backend, forms::ListBox& list) {
  return std::make_unique<ListAdapter>(backend, list);
}

}  // namespace win32
