#include "Input.h"

#include <string>
#include <vector>

namespace e2e {
namespace {

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

INPUT KeyInput(WORD vk, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

bool Send(std::vector<INPUT>& inputs) {
  UINT sent = ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  ::Sleep(50);  // let the target process the events before the caller looks
  return sent == inputs.size();
}

// Absolute mouse coordinates are in 0..65535 over the primary screen.
LONG Normalise(int value, int extent) {
  return static_cast<LONG>((value * 65535LL + extent / 2) / (extent > 1 ? extent - 1 : 1));
}

}  // namespace

void ParkPointer() { ::SetCursorPos(0, ::GetSystemMetrics(SM_CYSCREEN) - 1); }

bool ClickAt(int x, int y, bool right) {
  int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs{
      MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(x, cx), Normalise(y, cy)),
      MouseInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
      MouseInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
  return Send(inputs);
}

void MovePointerTo(int x, int y, bool settle) {
  std::string command = "C:\\windows\\command\\start.exe /wait /unix /usr/bin/xdotool mousemove " +
                        std::to_string(x) + " " + std::to_string(y);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> move{
      MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(x, cx), Normalise(y, cy))};
  Send(move);
  if (!settle) return;
  // Wine may answer from its own cache for a moment after a move; a second report once that
  // has passed gives the target the truth.
  ::Sleep(150);
  Send(move);
}

bool ClickAtPointer(int x, int y, bool right) {
  MovePointerTo(x, y);
  return ClickAt(x, y, right);
}

namespace {

bool ButtonAtPointer(int x, int y, DWORD flags) {
  MovePointerTo(x, y);
  int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs{
      MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalise(x, cx), Normalise(y, cy)),
      MouseInput(flags)};
  return Send(inputs);
}

}  // namespace

bool PressAtPointer(int x, int y, bool right) {
  return ButtonAtPointer(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}

bool ReleaseAtPointer(int x, int y, bool right) {
  return ButtonAtPointer(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

bool PressKey(WORD vk, bool ctrl, bool shift, bool alt) {
  std::vector<INPUT> inputs;
  if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, 0, 0));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, 0, 0));
  if (alt) inputs.push_back(KeyInput(VK_MENU, 0, 0));
  inputs.push_back(KeyInput(vk, 0, 0));
  inputs.push_back(KeyInput(vk, 0, KEYEVENTF_KEYUP));
  if (alt) inputs.push_back(KeyInput(VK_MENU, 0, KEYEVENTF_KEYUP));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
  if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, 0, KEYEVENTF_KEYUP));
  return Send(inputs);
}

bool TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  return Send(inputs);
}

bool BringToFront(HWND window) {
  ::SetForegroundWindow(window);
  ::Sleep(50);
  if (::GetForegroundWindow() == window) return true;
  // Windows refuses the foreground to a background process unless Alt is held.
  std::vector<INPUT> down{KeyInput(VK_MENU, 0, 0)}, up{KeyInput(VK_MENU, 0, KEYEVENTF_KEYUP)};
  Send(down);
  ::SetForegroundWindow(window);
  Send(up);
  return ::GetForegroundWindow() == window;
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
                     LRESULT* result) {
  DWORD_PTR answer = 0;
  if (!::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &answer))
    return false;
  if (result) *result = static_cast<LRESULT>(answer);
  return true;
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(window, message, wParam, lParam) != FALSE;
}

}  // namespace e2e
