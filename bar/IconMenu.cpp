#include "bar/IconMenu.h"

#include <shellapi.h>

#include <algorithm>

#include "core/BtnData.h"
#include "core/CommonControls.h"
#include "core/ShellLink.h"
#include "core/TargetInfo.h"
#include "framework/Dc.h"
#include "framework/SubclassWnd.h"

namespace {

// Serves the menu's measuring and drawing from its owner while it is tracked.
class COwnerDrawHook : public CSubclassWnd {
 public:
  explicit COwnerDrawHook(const CIconMenu& menu) : m_menu(menu) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_MEASUREITEM && wParam == 0) {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType == ODT_MENU && m_menu.MeasureItem(*measure)) return TRUE;
    } else if (message == WM_DRAWITEM && wParam == 0) {
      auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType == ODT_MENU && m_menu.DrawItem(*draw)) return TRUE;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
  }

 private:
  const CIconMenu& m_menu;
};

}  // namespace

CIconMenu::CIconMenu(bool largeIcons, HIMAGELIST images)
    : m_largeIcons(largeIcons),
      m_images(images),
      m_iconSize(::GetSystemMetrics(largeIcons ? SM_CXICON : SM_CXSMICON)) {
  CreatePopupMenu();
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    m_font.Attach(::CreateFontIndirectA(&metrics.lfMenuFont));
  }
  if (CClientDC screen(nullptr); screen) {
    CSelectObject font(screen,
                       m_font ? m_font.GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextExtentPoint32A(screen, "M", 1, &m_charM);
  }
}

CIconMenu::~CIconMenu() {
  // The menu goes first, so no item refers to a freed record.
  DestroyMenu();
  m_items.clear();
}

const CIconMenu::Item* CIconMenu::ItemOf(ULONG_PTR data) {
  const auto* item = reinterpret_cast<const Item*>(data);
  return item && item->signature == kSignature ? item : nullptr;
}

BOOL CIconMenu::AppendButton(const CBtnData* button, UINT id) {
  if (id == 0 || !button) return AppendItem(std::string(), -1, 0);
  CTargetInfo info(button->m_command.c_str());
  std::string text = info.m_fileInfo.szDisplayName;
  if ((button->m_flags & kBtnFlagLabelFromComment) && info.IsLink()) {
    ShortcutFields fields;
    if (ReadShortcut(nullptr, button->m_command.c_str(), fields) && !fields.description.empty()) {
      text = fields.description;
    }
  }
  if (text.empty()) text = button->m_command;
  return AppendItem(text, info.m_fileInfo.iIcon, id);
}

BOOL CIconMenu::AppendItem(const std::string& text, int imageIndex, UINT id) {
  if (!GetSafeHmenu()) return FALSE;
  auto item = std::make_unique<Item>();
  item->text = id != 0 ? text : std::string();
  item->imageIndex = id != 0 ? imageIndex : -1;
  UINT flags = MF_OWNERDRAW | (id == 0 ? MF_SEPARATOR : 0);
  if (!::AppendMenuA(GetSafeHmenu(), flags, id, reinterpret_cast<LPCSTR>(item.get()))) {
    return FALSE;
  }
  m_items.push_back(std::move(item));
  return TRUE;
}

bool CIconMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  const Item* item = ItemOf(measure.itemData);
  if (!item) return false;
  if (item->text.empty() && item->imageIndex < 0) {
    measure.itemWidth = 0;
    measure.itemHeight = ::GetSystemMetrics(SM_CYMENU) / 2;
    return true;
  }
  RECT text{};
  if (CClientDC screen(nullptr); screen) {
    CSelectObject font(screen,
                       m_font ? m_font.GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT));
    ::DrawTextA(screen, item->text.c_str(), static_cast<int>(item->text.size()), &text,
                DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
  }
  int height = std::max(
      {GetCellHeight(), ::GetSystemMetrics(SM_CYMENU), static_cast<int>(text.bottom - text.top)});
  int width = GetCellWidth() + (text.right - text.left) - ::GetSystemMetrics(SM_CXMENUCHECK) + 12;
  measure.itemHeight = static_cast<UINT>(height);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  return true;
}

HIMAGELIST CIconMenu::ImageList() const {
  if (m_images) return m_images;
  // Without the frame's: the same system list, asked of the shell.
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info,
                       SHGFI_SYSICONINDEX | (m_largeIcons ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
}

bool CIconMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
  const Item* item = ItemOf(draw.itemData);
  if (!item) return false;
  HDC dc = draw.hDC;
  RECT rect = draw.rcItem;
  if (item->text.empty() && item->imageIndex < 0) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2;
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return true;
  }
  bool highlighted = (draw.itemState & ODS_SELECTED) && !(draw.itemState & ODS_DISABLED);
  bool checked = (draw.itemState & ODS_CHECKED) != 0;

  RECT cell = rect;
  cell.right = cell.left + GetCellWidth();
  int spare = (rect.bottom - rect.top) - GetCellHeight();
  cell.top += spare / 2;
  cell.bottom = cell.top + GetCellHeight();
  ::FillRect(dc, &cell, ::GetSysColorBrush(checked && !highlighted ? COLOR_3DLIGHT : COLOR_MENU));
  if (highlighted || checked) {
    ::DrawEdge(dc, &cell, checked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  if (item->imageIndex >= 0) {
    if (HIMAGELIST images = ImageList()) {
      int x = cell.left + (GetCellWidth() - m_iconSize) / 2;
      int y = cell.top + (GetCellHeight() - m_iconSize) / 2;
      DrawListImage(images, item->imageIndex, dc, x, y, ILD_TRANSPARENT);
    }
  }

  RECT textArea = rect;
  textArea.left = cell.right + 1;
  if (highlighted || (draw.itemAction & ODA_SELECT)) {
    ::FillRect(dc, &textArea, ::GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));
  }
  int color = (draw.itemState & ODS_GRAYED) ? COLOR_GRAYTEXT
              : highlighted                 ? COLOR_HIGHLIGHTTEXT
                                            : COLOR_MENUTEXT;
  COLORREF oldColor = ::SetTextColor(dc, ::GetSysColor(color));
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  CSelectObject font(dc, m_font ? m_font.GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT));
  RECT textRect = rect;
  textRect.left = cell.right + 3;
  textRect.right = rect.right - 6;
  size_t tab = item->text.find('\t');
  std::string left = item->text.substr(0, tab);
  ::DrawTextA(dc, left.c_str(), static_cast<int>(left.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (tab != std::string::npos) {
    std::string right = item->text.substr(tab + 1);
    ::DrawTextA(dc, right.c_str(), static_cast<int>(right.size()), &textRect,
                DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldColor);
  return true;
}

UINT CIconMenu::Track(HWND owner, POINT point) {
  if (!GetSafeHmenu() || !owner) return 0;
  COwnerDrawHook hook(*this);
  hook.HookWindow(owner);
  // The owner must be in front, or the menu does not close when the user clicks elsewhere.
  ::SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(::TrackPopupMenu(GetSafeHmenu(), TPM_LEFTALIGN | TPM_RETURNCMD,
                                                   point.x, point.y, 0, owner, nullptr));
  ::PostMessageA(owner, WM_NULL, 0, 0);
  hook.HookWindow(nullptr);
  return chosen;
}

UINT TrackButtonIconMenu(HWND owner, const std::vector<ButtonMenuItem>& items, bool largeIcons,
                         HIMAGELIST images) {
  CIconMenu menu(largeIcons, images);
  for (const auto& item : items) menu.AppendButton(item.button, item.id);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  return menu.Track(owner, cursor);
}
