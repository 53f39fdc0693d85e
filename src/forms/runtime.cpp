#include "forms/runtime.h"

#include "forms/form.h"

namespace forms {

namespace {

// Stands in for a native window when no backend is plugged in: it only has a handle.
class HeadlessPeer final : public FormPeer {
 public:
  explicit HeadlessPeer(std::uintptr_t handle) : handle_(handle) {}
  [[nodiscard]] std::uintptr_t handle() const override { return handle_; }
  void changed(Control& /*control*/, Change /*what*/) override {}

 private:
  std::uintptr_t handle_;
};

}  // namespace

Runtime::Runtime(TimerService& timers, TextMetrics& metrics, PeerFactory* peers,
                 Clipboard* clipboard)
    : timers_(timers), metrics_(metrics), peers_(peers), clipboard_(clipboard) {}

Runtime::~Runtime() = default;

std::unique_ptr<FormPeer> Runtime::createPeer(Form& form) {
  if (peers_ != nullptr) return peers_->createPeer(form);
  nextHeadlessHandle_ += 4;
  return std::make_unique<HeadlessPeer>(nextHeadlessHandle_);
}

void Runtime::dispose(std::unique_ptr<Form> form) {
  if (!form) return;
  if (depth_ == 0) return;  // nothing runs: the form goes at once
  graveyard_.push_back(std::move(form));
}

void Runtime::retire(std::unique_ptr<FormPeer> peer) {
  if (!peer || depth_ == 0) return;
  retiredPeers_.push_back(std::move(peer));
}

Runtime::Scope::~Scope() {
  if (--rt_.depth_ == 0) {
    // Freeing a form may not run handlers, but keep the depth raised while it happens.
    ++rt_.depth_;
    auto dead = std::move(rt_.graveyard_);
    auto peers = std::move(rt_.retiredPeers_);
    rt_.graveyard_.clear();
    rt_.retiredPeers_.clear();
    peers.clear();
    dead.clear();
    --rt_.depth_;
    rt_.timers_.settle();
  }
}

}  // namespace forms
