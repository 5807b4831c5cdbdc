#include "AppProcess.h"

#include <utility>
#include <vector>

#include "WindowFinder.h"

namespace e2e {

AppProcess::AppProcess(const std::string& exePath, const std::string& args,
                       const std::string& folder) {
  std::string line = "\"" + exePath + "\"";
  if (!args.empty()) line += " " + args;
  std::vector<char> commandLine(line.begin(), line.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        NORMAL_PRIORITY_CLASS, nullptr, folder.empty() ? nullptr : folder.c_str(),
                        &startup, &info)) {
    startError_ = ::GetLastError();
    return;
  }
  ::CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  // Let it reach its message loop before the test looks at it.
  ::WaitForInputIdle(process_, 5000);
}

AppProcess::~AppProcess() { Release(); }

AppProcess::AppProcess(AppProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      id_(std::exchange(other.id_, 0)),
      startError_(other.startError_) {}

AppProcess& AppProcess::operator=(AppProcess&& other) noexcept {
  if (this != &other) {
    Release();
    process_ = std::exchange(other.process_, nullptr);
    id_ = std::exchange(other.id_, 0);
    startError_ = other.startError_;
  }
  return *this;
}

void AppProcess::Release() {
  if (!process_) return;
  Kill();
  ::CloseHandle(process_);
  process_ = nullptr;
}

bool AppProcess::IsRunning() const {
  return process_ && ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool AppProcess::WaitForExit(DWORD timeoutMs) {
  return process_ && ::WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD AppProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) ::GetExitCodeProcess(process_, &code);
  return code;
}

void AppProcess::Kill() {
  if (IsRunning()) {
    ::TerminateProcess(process_, 255);
    ::WaitForSingleObject(process_, 5000);
  }
}

HWND AppProcess::WaitForWindow(const char* className, const char* title, DWORD timeoutMs) const {
  if (!process_) return nullptr;
  return WaitForTopLevelWindow(id_, className, title, timeoutMs, process_);
}

HWND AppProcess::WaitForFrame(DWORD timeoutMs) const {
  // The bar makes its frame before its message loop runs: on a busy machine a large settings
  // file can take most of the time, which is spent waiting here rather than asking a window
  // whose thread cannot answer yet for its title.
  DWORD start = ::GetTickCount();
  if (process_) ::WaitForInputIdle(process_, timeoutMs);
  DWORD spent = ::GetTickCount() - start;
  return WaitForWindow("KestrelFrame", "Kestrel", spent < timeoutMs ? timeoutMs - spent : 0);
}

HWND AppProcess::FindFrame() const {
  std::vector<HWND> found = FindTopLevelWindows(id_, "KestrelFrame", "Kestrel");
  return found.empty() ? nullptr : found.front();
}

HWND AppProcess::WaitForMessageBox(const char* title, DWORD timeoutMs) const {
  return WaitForWindow("#32770", title, timeoutMs);
}

bool AppProcess::CloseFrame(DWORD timeoutMs) {
  HWND frame = FindFrame();
  if (!frame || !::PostMessageA(frame, WM_CLOSE, 0, 0)) return false;
  return WaitForExit(timeoutMs);
}

}  // namespace e2e
