// Timers on virtual time: advance(ms) fires every due tick in time order, each handler running
// to completion before the next. Used by the native tests and by nothing in production.
#pragma once

#include <cstdint>
#include <vector>

#include "forms/runtime.h"

namespace forms {

class VirtualTimers final : public TimerService {
 public:
  void start(Timer& timer) override;
  void stop(Timer& timer) override;
  void advance(std::int64_t ms);
  [[nodiscard]] std::size_t runningCount() const { return entries_.size(); }

 private:
  struct Entry {
    Timer* timer;
    std::int64_t due;
    std::uint64_t order;
  };
  std::vector<Entry> entries_;
  std::int64_t now_ = 0;
  std::uint64_t order_ = 0;
};

}  // namespace forms
