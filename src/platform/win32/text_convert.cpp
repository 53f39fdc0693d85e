#include "platform/win32/text_convert.h"

#include <windows.h>

namespace win32 {

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string narrow(const wchar_t* wide, int length) {
  if (length <= 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data(), n, nullptr, nullptr);
  return out;
}

std::string narrow(const std::wstring& wide) {
  return narrow(wide.data(), static_cast<int>(wide.size()));
}

std::optional<std::string> toCodePage(const std::string& utf8, unsigned codePage) {
  const std::wstring wide = widen(utf8);
  if (wide.empty()) return std::string();
  // No best-fit look-alike ("O" for an omega, "\\" for a full-width backslash) and no "?":
  // a character the code page has no byte for makes the whole conversion fail. A UTF-8 code
  // page holds every character and takes neither the flag nor the question.
  const bool utf8Page = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
  BOOL lossy = FALSE;
  const DWORD flags = utf8Page ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL* const lossyOut = utf8Page ? nullptr : &lossy;
  const int length = static_cast<int>(wide.size());
  const int n =
      WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, lossyOut);
  if (n <= 0 || lossy != FALSE) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), length, out.data(), n, nullptr, nullptr);
  return out;
}

std::string fromCodePage(const std::string& bytes, unsigned codePage) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return narrow(out);
}

}  // namespace win32
