// Any bytes as the settings file: the bar loads them without crashing or hanging, and what it
// saves reads back as it was written.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings_file.h"
#include "test_app.h"

namespace {

std::string savedBy(testing_support::TestApp& t) {
  core::SaveSettingsFile(t.platform, t.app.settings(), t.app.state());
  return t.platform.files.at(core::settingsPath(t.app.state()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  testing_support::TestApp first;
  first.putFile(bytes);
  first.startBar("ENGLISH", 10);
  first.timers.advance(20);

  testing_support::TestApp second;
  second.putFile(savedBy(first));
  second.startBar("SPANISH", 5);
  const std::string written = savedBy(second);

  testing_support::TestApp third;
  third.putFile(written);
  third.startBar("ENGLISH", 10);
  if (savedBy(third) != written) std::abort();
  return 0;
}
