#include "fake_platform.h"

#include <algorithm>

#include "forms/text.h"

namespace testing_support {

bool FakePlatform::fontInstalled(const std::string& family) {
  // Font families match whatever the case, as the system's do.
  return std::ranges::any_of(installedFonts, [&](const std::string& f) {
    return forms::upperAscii(f) == forms::upperAscii(family);
  });
}

bool FakePlatform::writeFileReplacing(const std::string& path, const std::string& bytes) {
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  if (std::ranges::count(missingFolders, folder) != 0) return false;
  files[path] = bytes;
  return true;
}

std::string FakePlatform::toAnsi(const std::string& utf8) {
  std::string out;
  for (char32_t c : forms::decodeUtf8(utf8)) out.push_back(c < 256 ? static_cast<char>(c) : '?');
  return out;
}

std::string FakePlatform::fromAnsi(const std::string& ansi) {
  std::u32string chars;
  for (char c : ansi) chars.push_back(static_cast<unsigned char>(c));
  return forms::encodeUtf8(chars);
}

}  // namespace testing_support
