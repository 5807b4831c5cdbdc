#include <windows.h>

#include "framework/WinApp.h"

// The program's entry point: hands over to the application object.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  return AfxWinMain(instance, showCommand);
}
