// A scroll bar is a native horizontal SCROLLBAR over thumb positions: a reversed range (minimum
// above maximum) still has the minimum at the left.
#include "platform/win32/adapters.h"

namespace win32 {

namespace {

class ScrollBarAdapter final : public NativeAdapter {
 public:
  ScrollBarAdapter(Backend& backend, forms::ScrollBar& bar)
      : NativeAdapter(backend, bar), bar_(bar) {}

  void sync(forms::Change what) override {
    switch (what) {
      case forms::Change::Value: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
        si.nMin = 0;
        si.nMax = bar_.thumbRange();
        si.nPage = 0;
        si.nPos = bar_.valueToThumb(bar_.value());
        SetScrollInfo(hwnd(), SB_CTL, &si, TRUE);
        break;
      }
      case forms::Change::Text:
        break;
      default:
        NativeAdapter::sync(what);
        break;
    }
  }

  void scroll(int code) override {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd(), SB_CTL, &si);
    int pos = bar_.valueToThumb(bar_.value());
    switch (code) {
      // The arrows and a click beside the thumb move it one position.
      case SB_LINELEFT:
      case SB_PAGELEFT:
        pos -= 1;
        break;
      case SB_LINERIGHT:
      case SB_PAGERIGHT:
        pos += 1;
        break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION:
        pos = si.nTrackPos;
        break;
      case SB_LEFT:
        pos = 0;
        break;
      case SB_RIGHT:
        pos = bar_.thumbRange();
        break;
      default:
        return;
    }
    bar_.scrollTo(pos);
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"SCROLLBAR"; }
  [[nodiscard]] DWORD style() const override { return SBS_HORZ; }

 private:
  forms::ScrollBar& bar_;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeScrollBarAdapter(Backend& backend, forms::ScrollBar& bar) {
  return std::make_unique<ScrollBarAdapter>(backend, bar);
}

}  // namespace win32
