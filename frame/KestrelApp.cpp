#include "frame/KestrelApp.h"

#include <commctrl.h>
#include <ole2.h>

#include <memory>
#include <vector>

#include "core/ErrorText.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/StyleWord.h"
#include "core/WinPos.h"
#include "frame/MainFrame.h"

namespace {
const char kCommon[] = "Common";
const int kLayoutVersion = 10;
// How long a second start waits for the first bar of its folder to show its frame.
const DWORD kRunningBarWaitMs = 5000;
}  // namespace

CKestrelApp theApp;

CKestrelApp& GetKestrelApp() { return theApp; }

CKestrelApp::CKestrelApp() : CWinApp("Kestrel") {}

BOOL CKestrelApp::InitInstance() {
  ::OleInitialize(nullptr);
  // The common controls are loaded by the view once the bar is up.

  m_programFolder = ::GetProgramFolder();
  SetProfileName(m_programFolder + "Kestrel.ini");
  g_settingsFile.SetPath(GetProfileName());
  g_settingsFile.EnableBackup();
  SetHelpPath(m_programFolder + "Kestrel.chm");

  if (!ClaimBar()) return FALSE;

  // A settings file of another layout (or none) is the setup tool's to build.
  if (g_settingsFile.ReadInt(kCommon, "Trans", 0) != kLayoutVersion) {
    // The setup tool starts the bar again, which must find the folder free.
    m_instance.Release();
    StartSetupTool();
    return FALSE;
  }

  auto frame = std::make_unique<CMainFrame>();
  m_pMainWnd = frame.get();
  g_tabList.LoadAll();

  WINDOWPLACEMENT placement{};
  RECT rect = ReadWinPos(&placement) ? placement.rcNormalPosition : DefaultFrameRect();
  if (!frame->Create(GetAppName(), rect)) {
    m_pMainWnd = nullptr;
    return FALSE;
  }
  frame->SetAutoDelete();
  CMainFrame* window = frame.release();
  m_instance.SetFrame(window->GetSafeHwnd());
  window->ShowWindow(SW_SHOWNORMAL);
  window->UpdateWindow();
  TouchActivity();
  return TRUE;
}

bool CKestrelApp::ClaimBar() {
  if (m_instance.Claim(m_programFolder)) return true;
  if (HWND running = m_instance.WaitForRunningFrame(kRunningBarWaitMs)) {
    ShowRunningBar(running);
    return false;
  }
  // The other bar ended meanwhile: this one runs once the folder is free.
  return m_instance.Claim(m_programFolder);
}

RECT CKestrelApp::DefaultFrameRect() const {
  RECT rect{};
  DWORD style = static_cast<DWORD>(g_barOptions.GetInt("Style", style::kDefault));
  if (style & style::kVertical) {
    rect.bottom = ::GetSystemMetrics(SM_CYSCREEN);
  } else {
    rect.left = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    rect.right = ::GetSystemMetrics(SM_CXSCREEN);
  }
  return rect;
}

void CKestrelApp::StartSetupTool() {
  std::string path = m_programFolder + "Hatchling.exe";
  // Quoted so that a program folder with spaces cannot start another program.
  std::vector<char> commandLine;
  std::string quoted = "\"" + path + "\"";
  commandLine.assign(quoted.begin(), quoted.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                       NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return;
  }
  char error[256];
  GetErrorText(error, sizeof error, 0);
  std::string text = std::string(error) + "\n" + path;
  ::MessageBoxA(nullptr, text.c_str(), GetAppName(), MB_OK | MB_ICONSTOP);
  ::ExitProcess(1);
}

BOOL CKestrelApp::PreTranslateMessage(MSG* msg) {
  // Any input or window message but a timer counts as activity for auto-hide.
  if (msg->message < WM_USER && msg->message != WM_TIMER) m_lastActivity = ::GetTickCount();
  return CWinApp::PreTranslateMessage(msg);
}

BOOL CKestrelApp::OnIdle(LONG count) {
  if (count == 0) {
    if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd)) frame->OnIdleUpdate();
  }
  return FALSE;
}

int CKestrelApp::ExitInstance() {
  SaveSettings();
  ::OleUninitialize();
  return CWinApp::ExitInstance();
}

void CKestrelApp::EndSession() {
  if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd)) frame->StoreClosingState();
  SaveSettings();
}

void CKestrelApp::SaveSettings() {
  // A settings file that cannot be written (read-only, disk full) must not
  // lose the user's changes silently.
  bool saved = g_tabList.SaveAll();
  saved = g_barOptions.Flush() && saved;
  if (!saved) {
    char error[256];
    std::string text = std::string(GetErrorText(error, sizeof error, 0)) + "\n" + GetProfileName();
    ::MessageBoxA(nullptr, text.c_str(), GetAppName(), MB_OK | MB_ICONEXCLAMATION);
  }
}

bool CKestrelApp::ReadWinPos(WINDOWPLACEMENT* placement) const {
  return ParseWinPos(g_barOptions.GetString("WinPos", ""), ::GetSystemMetrics(SM_CXSCREEN),
                     ::GetSystemMetrics(SM_CYSCREEN), placement);
}

void CKestrelApp::WriteWinPos(const WINDOWPLACEMENT& placement) const {
  std::string text = FormatWinPos(placement);
  if (!text.empty()) g_barOptions.SetString("WinPos", text.c_str());
}
