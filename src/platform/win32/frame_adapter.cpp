// A frame is a container window of the program's own class: the form window makes it a node,
// paints it and its windowless children, and hears its mouse.
#include "platform/win32/adapters.h"
#include "platform/win32/backend.h"

namespace win32 {

namespace {

class FrameAdapter final : public NativeAdapter {
 public:
  FrameAdapter(Backend& backend, forms::Frame& frame) : NativeAdapter(backend, frame) {}

  void sync(forms::Change what) override {
    switch (what) {
      case forms::Change::Appearance:
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
      default:
        NativeAdapter::sync(what);
        break;
    }
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return kFrameClass; }
  [[nodiscard]] DWORD style() const override { return WS_CLIPCHILDREN; }
  [[nodiscard]] bool takesKeys() const override { return false; }
};

}  // namespace

std::unique_ptr<NativeAdapter> makeFrameAdapter(Backend& backend, forms::Frame& frame) {
  return std::make_unique<FrameAdapter>(backend, frame);
}

}  // namespace win32
