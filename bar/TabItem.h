#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "bar/TabLayout.h"
#include "framework/GdiObject.h"

// One tab of the strip: its name, colours, where it lies and the polygon it
// covers there.
class CTabItem {
 public:
  CTabItem(std::string name, uint32_t color, uint32_t textColor)
      : m_name(std::move(name)), m_color(color), m_textColor(textColor) {}
  CTabItem(const CTabItem&) = delete;
  CTabItem& operator=(const CTabItem&) = delete;

  const std::string& GetName() const { return m_name; }
  void SetName(std::string name) {
    m_name = std::move(name);
    m_paintedExtents[0] = m_paintedExtents[1] = SIZE{-1, -1};
  }
  uint32_t GetColor() const { return m_color; }
  uint32_t GetTextColor() const { return m_textColor; }
  void SetColors(uint32_t color, uint32_t textColor) {
    m_color = color;
    m_textColor = textColor;
  }

  const RECT& GetRect() const { return m_rect; }
  // Moves the tab and rebuilds its polygon.
  void SetRect(const RECT& rect, tablayout::Orientation orientation);
  // The polygon as a region, made when first needed after a move.
  HRGN GetRegion() const;
  const tablayout::Quad& GetPolygon() const { return m_polygon; }
  bool Contains(POINT point) const;

  bool IsTruncated() const { return m_truncated; }
  void SetTruncated(bool truncated) { m_truncated = truncated; }
  // The name's width in the selected-tab font, kept from the last layout.
  int GetTextWidth() const { return m_textWidth; }
  // -1 also forgets the painted extents: the name or the fonts changed.
  void SetTextWidth(int width) {
    m_textWidth = width;
    if (width < 0) m_paintedExtents[0] = m_paintedExtents[1] = SIZE{-1, -1};
  }
  // The name's extent in the plain or the selected tab's font, as painting
  // last measured it (cx -1: not yet), so that a repaint need not measure again.
  SIZE& PaintedExtent(bool selected) const { return m_paintedExtents[selected ? 1 : 0]; }

 private:
  std::string m_name;
  uint32_t m_color;
  uint32_t m_textColor;
  RECT m_rect{};
  tablayout::Orientation m_orientation = tablayout::kHorizontal;
  tablayout::Quad m_polygon{};
  mutable CRgn m_region;
  mutable bool m_regionValid = false;
  bool m_truncated = false;
  int m_textWidth = 0;
  mutable SIZE m_paintedExtents[2] = {{-1, -1}, {-1, -1}};
};
