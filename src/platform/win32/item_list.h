// What combo boxes and list boxes share: their items live in the native list, rebuilt once
// after the running event however many items it added (the bar loads a settings file into a
// hidden list line by line), and the selection follows the model.
#pragma once

#include <windows.h>

#include "forms/controls.h"
#include "platform/win32/native_adapter.h"

namespace win32 {

// The two kinds differ only in their messages.
struct ItemMessages {
  UINT reset;
  UINT initStorage;
  UINT add;
  UINT setSelection;
};

inline constexpr ItemMessages kComboItems{CB_RESETCONTENT, CB_INITSTORAGE, CB_ADDSTRING,
                                          CB_SETCURSEL};
inline constexpr ItemMessages kListItems{LB_RESETCONTENT, LB_INITSTORAGE, LB_ADDSTRING,
                                         LB_SETCURSEL};

class ItemListAdapter : public NativeAdapter {
 public:
  ItemListAdapter(Backend& backend, forms::ListControl& list, const ItemMessages& messages)
      : NativeAdapter(backend, list), list_(list), messages_(messages) {}

  void sync(forms::Change what) override;
  [[nodiscard]] bool stale() const override { return stale_; }
  void settle() override;

 protected:
  forms::ListControl& list_;

 private:
  const ItemMessages& messages_;
  bool stale_ = false;
};

}  // namespace win32
