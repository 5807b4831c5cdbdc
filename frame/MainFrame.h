#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>

#include "core/BarMessages.h"
#include "core/StyleWord.h"
#include "bar/BarHost.h"
#include "framework/FrameWnd.h"
#include "framework/GdiObject.h"
#include "frame/AppBar.h"
#include "frame/HideGeometry.h"

class CChildView;
class CHideWnd;
class CHotKeyTable;
class CShellInfoReader;

// The bar's only top-level window: position, orientation, the "file" menu,
// hold-to-move, and the resources the view draws with.
class CMainFrame : public CFrameWnd, public CBarHost {
 public:
  CMainFrame();
  ~CMainFrame() override;
  static const char kClassName[];
  enum HideState : BYTE { kShown = 0, kShowing = 1, kHiding = 2, kHidden = 3 };

  // Creates the frame as a visible tool window with the given title and rectangle.
  BOOL Create(const char* title, const RECT& rect);
  // From now on the frame deletes itself when its window is gone.
  void SetAutoDelete() { m_autoDelete = true; }

  DWORD GetStyleWord() const { return m_style; }
  bool IsVertical() const { return (m_style & style::kVertical) != 0; }
  bool IsLargeIcons() const { return (m_style & style::kLargeIcons) != 0; }
  // The system image lists; none until the shell reader has opened them.
  HIMAGELIST GetLargeImageList() const;
  HIMAGELIST GetSmallImageList() const;
  // Runs the settings library's options dialog at page (1 frame, 2 button, 3 tab, 5 recently
  // used) and takes over what it changed; false when it was cancelled or could not open.
  bool OptionDialog(int page);
  // The thread that reads icons and names for the panels, or none.
  CShellInfoReader* GetShellInfoReader() override { return m_shellReader.get(); }
  HFONT GetTextFont() const { return m_textFont.GetSafeHandle(); }
  int GetTabHightAdj() const { return m_tabHightAdj; }
  int GetFrmBorderX() const { return m_frmBorderX; }
  int GetFrmBorderY() const { return m_frmBorderY; }
  int GetBorderX() const { return m_borderX; }
  int GetBorderY() const { return m_borderY; }
  int GetBtnTxtDraw() const { return m_btnTxtDraw; }
  int GetBtnTxtWidth() const { return m_btnTxtWidth; }
  HWND GetViewWindow() const { return m_view; }
  CChildView* GetView() const { return m_viewObject.get(); }
  HideState GetHideState() const { return m_hideState; }

  // A left-button press on window (the view or a panel) may become a move of
  // the whole bar when the button is held still for half a second.
  void BeginHoldToMove(HWND window) override;
  // Every menu and dialog of the bar is bracketed by these two.
  void PauseAutoHide() override { m_autoHideArmed = false; }
  void ResumeAutoHide() override;
  // Automatic hiding after SleepTime without input: on with the style bit, off while hidden.
  void StartAutoHide();
  void StopAutoHide();
  HWND GetFrameWindow() override { return m_hWnd; }
  // A desktop bar docks at the edge nearest to (x, y), thickness across; its new length.
  int DockAtThickness(int thickness, int x, int y) override;
  void ReadLook(BarLook& look) override;
  // Idle-time update of the controls' states.
  void OnIdleUpdate();
  // Makes the button text font for TxtFontHeight unless one of that height exists.
  void UpdateTextFont();
  // Takes the frame's copies of the layout options from the option cache.
  void ReadOptionCopies();
  // Stores into the option cache what closing stores (placement, style word, the view's
  // state) and gives back the desktop window and taskbar it hid.
  void StoreClosingState();

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  BOOL OnUpdateCommand(CCmdUI& ui) override;
  void OnClose() override;
  void PostNcDestroy() override;

 private:
  struct HoldDrag {
    POINT press{};
    HWND window = nullptr;
    RECT frameRect{};
    HCURSOR previousCursor = nullptr;
    bool started = false;
  };

  int OnCreate(const CREATESTRUCTA& cs) override;
  void OnDestroy() override;
  BOOL OnQueryEndSession();
  BOOL OnEraseBkgnd(HDC dc) override;
  void OnSize(UINT, int, int) override { LayOutView(); }
  void LayOutView();
  LRESULT OnNcHitTest(LPARAM lParam);
  BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
  void OnTimer(UINT_PTR id) override;
  void OnContextMenu(HWND window, POINT point) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  void OpenFileMenu();
  LRESULT OnShellChanged();

  // Hiding and showing (MainFrameHide.cpp).
  void ToggleHide();
  void OnHideBar(WPARAM always);
  void OnShowBar();
  void OnSleepTimer();
  void SelectShowTab();
  bool CreateHideWindow(hide::Kind kind);
  void DestroyHideWindow();
  HICON GetAppIcon() const;
  // Whether a hot key or a touch spot can bring a hidden bar back without the tray icon.
  bool CanBeCalledBack() const;
  bool HasShowHotKey() const;

  // Hot keys (MainFrameHotKeys.cpp).
  void RegisterHotKeys(bool on);
  void ShowHotKeyFailure();
  void OnHotKey(WPARAM id, LPARAM lParam);
  void ShowTabListMenu();
  // Registers or unregisters the desktop bar after the style word changed.
  void UpdateDesktopBar();
  void SetHookWord(WORD word);
  void OnHookTouch(LPARAM spot);
  void OnTouchTimer();

  void StartHoldToMove();
  void FollowHoldToMove();
  void EndHoldToMove(bool cancel);

  void Arrange(DWORD orientation);
  void MoveToCorner(bool right);
  void PlaceAt(int x, int y);
  void SetStyleWord(DWORD newStyle);
  bool IsProtected() const;
  // Stores the current placement as WinPos (restore-to-maximised when zoomed).
  void SavePlacement();

  DWORD m_style = style::kDefault;
  // The shell's system image lists: attached, not owned; taken from the
  // reader once it has opened them.
  mutable HIMAGELIST m_largeImages = nullptr;
  mutable HIMAGELIST m_smallImages = nullptr;
  std::unique_ptr<CShellInfoReader> m_shellReader;
  CAppBar m_appBar{WM_APPBAR_CALLBACK};
  UINT_PTR m_touchTimer = 0;
  WORD m_hideHookWord = 0;
  WORD m_showHookWord = 0;
  bool m_autoHideArmed = false;
  UINT_PTR m_sleepTimer = 0;
  HideState m_hideState = kShown;
  RECT m_shownRect{};
  RECT m_touchRect{};
  std::unique_ptr<CHideWnd> m_hideWnd;
  std::unique_ptr<CHotKeyTable> m_hotKeys;
  std::optional<HoldDrag> m_holdDrag;
  bool m_capture = false;
  int m_tabHightAdj = 0;
  int m_frmBorderX = 5;
  int m_frmBorderY = 5;
  int m_borderX = 5;
  int m_borderY = 5;
  CFont m_textFont;
  int m_textFontHeight = 0;
  int m_btnTxtDraw = 0x8001;
  int m_btnTxtWidth = 8;
  HWND m_view = nullptr;
  std::unique_ptr<CChildView> m_viewObject;
  bool m_autoDelete = false;
};
