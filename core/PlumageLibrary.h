// Binding the settings-dialog library Plumage.DLL for one dialog call, and the records and
// entry points that cross between Kestrel and the library.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// Plain records handed to the library: character pointers rather than the model's strings, so
// that neither side frees or reallocates text the other side owns.
struct PlumageTabRecord {
  const char* name;
  uint32_t number;
  uint32_t color;      // colour value; the bar-background dialog writes it back
  uint32_t textColor;  // colour value; the bar-background dialog writes it back
};
struct PlumageBtnRecord {
  const char* command;
  uint32_t flags;
  uint32_t textColor;
  uint32_t bkColor;
};

// Result buffer sizes the caller provides.
constexpr size_t kPlumageRecordSize = 520;
constexpr size_t kPlumageTabListSize = 4096;
// Bit of the button dialog's style word: the record buffer holds the button's new record.
constexpr DWORD kPlumageRecordChanged = 0x1;

// The exports, looked up by name; every one returns a 32-bit boolean.
using DisplayBtnPropDialogProc = BOOL(WINAPI*)(HWND owner, PlumageTabRecord* tab, WORD index,
                                               PlumageBtnRecord* button, DWORD* style,
                                               char* record);
using ChgTabOrderDialogProc = BOOL(WINAPI*)(HWND owner, PlumageTabRecord* tab, char* order);
using UpdTabShowHideDialogProc = BOOL(WINAPI*)(HWND owner, PlumageTabRecord* tab, char* shown,
                                               char* hidden);
using OptionDialogProc = BOOL(WINAPI*)(HWND owner, DWORD* style, BYTE* snapshot, int page);
using BarBkPropDialogProc = BOOL(WINAPI*)(HWND owner, PlumageTabRecord* tab, DWORD* style);
using ChangeButtonColorProc = BOOL(WINAPI*)(HWND owner, PlumageTabRecord* tab, const DWORD* colors);

// Holds the library for the length of one dialog call: Bind, call the entry, Unbind. Failures
// are told to the user in an exclamation box with the system's error text.
class CPlumageLibrary {
 public:
  // Shows a failure; returns the box's answer. Tests collect the texts instead.
  using Reporter = std::function<int(const char* text, UINT type)>;

  explicit CPlumageLibrary(std::string fileName = "Plumage.DLL");
  virtual ~CPlumageLibrary();
  CPlumageLibrary(const CPlumageLibrary&) = delete;
  CPlumageLibrary& operator=(const CPlumageLibrary&) = delete;

  // Loads the library by name (the system's search) and looks entry up by name. False, after
  // telling the user, when the library does not load; the entry stays empty when the library
  // does not export it, and a caller then behaves as after a cancelled dialog.
  virtual bool Bind(const char* entry);
  // Frees the library (telling the user when that fails) and forgets handle and entry.
  virtual void Unbind();

  // Virtual so that tests can bind entries of their own without a library file.
  virtual bool IsBound() const { return m_module != nullptr; }
  virtual FARPROC GetEntry() const { return m_entry; }
  template <typename Proc>
  Proc GetEntryAs() const {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetEntry()));
  }

  void SetReporter(Reporter reporter) { m_reporter = std::move(reporter); }

  // True while any library object holds the library, that is while one of its dialogs runs in
  // a call further down this thread's stack.
  static bool IsDialogRunning() { return s_bound > 0; }

 private:
  void ReportLastError();

  static int s_bound;

  std::string m_fileName;
  HMODULE m_module = nullptr;
  FARPROC m_entry = nullptr;
  Reporter m_reporter;
};
