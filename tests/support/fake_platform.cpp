#include "fake_platform.h"

#include <algorithm>

#include "forms/text.h"

namespace testing_support {

bool FakePlatform::readLeftButton() {
  const bool was = leftButton;
  leftButton = false;
  return was;
}

int FakePlatform::screenWidthTwips() { return static_cast<int>(screenWidthPx * twipsPerPx); }

int FakePlatform::screenHeightTwips() { return static_cast<int>(screenHeightPx * twipsPerPx); }

bool FakePlatform::setLayeredAlpha(platform::WindowHandle window, std::uint8_t a) {
  if (refuseAlpha) return false;
  alpha[window] = a;
  return true;
}

std::optional<std::string> FakePlatform::localeInfo(int item) {
  auto it = locale.find(item);
  if (it == locale.end()) return std::nullopt;
  return it->second;
}

bool FakePlatform::fontInstalled(const std::string& family) {
  // Font families match whatever the case, as the system's do.
  return std::any_of(installedFonts.begin(), installedFonts.end(), [&](const std::string& f) {
    return forms::upperAscii(f) == forms::upperAscii(family);
  });
}

std::optional<std::string> FakePlatform::readFile(const std::string& path) {
  auto it = files.find(path);
  if (it == files.end()) return std::nullopt;
  return it->second;
}

bool FakePlatform::writeFileReplacing(const std::string& path, const std::string& bytes) {
  if (refuseWrites) return false;
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  if (std::find(missingFolders.begin(), missingFolders.end(), folder) != missingFolders.end()) {
    return false;
  }
  files[path] = bytes;
  return true;
}

std::string FakePlatform::toAnsi(const std::string& utf8) {
  std::string out;
  for (char32_t c : forms::decodeUtf8(utf8)) {
    out.push_back(c < 256 ? static_cast<char>(c) : '?');
  }
  return out;
}

std::string FakePlatform::fromAnsi(const std::string& ansi) {
  std::u32string chars;
  for (char c : ansi) chars.push_back(static_cast<unsigned char>(c));
  return forms::encodeUtf8(chars);
}

}  // namespace testing_support
