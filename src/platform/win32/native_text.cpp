#include "platform/win32/native_text.h"

namespace win32 {

namespace {

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

}  // namespace

void appendUtf16(std::wstring& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
  } else {
    out.push_back(static_cast<wchar_t>(c));
  }
}

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

std::wstring windowText(HWND h) {
  const int n = GetWindowTextLengthW(h);
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  GetWindowTextW(h, s.data(), n + 1);
  s.resize(static_cast<std::size_t>(n));
  return s;
}

std::wstring drawableText(const forms::Font& font, std::u32string_view text, int underline,
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

}  // namespace win32
