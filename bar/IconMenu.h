// A popup menu whose items show a button's icon beside its name; the view shows a tab's buttons
// with it. Items are owner-drawn: the owner window's WM_MEASUREITEM and WM_DRAWITEM are handed
// to MeasureItem and DrawItem, which only touch items that carry the menu's signature.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "core/LauncherHost.h"
#include "framework/GdiObject.h"
#include "framework/Menu.h"

class CBtnData;

class CIconMenu : public CMenu {
 public:
  static constexpr DWORD kSignature = 0x3264696D;

  // The item record behind each owner-drawn item (its item data).
  struct Item {
    DWORD signature = kSignature;
    std::string text;
    int imageIndex = -1;  // in the frame's system image list, -1 for none
  };

  // Icons of the size the frame's style asks for (large with style bit 0x200), drawn from the
  // frame's system image list of that size (the shell's own when none is given).
  explicit CIconMenu(bool largeIcons, HIMAGELIST images = nullptr);
  ~CIconMenu();

  // id != 0: an item with the button's name and the icon of its target; id == 0: a separator.
  BOOL AppendButton(const CBtnData* button, UINT id);
  // An item with text and an image index (or, with id 0, a separator).
  BOOL AppendItem(const std::string& text, int imageIndex, UINT id);

  // False (untouched) for items that are not this kind of menu's.
  bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
  bool DrawItem(const DRAWITEMSTRUCT& draw) const;

  // Shows the menu at point with owner serving its drawing; the chosen identifier, 0 for none.
  UINT Track(HWND owner, POINT point);

  int GetIconSize() const { return m_iconSize; }
  int GetCellWidth() const { return m_iconSize + 4; }
  int GetCellHeight() const { return m_iconSize + 4; }
  HFONT GetFont() const { return m_font.GetSafeHandle(); }
  static const Item* ItemOf(ULONG_PTR data);

 private:
  HIMAGELIST ImageList() const;

  bool m_largeIcons;
  HIMAGELIST m_images;
  int m_iconSize;
  CFont m_font;
  SIZE m_charM{};  // the text "M" in the menu font, measured once
  std::vector<std::unique_ptr<Item>> m_items;
};

// Shows a tab's buttons as an icon menu at the cursor, owned by owner (the frame); the chosen
// identifier or 0. The view's CLauncherHost::TrackButtonMenu is this, with the frame's icon size
// and image list.
UINT TrackButtonIconMenu(HWND owner, const std::vector<ButtonMenuItem>& items, bool largeIcons,
                         HIMAGELIST images);
