#include "framework/SubclassWnd.h"

#include <exception>
#include <map>

#include "framework/WinApp.h"

namespace {
// Window -> newest hook object. Only the user-interface thread hooks windows.
std::map<HWND, CSubclassWnd*>& Chains() {
  static std::map<HWND, CSubclassWnd*> chains;
  return chains;
}
}  // namespace

CSubclassWnd::~CSubclassWnd() { Unhook(); }

BOOL CSubclassWnd::HookWindow(HWND window) {
  Unhook();
  if (!window) return TRUE;
  auto& chains = Chains();
  auto found = chains.find(window);
  if (found != chains.end()) {
    m_next = found->second;
    m_savedProc = m_next->m_savedProc;
  } else {
    m_next = nullptr;
    m_savedProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassWnd::SharedWindowProc)));
  }
  chains[window] = this;
  m_hooked = window;
  return TRUE;
}

void CSubclassWnd::Unhook() {
  if (!m_hooked) return;
  auto& chains = Chains();
  auto found = chains.find(m_hooked);
  if (found != chains.end()) {
    if (found->second == this) {
      if (m_next) {
        found->second = m_next;
      } else {
        chains.erase(found);
        ::SetWindowLongPtrA(m_hooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_savedProc));
      }
    } else {
      for (CSubclassWnd* p = found->second; p; p = p->m_next) {
        if (p->m_next == this) {
          p->m_next = m_next;
          break;
        }
      }
    }
  }
  m_hooked = nullptr;
  m_savedProc = nullptr;
  m_next = nullptr;
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CSubclassWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_next) return m_next->WindowProc(message, wParam, lParam);
  if (m_savedProc) return ::CallWindowProcA(m_savedProc, m_hooked, message, wParam, lParam);
  return 0;
}

LRESULT CALLBACK CSubclassWnd::SharedWindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto& chains = Chains();
  auto found = chains.find(window);
  if (found == chains.end()) return ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Every hook lets go before the window's own procedure sees its end.
    WNDPROC own = found->second->m_savedProc;
    for (auto it = chains.find(window); it != chains.end(); it = chains.find(window))
      it->second->Unhook();
    return ::CallWindowProcA(own, window, message, wParam, lParam);
  }
  try {
    return found->second->WindowProc(message, wParam, lParam);
  } catch (const std::exception& e) {
    // Nothing may unwind through the system's dispatcher.
    AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    AfxMessageBox("Unexpected error", MB_OK | MB_ICONSTOP);
  }
  return 0;
}
