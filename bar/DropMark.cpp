#include "bar/DropMark.h"

#include <algorithm>

#include "framework/GdiObject.h"
#include "framework/Module.h"

namespace dropmark {

Triangle TriangleFor(POINT point, int orientation) {
  const LONG x = point.x, y = point.y;
  switch (orientation) {
    case kVerticalRight: {
      const LONG s = x - 5;
      return Triangle{{{s - 2, y - 3}, {s - 2, y + 3}, {s + 4, y}}};
    }
    case kVerticalLeft: {
      const LONG s = x + 5;
      return Triangle{{{s + 2, y - 3}, {s + 2, y + 3}, {s - 4, y}}};
    }
    default: {
      const LONG s = y - 5;
      return Triangle{{{x - 3, s - 2}, {x + 3, s - 2}, {x, s + 4}}};
    }
  }
}

RECT TriangleBounds(const Triangle& t) {
  RECT r{t.points[0].x, t.points[0].y, t.points[0].x, t.points[0].y};
  for (const POINT& p : t.points) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  // Filled with its outline, the triangle covers its corner pixels too.
  ++r.right;
  ++r.bottom;
  return r;
}

}  // namespace dropmark

const char CDropMark::kClassName[] = "KestrelDropMark";

namespace {
// The pixels a black pen and brush cover when the triangle is filled, as a region of its
// bounding rectangle: drawn once into a small monochrome bitmap and read back row by row.
HRGN TriangleRegion(const dropmark::Triangle& triangle) {
  const RECT bounds = dropmark::TriangleBounds(triangle);
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (!dc || !region) {
    if (dc) ::DeleteDC(dc);
    return region;
  }
  CBitmap bitmap;
  bitmap.Attach(::CreateBitmap(width, height, 1, 1, nullptr));
  {
    CSelectObject selected(dc, bitmap.GetSafeHandle());
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    POINT points[3];
    for (int i = 0; i < 3; ++i)
      points[i] = POINT{triangle.points[i].x - bounds.left, triangle.points[i].y - bounds.top};
    CSelectObject pen(dc, ::GetStockObject(BLACK_PEN));
    CSelectObject brush(dc, ::GetStockObject(BLACK_BRUSH));
    ::Polygon(dc, points, 3);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width;) {
        if (::GetPixel(dc, x, y) != RGB(0, 0, 0)) {
          ++x;
          continue;
        }
        int end = x;
        while (end < width && ::GetPixel(dc, end, y) == RGB(0, 0, 0)) ++end;
        HRGN run = ::CreateRectRgn(x, y, end, y + 1);
        ::CombineRgn(region, region, run, RGN_OR);
        ::DeleteObject(run);
        x = end;
      }
    }
  }
  ::DeleteDC(dc);
  return region;
}
}  // namespace

CDropMark::~CDropMark() {
  if (m_window) ::DestroyWindow(m_window);
}

bool CDropMark::CreateMarkWindow() {
  HINSTANCE instance = AfxGetInstanceHandle();
  WNDCLASSA existing{};
  if (!::GetClassInfoA(instance, kClassName, &existing)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    if (!AfxRegisterClass(wc)) return false;
  }
  const dropmark::Triangle shape = dropmark::TriangleFor(POINT{0, 0}, m_orientation);
  const RECT bounds = dropmark::TriangleBounds(shape);
  m_window =
      ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT,
                        kClassName, "", WS_POPUP, 0, 0, bounds.right - bounds.left,
                        bounds.bottom - bounds.top, nullptr, nullptr, instance, nullptr);
  if (!m_window) return false;
  // The window takes the region over.
  if (HRGN region = TriangleRegion(shape)) ::SetWindowRgn(m_window, region, FALSE);
  return true;
}

void CDropMark::Show(POINT point) {
  if (m_shown && point.x == m_point.x && point.y == m_point.y) return;
  if (!m_window && !CreateMarkWindow()) return;
  const RECT bounds = dropmark::TriangleBounds(dropmark::TriangleFor(point, m_orientation));
  ::SetWindowPos(m_window, HWND_TOPMOST, bounds.left, bounds.top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::UpdateWindow(m_window);
  m_point = point;
  m_shown = true;
}

void CDropMark::Hide() {
  if (!m_shown) return;
  m_shown = false;
  if (m_window)
    ::SetWindowPos(m_window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}
