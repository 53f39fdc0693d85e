// The native peer of a form: a borderless top-level window, a node for it and for every frame
// (a container window that paints its windowless children and hears the mouse), and a native
// adapter for every windowed control. It knows no control kind: what a kind does is its
// adapter's, and how windowless controls look is the painter's.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "forms/form.h"
#include "forms/runtime.h"
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

  // The window procedure of the form's and the frames' windows.
  static LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 private:
  // What a container's native window knows of itself.
  struct Node {
    FormWindow* owner;
    forms::Container* container;
    HWND hwnd;
  };

  LRESULT containerMessage(Node& node, UINT msg, WPARAM wp, LPARAM lp);
  void formChanged(forms::Change what);
  void addNode(forms::Container& container, HWND hwnd);
  void createChildren(forms::Container& container, HWND parent);
  void syncTooltip(forms::Control& c);
  void invalidateWindowless(forms::Control& c, forms::Change what);
  void restack(forms::Control& c, HWND h);
  void paint(Node& node);
  [[nodiscard]] HWND hwndOf(const forms::Control& c) const;
  [[nodiscard]] NativeAdapter* adapterAt(LPARAM lp) const;
  [[nodiscard]] HWND firstTabStop(const forms::Container& c) const;
  [[nodiscard]] forms::Point twipsAt(LPARAM lp) const;

  Backend& backend_;
  forms::Form& form_;
  HWND top_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::unique_ptr<Node>> nodes_;
  std::unordered_map<const forms::Control*, std::unique_ptr<NativeAdapter>> adapters_;
  std::unordered_map<HWND, NativeAdapter*> byHwnd_;
  std::unordered_map<const forms::Control*, RECT> painted_;
  std::unordered_map<const forms::Control*, bool> tools_;
  int nextId_ = 100;
};

}  // namespace win32
