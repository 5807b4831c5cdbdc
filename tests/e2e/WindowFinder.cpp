#include "WindowFinder.h"

#include <cstdlib>
#include <memory>

namespace e2e {
namespace {

struct Search {
  DWORD pid;
  const char* className;
  const char* title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (search->pid && owner != search->pid) return TRUE;
  if (search->className && ClassNameOf(window) != search->className) return TRUE;
  if (search->title && TextOf(window) != search->title) return TRUE;
  search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// Screen pixels of a window's client area (the box's icon as drawn).
std::vector<COLORREF> CapturePixels(HWND window, int* width, int* height) {
  RECT client;
  ::GetClientRect(window, &client);
  POINT origin{0, 0};
  ::ClientToScreen(window, &origin);
  *width = client.right;
  *height = client.bottom;
  std::vector<COLORREF> pixels;
  HDC screen = ::GetDC(nullptr);
  for (int y = 0; y < *height; ++y)
    for (int x = 0; x < *width; ++x)
      pixels.push_back(::GetPixel(screen, origin.x + x, origin.y + y));
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

// The same icon drawn here on the box's background, for comparison.
std::vector<COLORREF> RenderIcon(LPCSTR id, int width, int height, COLORREF background) {
  std::vector<COLORREF> pixels;
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  HBRUSH brush = ::CreateSolidBrush(background);
  RECT all{0, 0, width, height};
  ::FillRect(dc, &all, brush);
  ::DeleteObject(brush);
  if (id) ::DrawIcon(dc, 0, 0, ::LoadIconA(nullptr, id));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(dc, x, y));
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

long Distance(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  long sum = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    sum += std::abs(GetRValue(a[i]) - GetRValue(b[i])) +
           std::abs(GetGValue(a[i]) - GetGValue(b[i])) +
           std::abs(GetBValue(a[i]) - GetBValue(b[i]));
  }
  return sum;
}

// A process cannot use another's icon handle, so the icon is recognised by its pixels: the
// system icon drawn here that looks most like the one on the screen (or none at all).
BoxIcon IdentifyIcon(HWND iconControl) {
  int width = 0, height = 0;
  std::vector<COLORREF> shown = CapturePixels(iconControl, &width, &height);
  if (width <= 0 || height <= 0) return BoxIcon::kUnknown;
  COLORREF background = shown.back();  // the corner is never covered by the icon
  const struct {
    LPCSTR id;
    BoxIcon icon;
  } candidates[] = {{nullptr, BoxIcon::kNone},
                    {IDI_HAND, BoxIcon::kStop},
                    {IDI_EXCLAMATION, BoxIcon::kExclamation},
                    {IDI_ASTERISK, BoxIcon::kInformation},
                    {IDI_QUESTION, BoxIcon::kQuestion}};
  BoxIcon best = BoxIcon::kUnknown;
  long bestDistance = -1;
  for (const auto& c : candidates) {
    long d = Distance(shown, RenderIcon(c.id, width, height, background));
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = c.icon;
    }
  }
  return best;
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(DWORD pid, const char* className, const char* title) {
  Search search{pid, className, title, {}};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OpenMenuOf(DWORD pid) {
  for (HWND w : FindTopLevelWindows(pid, "#32768", nullptr))
    if (::IsWindowVisible(w)) return w;
  return nullptr;
}

HWND WaitForTopLevelWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs,
                           HANDLE process) {
  DWORD start = ::GetTickCount();
  for (;;) {
    std::vector<HWND> found = FindTopLevelWindows(pid, className, title);
    if (!found.empty()) return found.front();
    if (::GetTickCount() - start >= timeoutMs) return nullptr;
    if (process && ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
      // One last look: the window may have come and the process gone in the meantime.
      found = FindTopLevelWindows(pid, className, title);
      return found.empty() ? nullptr : found.front();
    }
    ::Sleep(20);
  }
}

std::vector<HWND> VisibleTopLevelWindows(DWORD pid) {
  std::vector<HWND> visible;
  for (HWND window : FindTopLevelWindows(pid, nullptr, nullptr))
    if (::IsWindowVisible(window)) visible.push_back(window);
  return visible;
}

std::vector<HWND> ChildWindows(HWND parent, const char* className) {
  std::vector<HWND> children;
  ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  if (className) {
    std::vector<HWND> matching;
    for (HWND child : children)
      if (ClassNameOf(child) == className) matching.push_back(child);
    return matching;
  }
  return children;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::Sleep(20);
  }
}

std::string ClassNameOf(HWND window) {
  char name[256] = "";
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return std::string();
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, 2000, &copied))
    return std::string();
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return text;
}

RECT WindowRectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

MessageBoxInfo ReadMessageBox(HWND box) {
  MessageBoxInfo info;
  info.title = TextOf(box);
  for (HWND child : ChildWindows(box)) {
    std::string cls = ClassNameOf(child);
    LONG style = ::GetWindowLongA(child, GWL_STYLE);
    if (cls == "Button") {
      info.buttons.push_back(TextOf(child));
    } else if (cls == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
      if (::IsWindowVisible(child)) info.icon = IdentifyIcon(child);
    } else if (cls == "Static" && ::GetDlgCtrlID(child) == 0xFFFF) {
      info.text = TextOf(child);  // the message text has the static control id -1
    }
  }
  return info;
}

MessageBoxInfo ReadShownMessageBox(HWND box, bool withIcon, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  // Text and buttons first: reading the icon takes a look at the screen.
  WaitUntil(
      [box] {
        bool text = false, button = false;
        for (HWND child : ChildWindows(box)) {
          std::string cls = ClassNameOf(child);
          button = button || cls == "Button";
          text = text ||
                 (cls == "Static" && ::GetDlgCtrlID(child) == 0xFFFF && !TextOf(child).empty());
        }
        return text && button;
      },
      timeoutMs);
  MessageBoxInfo info = ReadMessageBox(box);
  if (withIcon && info.icon == BoxIcon::kNone) {
    DWORD spent = ::GetTickCount() - start;
    WaitUntil(
        [&] {
          info = ReadMessageBox(box);
          return info.icon != BoxIcon::kNone;
        },
        spent < timeoutMs ? timeoutMs - spent : 0);
  }
  return info;
}

const char* BoxIconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::kNone:
      return "none";
    case BoxIcon::kStop:
      return "stop";
    case BoxIcon::kExclamation:
      return "exclamation";
    case BoxIcon::kInformation:
      return "information";
    case BoxIcon::kQuestion:
      return "question";
    default:
      return "unknown";
  }
}

}  // namespace e2e
