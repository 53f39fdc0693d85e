// A check box is a native BUTTON that does not tick itself: a click runs the model's click,
// which toggles the value, and the value comes back as the tick.
#include "platform/win32/adapters.h"

namespace win32 {

namespace {

class CheckBoxAdapter final : public NativeAdapter {
 public:
  CheckBoxAdapter(Backend& backend, forms::CheckBox& check)
      : NativeAdapter(backend, check), check_(check) {}

  void sync(forms::Change what) override {
    switch (what) {
      case forms::Change::Text:
        syncWindowText();
        break;
      case forms::Change::Value:
        SendMessageW(hwnd(), BM_SETCHECK, check_.value() != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      default:
        NativeAdapter::sync(what);
        break;
    }
  }

  void command(int code) override {
    if (code == BN_CLICKED) check_.click();
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"BUTTON"; }
  [[nodiscard]] DWORD style() const override { return WS_TABSTOP | BS_CHECKBOX; }

 private:
  forms::CheckBox& check_;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeCheckBoxAdapter(Backend& backend, forms::CheckBox& check) {
  return std::make_unique<CheckBoxAdapter>(backend, check);
}

}  // namespace win32
