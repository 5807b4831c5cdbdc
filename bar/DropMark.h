// The small black triangle that shows where a moved or copied cell or tab will go.
#pragma once

#include <windows.h>

namespace dropmark {

// Orientation of the bar: 0 horizontal, 1 strip on the right (style 0x10000), 2 strip on the
// left (style 0x20000).
enum Orientation { kHorizontal = 0, kVerticalRight = 1, kVerticalLeft = 2 };

struct Triangle {
  POINT points[3];
};
// The triangle for a mark at point: moved 5 pixels off the cells (up, left or right) and
// pointing at them (down, right or left).
Triangle TriangleFor(POINT point, int orientation);
// The smallest rectangle holding every pixel of the filled triangle.
RECT TriangleBounds(const Triangle& triangle);

}  // namespace dropmark

// The mark lives in a small window of its own, shaped as the triangle and kept above every
// other window, so nothing needs restoring under it when it moves or goes: the system repaints
// what it covered even when the screen changed meanwhile.
class CDropMark {
 public:
  static const char kClassName[];

  explicit CDropMark(int orientation) : m_orientation(orientation) {}
  ~CDropMark();
  CDropMark(const CDropMark&) = delete;
  CDropMark& operator=(const CDropMark&) = delete;

  // Shows the mark for point (screen coordinates); where it already is, nothing happens.
  void Show(POINT point);
  void Hide();
  bool IsShown() const { return m_shown; }
  // The point last shown.
  POINT GetPoint() const { return m_point; }
  // The mark's window (none before the first Show).
  HWND GetWindow() const { return m_window; }

 private:
  bool CreateMarkWindow();

  int m_orientation;
  bool m_shown = false;
  POINT m_point{};
  HWND m_window = nullptr;
};
