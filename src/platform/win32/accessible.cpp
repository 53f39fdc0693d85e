#include "platform/win32/accessible.h"

#include "platform/win32/backend.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

// What every string property without a value answers.
HRESULT none(BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return S_FALSE;
}

void setChild(VARIANT* v, long id) {
  v->vt = VT_I4;
  v->lVal = id;
}

}  // namespace

HRESULT ButtonsAccessible::QueryInterface(REFIID riid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ButtonsAccessible::Release() {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ButtonsAccessible::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

bool ButtonsAccessible::buttons(std::vector<forms::Form::AccessibleButton>& out) const {
  out.clear();
  if (form_ == nullptr) return false;
  if (form_->accessibleButtons) out = form_->accessibleButtons();
  return true;
}

bool ButtonsAccessible::isButton(const VARIANT& child, long count) const {
  return child.vt == VT_I4 && child.lVal >= 1 && child.lVal <= count;
}

HRESULT ButtonsAccessible::get_accParent(IDispatch** parent) {
  if (form_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return AccessibleObjectFromWindow(top_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                    reinterpret_cast<void**>(parent));
}

HRESULT ButtonsAccessible::get_accChildCount(long* count) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  *count = static_cast<long>(all.size());
  return S_OK;
}

HRESULT ButtonsAccessible::get_accChild(VARIANT child, IDispatch** out) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  *out = nullptr;
  // A button is a simple element: its parent answers for it.
  return isButton(child, static_cast<long>(all.size())) ? S_FALSE : E_INVALIDARG;
}

HRESULT ButtonsAccessible::get_accName(VARIANT child, BSTR* name) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) return none(name);
  if (!isButton(child, static_cast<long>(all.size()))) return E_INVALIDARG;
  *name = SysAllocString(widen(all[static_cast<std::size_t>(child.lVal - 1)].name).c_str());
  return S_OK;
}

HRESULT ButtonsAccessible::get_accDescription(VARIANT /*child*/, BSTR* out) { return none(out); }
HRESULT ButtonsAccessible::get_accHelp(VARIANT /*child*/, BSTR* out) { return none(out); }
HRESULT ButtonsAccessible::get_accKeyboardShortcut(VARIANT /*child*/, BSTR* out) {
  return none(out);
}
HRESULT ButtonsAccessible::get_accDefaultAction(VARIANT /*child*/, BSTR* out) { return none(out); }
HRESULT ButtonsAccessible::get_accHelpTopic(BSTR* file, VARIANT /*child*/, long* topic) {
  if (topic != nullptr) *topic = 0;
  return none(file);
}

HRESULT ButtonsAccessible::get_accRole(VARIANT child, VARIANT* role) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  const bool self = child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  if (!self && !isButton(child, static_cast<long>(all.size()))) return E_INVALIDARG;
  setChild(role, self ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON);
  return S_OK;
}

HRESULT ButtonsAccessible::get_accState(VARIANT child, VARIANT* state) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  const bool self = child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  if (!self && !isButton(child, static_cast<long>(all.size()))) return E_INVALIDARG;
  long s = STATE_SYSTEM_FOCUSABLE;
  if (!self && all[static_cast<std::size_t>(child.lVal - 1)].focused) s |= STATE_SYSTEM_FOCUSED;
  setChild(state, s);
  return S_OK;
}

HRESULT ButtonsAccessible::get_accFocus(VARIANT* focus) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  focus->vt = VT_EMPTY;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].focused) setChild(focus, static_cast<long>(i) + 1);
  }
  return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
}

HRESULT ButtonsAccessible::get_accSelection(VARIANT* selection) {
  selection->vt = VT_EMPTY;
  return form_ == nullptr ? CO_E_OBJNOTCONNECTED : S_FALSE;
}

HRESULT ButtonsAccessible::accLocation(long* x, long* y, long* w, long* h, VARIANT child) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  RECT r{};
  if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
    GetClientRect(top_, &r);
  } else if (isButton(child, static_cast<long>(all.size()))) {
    r = backend_.pxRect(all[static_cast<std::size_t>(child.lVal - 1)].rect);
  } else {
    return E_INVALIDARG;
  }
  POINT corner{r.left, r.top};
  ClientToScreen(top_, &corner);
  *x = corner.x;
  *y = corner.y;
  *w = r.right - r.left;
  *h = r.bottom - r.top;
  return S_OK;
}

HRESULT ButtonsAccessible::accHitTest(long x, long y, VARIANT* child) {
  std::vector<forms::Form::AccessibleButton> all;
  if (!buttons(all)) return CO_E_OBJNOTCONNECTED;
  POINT p{x, y};
  ScreenToClient(top_, &p);
  RECT client{};
  GetClientRect(top_, &client);
  child->vt = VT_EMPTY;
  if (PtInRect(&client, p) == FALSE) return S_FALSE;
  setChild(child, CHILDID_SELF);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const RECT r = backend_.pxRect(all[i].rect);
    if (PtInRect(&r, p) != FALSE) setChild(child, static_cast<long>(i) + 1);
  }
  return S_OK;
}

}  // namespace win32
