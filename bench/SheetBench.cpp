// Opening and closing the settings library's sheets from the running bar,
// against a minimal program that opens a property sheet of empty pages from a
// library it loads and unloads the same way (MinimalSheetHost, MinimalSheet),
// in alternating rounds of the same run (median of fifteen). A round runs from
// the posted menu command until the sheet shows its page ("open"); "open and
// close" adds the time from Cancel until the sheet is gone and the library
// unloaded: everything the user waits for.
//  - the options sheet (eight pages) against eight empty pages;
//  - the button sheet of a shortcut button against two empty pages. A library
//    whose button call answers at once without a sheet is reported as such.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "AppProcess.h"
#include "BarWindows.h"
#include "BenchTiming.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"
#include "core/ShellLink.h"

namespace {
using Clock = std::chrono::steady_clock;

const UINT kOptionsCommand = 32800;
const UINT kButtonPropertiesCommand = 32788;
// Far longer than any sheet takes to show on a busy machine.
const DWORD kSheetTimeoutMs = 8000;

// Where a sheet is opened from: the window the command goes to, the process
// and the library it loads for the sheet.
struct Opener {
  HWND window;
  UINT command;
  const e2e::AppProcess* process;
  const char* library;
};

struct Round {
  double open = -1;
  double total = -1;
};

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Where the named library lies in process, or null when it is not loaded.
// Reading every module's name is slow across processes: used only while a
// sheet is open, never to time its closing.
void* ModuleBase(HANDLE process, const char* name) {
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!::EnumProcessModules(process, modules, sizeof modules, &bytes)) return nullptr;
  for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
    char base[MAX_PATH] = "";
    if (::GetModuleBaseNameA(process, modules[i], base, sizeof base) && lstrcmpiA(base, name) == 0)
      return modules[i];
  }
  return nullptr;
}

// Whether the library image found at base is still mapped: one query, so the
// moment it goes is noticed as soon for a process with many modules as for
// one with few.
bool IsImageMapped(HANDLE process, void* base) {
  MEMORY_BASIC_INFORMATION info{};
  return ::VirtualQueryEx(process, base, &info, sizeof info) == sizeof info &&
         info.State == MEM_COMMIT && info.Type == MEM_IMAGE && info.AllocationBase == base;
}

// A visible property sheet of process pid that shows its page.
HWND ShownSheet(DWORD pid) {
  for (HWND window : e2e::FindTopLevelWindows(pid, "#32770", nullptr)) {
    if (!::IsWindowVisible(window)) continue;
    DWORD_PTR page = 0;
    if (::SendMessageTimeoutA(window, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 1000,
                              &page) &&
        page && ::IsWindowVisible(reinterpret_cast<HWND>(page)))
      return window;
  }
  return nullptr;
}

template <typename Condition>
bool Await(Condition condition, Clock::time_point start) {
  while (!condition()) {
    if (MillisecondsSince(start) > kSheetTimeoutMs) return false;
    ::Sleep(1);
  }
  return true;
}

// One round; open stays -1 when no sheet showed in time. "Open and close" is
// the time to open plus the time from Cancel until the sheet is gone and the
// library unloaded: the pause between, where the benchmark looks the library
// up, is no part of either.
Round OpenAndClose(const Opener& opener) {
  Round round;
  const DWORD pid = opener.process->Id();
  HANDLE process = opener.process->Handle();
  const Clock::time_point start = Clock::now();
  if (!e2e::Post(opener.window, WM_COMMAND, opener.command, 0)) return round;
  HWND sheet = nullptr;
  if (!Await([&] { return (sheet = ShownSheet(pid)) != nullptr; }, start)) {
    // Whatever answered instead ends before the next round.
    Await([&] { return !ModuleBase(process, opener.library); }, Clock::now());
    return round;
  }
  const double open = MillisecondsSince(start);
  void* library = ModuleBase(process, opener.library);
  if (!library) return round;
  const Clock::time_point cancel = Clock::now();
  e2e::Post(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  if (!Await([&] { return !::IsWindow(sheet) && !IsImageMapped(process, library); }, cancel))
    return round;
  round.open = open;
  round.total = open + MillisecondsSince(cancel);
  return round;
}

// Fifteen alternating rounds after one unmeasured round of each; false when
// either side showed no sheet.
bool Compare(const char* what, const Opener& measured, const Opener& baseline) {
  if (OpenAndClose(measured).total < 0) return false;
  if (OpenAndClose(baseline).total < 0) return false;
  std::vector<double> open, total, baseOpen, baseTotal;
  for (int i = 0; i < 15; ++i) {
    Round a = OpenAndClose(measured);
    Round b = OpenAndClose(baseline);
    if (a.total < 0 || b.total < 0) return false;
    open.push_back(a.open);
    total.push_back(a.total);
    baseOpen.push_back(b.open);
    baseTotal.push_back(b.total);
  }
  std::string label = std::string(what) + ", open";
  bench::Print(label.c_str(), bench::Median(open), bench::Median(baseOpen), "ms");
  label = std::string(what) + ", open and close";
  bench::Print(label.c_str(), bench::Median(total), bench::Median(baseTotal), "ms");
  return true;
}

// Selects the first cell as the button menu's target, as a right click does.
bool TargetFirstCell(const e2e::AppProcess& bar, HWND frame) {
  HWND panel = e2e::ShownPanel(frame);
  if (!panel) return false;
  RECT r = e2e::WindowRectOf(panel);
  e2e::BringToFront(frame);
  e2e::ClickAtPointer(r.left + 10, (r.top + r.bottom) / 2, true);
  if (!e2e::WaitForMenu(bar.Id(), 3000)) return false;
  e2e::ChooseFromMenu(bar.Id(), VK_ESCAPE);
  e2e::ParkPointer();
  return true;
}
}  // namespace

int main() {
  ::CoInitialize(nullptr);
  e2e::ProgramFolder folder;
  if (!folder.Created() || !folder.AddKestrel() || !folder.AddPlumage() ||
      !folder.AddBinary("kestrel_bench_sheethost.exe", "MinimalSheetHost.exe") ||
      !folder.AddBinary("MinimalSheet.dll", "MinimalSheet.dll")) {
    std::printf("sheets: the built binaries are missing\n");
    return 1;
  }
  // The first cell: a shortcut to a program of the system.
  std::string shortcut = folder.PathOf("Notepad.lnk");
  if (!WriteShortcut(nullptr, shortcut, "C:\\windows\\notepad.exe", nullptr, nullptr, nullptr,
                     nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd)) {
    std::printf("sheets: cannot write the sample shortcut\n");
    return 1;
  }
  e2e::ParkPointer();
  e2e::AppProcess bar;
  HWND frame = e2e::StartBar(folder,
                             "[Common]\r\nTrans=10\r\n[Order]\r\n1=1\r\n[Tab1]\r\nNo=2\r\n"
                             "Desc=Main\r\nBtn1=" +
                                 shortcut + "\r\nBtn2=C:\\windows\\regedit.exe\r\n",
                             &bar);
  e2e::AppProcess host = folder.Start("MinimalSheetHost.exe");
  HWND hostWindow = host.WaitForWindow("KestrelBenchSheetHost", nullptr);
  if (!frame || !hostWindow) {
    std::printf("sheets: the bar or the minimal sheet's host did not start\n");
    return 1;
  }
  const Opener minimalEight{hostWindow, 8, &host, "MinimalSheet.dll"};
  const Opener minimalTwo{hostWindow, 2, &host, "MinimalSheet.dll"};
  if (!Compare("options sheet (8 pages)", {frame, kOptionsCommand, &bar, "Plumage.dll"},
               minimalEight))
    std::printf("options sheet: did not show\n");
  if (!TargetFirstCell(bar, frame))
    std::printf("button sheet: not measured (the bar showed no button menu)\n");
  else if (!Compare("button sheet of a shortcut (2 pages)",
                    {frame, kButtonPropertiesCommand, &bar, "Plumage.dll"}, minimalTwo))
    std::printf("button sheet: not available (the library shows no sheet for the button)\n");
  bar.CloseFrame();
  ::PostMessageA(hostWindow, WM_CLOSE, 0, 0);
  host.WaitForExit();
  ::CoUninitialize();
  return 0;
}
