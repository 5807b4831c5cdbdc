#include "frame/MainFrame.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>

#include "bar/BarLook.h"
#include "bar/ChildView.h"
#include "bar/ShellInfoReader.h"
#include "core/Globals.h"
#include "core/PlumageLibrary.h"
#include "frame/KestrelApp.h"
#include "core/ShellWindows.h"
#include "frame/HookListener.h"
#include "frame/HideWnd.h"
#include "frame/HotKeyTable.h"
#include "frame/ScreenPoint.h"
#include "frame/ShellChangeNotify.h"
#include "frame/TrayIcon.h"
#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "framework/ModalPump.h"
#include "kestrel_res.h"

const char CMainFrame::kClassName[] = "KestrelFrame";

namespace {
const UINT_PTR kTimerRestoreZOrder = 198;
const UINT_PTR kTimerSleep = 199;
const UINT_PTR kTimerTouch = 200;
const UINT_PTR kTimerHoldToMove = 1000;
const UINT kHoldToMoveDelay = 500;
const int kGrip = 5;  // thickness of the border that acts as a grip
// Used when [Common] Font is still empty: the setup tool writes the same face.
const char kDefaultFace[] = "ＭＳ Ｐゴシック";

bool LeftButtonDown() {
  int key = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return (::GetAsyncKeyState(key) & 0x8000) != 0;
}

BOOL CALLBACK SendIdleUpdate(HWND window, LPARAM) {
  ::SendMessageA(window, WM_IDLEUPDATECMDUI, TRUE, 0);
  return TRUE;
}

BOOL CALLBACK SendShellChanged(HWND window, LPARAM) {
  ::SendMessageA(window, WM_SHELL_CHANGED, 0, 0);
  return TRUE;
}

}  // namespace

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::Create(const char* title, const RECT& rect) {
  // Tool window; pop-up, visible, dialog frame, minimise box.
  return CreateEx(WS_EX_TOOLWINDOW, kClassName, title, 0x90420000, rect, nullptr, 0);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  if (!RegisterFrameClass(kClassName, 0, nullptr, nullptr, nullptr)) return FALSE;
  m_style = static_cast<DWORD>(g_barOptions.GetInt("Style", style::kDefault));
  if (m_style & style::kTopmost) cs.dwExStyle |= WS_EX_TOPMOST;
  if (m_style & style::kDesktopBar) {
    // A desktop bar spans the whole screen edge nearest to where it was.
    m_appBar.SetEdge(appbar::DockEdge(IsVertical(), cs.x, cs.y, ScreenWidth(), ScreenHeight()));
    m_appBar.SetThickness(IsVertical() ? cs.cx : cs.cy);
    if (IsVertical()) {
      cs.y = 0;
      cs.cy = ScreenHeight();
    } else {
      cs.x = 0;
      cs.cx = ScreenWidth();
    }
  }
  return TRUE;
}

int CMainFrame::OnCreate(const CREATESTRUCTA&) {
  LoadAccelTable(IDR_ACCELERATORS);

  // Opening the system image lists and asking the shell about every button
  // takes longer than everything else at start-up: a thread of its own does
  // it once the bar is on screen (the view tells it to go).
  m_shellReader = std::make_unique<CShellInfoReader>();
  if (!m_shellReader->Start(true)) {
    m_shellReader.reset();
    m_largeImages = SystemImageList(true);
    m_smallImages = SystemImageList(false);
  }

  ReadOptionCopies();

  m_appBar.SetWindow(m_hWnd);
  if (m_style & style::kDesktopBar) m_appBar.Register(m_style);

  m_viewObject = std::make_unique<CChildView>(this);
  if (!m_viewObject->Create(m_hWnd, ID_VIEW_PANE, WS_CHILD | WS_VISIBLE | WS_BORDER)) return -1;
  m_view = m_viewObject->GetSafeHwnd();
  m_pView = m_viewObject.get();
  LayOutView();  // the view may have fitted the frame while it was being made

  g_shellChangeNotify.Register(m_hWnd, WM_SHELL_CHANGED);
  m_hideState = kShown;
  if (m_style & style::kAutoHide) StartAutoHide();
  RegisterHotKeys(true);
  ApplyWinDisp();
  const HookWords words = ReadHookWords(m_style & style::kTouchHide, m_style & style::kTouchShow);
  m_hideHookWord = words.hide;
  m_showHookWord = words.show;
  // Posted: it waits until the bar has been painted for the first time.
  PostMessage(WM_START_HOOK_LISTENER, 0, 0);
  return 0;
}

HIMAGELIST CMainFrame::GetLargeImageList() const {
  if (!m_largeImages && m_shellReader) m_largeImages = m_shellReader->GetImageList(true);
  return m_largeImages;
}

HIMAGELIST CMainFrame::GetSmallImageList() const {
  if (!m_smallImages && m_shellReader) m_smallImages = m_shellReader->GetImageList(false);
  return m_smallImages;
}

void CMainFrame::UpdateTextFont() {
  int height = g_barOptions.GetInt("TxtFontHeight", 10);
  if (m_textFont && m_textFontHeight == height) return;
  std::string face = g_barOptions.GetString("Font", "");
  if (face.empty()) face = kDefaultFace;
  LOGFONTA font{};
  font.lfHeight = -height;
  font.lfWeight = 300;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
  m_textFont.Attach(::CreateFontIndirectA(&font));
  m_textFontHeight = m_textFont ? height : 0;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ENDSESSION:
      // The process may be ended after this without any WM_DESTROY.
      if (wParam) GetKestrelApp().EndSession();
      return 0;
    case WM_SETFOCUS:
      if (m_view) ::SetFocus(m_view);
      return 0;
    case WM_NCHITTEST:
      return OnNcHitTest(lParam);
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) return TRUE;
      break;
    case WM_CAPTURECHANGED:
      if (m_capture && reinterpret_cast<HWND>(lParam) != m_hWnd) EndHoldToMove(false);
      return 0;
    case WM_SYSCOMMAND:
      // A locked bar cannot be closed from the system menu or with Alt+F4.
      if ((wParam & 0xFFF0) == SC_CLOSE && IsProtected()) return 0;
      break;
    case WM_SHELL_CHANGED:
      return OnShellChanged();
    case WM_TABLIST:
      return m_view ? ::SendMessageA(m_view, WM_TABLIST, wParam, lParam) : 0;
    case WM_START_HOOK_LISTENER:
      ApplyHookWords(m_hWnd, WM_HOOK_TOUCH, {m_hideHookWord, m_showHookWord});
      return 0;
    case WM_HIDE_BAR:
      OnHideBar(wParam);
      return 0;
    case WM_SHOW_BAR:
      OnShowBar();
      return 0;
    case WM_HOOK_TOUCH:
      OnHookTouch(lParam);
      return 0;
    case WM_HOTKEY:
      OnHotKey(wParam, lParam);
      break;
    case WM_HOTKEY_FAILED:
      ShowHotKeyFailure();
      return 0;
    case WM_APPBAR_CALLBACK:
      m_appBar.OnCallback(wParam, lParam);
      return 0;
    case WM_ACTIVATE: {
      LRESULT result = CFrameWnd::WindowProc(message, wParam, lParam);
      m_appBar.OnActivate();
      return result;
    }
    case WM_WINDOWPOSCHANGED: {
      LRESULT result = CFrameWnd::WindowProc(message, wParam, lParam);
      m_appBar.OnWindowPosChanged();
      return result;
    }
    default:
      break;
  }
  return CFrameWnd::WindowProc(message, wParam, lParam);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
  if (m_viewObject && m_viewObject->PreTranslateMessage(msg)) return TRUE;
  if (m_holdDrag && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
    EndHoldToMove(true);
    return TRUE;
  }
  return CFrameWnd::PreTranslateMessage(msg);
}

BOOL CMainFrame::OnEraseBkgnd(HDC dc) {
  // The class has no background brush: the frame paints its own face.
  RECT client;
  GetClientRect(&client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

void CMainFrame::LayOutView() {
  RECT client;
  GetClientRect(&client);
  HWND view = m_viewObject ? m_viewObject->GetSafeHwnd() : nullptr;
  if (view) ::MoveWindow(view, 0, 0, client.right, client.bottom, TRUE);
}

LRESULT CMainFrame::OnNcHitTest(LPARAM lParam) {
  LRESULT hit = Default(WM_NCHITTEST, 0, lParam);
  if (hit != HTBORDER || (m_style & style::kDesktopBar)) return hit;
  // The thin border is the grip: a horizontal bar is dragged by its top edge
  // and sized at its ends; a vertical bar is dragged by its outer edge.
  RECT w;
  GetWindowRect(&w);
  int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  if (!IsVertical()) {
    if (y <= w.top + kGrip) return HTCAPTION;
    if (y >= w.bottom - kGrip) return HTBORDER;
    return x >= w.left + kGrip ? HTRIGHT : HTLEFT;
  }
  if (y <= w.top + kGrip) return HTTOP;
  if (y >= w.bottom - kGrip) return HTBOTTOM;
  if (m_style & style::kVerticalLeft) return x > w.left + kGrip ? HTBORDER : HTCAPTION;
  return x < w.right - kGrip ? HTBORDER : HTCAPTION;
}

BOOL CMainFrame::OnSetCursor(HWND window, UINT hitTest, UINT) {
  if (window != m_hWnd || hitTest != HTCAPTION) return FALSE;
  ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEALL));
  return TRUE;
}

void CMainFrame::OnTimer(UINT_PTR id) {
  switch (id) {
    case kTimerHoldToMove:
      StartHoldToMove();
      break;
    case kTimerSleep:
      OnSleepTimer();
      break;
    case kTimerTouch:
      OnTouchTimer();
      break;
    case kTimerRestoreZOrder:
      ::KillTimer(m_hWnd, kTimerRestoreZOrder);
      ResumeAutoHide();
      ::SetWindowPos(m_hWnd, (m_style & style::kTopmost) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
                     0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      break;
    default:
      break;
  }
}

void CMainFrame::OnIdleUpdate() {
  // Controls refresh their enabled states when the program has nothing else to do.
  ::EnumChildWindows(m_hWnd, SendIdleUpdate, 0);
}

void CMainFrame::BeginHoldToMove(HWND window) {
  ::KillTimer(m_hWnd, kTimerHoldToMove);
  if (m_holdDrag) EndHoldToMove(false);
  HoldDrag drag;
  drag.press = PointerPosition();
  drag.window = window;
  GetWindowRect(&drag.frameRect);
  m_holdDrag = drag;
  ::SetTimer(m_hWnd, kTimerHoldToMove, kHoldToMoveDelay, nullptr);
}

void CMainFrame::StartHoldToMove() {
  ::KillTimer(m_hWnd, kTimerHoldToMove);
  if (!m_holdDrag) return;
  POINT cursor = PointerPosition();
  // Only a press held perfectly still on the same window becomes a move; a
  // click that was already released does not.
  if (::WindowFromPoint(cursor) != m_holdDrag->window || cursor.x != m_holdDrag->press.x ||
      cursor.y != m_holdDrag->press.y || !LeftButtonDown()) {
    EndHoldToMove(false);
    return;
  }
  m_holdDrag->previousCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEALL));
  m_holdDrag->started = true;
  PauseAutoHide();
  ::SetCapture(m_hWnd);
  m_capture = true;
}

void CMainFrame::FollowHoldToMove() {
  if (!m_capture || !m_holdDrag) return;
  if (::GetCapture() != m_hWnd) {
    EndHoldToMove(false);
    return;
  }
  POINT cursor = PointerPosition();
  const RECT& r = m_holdDrag->frameRect;
  ::SetWindowPos(m_hWnd, nullptr, r.left + cursor.x - m_holdDrag->press.x,
                 r.top + cursor.y - m_holdDrag->press.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMainFrame::EndHoldToMove(bool cancel) {
  ::KillTimer(m_hWnd, kTimerHoldToMove);
  if (!m_holdDrag) return;
  HoldDrag drag = *m_holdDrag;
  m_holdDrag.reset();  // first, so losing the capture below does not end it twice
  if (m_capture) {
    m_capture = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  }
  if (!drag.started) return;
  ResumeAutoHide();
  ::SetCursor(drag.previousCursor);
  if (cancel || (m_style & style::kPositionLocked)) {
    ::SetWindowPos(m_hWnd, nullptr, drag.frameRect.left, drag.frameRect.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  } else if (m_style & style::kDesktopBar) {
    // A desktop bar is not left where it was dropped: it docks at the nearer edge.
    RECT r;
    GetWindowRect(&r);
    DockAtThickness(IsVertical() ? r.right - r.left : r.bottom - r.top, r.left, r.top);
  }
}

bool CMainFrame::IsProtected() const { return g_barOptions.GetInt("Protects", 0) == 1; }

void CMainFrame::OnMouseMove(UINT, POINT) { FollowHoldToMove(); }

void CMainFrame::OnLButtonUp(UINT, POINT) {
  if (m_holdDrag) EndHoldToMove(false);
}

void CMainFrame::OnContextMenu(HWND window, POINT point) {
  if (IsProtected()) return CWnd::OnContextMenu(window, point);
  OpenFileMenu();
}

void CMainFrame::OpenFileMenu() {
  CMenu menu;
  if (!menu.LoadMenu(AfxGetResourceHandle(), IDR_MAINMENU)) return;
  HMENU file = menu.GetSubMenu(MENU_POS_FILE);
  if (!file) return;
  POINT cursor;
  ::GetCursorPos(&cursor);
  PauseAutoHide();
  ::SetForegroundWindow(m_hWnd);
  ::TrackPopupMenu(file, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   AfxGetMainWndHandle(), nullptr);
  ResumeAutoHide();
}

LRESULT CMainFrame::OnShellChanged() {
  ::EnumChildWindows(m_hWnd, SendShellChanged, 0);
  return 1;
}

BOOL CMainFrame::OnCommand(UINT id, UINT, HWND) {
  switch (id) {
    case ID_ARRANGE_HORZ:
      Arrange(0);
      return TRUE;
    case ID_ARRANGE_VERT_LEFT:
      Arrange(style::kVerticalLeft);
      return TRUE;
    case ID_ARRANGE_VERT_RIGHT:
      Arrange(style::kVerticalRight);
      return TRUE;
    case ID_MOVE_TOP_LEFT:
      MoveToCorner(false);
      return TRUE;
    case ID_MOVE_TOP_RIGHT:
      MoveToCorner(true);
      return TRUE;
    case ID_ALWAYS_ON_TOP: {
      DWORD old = m_style;
      SetStyleWord(m_style ^ style::kTopmost);
      // The view applies the new z-order as part of taking over the options.
      if (m_view) ::SendMessageA(m_view, WM_VIEW_OPTIONS_CHANGED, old, 0);
      return TRUE;
    }
    case ID_LOCK_POSITION:
      SetStyleWord(m_style ^ style::kPositionLocked);
      return TRUE;
    case ID_TOGGLE_DESKTOP:
      ToggleShellWindow(ShellWindow::Desktop);
      return TRUE;
    case ID_TOGGLE_TASKBAR:
      ToggleShellWindow(ShellWindow::Taskbar);
      return TRUE;
    case ID_HIDE_BAR:
      ToggleHide();
      return TRUE;
    case ID_APP_EXIT:
      SendMessage(WM_CLOSE);
      return TRUE;
    // The options dialog opens at the page of the menu it was chosen from.
    case ID_OPTIONS:
      OptionDialog(1);
      return TRUE;
    case ID_BTN_OPTIONS:
      OptionDialog(2);
      return TRUE;
    case ID_TAB_OPTIONS:
      OptionDialog(3);
      return TRUE;
    case ID_RECENT_OPTIONS:
      OptionDialog(5);
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CMainFrame::OnUpdateCommand(CCmdUI& ui) {
  DWORD orientation = m_style & style::kVertical;
  switch (ui.GetID()) {
    case ID_OPTIONS:
    case ID_BTN_OPTIONS:
    case ID_TAB_OPTIONS:
    case ID_RECENT_OPTIONS:
      ui.Enable(true);
      return TRUE;
    case ID_ARRANGE_HORZ:
      ui.SetCheck(orientation == 0);
      return TRUE;
    case ID_ARRANGE_VERT_LEFT:
      ui.SetCheck((m_style & style::kVerticalLeft) != 0);
      return TRUE;
    case ID_ARRANGE_VERT_RIGHT:
      ui.SetCheck((m_style & style::kVerticalRight) != 0);
      return TRUE;
    case ID_ALWAYS_ON_TOP:
      ui.SetCheck((m_style & style::kTopmost) != 0);
      return TRUE;
    case ID_LOCK_POSITION:
      ui.SetCheck((m_style & style::kPositionLocked) != 0);
      return TRUE;
    case ID_TOGGLE_DESKTOP:
      ui.SetCheck(IsShellWindowVisible(ShellWindow::Desktop));
      return TRUE;
    case ID_TOGGLE_TASKBAR:
      ui.SetCheck(IsShellWindowVisible(ShellWindow::Taskbar));
      return TRUE;
    case ID_HIDE_BAR:
      ui.SetText(m_hideState == kHiding || m_hideState == kHidden ? "表示(&S)" : "隠す(&D)");
      return TRUE;
    case ID_MOVE_TOP_LEFT:
    case ID_MOVE_TOP_RIGHT:
    case ID_APP_EXIT:
      return TRUE;
    default:
      return FALSE;
  }
}

void CMainFrame::SetStyleWord(DWORD newStyle) {
  m_style = newStyle;
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
}

void CMainFrame::Arrange(DWORD orientation) {
  DWORD old = m_style;
  DWORD newStyle = (old & ~style::kVertical) | orientation;
  if (newStyle == old) return;
  RECT r;
  GetWindowRect(&r);
  bool staysVertical = (old & style::kVertical) && orientation != 0;
  if (!staysVertical) {
    // Mirror over the diagonal: width and height change places and the far
    // edges stay on the screen.
    RECT n;
    n.right = std::min<LONG>(r.bottom, ScreenWidth());
    n.bottom = std::min<LONG>(r.right, ScreenHeight());
    n.left = std::max<LONG>(0, r.top + n.right - r.bottom);
    n.top = std::max<LONG>(0, n.bottom + r.left - r.right);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (n.left == r.left && n.top == r.top) flags |= SWP_NOMOVE;
    ::SetWindowPos(m_hWnd, nullptr, n.left, n.top, n.right - n.left, n.bottom - n.top, flags);
  }
  SetStyleWord(newStyle);
  SavePlacement();
  if (m_view) ::SendMessageA(m_view, WM_VIEW_OPTIONS_CHANGED, old, 0);
}

void CMainFrame::PlaceAt(int x, int y) {
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainFrame::MoveToCorner(bool right) {
  RECT r;
  GetWindowRect(&r);
  int x = right ? ScreenWidth() - (r.right - r.left) : 0;
  int y = 0;
  if (m_style & style::kDesktopBar) {
    DockAtThickness(m_appBar.GetThickness(), x, y);
    return;
  }
  if (m_style & style::kAnimate) {
    int dx = (x - r.left) / 30, dy = (y - r.top) / 30;
    int cx = r.left, cy = r.top;
    auto step = [&] {
      PlaceAt(cx, cy);
      if (!AfxPumpMessages()) return false;
      AfxGetApp()->OnIdle(0);
      ::Sleep(1);
      cx += dx;
      cy += dy;
      return ::IsWindow(m_hWnd) != FALSE;
    };
    if (dx != 0) {
      while ((dx > 0 ? cx < x : cx > x) && step()) {
      }
    } else if (dy != 0) {
      while ((dy > 0 ? cy < y : cy > y) && step()) {
      }
    }
    if (!::IsWindow(m_hWnd)) return;
  }
  PlaceAt(x, y);
}

void CMainFrame::OnClose() {
  // A settings dialog runs inside one of the bar's calls: closing now would take the view and
  // the library away beneath it. The dialog comes forward instead; its owner closes after it.
  if (CPlumageLibrary::IsDialogRunning()) {
    HWND dialog = ::GetLastActivePopup(m_hWnd);
    if (dialog && dialog != m_hWnd) ::SetForegroundWindow(dialog);
    return;
  }
  RestoreShellWindows();
  SavePlacement();
  CFrameWnd::OnClose();
}

BOOL CMainFrame::OnQueryEndSession() {
  // Windows is ending: nothing else will save the placement and options.
  SavePlacement();
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
  g_barOptions.Flush();
  return TRUE;
}

void CMainFrame::OnDestroy() {
  StopHookListener();
  m_hotKeys.reset();
  m_appBar.Unregister();
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
  m_largeImages = nullptr;
  m_smallImages = nullptr;
  m_textFont.DeleteObject();
  m_textFontHeight = 0;
  g_trayIcon.Remove();
  ::KillTimer(m_hWnd, kTimerTouch);
  m_touchTimer = 0;
  DestroyHideWindow();
  ::KillTimer(m_hWnd, kTimerSleep);
  m_sleepTimer = 0;
}

void CMainFrame::SavePlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!::GetWindowPlacement(m_hWnd, &placement)) return;
  if (::IsZoomed(m_hWnd)) placement.flags |= WPF_RESTORETOMAXIMIZED;
  // A hidden bar waits above the screen: its place is where it will come back.
  if (m_hideState != kShown) placement.rcNormalPosition = m_shownRect;
  GetKestrelApp().WriteWinPos(placement);
}

void CMainFrame::PostNcDestroy() {
  CFrameWnd::PostNcDestroy();
  if (m_autoDelete) delete this;
}
