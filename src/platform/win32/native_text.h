// Text as native windows and GDI take it: UTF-16, offsets between code points and UTF-16 units,
// and the characters a symbol font is drawn with.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "forms/types.h"

namespace win32 {

void appendUtf16(std::wstring& out, char32_t c);
// UTF-16 units of the first `chars` code points of `text`.
int utf16Offset(const std::u32string& text, int chars);
// Code points in the first `units` UTF-16 units of `text`.
int codePointOffset(const std::u32string& text, int units);
std::wstring windowText(HWND h);
// The UTF-16 text GDI draws: symbol fonts take each character by its ANSI code. With
// `prefixes`, `&` is doubled and the character at `underline` gets the access-key marker.
std::wstring drawableText(const forms::Font& font, std::u32string_view text, int underline = -1,
                          bool prefixes = false);

}  // namespace win32
