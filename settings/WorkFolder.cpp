#include "settings/WorkFolder.h"

#include <cstring>
#include <vector>

#include "core/ErrorText.h"
#include "core/MbString.h"
#include "core/SettingsFile.h"
#include "framework/WinApp.h"
#include "plumage_res.h"

namespace {

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The settings message's three %s, however long the values are.
std::string FormatBadSetting(const std::string& file, const char* key, const std::string& value) {
  std::string format = LoadResString(IDS_BAD_SETTING);
  const std::string* values[] = {&file, nullptr, &value};
  std::string text;
  int next = 0;
  for (size_t i = 0; i < format.size(); i += MbCharLength(format, i)) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next < 3) {
      text += values[next] ? *values[next] : std::string(key);
      ++next;
      ++i;
      continue;
    }
    text.append(format, i, MbCharLength(format, i));
  }
  return text;
}

}  // namespace

bool CheckWorkFolder(HWND owner, const CSettingsFile& settings, std::string& folder) {
  std::string value = settings.ReadString("Common", "WrkPath", "*");
  bool valid = value != "*" && MbEndsWith(value, '\\') && value.size() < MAX_PATH;
  if (valid) {
    DWORD attributes = ::GetFileAttributesA(value.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      char error[256];
      GetErrorText(error, sizeof error, ::GetLastError());
      std::string text = std::string(error) + "\n" + value;
      ::MessageBoxA(owner, text.c_str(), AfxGetApp() ? AfxGetApp()->GetAppName() : "Kestrel",
                    MB_OK | MB_ICONEXCLAMATION);
      valid = false;
    } else {
      valid = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
  }
  if (!valid) {
    std::string text = FormatBadSetting(settings.GetPath(), "WrkPath", value);
    ::MessageBoxA(owner, text.c_str(), AfxGetApp() ? AfxGetApp()->GetAppName() : "Kestrel",
                  MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  folder = value;
  return true;
}

std::string MakeSafeFileName(const std::string& name) {
  std::string safe;
  for (size_t i = 0; i < name.size();) {
    size_t length = MbCharLength(name, i);
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (length == 2) {
      safe.append(name, i, 2);
    } else if (::IsDBCSLeadByte(c)) {
      // A lead byte without its second half: the broken character goes.
    } else if (c >= 0x20 && !std::strchr("\\/:*?\"<>|", name[i])) {
      safe += name[i];
    }
    i += length;
  }
  // Only dots and blanks would name the folder itself or nothing at all.
  if (safe.find_first_not_of(". ") == std::string::npos) safe = "temp999";
  return safe;
}

bool EndsWithTildeDigit(const std::string& text) {
  size_t previous = std::string::npos, last = std::string::npos;
  for (size_t i = 0; i < text.size(); i += MbCharLength(text, i)) {
    previous = last;
    last = i;
  }
  return last != std::string::npos && previous != std::string::npos && last == text.size() - 1 &&
         previous == last - 1 && text[previous] == '~' && text[last] >= '0' && text[last] <= '9';
}

std::string FindFreeFileName(const std::string& folder, const std::string& name,
                             const std::string& extension) {
  std::string path = folder + name + extension;
  for (int number = 1; path.size() < MAX_PATH; ++number) {
    if (!Exists(path)) return path;
    if (number > 99999) break;
    path = folder + name + "~" + std::to_string(number) + extension;
  }
  return std::string();
}
