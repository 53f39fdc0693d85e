#include "platform/win32/backend.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/text.h"
#include "forms/timer.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TervaloForm";
constexpr wchar_t kFrameClass[] = L"TervaloFrame";
constexpr wchar_t kTimerClass[] = L"TervaloTimers";
constexpr int kComboDropPx = 200;

void appendUtf16(std::wstring& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out.push_back(static_cast<wchar_t>(c));
  }
}

// The byte the system's ANSI code page gives a character, or 0 when it has none.
unsigned char ansiByte(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  std::wstring w;
  appendUtf16(w, c);
  char b = 0;
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(),
                                    static_cast<int>(w.size()), &b, 1, nullptr, &lossy);
  return n == 1 && lossy == FALSE ? static_cast<unsigned char>(b) : 0;
}

int shiftState(WPARAM wp) {
  int s = 0;
  if ((wp & MK_SHIFT) != 0) s |= forms::kShift;
  if ((wp & MK_CONTROL) != 0) s |= forms::kCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= forms::kAlt;
  return s;
}

int keyShiftState() {
  int s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= forms::kShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= forms::kCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= forms::kAlt;
  return s;
}

int buttonsDown(WPARAM wp) {
  int b = 0;
  if ((wp & MK_LBUTTON) != 0) b |= forms::kLeftButton;
  if ((wp & MK_RBUTTON) != 0) b |= forms::kRightButton;
  if ((wp & MK_MBUTTON) != 0) b |= forms::kMiddleButton;
  return b;
}

std::wstring windowText(HWND h) {
  const int n = GetWindowTextLengthW(h);
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  GetWindowTextW(h, s.data(), n + 1);
  s.resize(static_cast<std::size_t>(n));
  return s;
}

// Counts UTF-16 units of the first `chars` code points, for the native selection.
int utf16Offset(const std::u32string& text, int chars) {
  int units = 0;
  for (int i = 0; i < chars && i < static_cast<int>(text.size()); ++i) {
    units += text[static_cast<std::size_t>(i)] >= 0x10000 ? 2 : 1;
  }
  return units;
}

int codePointOffset(const std::u32string& text, int units) {
  int u = 0;
  int i = 0;
  while (i < static_cast<int>(text.size()) && u < units) {
    u += text[static_cast<std::size_t>(i)] >= 0x10000 ? 2 : 1;
    ++i;
  }
  return i;
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK nativeSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                DWORD_PTR data);

class FormWindow;

// What a container's native window knows of itself.
struct Node {
  FormWindow* owner;
  forms::Container* container;
  HWND hwnd;
};

class FormWindow final : public forms::FormPeer {
 public:
  FormWindow(Backend& backend, forms::Form& form);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  [[nodiscard]] std::uintptr_t handle() const override {
    return reinterpret_cast<std::uintptr_t>(top_);
  }
  void changed(forms::Control& control, forms::Change what) override;
  forms::Runtime& runtime() const { return backend_.runtime(); }

  LRESULT containerMessage(Node& node, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT nativeMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  void createChildren(forms::Container& container, HWND parent);
  HWND createNative(forms::Control& c, HWND parent);
  void syncNative(forms::Control& c, HWND h);
  void syncText(forms::Control& c, HWND h);
  void syncValue(forms::Control& c, HWND h);
  void syncList(forms::Control& c, HWND h);
  void syncTooltip(forms::Control& c);
  void placeNative(forms::Control& c, HWND h);
  void invalidateWindowless(forms::Control& c, forms::Change what);
  void paint(Node& node);
  void paintWindowless(HDC dc, forms::Control& c);
  void command(HWND child, int code);
  void scroll(HWND child, int code);
  [[nodiscard]] RECT pxRect(const forms::Rect& r) const;
  [[nodiscard]] HWND hwndOf(const forms::Control& c) const;
  [[nodiscard]] HWND firstTabStop(const forms::Container& c) const;
  HBRUSH brushFor(const forms::Control& c);
  forms::Point twipsAt(LPARAM lp) const;

  Backend& backend_;
  forms::Form& form_;
  HWND top_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::unique_ptr<Node>> nodes_;
  std::unordered_map<const forms::Control*, HWND> hwnds_;
  std::unordered_map<HWND, forms::Control*> natives_;
  std::unordered_map<const forms::Control*, RECT> painted_;
  std::unordered_map<const forms::Control*, std::pair<forms::Colour, Brush>> brushes_;
  std::unordered_map<const forms::Control*, bool> tools_;
  int nextId_ = 100;
};

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
  auto node = std::make_unique<Node>(Node{this, &form, top_});
  SetWindowLongPtrW(top_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(node.get()));
  nodes_.push_back(std::move(node));
  hwnds_[&form] = top_;
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, top_, nullptr, backend_.instance(), nullptr);
  createChildren(form, top_);
}

FormWindow::~FormWindow() {
  // The model may already be gone: detach every window from it before destroying them.
  for (auto& n : nodes_) SetWindowLongPtrW(n->hwnd, GWLP_USERDATA, 0);
  for (auto& [h, c] : natives_) RemoveWindowSubclass(h, nativeSubclass, 1);
  natives_.clear();
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
  if (top_ != nullptr) DestroyWindow(top_);
}

RECT FormWindow::pxRect(const forms::Rect& r) const {
  return {backend_.toPx(r.left), backend_.toPx(r.top), backend_.toPx(r.left + r.width),
          backend_.toPx(r.top + r.height)};
}

HWND FormWindow::hwndOf(const forms::Control& c) const {
  auto it = hwnds_.find(&c);
  return it == hwnds_.end() ? nullptr : it->second;
}

HWND FormWindow::firstTabStop(const forms::Container& c) const {
  for (const forms::Control* child : c.children()) {
    if (child->windowless() || !child->visible() || !child->enabled()) continue;
    if (child->kind() == forms::Kind::Frame) {
      if (HWND h = firstTabStop(static_cast<const forms::Container&>(*child))) return h;
    } else if (child->kind() != forms::Kind::ScrollBar) {
      return hwndOf(*child);
    }
  }
  return nullptr;
}

forms::Point FormWindow::twipsAt(LPARAM lp) const {
  return {backend_.toTwips(GET_X_LPARAM(lp)), backend_.toTwips(GET_Y_LPARAM(lp))};
}

void FormWindow::createChildren(forms::Container& container, HWND parent) {
  for (forms::Control* c : container.children()) {
    if (c->windowless()) {
      syncTooltip(*c);
      continue;
    }
    HWND h = createNative(*c, parent);
    if (h == nullptr) continue;
    hwnds_[c] = h;
    // Later children stand above earlier ones, as in the model.
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (c->kind() == forms::Kind::Frame) {
      auto node = std::make_unique<Node>(Node{this, static_cast<forms::Container*>(c), h});
      SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(node.get()));
      nodes_.push_back(std::move(node));
      createChildren(*static_cast<forms::Container*>(c), h);
    } else {
      natives_[h] = c;
      SetWindowSubclass(h, nativeSubclass, 1, reinterpret_cast<DWORD_PTR>(this));
      syncNative(*c, h);
    }
    syncTooltip(*c);
  }
}

HWND FormWindow::createNative(forms::Control& c, HWND parent) {
  const wchar_t* cls = nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  switch (c.kind()) {
    case forms::Kind::Frame:
      cls = kFrameClass;
      style |= WS_CLIPCHILDREN;
      break;
    case forms::Kind::TextBox:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL |
               (c.alignment() == forms::Align::Center  ? ES_CENTER
                : c.alignment() == forms::Align::Right ? ES_RIGHT
                                                       : ES_LEFT);
      break;
    case forms::Kind::ComboBox:
      cls = L"COMBOBOX";
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
      break;
    case forms::Kind::ListBox:
      cls = L"LISTBOX";
      style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      break;
    case forms::Kind::CheckBox:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_CHECKBOX;
      break;
    case forms::Kind::ScrollBar:
      cls = L"SCROLLBAR";
      style |= SBS_HORZ;
      break;
    case forms::Kind::Button:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
    default:
      return nullptr;
  }
  if (c.visible()) style |= WS_VISIBLE;
  if (!c.enabled()) style |= WS_DISABLED;
  const RECT r = pxRect(c.rect());
  int height = r.bottom - r.top;
  if (c.kind() == forms::Kind::ComboBox) height += kComboDropPx;
  return CreateWindowExW(0, cls, L"", style, r.left, r.top, r.right - r.left, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)),
                         backend_.instance(), nullptr);
}

void FormWindow::syncNative(forms::Control& c, HWND h) {
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(c.font())), FALSE);
  syncList(c, h);
  syncText(c, h);
  syncValue(c, h);
}

void FormWindow::syncText(forms::Control& c, HWND h) {
  if (c.kind() == forms::Kind::ComboBox || c.kind() == forms::Kind::ListBox ||
      c.kind() == forms::Kind::ScrollBar) {
    return;
  }
  const std::wstring text = widen(c.caption());
  // Setting the same text again would move the caret and report a change: skip it.
  if (windowText(h) != text) SetWindowTextW(h, text.c_str());
}

void FormWindow::syncValue(forms::Control& c, HWND h) {
  switch (c.kind()) {
    case forms::Kind::TextBox: {
      auto& box = static_cast<forms::TextBox&>(c);
      const std::u32string text = forms::decodeUtf8(box.text());
      const int start = utf16Offset(text, box.selStart());
      const int end = utf16Offset(text, box.selStart() + box.selLength());
      SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(start), end);
      break;
    }
    case forms::Kind::ComboBox:
      SendMessageW(h, CB_SETCURSEL,
                   static_cast<WPARAM>(static_cast<forms::ComboBox&>(c).listIndex()), 0);
      break;
    case forms::Kind::ListBox:
      SendMessageW(h, LB_SETCURSEL,
                   static_cast<WPARAM>(static_cast<forms::ListBox&>(c).listIndex()), 0);
      break;
    case forms::Kind::CheckBox:
      SendMessageW(h, BM_SETCHECK,
                   static_cast<forms::CheckBox&>(c).value() != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case forms::Kind::ScrollBar: {
      auto& bar = static_cast<forms::ScrollBar&>(c);
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
      si.nMin = 0;
      si.nMax = bar.thumbRange();
      si.nPage = 0;
      si.nPos = bar.valueToThumb(bar.value());
      SetScrollInfo(h, SB_CTL, &si, TRUE);
      break;
    }
    default:
      break;
  }
}

void FormWindow::syncList(forms::Control& c, HWND h) {
  const bool combo = c.kind() == forms::Kind::ComboBox;
  if (!combo && c.kind() != forms::Kind::ListBox) return;
  auto& list = static_cast<forms::ListControl&>(c);
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  SendMessageW(h, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& item : list.items()) {
    const std::wstring w = widen(item);
    SendMessageW(h, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
  }
  SendMessageW(h, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.listIndex()), 0);
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(h, nullptr, TRUE);
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
    ti.rect = pxRect(c.rect());
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

void FormWindow::placeNative(forms::Control& c, HWND h) {
  const RECT r = pxRect(c.rect());
  int height = r.bottom - r.top;
  if (c.kind() == forms::Kind::ComboBox) height += kComboDropPx;
  SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::changed(forms::Control& c, forms::Change what) {
  using forms::Change;
  if (&c == &form_) {
    switch (what) {
      case Change::Geometry: {
        const forms::Rect r = form_.rect();
        SetWindowPos(top_, nullptr, backend_.toPx(r.left), backend_.toPx(r.top),
                     backend_.toPx(r.width), backend_.toPx(r.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        break;
      }
      case Change::Visibility:
        ShowWindow(top_, !form_.visible() ? SW_HIDE
                         : form_.activation() == forms::Form::Activation::OnShow
                             ? SW_SHOW
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
    return;
  }
  if (c.windowless()) {
    invalidateWindowless(c, what);
    if (what == Change::Geometry || what == Change::Appearance) syncTooltip(c);
    return;
  }
  HWND h = hwndOf(c);
  if (h == nullptr) return;
  switch (what) {
    case Change::Geometry:
      placeNative(c, h);
      if (c.kind() != forms::Kind::Frame) syncTooltip(c);
      break;
    case Change::Visibility:
      ShowWindow(h, c.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Enabled:
      EnableWindow(h, c.enabled() ? TRUE : FALSE);
      break;
    case Change::Appearance:
      if (c.kind() != forms::Kind::Frame) {
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(c.font())), FALSE);
      }
      syncTooltip(c);
      InvalidateRect(h, nullptr, TRUE);
      break;
    case Change::Text:
      syncText(c, h);
      if (c.kind() == forms::Kind::Frame) InvalidateRect(h, nullptr, FALSE);
      break;
    case Change::Value:
      syncValue(c, h);
      break;
    case Change::List:
      syncList(c, h);
      break;
    case Change::Focus:
      SetFocus(h);
      break;
    case Change::Added:
    case Change::Removed:
      break;
    case Change::ZOrder: {
      HWND after = HWND_BOTTOM;
      for (const forms::Control* sib : c.parent()->children()) {
        if (sib == &c) break;
        if (HWND sh = hwndOf(*sib)) after = sh;
      }
      // A window placed "after" a sibling goes below it; walk from the bottom up.
      SetWindowPos(h, after == HWND_BOTTOM ? HWND_BOTTOM : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    }
  }
}

void FormWindow::invalidateWindowless(forms::Control& c, forms::Change what) {
  HWND container = c.parent() != nullptr ? hwndOf(*c.parent()) : nullptr;
  if (container == nullptr) return;
  // A change to something that cannot be seen needs no paint.
  if (what != forms::Change::Visibility && what != forms::Change::ZOrder && !c.shown()) return;
  RECT now = pxRect(c.rect());
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

HBRUSH FormWindow::brushFor(const forms::Control& c) {
  auto& slot = brushes_[&c];
  if (!slot.second || slot.first != c.backColour()) {
    slot.first = c.backColour();
    slot.second.reset(CreateSolidBrush(colorRef(c.backColour())));
  }
  return slot.second.get();
}

void FormWindow::paint(Node& node) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(node.hwnd, &ps);
  RECT client;
  GetClientRect(node.hwnd, &client);
  const int w = std::max<int>(1, client.right);
  const int h = std::max<int>(1, client.bottom);
  MemoryDc mem(CreateCompatibleDC(dc));
  Bitmap bmp(CreateCompatibleBitmap(dc, w, h));
  {
    Select keepBitmap(mem.get(), bmp.get());
    Brush back(CreateSolidBrush(colorRef(node.container->backColour())));
    FillRect(mem.get(), &client, back.get());
    if (node.container->kind() == forms::Kind::Frame &&
        static_cast<forms::Frame*>(node.container)->border()) {
      Brush edge(CreateSolidBrush(RGB(160, 160, 160)));
      FrameRect(mem.get(), &client, edge.get());
    }
    for (forms::Control* c : node.container->children()) {
      if (c->windowless() && c->visible()) paintWindowless(mem.get(), *c);
    }
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, mem.get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  }
  EndPaint(node.hwnd, &ps);
}

void FormWindow::paintWindowless(HDC dc, forms::Control& c) {
  RECT r = pxRect(c.rect());
  r.right = std::max(r.right, r.left + 1);
  r.bottom = std::max(r.bottom, r.top + 1);
  switch (c.kind()) {
    case forms::Kind::Label: {
      auto& label = static_cast<forms::Label&>(c);
      if (label.backStyle() == forms::BackStyle::Opaque) {
        Brush back(CreateSolidBrush(colorRef(label.backColour())));
        FillRect(dc, &r, back.get());
      }
      const forms::AccessKeyText text = label.displayText();
      std::wstring s = Backend::drawable(label.font(), text.text, text.underline, true);
      Select keepFont(dc, backend_.font(label.font()));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, colorRef(label.foreColour()));
      UINT fmt = DT_WORDBREAK;
      if (label.alignment() == forms::Align::Center) fmt |= DT_CENTER;
      if (label.alignment() == forms::Align::Right) fmt |= DT_RIGHT;
      DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &r, fmt);
      break;
    }
    case forms::Kind::Shape: {
      auto& shape = static_cast<forms::Shape&>(c);
      Pen pen(CreatePen(PS_SOLID, 1, colorRef(shape.borderColour())));
      Brush fill(shape.style() == forms::ShapeStyle::Filled
                     ? CreateSolidBrush(colorRef(shape.fillColour()))
                     : nullptr);
      Select keepPen(dc, pen.get());
      Select keepBrush(dc, fill ? static_cast<HGDIOBJ>(fill.get()) : GetStockObject(NULL_BRUSH));
      Rectangle(dc, r.left, r.top, r.right, r.bottom);
      break;
    }
    case forms::Kind::Line: {
      auto& line = static_cast<forms::Line&>(c);
      Pen pen(CreatePen(PS_SOLID, 1, colorRef(line.borderColour())));
      Select keepPen(dc, pen.get());
      const int x1 = backend_.toPx(line.from().x);
      const int y1 = backend_.toPx(line.from().y);
      const int x2 = backend_.toPx(line.to().x);
      const int y2 = backend_.toPx(line.to().y);
      MoveToEx(dc, x1, y1, nullptr);
      LineTo(dc, x2 + (x2 >= x1 ? 1 : -1), y2 + (y2 > y1 ? 1 : y2 < y1 ? -1 : 0));
      break;
    }
    case forms::Kind::Image: {
      auto& image = static_cast<forms::Image&>(c);
      const auto& pic = image.picture();
      if (!pic || pic->width <= 0 || pic->height <= 0) break;
      BITMAPINFO bi{};
      bi.bmiHeader.biSize = sizeof bi.bmiHeader;
      bi.bmiHeader.biWidth = pic->width;
      bi.bmiHeader.biHeight = -pic->height;
      bi.bmiHeader.biPlanes = 1;
      bi.bmiHeader.biBitCount = 32;
      bi.bmiHeader.biCompression = BI_RGB;
      void* bits = nullptr;
      Bitmap dib(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
      if (!dib || bits == nullptr) break;
      auto* px = static_cast<std::uint32_t*>(bits);
      for (std::size_t i = 0; i < pic->pixels.size(); ++i) {
        const std::uint32_t p = pic->pixels[i];
        const std::uint32_t a = p >> 24;
        const std::uint32_t rr = ((p >> 16) & 0xFF) * a / 255;
        const std::uint32_t gg = ((p >> 8) & 0xFF) * a / 255;
        const std::uint32_t bb = (p & 0xFF) * a / 255;
        px[i] = (a << 24) | (rr << 16) | (gg << 8) | bb;
      }
      MemoryDc src(CreateCompatibleDC(dc));
      Select keep(src.get(), dib.get());
      BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      AlphaBlend(dc, r.left, r.top, pic->width, pic->height, src.get(), 0, 0, pic->width,
                 pic->height, blend);
      break;
    }
    default:
      break;
  }
}

void FormWindow::command(HWND child, int code) {
  auto it = natives_.find(child);
  if (it == natives_.end()) return;
  forms::Control& c = *it->second;
  switch (c.kind()) {
    case forms::Kind::TextBox:
      if (code == EN_CHANGE) {
        // Only edits the model did not make itself (a paste, an undo) reach the model here.
        const std::string text = narrow(windowText(child));
        if (text != c.caption()) static_cast<forms::TextBox&>(c).setText(text);
      }
      break;
    case forms::Kind::ComboBox:
      if (code == CBN_SELCHANGE) {
        static_cast<forms::ComboBox&>(c).choose(
            static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0)));
      }
      break;
    case forms::Kind::ListBox:
      if (code == LBN_SELCHANGE) {
        static_cast<forms::ListBox&>(c).choose(
            static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0)));
      } else if (code == LBN_DBLCLK) {
        c.dblClick();
      }
      break;
    case forms::Kind::CheckBox:
    case forms::Kind::Button:
      if (code == BN_CLICKED) c.click();
      break;
    default:
      break;
  }
}

void FormWindow::scroll(HWND child, int code) {
  auto it = natives_.find(child);
  if (it == natives_.end() || it->second->kind() != forms::Kind::ScrollBar) return;
  auto& bar = static_cast<forms::ScrollBar&>(*it->second);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(child, SB_CTL, &si);
  int pos = bar.valueToThumb(bar.value());
  switch (code) {
    case SB_LINELEFT:
      pos -= bar.smallChange();
      break;
    case SB_LINERIGHT:
      pos += bar.smallChange();
      break;
    case SB_PAGELEFT:
      pos -= bar.largeChange();
      break;
    case SB_PAGERIGHT:
      pos += bar.largeChange();
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pos = si.nTrackPos;
      break;
    case SB_LEFT:
      pos = 0;
      break;
    case SB_RIGHT:
      pos = bar.thumbRange();
      break;
    default:
      return;
  }
  bar.scrollTo(pos);
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
      if (lp != 0) command(reinterpret_cast<HWND>(lp), HIWORD(wp));
      return 0;
    case WM_HSCROLL:
      if (lp != 0) scroll(reinterpret_cast<HWND>(lp), LOWORD(wp));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR: {
      auto it = natives_.find(reinterpret_cast<HWND>(lp));
      if (it == natives_.end()) break;
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, colorRef(it->second->foreColour()));
      SetBkColor(dc, colorRef(it->second->backColour()));
      return reinterpret_cast<LRESULT>(brushFor(*it->second));
    }
    default:
      break;
  }
  return DefWindowProcW(node.hwnd, msg, wp, lp);
}

LRESULT FormWindow::nativeMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = natives_.find(hwnd);
  if (it == natives_.end()) return DefSubclassProc(hwnd, msg, wp, lp);
  forms::Control& c = *it->second;
  if (c.kind() == forms::Kind::TextBox) {
    auto& box = static_cast<forms::TextBox&>(c);
    const auto syncSelection = [&] {
      DWORD start = 0;
      DWORD end = 0;
      SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      const std::u32string text = forms::decodeUtf8(box.text());
      const int s = codePointOffset(text, static_cast<int>(start));
      box.syncSelection(s, codePointOffset(text, static_cast<int>(end)) - s);
    };
    if (msg == WM_CHAR) {
      syncSelection();
      box.typeChar(static_cast<int>(wp));
      return 0;
    }
    if (msg == WM_KEYDOWN) {
      const int key = static_cast<int>(wp);
      const bool handled =
          key == VK_DELETE || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END;
      if (handled && keyShiftState() == 0) {
        syncSelection();
        box.pressKey(key, 0);
        return 0;
      }
      box.Control::pressKey(key, keyShiftState());
    }
  } else if (msg == WM_KEYDOWN) {
    c.pressKey(static_cast<int>(wp), keyShiftState());
    if (c.kind() == forms::Kind::Button && wp == VK_RETURN) return 0;
  } else if (msg == WM_CHAR && c.kind() != forms::Kind::Button) {
    c.typeChar(static_cast<int>(wp));
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* node = reinterpret_cast<Node*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (node == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  // The whole message is one event: a form unloaded by it is freed only after we are done.
  node->owner->runtime().dispatch(
      [&] { result = node->owner->containerMessage(*node, msg, wp, lp); });
  return result;
}

LRESULT CALLBACK nativeSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR /*id*/,
                                DWORD_PTR data) {
  auto* owner = reinterpret_cast<FormWindow*>(data);
  LRESULT result = 0;
  owner->runtime().dispatch([&] { result = owner->nativeMessage(hwnd, msg, wp, lp); });
  return result;
}

}  // namespace

Backend::Backend(HINSTANCE instance)
    : instance_(instance), dpi_(screenDpi()), measureDc_(CreateCompatibleDC(nullptr)) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = containerProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.hIcon = nullptr;
  wc.lpszClassName = kFrameClass;
  RegisterClassExW(&wc);

  WNDCLASSEXW tc{};
  tc.cbSize = sizeof tc;
  tc.lpfnWndProc = timerProc;
  tc.hInstance = instance;
  tc.lpszClassName = kTimerClass;
  RegisterClassExW(&tc);
  timerWindow_ =
      CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Backend::~Backend() {
  for (auto& [id, t] : timers_) KillTimer(timerWindow_, id);
  if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
}

void Backend::start(forms::Timer& timer) {
  // Inside a handler the system timer is set when the handler is done: the clock panel is
  // built and closed within one pointer poll while the bar is collapsed, and its timer then
  // never reaches the system.
  if (runtime_ != nullptr && runtime_->depth() > 0) {
    pending_[&timer] = true;
    return;
  }
  auto it = timerIds_.find(&timer);
  UINT_PTR id = 0;
  if (it != timerIds_.end()) {
    id = it->second;
  } else {
    id = nextTimerId_++;
    timerIds_[&timer] = id;
    timers_[id] = &timer;
  }
  SetTimer(timerWindow_, id, static_cast<UINT>(timer.interval()), nullptr);
}

void Backend::settle() {
  auto pending = std::move(pending_);
  pending_.clear();
  for (auto& [timer, wanted] : pending) start(*timer);
}

void Backend::stop(forms::Timer& timer) {
  pending_.erase(&timer);
  auto it = timerIds_.find(&timer);
  if (it == timerIds_.end()) return;
  KillTimer(timerWindow_, it->second);
  timers_.erase(it->second);
  timerIds_.erase(it);
}

LRESULT CALLBACK Backend::timerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<Backend*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr) {
      auto it = self->timers_.find(static_cast<UINT_PTR>(wp));
      if (it != self->timers_.end()) it->second->fire();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HFONT Backend::font(const forms::Font& f) {
  const auto key = std::make_tuple(f.name, f.points, f.weight, f.charset);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(f.points * dpi_ / 72.0 + 0.5);
  lf.lfWeight = f.weight;
  lf.lfCharSet = static_cast<BYTE>(f.charset);
  lf.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring name = widen(f.name);
  name.copy(lf.lfFaceName, std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
  HFONT h = CreateFontIndirectW(&lf);
  fonts_.emplace(key, FontHandle(h));
  return h;
}

std::wstring Backend::drawable(const forms::Font& font, std::u32string_view text, int underline,
                               bool prefixes) {
  const bool symbol = font.charset == forms::kSymbolCharset;
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (prefixes && static_cast<int>(i) == underline) out.push_back(L'&');
    if (symbol) {
      const unsigned char b = ansiByte(c);
      if (b != 0) c = 0xF000 + b;
    }
    if (prefixes && c == U'&') out.push_back(L'&');
    appendUtf16(out, c);
  }
  return out;
}

forms::Size Backend::measure(const forms::Font& f, std::u32string_view text) {
  const std::wstring s = drawable(f, text);
  Select keep(measureDc_.get(), font(f));
  RECT r{0, 0, 0, 0};
  DrawTextW(measureDc_.get(), s.c_str(), static_cast<int>(s.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {toTwips(r.right - r.left), toTwips(r.bottom - r.top)};
}

std::unique_ptr<forms::FormPeer> Backend::createPeer(forms::Form& form) {
  return std::make_unique<FormWindow>(*this, form);
}

int Backend::runMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace win32
