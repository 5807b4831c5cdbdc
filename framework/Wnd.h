#pragma once

#include <windows.h>

#include "framework/Object.h"

class CCmdUI;

// The client point a mouse message carries (coordinates may be negative).
inline POINT PointFromLParam(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// A window bound to one object. The object is attached in the static window
// procedure from WM_NCCREATE's create parameters and lives in the window's user data.
class CWnd : public CObject {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return GetSafeHwnd(); }

  // Creates the window with this object bound to it. The class must have been
  // registered with CWnd::StaticWindowProc as its procedure.
  virtual BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                        const RECT& rect, HWND parent, UINT_PTR idOrMenu);
  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
  virtual BOOL PreTranslateMessage(MSG* msg);
  BOOL DestroyWindow();
  // Binds this object to a window made elsewhere (a system control such as
  // an edit): its messages reach WindowProc, and Default passes them on to
  // the control's own procedure.
  BOOL SubclassWindow(HWND window);
  // Registers a window class whose windows are bound to their objects (once
  // per process); false when it cannot be registered.
  static bool RegisterWndClass(const char* className, UINT classStyle, HCURSOR cursor,
                               HBRUSH background, HICON icon);

  BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
  BOOL UpdateWindow() const { return ::UpdateWindow(m_hWnd); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

  // Command routing: true when this window carried out the command.
  virtual BOOL OnCommand(UINT id, UINT code, HWND control);
  // Menu enabling: true when this window handles id (it then set the item's
  // state); items nobody handles are disabled.
  virtual BOOL OnUpdateCommand(CCmdUI& ui);

  // The object of a window created by this framework, or none.
  static CWnd* FromHandlePermanent(HWND hwnd);
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // The class's message map: a switch that unpacks the messages it handles
  // and passes the rest to the base.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the last message; the window handle is already gone.
  virtual void PostNcDestroy() {}

  HWND m_hWnd = nullptr;
  WNDPROC m_superProc = nullptr;  // the control's own procedure when subclassed
};
