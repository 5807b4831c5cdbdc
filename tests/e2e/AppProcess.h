// A program started by a test: its process, its windows, and its end.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class AppProcess {
 public:
  static constexpr DWORD kWindowTimeoutMs = 15000;
  static constexpr DWORD kExitTimeoutMs = 15000;

  AppProcess() = default;
  // Starts exePath with the command line "exePath" args in folder; check Started().
  AppProcess(const std::string& exePath, const std::string& args, const std::string& folder);
  // A program still running when the test ends is killed, so it cannot disturb the next test.
  ~AppProcess();
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  AppProcess(AppProcess&& other) noexcept;
  AppProcess& operator=(AppProcess&& other) noexcept;

  bool Started() const { return process_ != nullptr; }
  // Why the start failed (system error code), 0 when it did not.
  DWORD StartError() const { return startError_; }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_; }

  bool IsRunning() const;
  // Waits for the process to end; false when it still runs after timeoutMs.
  bool WaitForExit(DWORD timeoutMs = kExitTimeoutMs);
  // The exit code once it has ended, STILL_ACTIVE before.
  DWORD ExitCode() const;
  void Kill();

  // A top-level window of this process; null when none appears in time or the process ends.
  HWND WaitForWindow(const char* className, const char* title,
                     DWORD timeoutMs = kWindowTimeoutMs) const;
  // The bar's frame window: class "KestrelFrame", title "Kestrel"; the time the bar takes to
  // reach its message loop counts toward timeoutMs.
  HWND WaitForFrame(DWORD timeoutMs = kWindowTimeoutMs) const;
  HWND FindFrame() const;
  // A message box captioned title ("#32770" dialog).
  HWND WaitForMessageBox(const char* title, DWORD timeoutMs = kWindowTimeoutMs) const;

  // Closes the bar as the user would (WM_CLOSE to the frame) and waits for the process to end.
  bool CloseFrame(DWORD timeoutMs = kExitTimeoutMs);

 private:
  void Release();

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  DWORD startError_ = 0;
};

}  // namespace e2e
