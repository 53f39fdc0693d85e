#include "platform/win32/form_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/gdi.h"
#include "platform/win32/input_state.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/windowless_painter.h"

namespace win32 {

namespace {

// Posted to the form's window: settle what the last events changed.
constexpr UINT kSettleMessage = WM_APP + 1;

// True when `inner` is `outer` or lies inside it.
bool within(HWND outer, HWND inner) { return inner == outer || IsChild(outer, inner) != FALSE; }

// When the active window goes, Windows hands the activation to the next window that may be
// active, never to a WS_EX_NOACTIVATE one; Wine 8 takes the next visible one, which after a save
// is the rebuilt bar. The bar would then have the user's keyboard, and Wine, which from then on
// hands it to the window manager, would wait on every later show and hide of it for the window
// manager's answer (2 s where none runs). So while an active form's window goes, this program's
// windows that are never to be active are disabled, and both systems pass over them.
class PassOverInactive {
 public:
  explicit PassOverInactive(HWND leaving) {
    if (leaving == nullptr || GetActiveWindow() != leaving) return;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) {
          if (IsWindowVisible(h) && IsWindowEnabled(h) &&
              (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_NOACTIVATE) != 0) {
            reinterpret_cast<std::vector<HWND>*>(out)->push_back(h);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled_));
    for (HWND h : disabled_) EnableWindow(h, FALSE);
  }
  ~PassOverInactive() {
    for (HWND h : disabled_) EnableWindow(h, TRUE);
  }
  PassOverInactive(const PassOverInactive&) = delete;
  PassOverInactive& operator=(const PassOverInactive&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace

FormWindow::FormWindow(Backend& backend, forms::Form& form) : backend_(backend), form_(form) {
  const forms::Rect r = form.rect();
  // Only a form opened to be typed in may be made active by the system; the others take the
  // keyboard when asked to (a click on the clock panel) and never on their own.
  // A form that takes dropped items accepts files dragged from the shell.
  const DWORD exStyle =
      WS_EX_TOOLWINDOW | (form.onDrop ? WS_EX_ACCEPTFILES : 0) |
      (form.activation() == forms::Form::Activation::OnShow ? 0 : WS_EX_NOACTIVATE);
  origin_ = backend_.origin();
  top_ = CreateWindowExW(exStyle, kFormClass, L"", WS_POPUP | WS_CLIPCHILDREN,
                         origin_.x + backend_.toPx(r.left), origin_.y + backend_.toPx(r.top),
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
  backend_.forget(*this);
  // The model may already be gone: detach every window from it before destroying them.
  for (auto& [h, n] : nodes_) SetWindowLongPtrW(h, GWLP_USERDATA, 0);
  byHwnd_.clear();
  adapters_.clear();
  if (accessible_ != nullptr) {
    accessible_->disconnect();  // a screen reader may hold it longer
    accessible_->Release();
  }
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  if (top_ != nullptr) {
    const PassOverInactive passOver(top_);
    DestroyWindow(top_);
  }
}

void FormWindow::addNode(forms::Container& container, HWND hwnd) {
  auto node = std::make_unique<Node>(Node{this, &container, hwnd});
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(node.get()));
  nodes_[hwnd] = std::move(node);
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

forms::Point FormWindow::twipsAt(LPARAM lp) const {
  return {backend_.toTwips(GET_X_LPARAM(lp)), backend_.toTwips(GET_Y_LPARAM(lp))};
}

RECT FormWindow::paintedRect(const forms::Control& c) const {
  RECT r = backend_.pxRect(c.rect());
  r.right += 1;
  r.bottom += 1;
  return r;
}

void FormWindow::createChildren(forms::Container& container, HWND parent) {
  for (forms::Control* c : container.children()) createControl(*c, parent);
}

void FormWindow::createControl(forms::Control& c, HWND parent) {
  if (c.windowless()) {
    painted_[&c] = {parent, paintedRect(c)};
  } else if (std::unique_ptr<NativeAdapter> adapter = makeAdapter(backend_, c)) {
    HWND h = adapter->create(parent, nextId_++);
    if (h == nullptr) return;
    byHwnd_[h] = adapter.get();
    adapters_[&c] = std::move(adapter);
    // Later children stand above earlier ones, as in the model.
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (c.isContainer()) {
      addNode(static_cast<forms::Container&>(c), h);
      createChildren(static_cast<forms::Container&>(c), h);
    }
  }
  syncTooltip(c);
}

void FormWindow::requestSettle() {
  if (!settlePosted_) settlePosted_ = PostMessageW(top_, kSettleMessage, 0, 0) != FALSE;
}

void FormWindow::settle() {
  settlePosted_ = false;
  for (auto& entry : adapters_) entry.second->settle();
}

void FormWindow::syncTooltip(forms::Control& c) {
  if (tooltip_ == nullptr) return;
  forgetTool(&c);
  if (c.toolTip().empty()) return;
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  std::wstring text = widen(c.toolTip());
  ti.lpszText = text.data();
  HWND own = hwndOf(c);
  if (c.windowless() || own == nullptr) {
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = c.parent() != nullptr ? hwndOf(*c.parent()) : nullptr;
    ti.uId = reinterpret_cast<UINT_PTR>(&c);
    ti.rect = backend_.pxRect(c.rect());
  } else {
    ti.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    ti.hwnd = GetParent(own);
    ti.uId = reinterpret_cast<UINT_PTR>(own);
  }
  if (ti.hwnd == nullptr) return;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  tools_[&c] = {ti.hwnd, ti.uId};
}

void FormWindow::forgetTool(const forms::Control* c) {
  auto it = tools_.find(c);
  if (it == tools_.end()) return;
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.hwnd = it->second.hwnd;
  ti.uId = it->second.id;
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  tools_.erase(it);
}

void FormWindow::formChanged(forms::Change what) {
  using forms::Change;
  switch (what) {
    case Change::Monitor:
      origin_ = backend_.origin();
      [[fallthrough]];
    case Change::Geometry:
      if (backend_.runtime().depth() > 0) {
        placePending_ = true;
        backend_.afterEvent(*this);
      } else {
        place();
      }
      break;
    case Change::Visibility: {
      if (placePending_) place();
      const PassOverInactive passOver(form_.visible() ? nullptr : top_);
      ShowWindow(top_, !form_.visible()                                        ? SW_HIDE
                       : form_.activation() == forms::Form::Activation::OnShow ? SW_SHOW
                                                                               : SW_SHOWNOACTIVATE);
      if (form_.visible()) UpdateWindow(top_);
      break;
    }
    case Change::Focus: {  // the light moved over the form's painted buttons
      if (!form_.accessibleButtons) break;
      const auto all = form_.accessibleButtons();
      for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].focused) {
          NotifyWinEvent(EVENT_OBJECT_FOCUS, top_, OBJID_CLIENT, static_cast<LONG>(i) + 1);
        }
      }
      break;
    }
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
      // Only a form that has the keyboard moves it: the bar never takes it from the user.
      if (hasKeyboard()) SetFocus(h);
      break;
    case Change::Appearance:
      syncTooltip(c);
      adapter.sync(what);
      break;
    default:
      adapter.sync(what);
      if (adapter.stale()) requestSettle();
      break;
  }
}

void FormWindow::eventDone() {
  if (placePending_) place();
}

void FormWindow::place() {
  placePending_ = false;
  const forms::Rect r = form_.rect();
  SetWindowPos(top_, nullptr, origin_.x + backend_.toPx(r.left), origin_.y + backend_.toPx(r.top),
               backend_.toPx(r.width), backend_.toPx(r.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::dropped(WPARAM wp) {
  const auto drop = reinterpret_cast<HDROP>(wp);
  POINT at{};
  DragQueryPoint(drop, &at);  // in the client area of the window that took the drop, top_'s
  std::vector<forms::DroppedItem> items;
  const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < n; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    // The name the shell shows for it; the last part of the path where the shell has none.
    SHFILEINFOW info{};
    const bool named = SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME) != 0;
    const std::wstring name =
        named ? std::wstring(info.szDisplayName) : path.substr(path.find_last_of(L"\\/") + 1);
    items.push_back({narrow(path), narrow(name)});
  }
  DragFinish(drop);
  form_.drop({backend_.toTwips(at.x), backend_.toTwips(at.y)}, items);
}

bool FormWindow::hasKeyboard() const {
  HWND focus = GetFocus();
  return GetActiveWindow() == top_ || (focus != nullptr && within(top_, focus));
}

void FormWindow::focusInside() {
  HWND target = form_.focusedControl() != nullptr ? hwndOf(*form_.focusedControl()) : nullptr;
  if (target == nullptr) {
    for (const forms::Control* c : form_.tabOrder()) {
      if ((target = hwndOf(*c)) != nullptr) break;
    }
  }
  if (target != nullptr) SetFocus(target);
}

void FormWindow::invalidateWindowless(forms::Control& c, forms::Change what) {
  HWND container = c.parent() != nullptr ? hwndOf(*c.parent()) : nullptr;
  if (container == nullptr) return;
  // A change to something that cannot be seen needs no paint.
  if (what != forms::Change::Visibility && !c.shown()) return;
  const RECT now = paintedRect(c);
  auto it = painted_.find(&c);
  if (it != painted_.end()) {
    InvalidateRect(it->second.container, &it->second.rect, FALSE);
    it->second = {container, now};
  } else {
    painted_.emplace(&c, Drawn{container, now});
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
    case kSettleMessage:
      if (node.hwnd == top_) settle();
      return 0;
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
        focusInside();
        return 0;
      }
      break;
    case WM_GETOBJECT:
      if (node.hwnd == top_ && static_cast<LONG>(lp) == OBJID_CLIENT && form_.accessibleButtons) {
        if (accessible_ == nullptr) accessible_ = new ButtonsAccessible(top_, form_, backend_);
        return LresultFromObject(__uuidof(IAccessible), wp, accessible_);
      }
      break;
    case WM_DROPFILES:
      if (node.hwnd == top_) dropped(wp);
      return 0;
    case WM_HOTKEY:  // a key the form took while the keyboard is elsewhere (the open bar's)
      if (node.hwnd == top_) form_.pressKey(HIWORD(lp));
      return 0;
    case WM_LBUTTONDOWN:
      firstPress_ = {
          node.hwnd, static_cast<DWORD>(GetMessageTime()), {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}};
      ClientToScreen(node.hwnd, &firstPress_.at);
      [[fallthrough]];
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    // A quick second right or middle press is a press like any other.
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      if (form_.activation() == forms::Form::Activation::OnClick && GetForegroundWindow() != top_) {
        SetForegroundWindow(top_);
      }
      const int button = msg == WM_LBUTTONDOWN                              ? forms::kLeftButton
                         : msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ? forms::kRightButton
                                                                            : forms::kMiddleButton;
      SetCapture(node.hwnd);
      form_.pointerDown(*node.container, button, shiftState(wp), twipsAt(lp));
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      firstPress_ = {};
      SetCapture(node.hwnd);
      form_.pointerDoubleClick(*node.container, shiftState(wp), twipsAt(lp));
      return 0;
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
    case WM_CAPTURECHANGED:
      // Another window took the mouse between a press and its release. Our own release hands
      // it to no window, and a second press takes it again for this one.
      if (lp != 0 && reinterpret_cast<HWND>(lp) != node.hwnd) form_.captureLost();
      return 0;
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

UINT FormWindow::leftPress(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  auto* node = reinterpret_cast<Node*>(GetWindowLongPtrW(GetParent(control), GWLP_USERDATA));
  if (node == nullptr) return msg;
  FormWindow& self = *node->owner;
  const Press first = std::exchange(self.firstPress_, Press{});
  if (std::exchange(self.takenFrom_, nullptr) == control && msg == WM_LBUTTONDBLCLK) {
    return WM_LBUTTONDOWN;
  }
  auto it = self.nodes_.find(first.hwnd);
  if (it == self.nodes_.end()) return msg;
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  ClientToScreen(control, &at);
  if (static_cast<DWORD>(GetMessageTime()) - first.time > GetDoubleClickTime() ||
      std::abs(at.x - first.at.x) > GetSystemMetrics(SM_CXDOUBLECLK) / 2 ||
      std::abs(at.y - first.at.y) > GetSystemMetrics(SM_CYDOUBLECLK) / 2) {
    return msg;
  }
  ScreenToClient(first.hwnd, &at);
  self.containerMessage(*it->second, WM_LBUTTONDBLCLK, wp, MAKELPARAM(at.x, at.y));
  self.takenFrom_ = control;
  return 0;
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
