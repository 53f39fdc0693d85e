// A push button is a native BUTTON; its keys go to the model, which clicks on Enter and Space.
#include "platform/win32/adapters.h"
#include "platform/win32/input_state.h"

namespace win32 {

namespace {

class ButtonAdapter final : public NativeAdapter {
 public:
  ButtonAdapter(Backend& backend, forms::Button& button)
      : NativeAdapter(backend, button), button_(button) {}

  void sync(forms::Change what) override {
    if (what == forms::Change::Text) {
      syncWindowText();
    } else {
      NativeAdapter::sync(what);
    }
  }

  void command(int code) override {
    if (code == BN_CLICKED) button_.click();
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"BUTTON"; }
  [[nodiscard]] DWORD style() const override { return WS_TABSTOP | BS_PUSHBUTTON; }

  LRESULT message(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_KEYDOWN) {
      button_.pressKey(static_cast<int>(wp), keyShiftState());
      if (wp == VK_RETURN) return 0;
    }
    return passOn(msg, wp, lp);
  }

 private:
  forms::Button& button_;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeButtonAdapter(Backend& backend, forms::Button& button) {
  return std::make_unique<ButtonAdapter>(backend, button);
}

}  // namespace win32
