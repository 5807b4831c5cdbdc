#include "setup/TitleButton.h"

#include <string>

namespace {

// Owns a GDI font.
class CFontHandle {
 public:
  explicit CFontHandle(HFONT font) : m_font(font) {}
  CFontHandle(const CFontHandle&) = delete;
  CFontHandle& operator=(const CFontHandle&) = delete;
  ~CFontHandle() {
    if (m_font) DeleteObject(m_font);
  }
  HFONT Get() const { return m_font; }

 private:
  HFONT m_font;
};

// Selects an object into a DC for the lifetime of the guard.
class CSelectGuard {
 public:
  CSelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
  CSelectGuard(const CSelectGuard&) = delete;
  CSelectGuard& operator=(const CSelectGuard&) = delete;
  ~CSelectGuard() { SelectObject(m_dc, m_old); }

 private:
  HDC m_dc;
  HGDIOBJ m_old;
};

std::string ControlText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(control, &text[0], length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

}  // namespace

void DrawTitleButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  std::string text = ControlText(item.hwndItem);
  RECT area = item.rcItem;
  InflateRect(&area, -3, -3);
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (text.empty() || width <= 0 || height <= 0) return;

  LOGFONTA face = {};
  HFONT controlFont = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
  if (!controlFont || !GetObjectA(controlFont, sizeof face, &face)) {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight = 0;
  }
  if (face.lfHeight == 0) face.lfHeight = 20;
  face.lfWeight = 1000;  // as heavy as it gets

  // Measure at the starting height, then scale so the text fills the width or the height,
  // whichever limits first.
  SIZE extent = {};
  {
    CFontHandle probe(CreateFontIndirectA(&face));
    CSelectGuard select(dc, probe.Get());
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  if (extent.cx > 0 && extent.cy > 0) {
    double scale = static_cast<double>(width) / extent.cx;
    double byHeight = static_cast<double>(height) / extent.cy;
    if (byHeight < scale) scale = byHeight;
    LONG size = face.lfHeight < 0 ? -face.lfHeight : face.lfHeight;
    LONG scaled = static_cast<LONG>(size * scale) - 1;
    if (scaled < 1) scaled = 1;
    face.lfHeight = face.lfHeight < 0 ? -scaled : scaled;
  }
  CFontHandle font(CreateFontIndirectA(&face));
  CSelectGuard select(dc, font.Get());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = GetTextColor(dc);

  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const int mirror = pressed ? -1 : 1;
  struct Layer {
    int color;
    int dx, dy;
  } layers[] = {
      {COLOR_3DDKSHADOW, 2, 2},
      {COLOR_BTNHIGHLIGHT, -1, -1},
      {COLOR_BTNSHADOW, 1, 1},
      {COLOR_3DLIGHT, -1, 0},
  };
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  for (const Layer& layer : layers) {
    RECT shifted = area;
    OffsetRect(&shifted, layer.dx * mirror, layer.dy * mirror);
    SetTextColor(dc, GetSysColor(layer.color));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shifted, format);
  }
  SetTextColor(dc, GetSysColor((item.itemState & ODS_FOCUS) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}
