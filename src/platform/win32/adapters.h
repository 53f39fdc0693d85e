// The makers of the native adapters, one per kind; makeAdapter chooses among them.
#pragma once

#include <memory>

#include "forms/controls.h"
#include "platform/win32/native_adapter.h"

namespace win32 {

std::unique_ptr<NativeAdapter> makeEditAdapter(Backend& backend, forms::TextBox& box);
std::unique_ptr<NativeAdapter> makeComboAdapter(Backend& backend, forms::ComboBox& combo);
std::unique_ptr<NativeAdapter> makeListAdapter(Backend& backend, forms::ListBox& list);
std::unique_ptr<NativeAdapter> makeCheckBoxAdapter(Backend& backend, forms::CheckBox& check);
std::unique_ptr<NativeAdapter> makeScrollBarAdapter(Backend& backend, forms::ScrollBar& bar);
std::unique_ptr<NativeAdapter> makeButtonAdapter(Backend& backend, forms::Button& button);
std::unique_ptr<NativeAdapter> makeFrameAdapter(Backend& backend, forms::Frame& frame);

}  // namespace win32
