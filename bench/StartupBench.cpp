// Start-up of the bar against a minimal window program, both started the same
// way in the same run: time from process start until the window (for the bar:
// its first button panel) is shown, and the working set once it is.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {
struct Sample {
  double milliseconds = -1;
  double workingSetKb = 0;
};

std::string BinFolder() {
  char self[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path(self, length);
  return path.substr(0, path.find_last_of('\\') + 1);
}

struct FindArgs {
  DWORD pid;
  const char* className;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
  auto* args = reinterpret_cast<FindArgs*>(data);
  char name[64] = "";
  ::GetClassNameA(window, name, sizeof name);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid == args->pid && lstrcmpA(name, args->className) == 0 && ::IsWindowVisible(window)) {
    args->found = window;
    return FALSE;
  }
  ::EnumChildWindows(window, FindVisible, data);
  return args->found ? FALSE : TRUE;
}

// Starts program in folder and waits until a visible window of windowClass exists.
Sample Measure(const std::string& program, const std::string& folder, const char* windowClass) {
  Sample sample;
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  auto start = std::chrono::steady_clock::now();
  if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
    return sample;
  FindArgs args{process.dwProcessId, windowClass, nullptr};
  while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
    args.found = nullptr;
    ::EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&args));
    if (args.found) break;
    ::Sleep(1);
  }
  if (args.found) {
    sample.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::Sleep(300);  // let it settle before reading its memory
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (::GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters))
      sample.workingSetKb = counters.WorkingSetSize / 1024.0;
  }
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 5000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// 10 tabs x 50 buttons of programs of the system folder, with more [Common] lines.
std::string Settings(const std::string& common = "") {
  std::string text =
      "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:0:0:1024:60\r\n" + common + "[Order]\r\n";
  for (int t = 1; t <= 10; ++t) text += std::to_string(t) + "=1\r\n";
  const char* programs[] = {"notepad.exe", "regedit.exe", "winhlp32.exe", "explorer.exe",
                            "system32\\cmd.exe"};
  for (int t = 1; t <= 10; ++t) {
    text += "[Tab" + std::to_string(t) + "]\r\nNo=50\r\nDesc=Tab" + std::to_string(t) + "\r\n";
    for (int b = 1; b <= 50; ++b)
      text += "Btn" + std::to_string(b) + "=C:\\windows\\" + programs[b % 5] + "\r\n";
  }
  return text;
}
}  // namespace

int main() {
  std::string bin = BinFolder();
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "kestrel-startup-bench\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CopyFileA((bin + "Kestrel.exe").c_str(), (folder + "Kestrel.exe").c_str(), FALSE);
  std::string minimal = bin + "kestrel_bench_minimal.exe";

  // Auto-hide, the desktop bar and three hot keys (Ctrl+Shift+F10 to F12) set.
  const std::string hiding = "Style=" + std::to_string(33500 | 0x40000000) +
                             "\r\nHotKeyHide=1657\r\nHotKeyShow=1658\r\nHotKeyExit=1659\r\n";
  std::vector<double> bar, base, barMemory, baseMemory, hidingBar;
  for (int round = 0; round < 9; ++round) {
    std::ofstream(folder + "Kestrel.ini", std::ios::binary | std::ios::trunc) << Settings();
    Sample b = Measure(folder + "Kestrel.exe", folder, "KestrelBtnPanel");
    Sample m = Measure(minimal, bin, "KestrelBenchMinimal");
    std::ofstream(folder + "Kestrel.ini", std::ios::binary | std::ios::trunc) << Settings(hiding);
    Sample h = Measure(folder + "Kestrel.exe", folder, "KestrelBtnPanel");
    if (b.milliseconds < 0 || m.milliseconds < 0 || h.milliseconds < 0) {
      std::printf("start-up: a program did not show its window\n");
      return 1;
    }
    bar.push_back(b.milliseconds);
    hidingBar.push_back(h.milliseconds);
    base.push_back(m.milliseconds);
    barMemory.push_back(b.workingSetKb);
    baseMemory.push_back(m.workingSetKb);
  }
  double t = Median(bar), tb = Median(base), w = Median(barMemory), wb = Median(baseMemory);
  std::printf(
      "start-up until the first panel shows (10 tabs x 50 buttons): %.0f ms, baseline %.0f ms, "
      "ratio %.2f\n",
      t, tb, t / tb);
  double th = Median(hidingBar);
  std::printf(
      "start-up with auto-hide, desktop bar and three hot keys: %.0f ms, baseline %.0f ms, ratio "
      "%.2f\n",
      th, tb, th / tb);
  std::printf("working set after start-up: %.0f KiB, baseline %.0f KiB, ratio %.2f\n", w, wb,
              w / wb);
  ::DeleteFileA((folder + "Kestrel.ini").c_str());
  ::DeleteFileA((folder + "Kestrel.exe").c_str());
  ::RemoveDirectoryA(folder.c_str());
  return 0;
}
