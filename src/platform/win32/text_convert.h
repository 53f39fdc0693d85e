// Text conversions at the edge of the Win32 API.
#pragma once

#include <optional>
#include <string>

namespace win32 {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);
std::string narrow(const wchar_t* wide, int length);
// Nothing when the code page has no byte of its own for some character.
std::optional<std::string> toCodePage(const std::string& utf8, unsigned codePage);
std::string fromCodePage(const std::string& bytes, unsigned codePage);

}  // namespace win32
