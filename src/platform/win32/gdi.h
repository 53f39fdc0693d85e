// Small RAII owners for the GDI objects and handles the backend uses, so that nothing leaks per
// paint or per tick.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <class H, class Deleter>
class Owned {
 public:
  Owned() = default;
  explicit Owned(H h) : h_(h) {}
  ~Owned() { reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
  Owned& operator=(Owned&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, H{});
    }
    return *this;
  }
  void reset(H h = H{}) {
    if (h_ != H{}) Deleter{}(h_);
    h_ = h;
  }
  [[nodiscard]] H get() const { return h_; }
  // Gives the handle away (to the system, which frees it from now on).
  H release() { return std::exchange(h_, H{}); }
  explicit operator bool() const { return h_ != H{}; }

 private:
  H h_{};
};

struct GdiDeleter {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct HandleDeleter {
  void operator()(HANDLE h) const { CloseHandle(h); }
};

using Brush = Owned<HBRUSH, GdiDeleter>;
using Pen = Owned<HPEN, GdiDeleter>;
using FontHandle = Owned<HFONT, GdiDeleter>;
using Bitmap = Owned<HBITMAP, GdiDeleter>;
using MemoryDc = Owned<HDC, DcDeleter>;
using FileHandle = Owned<HANDLE, HandleDeleter>;

// Selects an object into a DC for the lifetime of the scope.
class Select {
 public:
  Select(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Select() { SelectObject(dc_, old_); }
  Select(const Select&) = delete;
  Select& operator=(const Select&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() { ReleaseDC(hwnd_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  [[nodiscard]] HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

inline COLORREF colorRef(int packed) { return static_cast<COLORREF>(packed & 0xFFFFFF); }

}  // namespace win32
