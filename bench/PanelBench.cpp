// The button panel's costs against baselines measured in the same run. Prints
// one line per figure: measured, baseline, ratio.
//  - painting a panel of 500 cells (text, icons, thick edges) against bare
//    GDI calls drawing the same faces, edges, icons (ImageList_Draw of the
//    same indices) and names at the same places, laid out before timing;
//  - Rebuild of a tab of 1,000 buttons against the bare shell look-ups the
//    items need;
//  - what the shell look-up of an unreachable network path costs, against
//    the name-only look-up the panel makes for such a path.
#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bar/BarPaint.h"
#include "bar/BtnPanel.h"
#include "bench/BenchTiming.h"
#include "core/CommonControls.h"
#include "core/TabData.h"
#include "framework/WinApp.h"

CWinApp theBenchApp("Kestrel");

namespace {
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void Print(const char* what, double measured, double baseline, const char* unit) {
  std::printf("%-44s %10.3f %s  baseline %10.3f %s  ratio %.2f\n", what, measured, unit, baseline,
              unit, baseline > 0 ? measured / baseline : 0.0);
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  ::GetWindowsDirectoryA(folder, MAX_PATH);
  return folder;
}

// Real targets of every kind a bar holds: programs, documents, folders,
// missing files, separators and blanks.
std::vector<std::string> Commands(int count) {
  const std::string w = WindowsFolder();
  const std::vector<std::string> kinds = {w + "\\notepad.exe",
                                          w + "\\regedit.exe",
                                          w + "\\system32\\cmd.exe",
                                          w + "\\win.ini",
                                          w,
                                          w + "\\system32",
                                          "C:\\missing\\app.exe",
                                          w + "\\explorer.exe",
                                          w + "\\system32\\winver.exe",
                                          w + "\\system32\\calc.exe"};
  std::vector<std::string> commands;
  for (int i = 0; i < count; ++i) {
    if (i % 25 == 24)
      commands.push_back("/");
    else if (i % 50 == 13)
      commands.push_back("*");
    else
      commands.push_back(kinds[static_cast<size_t>(i) % kinds.size()]);
  }
  return commands;
}

std::unique_ptr<CTabData> MakeTab(const std::vector<std::string>& commands) {
  auto tab = std::make_unique<CTabData>("Bench", 1);
  for (const auto& c : commands) tab->m_buttons.push_back(std::make_unique<CBtnData>(c));
  return tab;
}

HWND MakeParent() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "PanelBenchParent";
  ::RegisterClassA(&wc);
  return ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

// A panel with a chosen style word.
class CStyledPanel : public CBtnPanel {
 public:
  CStyledPanel(CTabData& tab, DWORD style) : CBtnPanel(tab), m_style(style) {}

 protected:
  BarLook ReadLook() const override {
    BarLook look = BarLook::Current(nullptr);
    look.style = m_style;
    return look;
  }

 private:
  DWORD m_style;
};

// The cells as bare GDI calls would draw them, laid out once from the
// panel's own items: face, edge, icon, and the name at its place.
struct Cell {
  RECT rect;
  COLORREF face;
  bool separator;
  HICON icon;
  int image;
  RECT iconAt;
  std::string text;  // already shortened where the name does not fit
  POINT textAt;
  COLORREF textColor;
};

std::vector<Cell> DescribeCells(HDC dc, const CBtnPanel& panel, DWORD style, int visible) {
  std::vector<Cell> cells;
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
  for (int i = 0; i < panel.GetCount(); ++i) {
    const CBtnItem& item = *panel.GetItem(i);
    if (item.m_rect.right > visible) break;
    Cell cell{};
    cell.rect = item.m_rect;
    cell.face = ResolveColor(item.m_data ? item.m_data->m_bkColor : kDefaultColor, face);
    cell.separator = item.IsSeparator();
    cell.icon = item.m_icon;
    cell.image = item.m_imageIndex;
    cell.iconAt = item.m_iconRect;
    ::OffsetRect(&cell.iconAt, item.m_rect.left, item.m_rect.top);
    cell.textColor = ResolveColor(item.m_data ? item.m_data->m_textColor : kDefaultColor, text);
    if ((style & 0x80) && !item.m_text.empty()) {
      RECT box = item.m_textRect;
      ::OffsetRect(&box, item.m_rect.left, item.m_rect.top);
      std::vector<char> shortened(item.m_text.begin(), item.m_text.end());
      shortened.resize(shortened.size() + 8, '\0');
      RECT scratch = box;
      ::DrawTextA(dc, shortened.data(), -1, &scratch,
                  DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      cell.text = shortened.data();
      SIZE size{};
      ::GetTextExtentPoint32A(dc, cell.text.data(), static_cast<int>(cell.text.size()), &size);
      cell.textAt = {box.left + (box.right - box.left - size.cx) / 2,
                     box.top + (box.bottom - box.top - size.cy) / 2};
    }
    cells.push_back(std::move(cell));
  }
  return cells;
}

void DrawCells(HDC dc, const std::vector<Cell>& cells, HIMAGELIST images, HFONT font) {
  HGDIOBJ oldFont = ::SelectObject(dc, font);
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  for (const Cell& cell : cells) {
    ::SetBkColor(dc, cell.face);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &cell.rect, nullptr, 0, nullptr);
    if (cell.separator) continue;
    RECT edge = cell.rect;
    ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    if (cell.icon)
      ::DrawIconEx(dc, cell.iconAt.left, cell.iconAt.top, cell.icon,
                   cell.iconAt.right - cell.iconAt.left, cell.iconAt.bottom - cell.iconAt.top, 0,
                   nullptr, DI_NORMAL);
    else if (cell.image >= 0)
      DrawListImage(images, cell.image, dc, cell.iconAt.left, cell.iconAt.top, ILD_TRANSPARENT);
    if (cell.text.empty()) continue;
    ::SetTextColor(dc, cell.textColor);
    ::ExtTextOutA(dc, cell.textAt.x, cell.textAt.y, 0, nullptr, cell.text.data(),
                  static_cast<UINT>(cell.text.size()), nullptr);
  }
  ::SetBkMode(dc, oldMode);
  ::SelectObject(dc, oldFont);
}

// Painting the panel (background and cells) against the same picture drawn
// with bare calls; width 0: the panel as long as its cells, so that all 500
// are painted.
void BenchPaint(HWND parent, DWORD style, const char* name, bool blanks = false, int width = 0) {
  auto tab = MakeTab(blanks ? std::vector<std::string>(500, "*") : Commands(500));
  CStyledPanel panel(*tab, style);
  RECT r{0, 0, 10, 10};
  if (!panel.Create(parent, 19000, r)) return;
  panel.Rebuild(true);
  SIZE size = panel.ContentSize();
  if (width > 0) size.cx = width;
  ::SetWindowPos(panel.GetSafeHwnd(), nullptr, 0, 0,
                 width > 0 ? width + 2 : panel.ContentExtent().cx, panel.ContentExtent().cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  ::GetClientRect(panel.GetSafeHwnd(), &client);

  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);

  HFONT font = BarLook::Current(nullptr).FontOrStock();
  HGDIOBJ oldFont = ::SelectObject(dc, font);
  const std::vector<Cell> cells = DescribeCells(dc, panel, style, client.right);
  ::SelectObject(dc, oldFont);
  HIMAGELIST images = panel.GetImageList();
  const RECT area = client;

  auto painted = [&] {
    panel.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  };
  auto bare = [&] {
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    DrawCells(dc, cells, images, font);
  };
  bench::Pair t = bench::Alternate(painted, bare);

  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  char what[64];
  std::snprintf(what, sizeof what, "paint %zu cells, %s", cells.size(), name);
  bench::Print(what, t.measured / 1000, t.baseline / 1000, "ms");
}

void BenchRebuild(HWND parent) {
  const std::vector<std::string> commands = Commands(1000);
  const int rounds = 5;
  // The look-ups every item needs: icon index, display name, attributes.
  auto bare = [&] {
    for (const auto& c : commands) {
      if (c == "/" || c == "*") continue;
      SHFILEINFOA info{};
      ::SHGetFileInfoA(c.c_str(), 0, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES);
    }
  };
  auto rebuild = [&] {
    auto tab = MakeTab(commands);
    CBtnPanel panel(*tab);
    RECT r{0, 0, 300, 40};
    panel.Create(parent, 19000, r);
    panel.Rebuild(true);
  };
  bare();
  rebuild();
  double panelTime = 0, bareTime = 0;
  for (int i = 0; i < rounds; ++i) {
    auto start = Clock::now();
    rebuild();
    panelTime += Milliseconds(Clock::now() - start);
    start = Clock::now();
    bare();
    bareTime += Milliseconds(Clock::now() - start);
  }
  Print("Rebuild of 1,000 buttons with items", panelTime / rounds, bareTime / rounds, "ms");
}

void BenchNetworkPath() {
  const char* path = "\\\\kestrel-no-such-host.invalid\\share\\app.exe";
  SHFILEINFOA info{};
  auto start = Clock::now();
  ::SHGetFileInfoA(path, 0, &info, sizeof info,
                   SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES);
  double full = Milliseconds(Clock::now() - start);
  CBtnData data(path);
  CBtnItem item(&data);
  start = Clock::now();
  item.ReadContent();
  double named = Milliseconds(Clock::now() - start);
  Print("item of an unreachable network path", named, full, "ms");
}
}  // namespace

int main() {
  ::OleInitialize(nullptr);
  LoadCommonControls();  // as the bar does before its first picture
  theBenchApp.m_hInstance = ::GetModuleHandleA(nullptr);
  HWND parent = MakeParent();
  BenchPaint(parent, 0x82DC, "text and icons");
  BenchPaint(parent, 0x82DC & ~0x80u, "icons only");
  BenchPaint(parent, 0x82DC & ~0x80u, "blank cells", true);
  BenchPaint(parent, 0x82DC, "1024 pixels of them shown", false, 1024);
  BenchRebuild(parent);
  BenchNetworkPath();
  ::DestroyWindow(parent);
  ::OleUninitialize();
  return 0;
}
