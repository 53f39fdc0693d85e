#include "platform/win32/clipboard.h"

#include "platform/win32/gdi.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  [[nodiscard]] bool open() const { return open_; }

 private:
  bool open_;
};

struct GlobalDeleter {
  void operator()(HGLOBAL h) const { GlobalFree(h); }
};

}  // namespace

std::string readClipboardText(HWND owner) {
  OpenedClipboard clipboard(owner);
  if (!clipboard.open()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return {};
  // The data need not end in a zero: read no further than its size.
  const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
  std::size_t n = 0;
  while (n < units && text[n] != L'\0') ++n;
  std::string out = narrow(text, static_cast<int>(n));
  GlobalUnlock(data);
  return out;
}

bool writeClipboardText(HWND owner, const std::string& utf8) {
  const std::wstring wide = widen(utf8);
  Owned<HGLOBAL, GlobalDeleter> mem(
      GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t)));
  if (!mem) return false;
  auto* dst = static_cast<wchar_t*>(GlobalLock(mem.get()));
  if (dst == nullptr) return false;
  wide.copy(dst, wide.size());
  dst[wide.size()] = L'\0';
  GlobalUnlock(mem.get());
  OpenedClipboard clipboard(owner);
  if (!clipboard.open() || EmptyClipboard() == FALSE) return false;
  if (SetClipboardData(CF_UNICODETEXT, mem.get()) == nullptr) return false;
  mem.release();  // the system's now
  return true;
}

}  // namespace win32
