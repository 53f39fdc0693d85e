// A combo box is a native drop-down list: no typing, a choice runs the model's Click.
#include "platform/win32/adapters.h"
#include "platform/win32/item_list.h"

namespace win32 {

namespace {

// The height of the opened list below the box.
constexpr int kDropPx = 200;

class ComboAdapter final : public NativeAdapter {
 public:
  ComboAdapter(Backend& backend, forms::ComboBox& combo)
      : NativeAdapter(backend, combo), combo_(combo) {}

  void sync(forms::Change what) override {
    switch (what) {
      case forms::Change::List:
        syncItems(hwnd(), combo_, kComboItems);
        break;
      case forms::Change::Value:
        SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
        break;
      case forms::Change::Text:
        break;
      default:
        NativeAdapter::sync(what);
        break;
    }
  }

  void command(int code) override {
    if (code == CBN_SELCHANGE) {
      combo_.choose(static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)));
    }
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"COMBOBOX"; }
  [[nodiscard]] DWORD style() const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
  [[nodiscard]] int nativeHeight(int px) const override { return px + kDropPx; }

 private:
  forms::ComboBox& combo_;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeComboAdapter(Backend& backend, forms::ComboBox& combo) {
  return std::make_unique<ComboAdapter>(backend, combo);
}

}  // namespace win32
