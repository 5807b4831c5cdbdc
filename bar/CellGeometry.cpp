#include "bar/CellGeometry.h"

#include <algorithm>

#include "core/StyleWord.h"
#include "framework/Dc.h"
#include "framework/GdiObject.h"

ButtonCell CellGeometryFor(DWORD style, SIZE icon, SIZE letterW, int textWidthInW) {
  ButtonCell cell;
  const int large = (style & style::kLargeIcons) ? 1 : 0;
  const int pad = 4 + 2 * large;
  const int inset = 2 + large;
  cell.showText = (style & style::kShowText) != 0 && letterW.cy > 0;
  if (!cell.showText) {
    cell.size = {pad + icon.cx, pad + icon.cy};
    cell.icon = {inset, inset, inset + icon.cx, inset + icon.cy};
    return cell;
  }
  // A negative width would make the cell narrower than its icon.
  // Kept within what GDI coordinates can hold, whatever BtnTxtWidth says.
  const long long wide = static_cast<long long>(letterW.cx) * std::max(0, textWidthInW);
  const int textWidth = static_cast<int>(std::clamp<long long>(wide, 0, 0x7FFF));
  const int textHeight = static_cast<int>(letterW.cy);
  cell.size.cx = pad + std::max(textWidth, static_cast<int>(icon.cx));
  const int iconX = static_cast<int>(cell.size.cx / 2 - icon.cx / 2);
  cell.icon = {iconX, inset, iconX + icon.cx, inset + icon.cy};
  if (style & style::kTextOverIcon) {
    cell.size.cy = pad + icon.cy;
    cell.text = {inset, cell.icon.bottom - textHeight, cell.size.cx - inset, cell.icon.bottom};
  } else {
    cell.size.cy = textHeight + icon.cy + 8 + 2 * large;
    const int top = inset + icon.cy + 2;
    cell.text = {inset, top, cell.size.cx - inset, top + textHeight};
  }
  return cell;
}

ButtonCell CellGeometry(DWORD style, int fontHeight, HFONT font, int textWidthInW) {
  SIZE icon = (style & style::kLargeIcons)
                  ? SIZE{::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)}
                  : SIZE{::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
  SIZE letterW{0, 0};
  if ((style & style::kShowText) && fontHeight != 0) {
    if (CClientDC dc(nullptr); dc) {
      RECT r{0, 0, 0, 0};
      CSelectObject select(dc,
                           font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
      ::DrawTextA(dc, "W", 1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      letterW = {r.right - r.left, r.bottom - r.top};
    }
  }
  return CellGeometryFor(style, icon, letterW, textWidthInW);
}

SIZE SeparatorGeometry(DWORD style, const ButtonCell& cell) {
  SIZE size = cell.size;
  LONG& along = IsVerticalStyle(style) ? size.cy : size.cx;
  along = std::clamp<LONG>(along / 5, 3, 6);
  return size;
}
