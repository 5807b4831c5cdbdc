// The button sheet's icon button: an owner-drawn push button that shows one
// icon large in its middle and small in its bottom-right corner. It keeps
// itself square and hands the focus on when it is disabled.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

class CIconButton : public CWnd {
 public:
  CIconButton() = default;
  ~CIconButton() override;
  CIconButton(const CIconButton&) = delete;
  CIconButton& operator=(const CIconButton&) = delete;

  // Binds the dialog's BS_OWNERDRAW button and makes it square.
  BOOL Attach(HWND button);

  // A held icon: large and small handles (either may be null; owned ones are
  // destroyed with the button or the next choice).
  void SetIcons(HICON large, HICON small, bool owned);
  // A system icon (IDI_...), loaded when first drawn.
  void SetSystemIcon(const char* id);
  // An index into the shell's system image lists.
  void SetImageIndex(int index);
  void Clear();
  bool HasImage() const { return m_large || m_small || m_systemIcon || m_imageIndex >= 0; }

  // From the parent's WM_DRAWITEM for this button.
  void DrawItem(const DRAWITEMSTRUCT& item);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnSize(UINT type, int cx, int cy) override;

 private:
  void ReleaseIcons();
  void MakeSquare();
  void Redraw() const;

  HICON m_large = nullptr;
  HICON m_small = nullptr;
  bool m_owned = false;
  const char* m_systemIcon = nullptr;
  int m_imageIndex = -1;
  HIMAGELIST m_largeList = nullptr;  // the shell's, never destroyed
  HIMAGELIST m_smallList = nullptr;
};
