#include "BarWindows.h"

#include "WindowFinder.h"

namespace e2e {

HWND FirstChild(HWND parent, const char* className, bool visibleOnly) {
  for (HWND child : ChildWindows(parent, className))
    if (!visibleOnly || ::IsWindowVisible(child)) return child;
  return nullptr;
}

HWND ShownPanel(HWND frame) { return FirstChild(frame, "KestrelBtnPanel", true); }
HWND TabStripOf(HWND frame) { return FirstChild(frame, "KestrelTabStrip"); }
HWND PanelScrollBarOf(HWND frame) { return ::GetDlgItem(TabStripOf(frame), 2); }

HWND CaptureOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
  return thread && ::GetGUIThreadInfo(thread, &info) ? info.hwndCapture : nullptr;
}

HWND StartBar(const ProgramFolder& folder, const std::string& ini, AppProcess* bar) {
  if (!folder.WriteIni(ini)) return nullptr;
  *bar = folder.Start();
  if (!bar->Started()) return nullptr;
  HWND frame = bar->WaitForFrame();
  if (!frame) return nullptr;
  // The frame shows before the view has laid out its panel. Input sent from now on is handled
  // after what the view posted itself at its start (showing the start tab): posted messages
  // come before input, so nothing more needs waiting for.
  WaitUntil([frame] { return ShownPanel(frame) != nullptr; }, AppProcess::kWindowTimeoutMs);
  return frame;
}

std::vector<std::string> WaitForLines(const ProgramFolder& folder, const std::string& name,
                                      size_t count, DWORD timeoutMs) {
  std::string text;
  WaitUntil(
      [&] {
        text = folder.ReadFileBytes(name);
        size_t lines = 0;
        for (char c : text) lines += c == '\n';
        return lines >= count;
      },
      timeoutMs);
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

}  // namespace e2e
