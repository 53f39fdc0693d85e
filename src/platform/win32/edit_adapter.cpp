// A text box is a native EDIT whose editing is the model's: every character, the editing keys
// and the clipboard commands of the keyboard and of the system's context menu go to the model's
// entry points, and the model's text and selection come back. The native box holds the model's
// maximum length too.
#include <windows.h>
// (uses what windows.h declares)
#include <commctrl.h>
#include <windowsx.h>

#include "forms/text.h"
#include "platform/win32/adapters.h"
#include "platform/win32/backend.h"
#include "platform/win32/input_state.h"
#include "platform/win32/native_text.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

// EM_LIMITTEXT's "no limit".
constexpr WPARAM kNoLimit = 0x7FFFFFFE;
// A balloon goes away by itself after a while, as the system's own edit balloons do.
constexpr UINT_PTR kBalloonTimer = 0x7B;
constexpr UINT kBalloonMs = 10000;

class EditAdapter final : public NativeAdapter {
 public:
  EditAdapter(Backend& backend, forms::TextBox& box) : NativeAdapter(backend, box), box_(box) {}
  ~EditAdapter() override {
    if (balloon_ != nullptr && IsWindow(balloon_) != FALSE) DestroyWindow(balloon_);
  }
  EditAdapter(const EditAdapter&) = delete;
  EditAdapter& operator=(const EditAdapter&) = delete;

  void sync(forms::Change what) override {
    switch (what) {
      case forms::Change::Appearance:
        SendMessageW(hwnd(), EM_LIMITTEXT,
                     box_.maxLength() > 0 ? static_cast<WPARAM>(box_.maxLength()) : kNoLimit, 0);
        NativeAdapter::sync(what);
        break;
      case forms::Change::Text:
        syncWindowText();
        syncSelection();
        break;
      case forms::Change::Value:
        syncSelection();
        break;
      case forms::Change::Balloon:
        syncBalloon();
        break;
      default:
        NativeAdapter::sync(what);
        break;
    }
  }

  void command(int code) override {
    if (code != EN_CHANGE) return;
    // Edits the model did not make itself (an input method's) reach the model here.
    const std::string text = narrow(windowText(hwnd()));
    if (text != box_.caption()) box_.takeNativeText(text);
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
    switch (msg) {
      case WM_CHAR:
        typed(static_cast<char32_t>(wp));
        return 0;
      case WM_KEYDOWN:
        return keyDown(msg, wp, lp);
      // What the context menu sends, and what programs send an edit box.
      case WM_PASTE:
        readSelection();
        box_.paste();
        return 0;
      case WM_CUT:
        readSelection();
        box_.cut();
        return 0;
      case WM_COPY:
        readSelection();
        box_.copy();
        return 0;
      case WM_CLEAR:
        readSelection();
        box_.clear();
        return 0;
      case WM_UNDO:
      case EM_UNDO:
        box_.undo();
        return TRUE;
      // The box's own mouse: the native box places the caret first, then the model hears the
      // press, the release and, released over it, the click (a glyph box opens its colours on
      // a click and selects its glyph on a right press).
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        return pressed(msg, wp, lp);
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        return released(msg, wp, lp);
      case WM_KILLFOCUS:
        box_.hideBalloon();
        return passOn(msg, wp, lp);
      case WM_TIMER:
        if (wp != kBalloonTimer) return passOn(msg, wp, lp);
        box_.hideBalloon();
        return 0;
      case WM_LBUTTONDBLCLK: {
        const LRESULT r = passOn(msg, wp, lp);
        box_.dblClick();
        return r;
      }
      default:
        return passOn(msg, wp, lp);
    }
  }

 private:
  static int buttonOf(UINT msg) {
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONUP:
        return forms::kLeftButton;
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
        return forms::kRightButton;
      default:
        return forms::kMiddleButton;
    }
  }

  LRESULT pressed(UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = passOn(msg, wp, lp);
    readSelection();
    pressedButton_ = buttonOf(msg);
    box_.mouseDown(pressedButton_, keyShiftState(), backend_.toTwips(GET_X_LPARAM(lp)),
                   backend_.toTwips(GET_Y_LPARAM(lp)));
    return r;
  }

  LRESULT released(UINT msg, WPARAM wp, LPARAM lp) {
    const int button = buttonOf(msg);
    const bool clicks = pressedButton_ == button && button != forms::kMiddleButton;
    if (pressedButton_ == button) pressedButton_ = 0;
    const LRESULT r = passOn(msg, wp, lp);
    readSelection();
    const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    box_.mouseUp(button, keyShiftState(), backend_.toTwips(at.x), backend_.toTwips(at.y));
    RECT client;
    GetClientRect(hwnd(), &client);
    if (clicks && PtInRect(&client, at) != FALSE) box_.click();
    return r;
  }

  // A character outside the first plane comes as two UTF-16 units: the model takes it whole.
  void typed(char32_t unit) {
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      high_ = unit;
      return;
    }
    char32_t c = unit;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
      if (high_ == 0) return;
      c = 0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00);
    }
    high_ = 0;
    readSelection();
    box_.typeChar(static_cast<int>(c));
  }

  LRESULT keyDown(UINT msg, WPARAM wp, LPARAM lp) {
    readSelection();
    const int key = static_cast<int>(wp);
    const int shift = keyShiftState();
    if (box_.pressKey(key, shift)) return 0;
    // The clipboard chords the native box would carry out by itself, past the model.
    if (key == VK_INSERT && shift == forms::kShift) {
      box_.paste();
    } else if (key == VK_INSERT && shift == forms::kCtrl) {
      box_.copy();
    } else if (key == VK_DELETE && shift == forms::kShift) {
      box_.cut();
    } else {
      return passOn(msg, wp, lp);
    }
    return 0;
  }

  // The caret the user moved natively (a click, Shift+arrows) becomes the model's selection.
  void readSelection() {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const std::u32string text = forms::decodeUtf8(box_.text());
    const int s = codePointOffset(text, static_cast<int>(start));
    box_.syncSelection(s, codePointOffset(text, static_cast<int>(end)) - s);
  }

  void syncSelection() {
    const std::u32string text = forms::decodeUtf8(box_.text());
    const int start = utf16Offset(text, box_.selStart());
    const int end = utf16Offset(text, box_.selStart() + box_.selLength());
    SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(start), end);
  }

  // The balloon is a tracking tooltip whose stem points at the box's lower edge: the same
  // window the system's edit boxes show their own balloons in.
  void syncBalloon() {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uFlags = TTF_TRACK | TTF_IDISHWND;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    const auto& balloon = box_.balloon();
    if (!balloon) {
      KillTimer(hwnd(), kBalloonTimer);
      if (balloon_ != nullptr) SendMessageW(balloon_, TTM_TRACKACTIVATE, FALSE, toLp(tool));
      return;
    }
    if (balloon_ == nullptr) {
      balloon_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                                 nullptr, backend_.instance(), nullptr);
      if (balloon_ == nullptr) return;
      SendMessageW(balloon_, TTM_ADDTOOLW, 0, toLp(tool));
      SendMessageW(balloon_, TTM_SETMAXTIPWIDTH, 0, backend_.toPx(4500));
    }
    std::wstring text = widen(balloon->text);
    tool.lpszText = text.data();
    SendMessageW(balloon_, TTM_UPDATETIPTEXTW, 0, toLp(tool));
    SendMessageW(balloon_, TTM_SETTITLEW, TTI_ERROR,
                 reinterpret_cast<LPARAM>(widen(balloon->title).c_str()));
    RECT r;
    GetWindowRect(hwnd(), &r);
    SendMessageW(balloon_, TTM_TRACKPOSITION, 0,
                 MAKELPARAM(r.left + (r.bottom - r.top) / 2, r.bottom));
    SendMessageW(balloon_, TTM_TRACKACTIVATE, TRUE, toLp(tool));
    SetTimer(hwnd(), kBalloonTimer, kBalloonMs, nullptr);
  }

  static LPARAM toLp(TTTOOLINFOW& tool) { return reinterpret_cast<LPARAM>(&tool); }

  forms::TextBox& box_;
  HWND balloon_ = nullptr;
  char32_t high_ = 0;  // the first half of a surrogate pair, until the second comes
  int pressedButton_ = 0;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeEditAdapter(Backend& backend, forms::TextBox& box) {
  return std::make_unique<EditAdapter>(backend, box);
}

}  // namespace win32
