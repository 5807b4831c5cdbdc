// Painting a tab strip of 100 tabs against a bare FillRect of the same area,
// measured in the same run on the same memory bitmap. Prints measured,
// baseline and ratio.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bar/TabStrip.h"
#include "framework/WinApp.h"

CWinApp theBenchApp("Kestrel");

namespace {
const int kTabs = 100;
const int kPaints = 100;
const int kRounds = 5;

double Microseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

template <typename Work>
double BestPerPaint(Work work) {
  double best = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kPaints; ++i) work();
    ::GdiFlush();
    double perPaint = Microseconds(std::chrono::steady_clock::now() - start) / kPaints;
    if (perPaint < best) best = perPaint;
  }
  return best;
}
}  // namespace

int main() {
  theBenchApp.m_hInstance = ::GetModuleHandleA(nullptr);
  CWnd::RegisterWndClass("KestrelBenchParent", 0, nullptr,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  CWnd parent;
  const int thickness = ::GetSystemMetrics(SM_CYVTHUMB);
  const int length = 12000;  // every tab visible, so every tab is painted
  if (!parent.CreateEx(0, "KestrelBenchParent", "", WS_POPUP, RECT{0, 0, length, thickness},
                       nullptr, 0)) {
    std::printf("cannot create the parent window\n");
    return 1;
  }
  CTabStrip strip;
  if (!strip.Create(parent, RECT{0, 0, length, thickness})) {
    std::printf("cannot create the tab strip\n");
    return 1;
  }
  strip.SetTextOptions(0.4, 0, 6, false);
  for (int i = 0; i < kTabs; ++i)
    strip.AddTab("タブ" + std::to_string(i + 1), i % 3 ? 0x2000000 : 0x00C0FFC0,
                 i % 5 ? 0x2000000 : 0x000000FF, i + 1 == kTabs);
  strip.Select(kTabs / 2);
  strip.SetEmblem("Kestrel");

  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, length, thickness);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
  RECT area{0, 0, length, thickness};
  HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);

  double baseline = BestPerPaint([&] { ::FillRect(dc, &area, face); });
  double measured = BestPerPaint([&] {
    ::FillRect(dc, &area, face);
    strip.Paint(dc);
  });
  std::printf(
      "tab strip paint, %d tabs (%dx%d px): %.1f us, baseline FillRect %.1f us, ratio %.2f\n",
      kTabs, length, thickness, measured, baseline, measured / baseline);

  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return 0;
}
