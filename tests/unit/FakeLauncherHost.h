// A recording stand-in for the bar view that drives the launcher. Its frame is a real hidden
// window that records the commands and timers the after-launch actions give it.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "core/BtnData.h"
#include "core/LauncherHost.h"

class FakeLauncherHost : public CLauncherHost {
 public:
  struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  struct Shown {
    std::string text;
    UINT type;
  };

  FakeLauncherHost() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSA wc{};
      wc.lpfnWndProc = FrameProc;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.lpszClassName = "KestrelTestFrame";
      ::RegisterClassA(&wc);
      registered = true;
    }
    frame = ::CreateWindowExA(0, "KestrelTestFrame", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~FakeLauncherHost() override { ::DestroyWindow(frame); }

  HWND GetViewWindow() override { return frame; }
  HWND GetFrameWindow() override { return frame; }
  DWORD GetStyleWord() override { return style; }
  void PostToView(UINT message, WPARAM wParam, LPARAM lParam) override {
    posted.push_back({message, wParam, lParam});
    calls.push_back("post");
  }
  int ShowMessage(const char* text, UINT type) override {
    shown.push_back({text, type});
    calls.push_back("message");
    if (answers.empty()) return IDCANCEL;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  int GetCurrentCell() override { return currentCell; }
  void SetCurrentCell(int index) override { currentCell = index; }
  void RelayoutPanel(int index) override {
    relayouts.push_back(index);
    calls.push_back("relayout");
  }
  void RedrawCell(int index) override {
    redrawn.push_back(index);
    calls.push_back("redraw");
  }
  void TabColorsChanged() override { calls.push_back("colors"); }
  void TabsRebuilt() override { calls.push_back("rebuilt"); }
  void AddRecentlyUsed(const std::string& command) override { recent.push_back(command); }
  void PauseAutoHide() override { calls.push_back("pause"); }
  void ResumeAutoHide() override { calls.push_back("resume"); }
  UINT TrackButtonMenu(const std::vector<ButtonMenuItem>& items) override {
    calls.push_back("menu");
    menuItems.clear();
    for (const auto& item : items) {
      menuItems.push_back({item.id, item.button ? item.button->m_command : std::string()});
    }
    return menuChoice;
  }

  // Frame commands received (sent or posted and dispatched) so far.
  std::vector<WPARAM> FrameCommands() {
    MSG msg;
    while (::PeekMessageA(&msg, frame, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    return frameCommands;
  }

  HWND frame = nullptr;
  DWORD style = 0;
  int currentCell = -1;
  UINT menuChoice = 0;
  std::deque<int> answers;
  std::vector<Posted> posted;
  std::vector<Shown> shown;
  std::vector<int> relayouts;
  std::vector<int> redrawn;
  std::vector<std::string> recent;
  std::vector<std::string> calls;
  std::vector<std::pair<UINT, std::string>> menuItems;
  std::vector<WPARAM> frameCommands;

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakeLauncherHost*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND) {
      self->frameCommands.push_back(wParam);
      return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
};
