#include "TabGeometry.h"

#include <algorithm>

#include "bar/TabLayout.h"
#include "bar/TabTextPaint.h"

namespace e2e {
namespace {

// The text widths of names in the strip's selected-tab font, as the strip measures its tabs.
std::vector<int> TextWidths(const std::vector<std::string>& names, int thickness) {
  LOGFONTA lf = tabtext::TabFont(thickness, tablayout::kHorizontal, true);
  HFONT font = ::CreateFontIndirectA(&lf);
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  std::vector<int> widths;
  for (const std::string& name : names) {
    SIZE size{};
    if (!name.empty())
      ::GetTextExtentPoint32A(dc, name.data(), static_cast<int>(name.size()), &size);
    widths.push_back(static_cast<int>(size.cx));
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(font);
  return widths;
}

}  // namespace

POINT TabCentre(HWND strip, const std::vector<std::string>& names, size_t index) {
  RECT client{};
  ::GetClientRect(strip, &client);
  const int length = client.right, thickness = client.bottom;
  tablayout::Placement placement =
      tablayout::PlaceChildren(length, thickness, ::GetSystemMetrics(SM_CXHTHUMB), 0.0, false);
  std::vector<tablayout::Span> spans =
      tablayout::LayoutSpans(TextWidths(names, thickness), placement.tabStart, 0, -1);
  POINT p{0, thickness / 2};
  if (index < spans.size()) p.x = spans[index].start + spans[index].length / 2;
  ::ClientToScreen(strip, &p);
  return p;
}

}  // namespace e2e
