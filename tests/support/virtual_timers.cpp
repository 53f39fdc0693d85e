#include "virtual_timers.h"

#include <algorithm>

#include "forms/timer.h"

namespace forms {

void VirtualTimers::start(Timer& timer) {
  stop(timer);
  entries_.push_back({&timer, now_ + timer.interval(), order_++});
}

void VirtualTimers::stop(Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool VirtualTimers::running(const Timer& timer) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualTimers::advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  for (;;) {
    auto next =
        std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
          return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    if (next == entries_.end() || next->due > target) break;
    now_ = next->due;
    Timer* t = next->timer;
    next->due += t->interval();
    next->order = order_++;
    t->fire();
  }
  now_ = target;
}

}  // namespace forms
