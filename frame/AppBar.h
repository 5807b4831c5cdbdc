// Docking the bar at a screen edge as a desktop application bar: the shell keeps other
// windows' maximised area clear of it.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace appbar {
// The edge a bar dropped at (x, y) docks at: the nearer half of the screen decides.
UINT DockEdge(bool vertical, int x, int y, int screenW, int screenH);
// rect cut to thickness pixels at edge (a thickness beyond the rectangle keeps all of it).
RECT CutToThickness(const RECT& rect, UINT edge, int thickness);
}  // namespace appbar

class CAppBar {
 public:
  explicit CAppBar(UINT callbackMessage) : m_callbackMessage(callbackMessage) {}

  void SetWindow(HWND window) { m_window = window; }
  bool IsRegistered() const { return m_registered; }
  UINT GetEdge() const { return m_edge; }
  void SetEdge(UINT edge) { m_edge = edge; }
  int GetThickness() const { return m_thickness; }
  void SetThickness(int thickness) { m_thickness = thickness; }

  // Registers with the shell unless a hiding option is on in style (docking and hiding exclude
  // each other: the bar is unregistered instead). False when the shell refused.
  bool Register(DWORD style);
  void Unregister();
  // Docks at the edge nearest to (x, y) with thickness across the bar; the bar's length along
  // the edge (the screen's width or height).
  int Dock(bool vertical, int thickness, int x, int y);
  // Asks the shell for the place at the stored edge and moves the window there.
  void SetPosition();
  // The shell's notifications; the frame's activation and moves, told to the shell.
  void OnCallback(WPARAM code, LPARAM lParam);
  void OnActivate();
  void OnWindowPosChanged();

 private:
  APPBARDATA Data() const;

  UINT m_callbackMessage;
  HWND m_window = nullptr;
  bool m_registered = false;
  UINT m_edge = ABE_TOP;
  int m_thickness = 0;
};
