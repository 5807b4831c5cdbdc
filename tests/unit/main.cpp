#include <gtest/gtest.h>
#include <ole2.h>

#include "core/CommonControls.h"
#include "framework/WinApp.h"

// The application object the core code asks for its profile name; tests point
// it at their own temporary settings file.
CWinApp theTestApp("Kestrel");

int main(int argc, char** argv) {
  ::OleInitialize(nullptr);
  // As in the bar once it is up: tooltips and progress bars wait for these.
  LoadCommonControls();
  theTestApp.m_hInstance = ::GetModuleHandleA(nullptr);
  ::testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  ::OleUninitialize();
  return result;
}
