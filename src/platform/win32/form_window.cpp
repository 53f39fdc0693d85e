#include "platform/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/backend.h"
#include "platform/win32/gdi.h"
#include "platform/win32/input_state.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/windowless_painter.h"

namespace win32 {

FormWindow::FormWindow(Backend& backend, forms::Form& form) : backend_(backend), form_(form) {
  const forms::Rect r = form.rect();
  // Only a form opened to be typed in may be made active by the system; the others take the
  // keyboard when asked to (a click on the clock panel) and never on their own.
  const DWORD exStyle =
      WS_EX_TOOLWINDOW |
      (form.activation() == forms::Form::Activation::OnShow ? 0 : WS_EX_NOACTIVATE);
  top_ = CreateWindowExW(exStyle, kFormClass, widen(form.caption()).c_str(),
                         WS_POPUP | WS_CLIPCHILDREN, backend_.toPx(r.left), backend_.toPx(r.top),
                         backend_.toPx(r.width), backend_.toPx(r.height), nullptr, nullptr,
                         backend_.instance(), nullptr);
  addNode(form, top_);
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, top_, nullptr, backend_.instance(), nullptr);
  createChildren(form, top_);
}

FormWindow::~FormWindow() {
  // The model may already be gone: detach every window from it before destroying them.
  for (auto& n : nodes_) SetWindowLongPtrW(n->hwnd, GWLP_USERDATA, 0);
  byHwnd_.clear();
  adapters_.clear();
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  if (top_ != nullptr) DestroyWindow(top_);
}

void FormWindow::addNode(forms::Container& container, HWND hwnd) {
  auto node = std::make_unique<Node>(Node{this, &container, hwnd});
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(node.get()));
  nodes_.push_back(std::move(node));
}

HWND FormWindow::hwndOf(const forms::Control& c) const {
  if (&c == &form_) return top_;
  auto it = adapters_.find(&c);
  return it == adapters_.end() ? nullptr : it->second->hwnd();
}

NativeAdapter* FormWindow::adapterAt(LPARAM lp) const {
  auto it = byHwnd_.find(reinterpret_cast<HWND>(lp));
  return it == byHwnd_.end() ? nullptr : it->second;
}

HWND FormWindow::firstTabStop(const forms::Container& c) const {
  for (const forms::Control* child : c.children()) {
    if (child->windowless() || !child->visible() || !child->enabled()) continue;
    if (child->isContainer()) {
      if (HWND h = firstTabStop(static_cast<const forms::Container&>(*child))) return h;
    } else if (HWND h = hwndOf(*child);
               h != nullptr && (GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) != 0) {
      return h;
    }
  }
  return nullptr;
}

forms::Point FormWindow::twipsAt(LPARAM lp) const {
  return {backend_.toTwips(GET_X_LPARAM(lp)), backend_.toTwips(GET_Y_LPARAM(lp))};
}

void FormWindow::createChildren(forms::Container& container, HWND parent) {
  for (forms::Control* c : container.children()) {
    std::unique_ptr<NativeAdapter> adapter = c->windowless() ? nullptr : makeAdapter(backend_, *c);
    HWND h = adapter ? adapter->create(parent, nextId_++) : nullptr;
    if (h != nullptr) {
      byHwnd_[h] = adapter.get();
      adapters_[c] = std::move(adapter);
      // Later children stand above earlier ones, as in the model.
      SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      if (c->isContainer()) {
        addNode(static_cast<forms::Container&>(*c), h);
        createChildren(static_cast<forms::Container&>(*c), h);
      }
    }
    syncTooltip(*c);
  }
}

void FormWindow::syncTooltip(forms::Control& c) {
  if (tooltip_ == nullptr) return;
  const bool had = tools_.count(&c) != 0;
  if (c.toolTip().empty() && !had) return;
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  std::wstring text = widen(c.toolTip());
  ti.lpszText = text.data();
  HWND own = hwndOf(c);
  if (c.windowless() || own == nullptr) {
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = hwndOf(*c.parent());
    ti.uId = reinterpret_cast<UINT_PTR>(&c);
    ti.rect = backend_.pxRect(c.rect());
  } else {
    ti.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    ti.hwnd = GetParent(own);
    ti.uId = reinterpret_cast<UINT_PTR>(own);
  }
  if (ti.hwnd == nullptr) return;
  if (had) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  tools_.erase(&c);
  if (c.toolTip().empty()) return;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  tools_[&c] = true;
}

void FormWindow::formChanged(forms::Change what) {
  using forms::Change;
  switch (what) {
    case Change::Geometry: {
      const forms::Rect r = form_.rect();
      SetWindowPos(top_, nullptr, backend_.toPx(r.left), backend_.toPx(r.top),
                   backend_.toPx(r.width), backend_.toPx(r.height), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Visibility:
      ShowWindow(top_, !form_.visible()                                        ? SW_HIDE
                       : form_.activation() == forms::Form::Activation::OnShow ? SW_SHOW
                                                                               : SW_SHOWNOACTIVATE);
      if (form_.visible()) UpdateWindow(top_);
      break;
    case Change::Text:
      SetWindowTextW(top_, widen(form_.caption()).c_str());
      break;
    default:
      InvalidateRect(top_, nullptr, FALSE);
      break;
  }
}

void FormWindow::changed(forms::Control& c, forms::Change what) {
  using forms::Change;
  if (&c == &form_) {
    formChanged(what);
    return;
  }
  if (c.windowless()) {
    invalidateWindowless(c, what);
    if (what == Change::Geometry || what == Change::Appearance) syncTooltip(c);
    return;
  }
  auto it = adapters_.find(&c);
  if (it == adapters_.end()) return;
  NativeAdapter& adapter = *it->second;
  HWND h = adapter.hwnd();
  switch (what) {
    case Change::Visibility:
      ShowWindow(h, c.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Enabled:
      EnableWindow(h, c.enabled() ? TRUE : FALSE);
      break;
    case Change::Focus:
      SetFocus(h);
      break;
    case Change::ZOrder:
      restack(c, h);
      break;
    case Change::Appearance:
      syncTooltip(c);
      adapter.sync(what);
      break;
    default:
      adapter.sync(what);
      break;
  }
}

void FormWindow::restack(forms::Control& c, HWND h) {
  HWND after = HWND_BOTTOM;
  for (const forms::Control* sib : c.parent()->children()) {
    if (sib == &c) break;
    if (HWND sh = hwndOf(*sib)) after = sh;
  }
  // A window placed "after" a sibling goes below it; walk from the bottom up.
  SetWindowPos(h, after == HWND_BOTTOM ? HWND_BOTTOM : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::invalidateWindowless(forms::Control& c, forms::Change what) {
  HWND container = c.parent() != nullptr ? hwndOf(*c.parent()) : nullptr;
  if (container == nullptr) return;
  // A change to something that cannot be seen needs no paint.
  if (what != forms::Change::Visibility && what != forms::Change::ZOrder && !c.shown()) return;
  RECT now = backend_.pxRect(c.rect());
  now.right += 1;
  now.bottom += 1;
  auto it = painted_.find(&c);
  if (it != painted_.end()) {
    InvalidateRect(container, &it->second, FALSE);
    it->second = now;
  } else {
    painted_.emplace(&c, now);
  }
  InvalidateRect(container, &now, FALSE);
}

void FormWindow::paint(Node& node) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(node.hwnd, &ps);
  RECT client;
  GetClientRect(node.hwnd, &client);
  const int w = std::max<int>(1, client.right);
  const int h = std::max<int>(1, client.bottom);
  // Painted whole off screen, then copied: no flicker.
  MemoryDc mem(CreateCompatibleDC(dc));
  Bitmap bmp(CreateCompatibleBitmap(dc, w, h));
  {
    Select keepBitmap(mem.get(), bmp.get());
    paintContainer(mem.get(), client, *node.container, backend_);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, mem.get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  }
  EndPaint(node.hwnd, &ps);
}

LRESULT FormWindow::containerMessage(Node& node, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      paint(node);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole, off screen, in WM_PAINT: no flicker
    case WM_MOUSEACTIVATE:
      // A click on the bar or the splash leaves the user's window active.
      if (form_.activation() == forms::Form::Activation::Never) return MA_NOACTIVATE;
      break;
    case WM_SETFOCUS:
      if (node.hwnd == top_) {
        // The keyboard goes to the focused control, or else to the first that takes it.
        HWND target = form_.focusedControl() != nullptr ? hwndOf(*form_.focusedControl()) : nullptr;
        if (target == nullptr) target = firstTabStop(form_);
        if (target != nullptr) SetFocus(target);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      if (form_.activation() == forms::Form::Activation::OnClick && GetForegroundWindow() != top_) {
        SetForegroundWindow(top_);
      }
      const int button = msg == WM_LBUTTONDOWN   ? forms::kLeftButton
                         : msg == WM_RBUTTONDOWN ? forms::kRightButton
                                                 : forms::kMiddleButton;
      SetCapture(node.hwnd);
      form_.pointerDown(*node.container, button, shiftState(wp), twipsAt(lp));
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      SetCapture(node.hwnd);
      form_.pointerDoubleClick(*node.container, shiftState(wp), twipsAt(lp));
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const int button = msg == WM_LBUTTONUP   ? forms::kLeftButton
                         : msg == WM_RBUTTONUP ? forms::kRightButton
                                               : forms::kMiddleButton;
      if ((wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
      form_.pointerUp(*node.container, button, shiftState(wp), twipsAt(lp));
      return 0;
    }
    case WM_MOUSEMOVE:
      form_.pointerMove(*node.container, buttonsDown(wp), shiftState(wp), twipsAt(lp));
      return 0;
    case WM_COMMAND:
      if (NativeAdapter* a = adapterAt(lp)) a->command(HIWORD(wp));
      return 0;
    case WM_HSCROLL:
      if (NativeAdapter* a = adapterAt(lp)) a->scroll(LOWORD(wp));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
      if (NativeAdapter* a = adapterAt(lp)) {
        return reinterpret_cast<LRESULT>(a->colours(reinterpret_cast<HDC>(wp)));
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(node.hwnd, msg, wp, lp);
}

LRESULT CALLBACK FormWindow::containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* node = reinterpret_cast<Node*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (node == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  // The whole message is one event: a form unloaded by it is freed only after we are done.
  node->owner->backend_.runtime().dispatch(
      [&] { result = node->owner->containerMessage(*node, msg, wp, lp); });
  return result;
}

}  // namespace win32
