// Start-up and working set of the bar against programs started the same way in
// the same run, in alternating rounds (median of nine):
//  - start-up: time from process start until the bar's first button panel is
//    visible, against a minimal program until its one window is visible;
//  - working set once the program has settled, against a minimal program that
//    does the same unavoidable work: one window, the shell's small and large
//    system image lists, and the icons and names of the first tab's targets.
// Both figures for 10 tabs x 50 buttons and for 100 tabs x 100 buttons: tabs
// that are not shown should cost next to nothing.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
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

// The working set once it has stopped growing (a settled program), at most
// after three seconds.
double SettledWorkingSetKb(HANDLE process) {
  double last = -1;
  int steady = 0;
  for (int poll = 0; poll < 30 && steady < 3; ++poll) {
    ::Sleep(100);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    double now = counters.WorkingSetSize / 1024.0;
    steady = (last >= 0 && now - last < 16 && last - now < 16) ? steady + 1 : 0;
    last = now;
  }
  return last;
}

// Starts program in folder and waits until a visible window of windowClass exists.
Sample Measure(const std::string& program, const std::string& folder, const char* windowClass,
               const std::string& arguments = "") {
  Sample sample;
  std::string commandLine = "\"" + program + "\"" + arguments;
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
    sample.workingSetKb = SettledWorkingSetKb(process.hProcess);
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

const char* const kPrograms[] = {"notepad.exe", "regedit.exe", "winhlp32.exe", "explorer.exe",
                                 "system32\\cmd.exe"};

std::string Target(int button) { return std::string("C:\\windows\\") + kPrograms[button % 5]; }

// tabs x buttons of programs of the system folder, with more [Common] lines.
std::string Settings(int tabs, int buttons, const std::string& common) {
  std::string text =
      "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:0:0:1024:60\r\n" + common + "[Order]\r\n";
  for (int t = 1; t <= tabs; ++t) text += std::to_string(t) + "=1\r\n";
  for (int t = 1; t <= tabs; ++t) {
    text += "[Tab" + std::to_string(t) + "]\r\nNo=" + std::to_string(buttons) + "\r\nDesc=Tab" +
            std::to_string(t) + "\r\n";
    for (int b = 1; b <= buttons; ++b) text += "Btn" + std::to_string(b) + "=" + Target(b) + "\r\n";
  }
  return text;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The first tab's targets, as the shell baseline's command line.
std::string FirstTabTargets(int buttons) {
  std::string arguments;
  for (int b = 1; b <= buttons; ++b) arguments += " " + Target(b);
  return arguments;
}

void Print(const char* what, double value, double baseline, const char* unit) {
  std::printf("%-52s %10.0f %s  baseline %10.0f %s  ratio %.2f\n", what, value, unit, baseline,
              unit, baseline > 0 ? value / baseline : 0.0);
}

bool RunConfiguration(const std::string& bin, const std::string& folder, int tabs, int buttons,
                      const std::string& common, const char* label) {
  const std::string minimal = bin + "kestrel_bench_minimal.exe";
  const std::string shell = bin + "kestrel_bench_shell.exe";
  const std::string targets = FirstTabTargets(buttons);
  std::vector<double> bar, base, barMemory, shellMemory;
  const std::string ini = folder + "Kestrel.ini";
  const std::string settings = Settings(tabs, buttons, common);
  for (int round = 0; round < 9; ++round) {
    // The file is written (again only when a round changed it) and then left
    // to age: a user's settings file was written when the bar last closed,
    // and Wine reads a file written moments ago far more slowly.
    if (ReadWhole(ini) != settings) {
      std::ofstream(ini, std::ios::binary | std::ios::trunc) << settings;
      ::Sleep(2500);
    }
    Sample b = Measure(folder + "Kestrel.exe", folder, "KestrelBtnPanel");
    Sample m = Measure(minimal, bin, "KestrelBenchMinimal");
    Sample s = Measure(shell, bin, "KestrelBenchShell", targets);
    if (b.milliseconds < 0 || m.milliseconds < 0 || s.milliseconds < 0) {
      std::printf("start-up: a program did not show its window\n");
      return false;
    }
    bar.push_back(b.milliseconds);
    base.push_back(m.milliseconds);
    barMemory.push_back(b.workingSetKb);
    shellMemory.push_back(s.workingSetKb);
  }
  char what[96];
  std::snprintf(what, sizeof what, "start-up until the first panel shows (%dx%d%s)", tabs, buttons,
                label);
  Print(what, Median(bar), Median(base), "ms");
  std::snprintf(what, sizeof what, "working set after start-up (%dx%d%s)", tabs, buttons, label);
  Print(what, Median(barMemory), Median(shellMemory), "KiB");
  return true;
}
}  // namespace

int main() {
  std::string bin = BinFolder();
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "kestrel-startup-bench\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CopyFileA((bin + "Kestrel.exe").c_str(), (folder + "Kestrel.exe").c_str(), FALSE);
  // Auto-hide, the desktop bar and three hot keys (Ctrl+Shift+F10 to F12) set: registering them
  // must not hold up the first picture.
  const std::string hiding = "Style=" + std::to_string(33500 | 0x40000000) +
                             "\r\nHotKeyHide=1657\r\nHotKeyShow=1658\r\nHotKeyExit=1659\r\n";
  bool ok = RunConfiguration(bin, folder, 10, 50, "", "") &&
            RunConfiguration(bin, folder, 100, 100, "", "") &&
            RunConfiguration(bin, folder, 10, 50, hiding, ", hiding, docked, hot keys");
  ::DeleteFileA((folder + "Kestrel.ini").c_str());
  ::DeleteFileA((folder + "Kestrel.exe").c_str());
  ::RemoveDirectoryA(folder.c_str());
  return ok ? 0 : 1;
}
