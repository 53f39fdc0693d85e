// The system clipboard's text. Whoever empties the clipboard must own it with a window: after
// OpenClipboard(nullptr), EmptyClipboard leaves no owner and Windows then refuses the new data.
#pragma once

#include <windows.h>

#include <string>

#include "forms/runtime.h"

namespace win32 {

// The clipboard's text as UTF-8, or "" when it holds none.
std::string readClipboardText(HWND owner);
// Puts UTF-8 text on the clipboard, owned by `owner`; false when the system refused.
bool writeClipboardText(HWND owner, const std::string& utf8);

// The clipboard of the text boxes' cut, copy and paste.
class Win32Clipboard final : public forms::Clipboard {
 public:
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  std::string text() override { return readClipboardText(owner_); }
  void setText(const std::string& utf8) override { writeClipboardText(owner_, utf8); }

 private:
  HWND owner_;
};

}  // namespace win32
