// Talon's hook procedure for a million pointer moves that miss the live spots,
// against a hook procedure that only passes the message on, in the same run.
// Also prints the library's size and the modules it imports.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "hook/TalonProtocol.h"

namespace {

const int kRounds = 9;

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

double Run(HOOKPROC volatile proc, HWND window, int moves) {
  MOUSEHOOKSTRUCT mouse{};
  mouse.hwnd = window;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < moves; ++i) {
    mouse.pt = {200 + (i & 255), 300};  // the middle of the screen: no spot
    proc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&mouse));
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

std::string Imports(HMODULE module) {
  auto base = reinterpret_cast<const BYTE*>(module);
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  std::string names;
  for (auto imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
       dir.VirtualAddress && imp->Name; ++imp)
    names +=
        std::string(names.empty() ? "" : " ") + reinterpret_cast<const char*>(base + imp->Name);
  return names;
}

}  // namespace

// Usage: kestrel_bench_talon [moves]  (default a million)
int main(int argc, char** argv) {
  const int moves = argc > 1 ? std::max(kRounds, std::atoi(argv[1])) : 1000000;
  char path[MAX_PATH];
  std::string talonPath(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
  talonPath.replace(talonPath.find_last_of('\\') + 1, std::string::npos, "Talon.dll");
  HMODULE talon = ::LoadLibraryA(talonPath.c_str());
  auto hook =
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(talon, "SpyMouseProc")));
  if (!hook) {
    std::printf("Talon.dll or its SpyMouseProc not found beside the benchmark\n");
    return 1;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.cbWndExtra = 4;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = TALON_LISTENER_CLASS;
  ::RegisterClassA(&wc);
  HWND listener =
      ::CreateWindowExA(0, TALON_LISTENER_CLASS, TALON_LISTENER_TITLE, WS_OVERLAPPEDWINDOW, 0, 0, 0,
                        0, nullptr, nullptr, wc.hInstance, nullptr);
  // Every corner and side edge live, 5 pixels.
  ::SetWindowLongA(listener, 0, 0x05BF);

  // Alternating rounds, summed medians: both sides pass the message on, and
  // that call's cost drifts with the machine's load.
  Run(hook, listener, moves / kRounds);  // warm up
  std::vector<double> measured, baseline;
  for (int round = 0; round < kRounds; ++round) {
    measured.push_back(Run(hook, listener, moves / kRounds));
    baseline.push_back(Run(PassOn, listener, moves / kRounds));
  }
  std::sort(measured.begin(), measured.end());
  std::sort(baseline.begin(), baseline.end());
  const double m = measured[kRounds / 2] * kRounds, b = baseline[kRounds / 2] * kRounds;
  std::printf(
      "hook procedure, %d moves off the spots: %.1f ms, pass-on baseline %.1f ms, "
      "ratio %.2f (goal 1.2 or less)\n",
      moves, m, b, m / b);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExA(talonPath.c_str(), GetFileExInfoStandard, &data);
  std::printf("Talon.dll: %lu bytes, imports %s\n", data.nFileSizeLow, Imports(talon).c_str());
  ::DestroyWindow(listener);
  return 0;
}
