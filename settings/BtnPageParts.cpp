#include "settings/BtnPageParts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/FileName.h"
#include "core/FileType.h"
#include "core/SettingsFile.h"
#include "framework/WinApp.h"
#include "settings/Choosers.h"
#include "plumage_res.h"

HBITMAP LoadButtonBitmap(UINT id) {
  auto bitmap = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  DIBSECTION dib{};
  if (!bitmap || ::GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib ||
      dib.dsBm.bmBitsPixel != 24 || !dib.dsBm.bmBits)
    return bitmap;
  COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
  for (LONG y = 0; y < dib.dsBm.bmHeight; ++y) {
    BYTE* pixel = bits + static_cast<size_t>(y) * static_cast<size_t>(dib.dsBm.bmWidthBytes);
    for (LONG x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
      if (pixel[0] == 0xC0 && pixel[1] == 0xC0 && pixel[2] == 0xC0) {
        pixel[0] = GetBValue(face);
        pixel[1] = GetGValue(face);
        pixel[2] = GetRValue(face);
      }
    }
  }
  return bitmap;
}

void SetButtonBitmaps(HWND dialog, std::initializer_list<BitmapButton> buttons, CBitmap* bitmaps) {
  CBitmap* next = bitmaps;
  for (const BitmapButton& button : buttons) {
    // Buttons showing the same picture share one bitmap.
    HBITMAP shown = nullptr;
    for (const BitmapButton* earlier = buttons.begin(); earlier != &button && !shown; ++earlier)
      if (earlier->bitmap == button.bitmap)
        shown = reinterpret_cast<HBITMAP>(
            ::SendDlgItemMessageA(dialog, earlier->control, BM_GETIMAGE, IMAGE_BITMAP, 0));
    if (!shown) {
      next->Attach(LoadButtonBitmap(button.bitmap));
      shown = next->GetSafeHandle();
      ++next;
    }
    ::SendDlgItemMessageA(dialog, button.control, BM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(shown));
  }
}

void CControlTips::Watch(HWND dialog, std::initializer_list<int> controls) {
  m_dialog = dialog;
  m_controls.assign(controls);
}

void CControlTips::Destroy() {
  m_tips.DestroyWindow();
  m_dialog = nullptr;
}

void CControlTips::OnSetCursor() {
  if (!m_dialog || m_tips.GetSafeHwnd() || !m_tips.Create(m_dialog)) return;
  for (int id : m_controls) {
    std::string text = LoadResString(static_cast<UINT>(id));
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    // The tooltip watches the control's mouse messages itself: the sheet's
    // loop is the system's, which relays nothing.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(m_dialog, id));
    tool.lpszText = &text[0];
    if (tool.uId)
      ::SendMessageA(m_tips.GetSafeHwnd(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

std::string GetItemText(HWND dialog, int id) {
  HWND control = ::GetDlgItem(dialog, id);
  int length = control ? ::GetWindowTextLengthA(control) : 0;
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = ::GetWindowTextA(control, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void SetItemText(HWND dialog, int id, const std::string& text) {
  ::SetDlgItemTextA(dialog, id, text.c_str());
}

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool PathExists(const std::string& path) {
  return !path.empty() && path.size() < MAX_PATH &&
         ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RefuseTooLong(HWND dialog, int id, size_t limit) {
  std::string format = LoadResString(IDS_TEXT_TOO_LONG);
  char text[512];
  std::snprintf(text, sizeof text, format.c_str(), static_cast<int>(limit));
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  if (HWND control = ::GetDlgItem(dialog, id)) ::SetFocus(control);
  return false;
}

bool FieldsFit(HWND dialog, std::initializer_list<int> ids) {
  for (int id : ids)
    if (GetItemText(dialog, id).size() > kMaxFieldText)
      return RefuseTooLong(dialog, id, kMaxFieldText);
  return true;
}

// text with every "%1" replaced by file.
std::string SubstituteFile(std::string text, const std::string& file) {
  for (size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + file.size()))
    text.replace(at, 2, file);
  return text;
}

bool DefaultIconOf(const std::string& file, std::string& iconFile, int& iconIndex) {
  std::string extension = SplitPath(file).extension;
  FileAssociation association;
  if (extension.size() < 2 || !LookupFileType(extension.c_str() + 1, association) ||
      association.iconLocation.empty())
    return false;
  iconFile = SubstituteFile(association.iconLocation, file);
  iconIndex = std::max(0, association.iconIndex);
  return true;
}

bool ChooseFiltered(HWND owner, UINT filter, std::string& path, const char* title,
                    const char* initialDir, bool dereferenceLinks) {
  std::string filterText = LoadResString(filter);
  FileChoice choice;
  choice.filter = filterText.c_str();
  choice.title = title;
  choice.initialDir = initialDir;
  choice.dereferenceLinks = dereferenceLinks;
  return ChooseFile(owner, choice, path);
}

bool ChooseTemplate(HWND owner, const CSettingsFile& settings, std::string& path) {
  std::string templates = settings.ReadString("Common", "SrvPath", "*");
  return templates != "*" && ChooseFiltered(owner, IDS_TEMPLATE_FILTER, path,
                                            "テンプレートファイルの指定", templates.c_str());
}

bool ChooseTarget(HWND owner, const CSettingsFile& settings, TargetSource source,
                  std::string& path) {
  switch (source) {
    case TargetSource::kFile:
      return ChooseFiltered(owner, IDS_OPEN_FILTER, path);
    case TargetSource::kFolder:
      return ChooseFolder(owner, nullptr, path);
    case TargetSource::kTemplate:
      return ChooseTemplate(owner, settings, path);
  }
  return false;
}
