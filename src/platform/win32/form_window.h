// The native peer of a form: a borderless top-level window, a node for it and for every frame
// (a container window that paints its windowless children and hears the mouse), and a native
// adapter for every windowed control. It knows no control kind: what a kind does is its
// adapter's, and how windowless controls look is the painter's. Every control of the form is
// built before its native window is made, and lives as long as the form.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/win32/accessible.h"
#include "platform/win32/native_adapter.h"

namespace win32 {

class Backend;

class FormWindow final : public forms::FormPeer {
 public:
  FormWindow(Backend& backend, forms::Form& form);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  [[nodiscard]] std::uintptr_t handle() const override {
    return reinterpret_cast<std::uintptr_t>(top_);
  }
  void changed(forms::Control& control, forms::Change what) override;
  // No handler runs any more: the window takes the place the form's last event gave it.
  void eventDone();

  // The window procedure of the form's and the frames' windows.
  static LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // What a native control makes of a left press `msg`. The second press of a double click
  // begun on a container window (whose first click showed the control under the pointer) is
  // that container's double click: 0, the control has nothing. The system then pairs the
  // control's next press with the one taken: a plain press to the control. Otherwise `msg`.
  static UINT leftPress(HWND control, UINT msg, WPARAM wp, LPARAM lp);

 private:
  // What a container's native window knows of itself.
  struct Node {
    FormWindow* owner;
    forms::Container* container;
    HWND hwnd;
  };
  // Where a windowless control was last painted, to paint it away.
  struct Drawn {
    HWND container;
    RECT rect;
  };
  // The first left press of a possible double click on a container window, in screen pixels.
  struct Press {
    HWND hwnd = nullptr;
    DWORD time = 0;
    POINT at{};
  };
  // A tooltip's tool, as the tooltip window knows it.
  struct Tool {
    HWND hwnd;
    UINT_PTR id;
  };

  LRESULT containerMessage(Node& node, UINT msg, WPARAM wp, LPARAM lp);
  void formChanged(forms::Change what);
  // Puts the window where the model's form stands.
  void place();
  void addNode(forms::Container& container, HWND hwnd);
  void createChildren(forms::Container& container, HWND parent);
  void createControl(forms::Control& c, HWND parent);
  // Rebuilds what the adapters put off.
  void settle();
  void requestSettle();
  void syncTooltip(forms::Control& c);
  void forgetTool(const forms::Control* c);
  void invalidateWindowless(forms::Control& c, forms::Change what);
  void paint(Node& node);
  // The keyboard goes to the model's focused control, or else to the first tab stop.
  void focusInside();
  // WM_DROPFILES: the items of the drop (an HDROP) to the form, at their point.
  void dropped(WPARAM drop);
  [[nodiscard]] bool hasKeyboard() const;
  [[nodiscard]] HWND hwndOf(const forms::Control& c) const;
  [[nodiscard]] NativeAdapter* adapterAt(LPARAM lp) const;
  [[nodiscard]] forms::Point twipsAt(LPARAM lp) const;
  [[nodiscard]] RECT paintedRect(const forms::Control& c) const;

  Backend& backend_;
  forms::Form& form_;
  HWND top_ = nullptr;
  HWND tooltip_ = nullptr;
  std::unordered_map<HWND, std::unique_ptr<Node>> nodes_;
  std::unordered_map<const forms::Control*, std::unique_ptr<NativeAdapter>> adapters_;
  std::unordered_map<HWND, NativeAdapter*> byHwnd_;
  std::unordered_map<const forms::Control*, Drawn> painted_;
  std::unordered_map<const forms::Control*, Tool> tools_;
  Press firstPress_;
  HWND takenFrom_ = nullptr;  // the control whose press leftPress took last
  bool settlePosted_ = false;
  bool placePending_ = false;
  // What screen readers are given for the form's painted buttons, made when first asked for.
  ButtonsAccessible* accessible_ = nullptr;
  // The corner of the monitor the window stands on: that in use when it was made, or when its
  // form last asked to follow the monitor in use.
  POINT origin_{0, 0};
  int nextId_ = 100;
};

}  // namespace win32
