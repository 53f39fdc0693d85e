// The floor the idle bar is measured against: a bare Win32 program whose only work is one
// 10-ms timer reading the pointer.
#include <windows.h>

namespace {

POINT last{};

void CALLBACK onTimer(HWND /*hwnd*/, UINT /*msg*/, UINT_PTR /*id*/, DWORD /*time*/) {
  GetCursorPos(&last);
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*cmd*/, int /*show*/) {
  SetTimer(nullptr, 0, 10, onTimer);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return last.x;
}
