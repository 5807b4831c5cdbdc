#include "framework/WinApp.h"

#include <vector>

#include "framework/Module.h"
#include "framework/Wnd.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_resourceHandle = nullptr;
}  // namespace

CWinApp::CWinApp(const char* appName) : m_appName(appName ? appName : "") { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  // Give the main window's accelerators and dialog navigation the first look.
  if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) return m_pMainWnd->PreTranslateMessage(msg);
  return FALSE;
}

BOOL CWinApp::OnIdle(LONG) { return FALSE; }

int CWinApp::Run() {
  MSG msg{};
  LONG idleCount = 0;
  bool idle = true;
  for (;;) {
    // Idle processing runs until it says it is done or a message arrives.
    while (idle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    // Controls send their notifications; a posted one comes from elsewhere
    // and points at nothing of ours.
    if (msg.message == WM_NOTIFY) continue;
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    // Mouse moves and paint requests alone do not restart the idle cycle.
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && msg.message != WM_PAINT &&
        msg.message != 0x0118 /* system caret blink */) {
      idle = true;
      idleCount = 0;
    }
  }
  int exitCode = ExitInstance();
  if (exitCode == 0 && msg.message == WM_QUIT) exitCode = static_cast<int>(msg.wParam);
  return exitCode;
}

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetResourceHandle() {
  return g_resourceHandle ? g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE instance) { g_resourceHandle = instance; }

HWND AfxGetMainWndHandle() {
  return (g_app && g_app->m_pMainWnd) ? g_app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

std::string LoadResString(UINT id) {
  // Japanese strings are short; grow anyway rather than cut a long one.
  std::vector<char> buffer(256);
  for (;;) {
    int got =
        ::LoadStringA(AfxGetResourceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
    if (got <= 0) return std::string();
    if (static_cast<size_t>(got) + 2 < buffer.size() || buffer.size() >= 65536)
      return std::string(buffer.data(), got);
    buffer.resize(buffer.size() * 4);
  }
}

int AfxMessageBox(const char* text, UINT type) {
  const char* caption = g_app ? g_app->GetAppName() : "";
  return ::MessageBoxA(AfxGetMainWndHandle(), text ? text : "", caption, type);
}

int AfxMessageBox(UINT stringId, UINT type) {
  return AfxMessageBox(LoadResString(stringId).c_str(), type);
}

int AfxWinMain(HINSTANCE instance, int showCommand) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  AfxSetInstanceHandle(instance);
  app->m_hInstance = instance;
  app->m_nCmdShow = showCommand;
  if (!app->InitInstance()) {
    // InitInstance failed: clean up what it may have made and end.
    if (app->m_pMainWnd && app->m_pMainWnd->GetSafeHwnd())
      ::DestroyWindow(app->m_pMainWnd->GetSafeHwnd());
    return app->ExitInstance();
  }
  return app->Run();
}
