// A combo box is a native drop-down list: no typing, a choice runs the model's Click.
#include "platform/win32/adapters.h"
#include "platform/win32/item_list.h"

namespace win32 {

namespace {

// The height of the opened list below the box.
constexpr int kDropPx = 200;

class ComboAdapter final : public ItemListAdapter {
 public:
  ComboAdapter(Backend& backend, forms::ComboBox& combo)
      : ItemListAdapter(backend, combo, kComboItems) {}

  void command(int code) override {
    const int chosen = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
    switch (code) {
      case CBN_DROPDOWN:
        dropped_ = true;
        changed_ = false;
        break;
      case CBN_SELCHANGE:
        changed_ = true;
        if (chosen != list_.listIndex()) list_.choose(chosen);
        break;
      case CBN_SELENDOK:
        // The entry that was already chosen, chosen again from the open list ("Other..." a
        // second time): the user's choice all the same.
        if (dropped_ && !changed_) list_.choose(chosen);
        changed_ = true;
        break;
      case CBN_CLOSEUP:
        dropped_ = false;
        break;
      default:
        break;
    }
  }

 protected:
  [[nodiscard]] const wchar_t* windowClass() const override { return L"COMBOBOX"; }
  [[nodiscard]] DWORD style() const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
  [[nodiscard]] int nativeHeight(int px) const override { return px + kDropPx; }

 private:
  bool dropped_ = false;
  bool changed_ = false;
};

}  // namespace

std::unique_ptr<NativeAdapter> makeComboAdapter(Backend& backend, forms::ComboBox& combo) {
  return std::make_unique<ComboAdapter>(backend, combo);
}

}  // namespace win32
