#include "bar/BarPaint.h"

#include <string>

#include "bar/BtnItem.h"
#include "bar/CellGeometry.h"
#include "core/CommonControls.h"
#include "core/StyleWord.h"
#include "framework/GdiObject.h"

namespace {

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  // ExtTextOut with an opaque rectangle fills without making a brush.
  COLORREF old = ::SetBkColor(dc, color);
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  ::SetBkColor(dc, old);
}

void Line(HDC dc, int left, int top, int right, int bottom, int stock) {
  RECT r{left, top, right, bottom};
  ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(stock)));
}

// Draws a line that fits its box centred where DrawText would put it; false
// when it does not fit. Laying a name out through DrawText on every paint
// costs more than the rest of the cell.
bool DrawCentredLine(HDC dc, const std::string& text, const RECT& box) {
  const int length = static_cast<int>(text.size());
  SIZE size{};
  if (!::GetTextExtentPoint32A(dc, text.c_str(), length, &size)) return false;
  const int width = box.right - box.left;
  if (size.cx > width) return false;
  return ::ExtTextOutA(dc, box.left + (width - size.cx) / 2,
                       box.top + (box.bottom - box.top) / 2 - size.cy / 2, ETO_CLIPPED, &box,
                       text.c_str(), static_cast<UINT>(length), nullptr) != FALSE;
}

RECT Offset(const RECT& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
}  // namespace

COLORREF ResolveColor(uint32_t value, COLORREF fallback) {
  if (value < 0x1000000) return value;
  if (value < 0x2000000) return ::GetSysColor(static_cast<int>(value & 0xFFFFFF));
  return fallback;
}

int PressOffset(DWORD style) { return (style & (style::kThinButtons | style::kFlatButtons)) ? 1 : 2; }

void PaintCell(HDC dc, const CBtnItem& item, const RECT& r, bool pressed, bool hovered,
               const CellPaintContext& context) {
  const uint32_t bkValue = item.m_data ? item.m_data->m_bkColor : kDefaultColor;
  if (item.IsSeparator()) {
    FillSolid(dc, r, ResolveColor(bkValue, context.tabColor));
    return;
  }
  const DWORD style = context.style;
  COLORREF face = (style & style::kTabColorButtons) ? context.tabColor : ::GetSysColor(COLOR_BTNFACE);
  FillSolid(dc, r, ResolveColor(bkValue, face));

  RECT edge = r;
  if (style & style::kThinButtons) {
    int light = pressed ? GRAY_BRUSH : WHITE_BRUSH;
    int dark = pressed ? WHITE_BRUSH : GRAY_BRUSH;
    Line(dc, r.left, r.top, r.right, r.top + 1, light);
    Line(dc, r.left, r.top, r.left + 1, r.bottom, light);
    Line(dc, r.right - 1, r.top, r.right, r.bottom, dark);
    Line(dc, r.left, r.bottom - 1, r.right, r.bottom, dark);
  } else if (style & style::kFlatButtons) {
    if (pressed)
      ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (hovered)
      ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
  } else {
    ::DrawEdge(dc, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  const int p = pressed ? PressOffset(style) : 0;

  RECT icon = Offset(item.m_iconRect, r.left + p, r.top + p);
  if (item.m_icon) {
    ::DrawIconEx(dc, icon.left, icon.top, item.m_icon, icon.right - icon.left,
                 icon.bottom - icon.top, 0, nullptr, DI_NORMAL);
  } else if (item.m_imageIndex >= 0 && context.images) {
    DrawListImage(context.images, item.m_imageIndex, dc, icon.left, icon.top, ILD_TRANSPARENT);
  }

  if ((style & style::kShowText) && !item.m_text.empty()) {
    RECT text = Offset(item.m_textRect, r.left + p, r.top);
    const uint32_t textValue = item.m_data ? item.m_data->m_textColor : kDefaultColor;
    COLORREF defaultText =
        (style & style::kTabColorButtons) ? context.tabTextColor : ::GetSysColor(COLOR_BTNTEXT);
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = ::SetTextColor(dc, ResolveColor(textValue, defaultText));
    CSelectObject font(
        dc, context.font ? static_cast<HGDIOBJ>(context.font) : ::GetStockObject(DEFAULT_GUI_FONT));
    if (item.m_overflow || !DrawCentredLine(dc, item.m_text, text)) {
      UINT format = item.m_overflow ? static_cast<UINT>(context.overflowFormat) : 0x8001u;
      ::DrawTextA(dc, item.m_text.c_str(), static_cast<int>(item.m_text.size()), &text,
                  format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
  }
}

void PaintViewFrame(HDC dc, const RECT& client, DWORD style, int tabThickness, int frmBorderX,
                    int frmBorderY) {
  RECT r = client;
  if (style & 0x10000)
    r.right -= tabThickness;
  else if (style & 0x20000)
    r.left += tabThickness;
  else
    r.bottom -= tabThickness;
  if (r.right <= r.left || r.bottom <= r.top) return;

  if (style & style::kFlatFrame) {
    ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT);
    return;
  }
  ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
  if (style & style::kThinFrame) return;
  const int along = frmBorderX - 2;
  const int across = frmBorderY - 2;
  if (IsVerticalStyle(style))
    ::InflateRect(&r, -across, -along);
  else
    ::InflateRect(&r, -along, -across);
  // A border too large for the view leaves no room for the sunken edge.
  if (r.right <= r.left || r.bottom <= r.top) return;
  ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
}

void PaintTabFace(HDC dc, HRGN region, const tablayout::Quad& polygon,
                  tablayout::Orientation orientation, COLORREF fill) {
  HBRUSH dcBrush = static_cast<HBRUSH>(::GetStockObject(DC_BRUSH));
  ::SetDCBrushColor(dc, fill);
  if (orientation != tablayout::kHorizontal) {
    ::FillRgn(dc, region, dcBrush);
    ::SetDCBrushColor(dc, ::GetSysColor(COLOR_3DDKSHADOW));
    ::FrameRgn(dc, region, dcBrush, 1, 1);
    return;
  }
  const POINT* p = polygon.points;
  {
    // Filling the polygon itself covers the region's pixels and costs a
    // good deal less than filling the region.
    CSelectObject brush(dc, dcBrush);
    CSelectObject noPen(dc, ::GetStockObject(NULL_PEN));
    ::Polygon(dc, p, 4);
  }
  // The region leaves out its bottom row: the bottom line lies just inside.
  const int bottom = p[1].y - 1;
  CSelectObject pen(dc, ::GetStockObject(DC_PEN));
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
  ::MoveToEx(dc, p[0].x, p[0].y, nullptr);
  ::LineTo(dc, p[1].x, bottom);
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_3DDKSHADOW));
  ::LineTo(dc, p[2].x, bottom);
  ::LineTo(dc, p[3].x, p[3].y);
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_3DSHADOW));
  ::MoveToEx(dc, p[1].x + 1, bottom - 1, nullptr);
  ::LineTo(dc, p[2].x - 1, bottom - 1);
  ::LineTo(dc, p[3].x - 1, p[3].y);
}
