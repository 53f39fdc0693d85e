// A combo box is a native drop-down list: no typing, a choice runs the model's Click.
#include "platform/win32/adapters.h"
#include "platform/win32/item_list.h"

namespace win32 {

namespace {

// The height of the opened list below the box.
constexpr int kDropPx = 200;

class ComboAdapter final : public ItemListAdapter {
 public:
  ComboAdapter(Backend& backend, forms::ComboBox& combo)
      : ItemListAdapter(backend, combo, kComboItems) {}

  void command(int code) override {
    if (code == CBN_SELCHANGE) {
      list_.choose(static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)));
    }
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"COMBOBOX"; }
  [[nodiscard]] DWORD style() const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
  [[nodiscard]] int nativeHeight(int px) const override { return px + kDropPx; }
};

}  // namespace

std::unique_ptr<NativeAdapter> makeComboAdapter(Backend& backend, forms::ComboBox& combo) {
  return std::make_unique<ComboAdapter>(backend, combo);
}

}  // namespace win32
