// The test library's resources and what its dialog answers.
#pragma once
#define IDD_LIBRARY_DIALOG 100
#define IDC_LIBRARY_CONTROL 101
#ifndef RC_INVOKED
constexpr const char* kLibraryControlClass = "KestrelTestLibraryControl";
constexpr int kLibraryDialogShown = 42;
#endif
