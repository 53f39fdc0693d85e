#include "platform/win32/native_adapter.h"

#include <commctrl.h>

#include "forms/form.h"
#include "platform/win32/adapters.h"
#include "platform/win32/backend.h"
#include "platform/win32/form_window.h"
#include "platform/win32/input_state.h"
#include "platform/win32/native_text.h"
#include "platform/win32/text_convert.h"

namespace win32 {

NativeAdapter::NativeAdapter(Backend& backend, forms::Control& control)
    : backend_(backend), control_(control) {}

NativeAdapter::~NativeAdapter() {
  if (attached_) RemoveWindowSubclass(hwnd_, subclassProc, 1);
}

HWND NativeAdapter::create(HWND parent, int id) {
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS | style();
  if (control_.visible()) s |= WS_VISIBLE;
  if (!control_.enabled()) s |= WS_DISABLED;
  const RECT r = backend_.pxRect(control_.rect());
  hwnd_ = CreateWindowExW(
      0, windowClass(), L"", s, r.left, r.top, r.right - r.left, nativeHeight(r.bottom - r.top),
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), backend_.instance(), nullptr);
  if (hwnd_ == nullptr) return nullptr;
  if (takesKeys()) {
    attached_ =
        SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  }
  for (forms::Change what : {forms::Change::Appearance, forms::Change::List, forms::Change::Text,
                             forms::Change::Value}) {
    sync(what);
  }
  // A new window shows the model at once.
  settle();
  return hwnd_;
}

void NativeAdapter::sync(forms::Change what) {
  switch (what) {
    case forms::Change::Geometry: {
      const RECT r = backend_.pxRect(control_.rect());
      SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, nativeHeight(r.bottom - r.top),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case forms::Change::Appearance:
      setFont();
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    default:
      break;
  }
}

void NativeAdapter::setFont() {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(control_.font())), FALSE);
}

void NativeAdapter::syncWindowText() {
  const std::wstring text = widen(control_.caption());
  // Setting the same text again would move the caret and report a change: skip it.
  if (windowText(hwnd_) != text) SetWindowTextW(hwnd_, text.c_str());
}

HBRUSH NativeAdapter::colours(HDC dc) {
  SetTextColor(dc, colorRef(control_.foreColour()));
  SetBkColor(dc, colorRef(control_.backColour()));
  if (!brush_ || brushColour_ != control_.backColour()) {
    brushColour_ = control_.backColour();
    brush_.reset(CreateSolidBrush(colorRef(brushColour_)));
  }
  return brush_.get();
}

LRESULT NativeAdapter::message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN) {
    if (control_.pressKey(static_cast<int>(wp), keyShiftState())) return 0;
  } else if (msg == WM_CHAR) {
    control_.typeChar(static_cast<int>(wp));
  }
  return passOn(msg, wp, lp);
}

LRESULT NativeAdapter::handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETFOCUS:
      // A click into a box, or the system's own focus moves: the model's focus follows.
      control_.form().syncFocus(&control_);
      break;
    case WM_KEYDOWN:
      // Tab and Shift+Tab move the model's focus, which moves the native one.
      if (wp == VK_TAB) {
        return control_.pressKey(forms::kKeyTab, keyShiftState()) ? 0 : passOn(msg, wp, lp);
      }
      break;
    case WM_CHAR:
      if (wp == L'\t') return 0;  // the character of the Tab key the model has had
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      msg = FormWindow::leftPress(hwnd_, msg, wp, lp);
      if (msg == 0) return 0;
      break;
    default:
      break;
  }
  return message(msg, wp, lp);
}

NativeAdapter::Bypass::Bypass(NativeAdapter& adapter) : adapter_(adapter) {
  if (adapter_.attached_) RemoveWindowSubclass(adapter_.hwnd_, subclassProc, 1);
}

NativeAdapter::Bypass::~Bypass() {
  if (adapter_.attached_) {
    SetWindowSubclass(adapter_.hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(&adapter_));
  }
}

LRESULT NativeAdapter::passOn(UINT msg, WPARAM wp, LPARAM lp) {
  return DefSubclassProc(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK NativeAdapter::subclassProc(HWND /*hwnd*/, UINT msg, WPARAM wp, LPARAM lp,
                                             UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<NativeAdapter*>(data);
  LRESULT result = 0;
  // The whole message is one event: a form unloaded by it is freed only after we are done.
  self->backend_.runtime().dispatch([&] { result = self->handle(msg, wp, lp); });
  return result;
}

std::unique_ptr<NativeAdapter> makeAdapter(Backend& backend, forms::Control& c) {
  switch (c.kind()) {
    case forms::Kind::TextBox:
      return makeEditAdapter(backend, static_cast<forms::TextBox&>(c));
    case forms::Kind::ComboBox:
      return makeComboAdapter(backend, static_cast<forms::ComboBox&>(c));
    case forms::Kind::ListBox:
      return makeListAdapter(backend, static_cast<forms::ListBox&>(c));
    case forms::Kind::CheckBox:
      return makeCheckBoxAdapter(backend, static_cast<forms::CheckBox&>(c));
    case forms::Kind::ScrollBar:
      return makeScrollBarAdapter(backend, static_cast<forms::ScrollBar&>(c));
    case forms::Kind::Button:
      return makeButtonAdapter(backend, static_cast<forms::Button&>(c));
    case forms::Kind::Frame:
      return makeFrameAdapter(backend, static_cast<forms::Frame&>(c));
    default:
      return nullptr;
  }
}

}  // namespace win32
