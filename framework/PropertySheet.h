#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Wnd.h"

class CPropertyPage;

// comctl32's property sheet over CPropertyPage objects. Pages are listed
// before the sheet runs and can be added and removed while it runs. The sheet
// window is bound to this object when its first page is made; it updates the
// controls of every page at idle time.
class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(const char* caption, HWND parent = nullptr, DWORD flags = 0)
      : m_caption(caption ? caption : ""), m_parent(parent), m_flags(flags) {}

  void AddPage(CPropertyPage* page);
  void RemovePage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;
  CPropertyPage* GetActivePage() const;
  BOOL SetActivePage(int index);
  // Page to open on when the sheet starts.
  void SetStartPage(int index) { m_startPage = index; }

  // Runs the sheet: IDOK when it ended with OK (or changes were applied),
  // IDCANCEL when cancelled, -1 when it could not be shown.
  INT_PTR DoModal();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::string m_caption;
  HWND m_parent;
  DWORD m_flags;
  int m_startPage = 0;
  std::vector<CPropertyPage*> m_pages;
};
