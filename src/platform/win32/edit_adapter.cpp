// A text box is a native EDIT whose typing runs through the model: characters and the editing
// keys go to the model's entry points, and the model's text and selection come back.
#include "forms/text.h"
#include "platform/win32/adapters.h"
#include "platform/win32/input_state.h"
#include "platform/win32/native_text.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

class EditAdapter final : public NativeAdapter {
 public:
  EditAdapter(Backend& backend, forms::TextBox& box) : NativeAdapter(backend, box), box_(box) {}

  void sync(forms::Change what) override {
    switch (what) {
      case forms::Change::Text:
        syncWindowText();
        break;
      case forms::Change::Value: {
        const std::u32string text = forms::decodeUtf8(box_.text());
        const int start = utf16Offset(text, box_.selStart());
        const int end = utf16Offset(text, box_.selStart() + box_.selLength());
        SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(start), end);
        break;
      }
      default:
        NativeAdapter::sync(what);
        break;
    }
  }

  void command(int code) override {
    if (code != EN_CHANGE) return;
    // Only edits the model did not make itself (a paste, an undo) reach the model here.
    const std::string text = narrow(windowText(hwnd()));
    if (text != box_.caption()) box_.setText(text);
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"EDIT"; }
  [[nodiscard]] DWORD style() const override {
    const DWORD align = box_.alignment() == forms::Align::Center  ? ES_CENTER
                        : box_.alignment() == forms::Align::Right ? ES_RIGHT
                                                                  : ES_LEFT;
    return WS_TABSTOP | ES_AUTOHSCROLL | align;
  }

  LRESULT message(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_CHAR) {
      syncSelection();
      box_.typeChar(static_cast<int>(wp));
      return 0;
    }
    if (msg == WM_KEYDOWN) {
      const int key = static_cast<int>(wp);
      const bool handled =
          key == VK_DELETE || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END;
      if (handled && keyShiftState() == 0) {
        syncSelection();
        box_.pressKey(key, 0);
        return 0;
      }
      box_.Control::pressKey(key, keyShiftState());
    }
    return passOn(msg, wp, lp);
  }

 private:
  // The caret the user moved natively becomes the model's selection.
  void syncSelection() {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const std::u32string text = forms::decodeUtf8(box_.text());
    const int s = codePointOffset(text, static_cast<int>(start));
    box_.syncSelection(s, codePointOffset(text, static_cast<int>(end)) - s);
  }

  forms::TextBox& box_;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeEditAdapter(Backend& backend, forms::TextBox& box) {
  return std::make_unique<EditAdapter>(backend, box);
}

}  // namespace win32
