// A push button is a native BUTTON. Its keys are the model's, which clicks on Enter and Space:
// the native button never sees Space, or it would click a second time when the key comes up.
#include "platform/win32/adapters.h"
#include "platform/win32/input_state.h"

namespace win32 {

namespace {

// The key-message bit of a key that was already down.
constexpr LPARAM kRepeat = LPARAM{1} << 30;

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
    switch (msg) {
      case WM_KEYDOWN:
        // Space held down repeats its key: one press is one click.
        if (wp == VK_SPACE && (lp & kRepeat) != 0) return 0;
        return button_.pressKey(static_cast<int>(wp), keyShiftState()) ? 0 : passOn(msg, wp, lp);
      case WM_KEYUP:
        return wp == VK_SPACE ? 0 : passOn(msg, wp, lp);
      default:
        return passOn(msg, wp, lp);
    }
  }

 private:
  forms::Button& button_;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeButtonAdapter(Backend& backend, forms::Button& button) {
  return std::make_unique<ButtonAdapter>(backend, button);
}

}  // namespace win32
