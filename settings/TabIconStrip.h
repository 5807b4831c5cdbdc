// One row of a tab's button icons (small system icons), shown under the tab
// combo of the action page and under the lists of the tab dialogs.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <vector>

#include "framework/SubclassWnd.h"

class CTabIconStrip {
 public:
  CTabIconStrip() = default;
  CTabIconStrip(const CTabIconStrip&) = delete;
  CTabIconStrip& operator=(const CTabIconStrip&) = delete;

  // Takes over a dialog's list box (ID 1818) and sizes it to one row. The strip
  // draws its items itself (it watches the dialog's WM_DRAWITEM for it). A list
  // box made without LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN, or with strings, is
  // made again in its place with those styles: use GetSafeHwnd afterwards.
  void Attach(HWND listBox);
  // Shows the icons of one command list of a tab list snapshot (each command
  // with its zero, ended by an empty string); null empties the strip. The
  // icons of a list are looked up once and kept by the list's address.
  void ShowCommands(const char* commandList);
  // Forgets the kept icons, for when the command lists they belong to are freed.
  void ClearCache() { m_cache.clear(); }

  HWND GetSafeHwnd() const { return m_listBox; }

 private:
  // Watches the dialog for the strip's drawing and background.
  class CParentHook : public CSubclassWnd {
   public:
    explicit CParentHook(CTabIconStrip& strip) : m_strip(strip) {}

   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    CTabIconStrip& m_strip;
  };

  static HWND RemakeWithStripStyles(HWND listBox);
  const std::vector<int>& IconsOf(const char* commandList);
  void DrawItem(const DRAWITEMSTRUCT& item) const;

  HWND m_listBox = nullptr;
  HIMAGELIST m_images = nullptr;  // the shell's small system image list (not owned)
  std::map<const char*, std::vector<int>> m_cache;
  CParentHook m_parentHook{*this};
};
