#pragma once

#include <windows.h>

#include "framework/Dc.h"
#include "framework/Object.h"

class CCmdUI;

// The client point a mouse message carries (coordinates may be negative).
inline POINT PointFromLParam(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// A window bound to one object. The object is attached in the static window
// procedure from WM_NCCREATE's create parameters and lives in the window's user data.
// WindowProc unpacks the common messages once into the On<Message> handlers
// below; each handler's default does what the window would do without it. A
// class overrides the handlers it needs, and WindowProc only for its private
// messages (passing the rest on to its base's WindowProc).
// An exception thrown while the window is being created fails the creation;
// one thrown later is reported to the user, the same fault only once.
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
  // Registers a window class of this module whose windows are bound to their
  // objects (once); false when it cannot be registered.
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
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  HWND GetParent() const { return ::GetParent(m_hWnd); }

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
  // What the window does with a message nobody here handles: the control's
  // own procedure, the system's default, or (for a dialog) the dialog manager's.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // Called after the last message; the window handle is already gone.
  virtual void PostNcDestroy() {}

  // Typed handlers. Return 0 from OnCreate to go on, -1 to fail the creation.
  virtual int OnCreate(const CREATESTRUCTA& cs);
  virtual void OnDestroy();
  virtual void OnSize(UINT type, int cx, int cy);
  // Painting starts when the handler first uses dc; a handler that does not
  // use it (the default) leaves the window to paint as it would without one.
  virtual void OnPaint(CPaintDC& dc);
  virtual BOOL OnEraseBkgnd(HDC dc);
  virtual void OnTimer(UINT_PTR id);
  virtual LRESULT OnNotify(const NMHDR& header);
  // point is in screen coordinates, (-1, -1) when the keyboard asked.
  virtual void OnContextMenu(HWND window, POINT point);
  // Mouse points are client coordinates, except the wheel's (screen).
  virtual void OnMouseMove(UINT flags, POINT point);
  virtual void OnLButtonDown(UINT flags, POINT point);
  virtual void OnLButtonUp(UINT flags, POINT point);
  virtual void OnLButtonDblClk(UINT flags, POINT point);
  virtual void OnRButtonDown(UINT flags, POINT point);
  virtual void OnRButtonUp(UINT flags, POINT point);
  virtual void OnMouseWheel(UINT flags, short delta, POINT point);
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
  virtual void OnChar(UINT code, UINT repeat, UINT flags);

  // Tells the user about a fault in a message handler, once per fault.
  static void ReportFault(UINT message, const char* what);

  HWND m_hWnd = nullptr;
  WNDPROC m_superProc = nullptr;  // the control's own procedure when subclassed
  // A dialog's unhandled messages go back to the dialog manager: Default only
  // notes that the message was left to it.
  bool m_isDialog = false;
  bool m_leftToDialogManager = false;

 private:
  static LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  friend class CDialog;
};
