#include "fake_platform.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "forms/text.h"

namespace testing_support {

const std::vector<platform::Monitor>& FakePlatform::monitors() {
  if (!monitorList.empty()) return monitorList;
  oneMonitor_ = {{0, 0, screenWidthPx, screenHeightPx,
                  static_cast<int>(std::lround(1440 / twipsPerPx)), true}};
  return oneMonitor_;
}

platform::Monitor FakePlatform::monitorInUse() {
  return monitorUsed ? *monitorUsed : platform::primaryOf(monitors());
}

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

namespace {

// Windows-1252, the code page of a Spanish or English PC: Latin-1 but for 0x80-0x9F, where it
// has these characters (0 where it has none).
constexpr std::array<char32_t, 32> kHigh{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::optional<std::string> FakePlatform::toAnsi(const std::string& utf8) {
  std::string out;
  for (char32_t c : forms::decodeUtf8(utf8)) {
    const auto* high = std::find(kHigh.begin(), kHigh.end(), c);
    if (c != 0 && high != kHigh.end()) {
      out.push_back(static_cast<char>(0x80 + (high - kHigh.begin())));
    } else if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
      out.push_back(static_cast<char>(c));
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::string FakePlatform::fromAnsi(const std::string& ansi) {
  std::u32string chars;
  for (char c : ansi) {
    const auto b = static_cast<unsigned char>(c);
    const char32_t high = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : 0;
    chars.push_back(high != 0 ? high : b);
  }
  return forms::encodeUtf8(chars);
}

}  // namespace testing_support
