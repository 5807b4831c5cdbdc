// The frame's hiding and showing: the hide state, automatic hiding after an idle time, touches
// reported by the mouse hook, the line or square left in the bar's place, the tray icon, and
// the tab the bar shows when it comes back.
#include <memory>
#include <string>

#include "core/Globals.h"
#include "frame/HideGeometry.h"
#include "frame/HideWnd.h"
#include "frame/HookListener.h"
#include "frame/KestrelApp.h"
#include "frame/MainFrame.h"
#include "frame/ScreenPoint.h"
#include "frame/TrayIcon.h"
#include "framework/WinApp.h"
#include "kestrel_res.h"

namespace {
const UINT_PTR kTimerSleep = 199;
const UINT_PTR kTimerTouch = 200;
const UINT kTouchCoolDown = 3000;
const UINT kFirstTabCommand = 20000;

bool ButtonDown(int key) { return (::GetAsyncKeyState(key) & 0x8000) != 0; }

bool IsValidSpot(int bit) {
  return bit == 0x01 || bit == 0x02 || bit == 0x04 || bit == 0x08 || bit == 0x10 || bit == 0x20 ||
         bit == 0x40;
}
}  // namespace

// ---- automatic hiding ----

void CMainFrame::StartAutoHide() {
  ::KillTimer(m_hWnd, kTimerSleep);
  UINT period = hide::SleepTimeFrom(g_barOptions.GetInt("SleepTime", hide::kDefaultSleepTime));
  m_sleepTimer = ::SetTimer(m_hWnd, kTimerSleep, period, nullptr);
  GetKestrelApp().TouchActivity();
  m_autoHideArmed = true;
}

void CMainFrame::StopAutoHide() {
  m_autoHideArmed = false;
  ::KillTimer(m_hWnd, kTimerSleep);
  m_sleepTimer = 0;
}

void CMainFrame::ResumeAutoHide() {
  m_autoHideArmed = (m_style & style::kAutoHide) != 0;
  GetKestrelApp().TouchActivity();
}

void CMainFrame::OnSleepTimer() {
  if (m_hideState != kShown || !m_autoHideArmed) return;
  UINT sleep = hide::SleepTimeFrom(g_barOptions.GetInt("SleepTime", hide::kDefaultSleepTime));
  if (::GetTickCount() - GetKestrelApp().GetLastActivity() <= sleep) return;
  RECT r;
  GetWindowRect(&r);
  if (::PtInRect(&r, PointerPosition())) return;
  // A modal box or dialog disables the frame, and a mode or drag holds the mouse: the user is
  // still at work with the bar even though no input passes the message loop.
  if (!::IsWindowEnabled(m_hWnd) || ::GetCapture()) return;
  PostMessage(WM_HIDE_BAR, 0, 0);
}

// ---- hiding and showing ----

void CMainFrame::ToggleHide() {
  if (m_hideState == kShown) PostMessage(WM_HIDE_BAR, 1, 0);
  if (m_hideState == kHidden) PostMessage(WM_SHOW_BAR, 0, 0);
}

void CMainFrame::OnHideBar(WPARAM always) {
  if (m_hideState != kShown || (always != 1 && !(m_style & style::kAutoHide))) return;
  m_hideState = kHiding;
  SendMessage(WM_CANCELMODE);
  if (m_holdDrag) EndHoldToMove(true);
  PauseAutoHide();

  GetWindowRect(&m_shownRect);
  // Above the screen by its own height, so nothing of it can show even if something shows it.
  ::SetWindowPos(m_hWnd, nullptr, m_shownRect.left, m_shownRect.top - m_shownRect.bottom, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_HIDEWINDOW);

  DestroyHideWindow();
  hide::Kind kind = hide::KindFrom(g_barOptions.GetInt("HidType", 0));
  bool standIn = kind != hide::kNothing && CreateHideWindow(kind);
  // The tray icon stands in when nothing else is left in the bar's place, unless it was turned
  // off and a hot key or touch spot can still call the bar back.
  bool noIcon = g_barOptions.GetInt("NoTrayIcon", 0) == 1 && kind == hide::kNothing;
  if (!standIn && (!noIcon || !CanBeCalledBack()))
    g_trayIcon.Add(m_hWnd, GetAppIcon(), AfxGetApp()->GetAppName());

  StopAutoHide();
  SetHookWord(m_showHookWord);
  m_hideState = kHidden;
}

void CMainFrame::OnShowBar() {
  if (m_hideState != kHidden) return;
  m_hideState = kShowing;
  if (m_hideWnd) {
    DestroyHideWindow();
  }
  g_trayIcon.Remove();
  ::SetWindowPos(m_hWnd, nullptr, m_shownRect.left, m_shownRect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
  if (m_style & style::kAutoHide) StartAutoHide();
  SetHookWord(m_hideHookWord);
  ResumeAutoHide();
  SelectShowTab();
  m_hideState = kShown;
}

void CMainFrame::SelectShowTab() {
  std::string showTab = g_barOptions.GetString("ShowTab", "");
  int index = hide::ShowTabIndex(showTab, [](const char* name) { return g_tabList.FindTab(name); });
  if (index >= 0 && m_view) ::PostMessageA(m_view, WM_COMMAND, kFirstTabCommand + index, 0);
}

bool CMainFrame::CanBeCalledBack() const {
  bool touch = (m_showHookWord & 0x80) && GetHookListenerWindow();
  return touch || HasShowHotKey();
}

bool CMainFrame::CreateHideWindow(hide::Kind kind) {
  int w = ScreenWidth(), h = ScreenHeight();
  int size =
      hide::SquareSizeFrom(g_barOptions.GetInt("HidScnSize", hide::kDefaultSquareSize), w, h);
  RECT rect = hide::HideWindowRect(kind, g_barOptions.GetInt("HidLinePos", 0), size,
                                   g_barOptions.GetString("HidWinPos", ""), m_shownRect, w, h);
  int showTime = g_barOptions.GetInt("HidShowTime", 500);
  auto window = std::make_unique<CHideWnd>(kind, static_cast<UINT>(showTime > 0 ? showTime : 0));
  if (!window->Create(m_hWnd, rect)) return false;
  m_hideWnd = std::move(window);
  return true;
}

void CMainFrame::DestroyHideWindow() {
  if (!m_hideWnd) return;
  // The square stays where the user dragged it; a line goes back to its edge next time.
  if (m_hideWnd->WasMoved())
    g_barOptions.SetString("HidWinPos", hide::FormatSquarePos(m_hideWnd->MovedTo()).c_str());
  m_hideWnd.reset();
}

HICON CMainFrame::GetAppIcon() const {
  HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_KESTREL));
  return icon ? icon : ::LoadIconA(nullptr, IDI_APPLICATION);
}

// ---- touches reported by the mouse hook ----

void CMainFrame::SetHookWord(WORD word) {
  // Without a listener (the hook is not running) there is no word to set.
  ::SetHookWord(word);
}

void CMainFrame::OnHookTouch(LPARAM spot) {
  if (m_hideState != kShown && m_hideState != kHidden) return;
  if (m_touchTimer) {
    SetHookWord(0);  // quiet until the delay or cool-down ends
    return;
  }
  int bit = static_cast<int>(spot & 0xFF), size = static_cast<int>((spot >> 16) & 0xFF);
  if (!IsValidSpot(bit)) return;
  m_touchRect = hide::TouchRect(bit, size, ScreenWidth(), ScreenHeight());
  int delay = g_barOptions.GetInt(m_hideState == kShown ? "HookTime" : "HookAwkTime", 2000);
  if (delay < 0) delay = 0;
  // Something dragged to a show spot opens the bar at once.
  if (m_hideState == kHidden && (ButtonDown(VK_LBUTTON) || ButtonDown(VK_RBUTTON))) delay = 0;
  if (delay > 0) {
    m_touchTimer = ::SetTimer(m_hWnd, kTimerTouch, static_cast<UINT>(delay), nullptr);
    return;
  }
  ::SetRectEmpty(&m_touchRect);
  m_touchTimer = ::SetTimer(m_hWnd, kTimerTouch, kTouchCoolDown, nullptr);
  SendMessage(WM_COMMAND, ID_HIDE_BAR, 0);
}

void CMainFrame::OnTouchTimer() {
  if (m_hideState != kShown && m_hideState != kHidden) return;
  ::KillTimer(m_hWnd, kTimerTouch);
  m_touchTimer = 0;
  if (!::IsRectEmpty(&m_touchRect)) {
    bool inside = ::PtInRect(&m_touchRect, PointerPosition()) != FALSE;
    ::SetRectEmpty(&m_touchRect);
    if (inside) {
      m_touchTimer = ::SetTimer(m_hWnd, kTimerTouch, kTouchCoolDown, nullptr);
      SendMessage(WM_COMMAND, ID_HIDE_BAR, 0);
      return;
    }
  }
  SetHookWord(m_hideState == kHidden ? m_showHookWord : m_hideHookWord);
}
