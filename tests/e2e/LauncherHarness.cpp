// Hosts the launcher the way the bar view will, for the end-to-end tests: one operation from the
// command line on the model of Kestrel.ini beside it, with real shell calls, real message boxes
// and a real icon menu. Afterwards it saves the model and writes Harness.out: what it posted to
// the view, handed to the recently used strip and sent to the frame, and the operation's result.
//
//   LauncherHarness launch CMD | run CMD [PARAMS] | drop CELL PATH... | paste CELL | copy CELL
//                   | copyall | separator CELL | runtab V H | tabmenu V H | properties CELL
//                   | taborder | background | showhide | shortcut LNK TARGET ARGS
#include <windows.h>
#include <ole2.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/Launcher.h"
#include "core/PlumageLibrary.h"
#include "core/ProgramFolder.h"
#include "core/ShellLink.h"
#include "bar/IconMenu.h"
#include "framework/WinApp.h"

namespace {

class CHarnessHost : public CLauncherHost {
 public:
  CHarnessHost() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "KestrelLauncherHarness";
    ::RegisterClassA(&wc);
    m_window = ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Harness", WS_POPUP, 0, 0, 1,
                                 1, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~CHarnessHost() override { ::DestroyWindow(m_window); }

  HWND GetViewWindow() override { return m_window; }
  HWND GetFrameWindow() override { return m_window; }
  DWORD GetStyleWord() override { return static_cast<DWORD>(g_barOptions.GetInt("Style", 33500)); }
  void PostToView(UINT message, WPARAM wParam, LPARAM lParam) override {
    Out("post " + std::to_string(message) + " " + std::to_string(static_cast<long>(wParam)) + " " +
        std::to_string(static_cast<long>(lParam)));
  }
  int ShowMessage(const char* text, UINT type) override { return AfxMessageBox(text, type); }
  int GetCurrentCell() override { return m_currentCell; }
  void SetCurrentCell(int index) override { m_currentCell = index; }
  void RelayoutPanel(int index) override { Out("relayout " + std::to_string(index)); }
  void RedrawCell(int index) override { Out("redraw " + std::to_string(index)); }
  void TabColorsChanged() override { Out("colors"); }
  void TabsRebuilt() override { Out("rebuilt"); }
  void AddRecentlyUsed(const std::string& command) override { Out("recent " + command); }
  void PauseAutoHide() override { Out("pause"); }
  void ResumeAutoHide() override { Out("resume"); }
  UINT TrackButtonMenu(const std::vector<ButtonMenuItem>& items) override {
    // Shown for real; the test picks an item with the keyboard or closes the menu.
    ::ShowWindow(m_window, SW_SHOWNOACTIVATE);
    UINT chosen = TrackButtonIconMenu(m_window, items, false, nullptr);
    Out("menu " + std::to_string(items.size()) + " " + std::to_string(chosen));
    return chosen;
  }

  void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  void Out(const std::string& line) { m_lines.push_back(line); }
  // The launcher that answers the settings library's tab list requests.
  void SetLauncher(CLauncher* launcher) { m_launcher = launcher; }
  const std::vector<std::string>& Lines() const { return m_lines; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CHarnessHost*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND) {
      self->Out("frame " + std::to_string(LOWORD(wParam)));
      return 0;
    }
    if (self && message == 0x80C8 && self->m_launcher) {  // WM_TABLIST
      self->Out("tablist " + std::to_string(wParam));
      return self->m_launcher->AnswerTabList(wParam, lParam);
    }
    if (self && message == WM_TIMER && wParam == kDropToBottomTimer) {
      ::KillTimer(window, wParam);
      return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }

  HWND m_window = nullptr;
  CLauncher* m_launcher = nullptr;
  int m_currentCell = -1;
  std::vector<std::string> m_lines;
};

class CHarnessApp : public CWinApp {
 public:
  CHarnessApp() : CWinApp("Kestrel") {}

  BOOL InitInstance() override {
    ::OleInitialize(nullptr);
    SetProfileName(GetProgramFolder() + "Kestrel.ini");
    g_settingsFile.SetPath(GetProfileName());
    g_tabList.LoadAll();
    g_tabList.SelectTab(0);
    std::vector<std::string> args(__argv + 1, __argv + __argc);
    int result = 0;
    {
      CHarnessHost host;
      CPlumageLibrary plumage;
      CLauncher launcher(g_tabList, host, plumage);
      host.SetLauncher(&launcher);
      result = Perform(args, host, launcher);
      host.Pump();
      host.SetLauncher(nullptr);
      g_tabList.SaveAll();
      std::ofstream out(GetProgramFolder() + "Harness.out", std::ios::binary);
      for (const auto& line : host.Lines()) out << line << "\r\n";
      out << "result " << result << "\r\n";
    }
    ::OleUninitialize();
    return FALSE;
  }

 private:
  static int Number(const std::vector<std::string>& args, size_t index) {
    return index < args.size() ? std::atoi(args[index].c_str()) : -1;
  }

  int Perform(const std::vector<std::string>& args, CHarnessHost& host, CLauncher& launcher) {
    if (args.empty()) return -1;
    const std::string& op = args[0];
    std::string arg1 = args.size() > 1 ? args[1] : std::string();
    if (op == "launch") {
      launcher.LaunchButton(arg1);
    } else if (op == "run") {
      return launcher.RunCommand(arg1, args.size() > 2 ? args[2].c_str() : nullptr) ? 1 : 0;
    } else if (op == "drop") {
      launcher.DropFiles(std::vector<std::string>(args.begin() + 2, args.end()), Number(args, 1));
    } else if (op == "paste" || op == "copy" || op == "separator" || op == "properties") {
      host.SetCurrentCell(Number(args, 1));
      if (op == "paste") launcher.PasteFiles();
      if (op == "copy") return launcher.CopyButton() ? 1 : 0;
      if (op == "separator") launcher.NewSeparator();
      if (op == "properties") launcher.ButtonProperties();
    } else if (op == "copyall") {
      return launcher.CopyAllButtons() ? 1 : 0;
    } else if (op == "runtab") {
      launcher.RunTab(Number(args, 1), Number(args, 2));
    } else if (op == "tabmenu") {
      launcher.TabMenu(Number(args, 1), Number(args, 2));
    } else if (op == "taborder") {
      launcher.TabOrder();
    } else if (op == "background") {
      launcher.BarBackground();
    } else if (op == "showhide") {
      launcher.ShowHideTabs();
    } else if (op == "shortcut" && args.size() > 3) {
      std::string path = args[1];
      return WriteShortcut(nullptr, path, args[2].c_str(), nullptr, nullptr, args[3].c_str(),
                           nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd)
                 ? 1
                 : 0;
    } else {
      return -1;
    }
    return 0;
  }
};

CHarnessApp theApp;

}  // namespace
