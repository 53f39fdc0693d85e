// A planned ending: a value the program cannot use ends the running handler at that point,
// silently, and what the handler did so far stays. Any other exception out of a handler is a
// fault (see Runtime::dispatch).
#pragma once

#include <stdexcept>

namespace forms {

class Ending : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace forms
