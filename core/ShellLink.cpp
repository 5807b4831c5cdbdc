#include "core/ShellLink.h"

#include <shellapi.h>

#include <vector>

#include "core/ComPtr.h"
#include "core/FileName.h"
#include "core/MbString.h"

namespace {

ShellMessageHandler g_messageHandler = nullptr;

// Arguments and comments may be longer than a path; these buffers hold what a link can store so
// that a read followed by a write never cuts them.
constexpr int kPathChars = MAX_PATH;
constexpr int kLongTextChars = 32768;

std::wstring Widen(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The shell's link object with its persist-file interface.
struct CLinkObject {
  CComPtr<IShellLinkA> link;
  CComPtr<IPersistFile> file;

  bool Create() {
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.PutVoid())) ||
        !link) {
      return false;
    }
    return SUCCEEDED(link.QueryInto(IID_IPersistFile, file)) && file;
  }

  // Loads the file for reading and resolves it without user interface.
  bool LoadAndResolve(HWND owner, const char* path) {
    if (!path || FAILED(file->Load(Widen(path).c_str(), STGM_READ))) return false;
    return SUCCEEDED(link->Resolve(owner, SLR_NO_UI | SLR_ANY_MATCH));
  }

  // Loads the file for update; false when there is none yet (the shortcut is then created).
  bool LoadForUpdate(const std::string& path) {
    return FileExists(path) && SUCCEEDED(file->Load(Widen(path).c_str(), STGM_READWRITE));
  }

  bool Save(HWND owner, const std::string& path) {
    if (SUCCEEDED(file->Save(Widen(path).c_str(), TRUE))) return true;
    ShowShellMessage(owner, "IPersistFile::Save failed.");
    return false;
  }
};

bool Check(HRESULT hr, HWND owner, const char* message) {
  if (SUCCEEDED(hr)) return true;
  ShowShellMessage(owner, message);
  return false;
}

// Both '\\' and '/' separate folders: neither may stay in a file's new name.
std::string WithoutSeparators(const std::string& name) {
  std::string result;
  for (size_t i = 0; i < name.size(); i += MbCharLength(name, i)) {
    if (MbCharLength(name, i) == 2) result.append(name, i, 2);
    else if (name[i] != '\\' && name[i] != '/')
      result += name[i];
  }
  return result;
}

// Picks "name (2).ext", "name (3).ext", ... when the wanted path is taken by another file, so
// that the caller learns the name the file really gets.
std::string FreePathFor(const std::string& wanted, const std::string& current) {
  if (!FileExists(wanted) || lstrcmpiA(wanted.c_str(), current.c_str()) == 0) return wanted;
  PathParts parts = SplitPath(wanted);
  for (int n = 2; n < 10000; ++n) {
    std::string candidate =
        parts.drive + parts.folder + parts.name + " (" + std::to_string(n) + ")" + parts.extension;
    if (!FileExists(candidate)) return candidate;
  }
  return wanted;  // let the shell choose
}

// Renames the file with the shell's file operation; the output is the name it ended up with.
bool RenameWithShell(HWND owner, const std::string& from, std::string& to) {
  std::vector<char> source(from.begin(), from.end());
  source.insert(source.end(), 2, '\0');
  std::vector<char> destination(to.begin(), to.end());
  destination.insert(destination.end(), 2, '\0');
  SHFILEOPSTRUCTA operation = {};
  operation.hwnd = owner;
  operation.wFunc = FO_RENAME;
  operation.pFrom = source.data();
  operation.pTo = destination.data();
  operation.fFlags = FOF_RENAMEONCOLLISION | FOF_WANTMAPPINGHANDLE;
  int result = SHFileOperationA(&operation);
  if (operation.hNameMappings) {
    // The shell chose another name after all: report the one it used.
    struct Mappings {
      UINT count;
      LPSHNAMEMAPPINGA entries;
    };
    const auto* mappings = static_cast<const Mappings*>(operation.hNameMappings);
    if (mappings->count > 0 && mappings->entries && mappings->entries[0].pszNewPath) {
      to = mappings->entries[0].pszNewPath;
    }
    SHFreeNameMappings(operation.hNameMappings);
  }
  return result == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace

void SetShellMessageHandler(ShellMessageHandler handler) { g_messageHandler = handler; }

void ShowShellMessage(HWND owner, const char* text) {
  if (g_messageHandler) {
    g_messageHandler(owner, text);
    return;
  }
  char module[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  PathParts parts = SplitPath(module);
  MessageBoxA(owner, text, parts.name.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool ReadShortcut(HWND owner, const char* path, ShortcutFields& fields) {
  CLinkObject object;
  if (!object.Create() || !object.LoadAndResolve(owner, path)) return false;
  IShellLinkA* link = object.link.Get();

  bool ok = true;
  std::vector<char> buffer(kLongTextChars, '\0');
  WIN32_FIND_DATAA found = {};
  buffer[0] = '\0';
  ok &= Check(link->GetPath(buffer.data(), kPathChars, &found, SLGP_UNCPRIORITY), owner,
              "Could not retrieve the path.");
  fields.target = buffer.data();
  buffer[0] = '\0';
  ok &= Check(link->GetDescription(buffer.data(), kLongTextChars), owner,
              "Could not retrieve the description.");
  fields.description = buffer.data();
  buffer[0] = '\0';
  ok &= Check(link->GetWorkingDirectory(buffer.data(), kPathChars), owner,
              "Could not retrieve the working directory.");
  fields.workingDir = buffer.data();
  buffer[0] = '\0';
  ok &= Check(link->GetArguments(buffer.data(), kLongTextChars), owner,
              "Could not retrieve the arguments.");
  fields.arguments = buffer.data();
  buffer[0] = '\0';
  int index = 0;
  ok &= Check(link->GetIconLocation(buffer.data(), kPathChars, &index), owner,
              "Could not retrieve the Icon location.");
  fields.iconLocation = buffer.data();
  fields.iconIndex = index;
  WORD hotKey = 0;
  ok &= Check(link->GetHotkey(&hotKey), owner, "Could not retrieve the hotkey.");
  fields.hotKey = hotKey;
  int showCmd = SW_SHOWNORMAL;
  ok &= Check(link->GetShowCmd(&showCmd), owner, "Could not retrieve the show command.");
  fields.showCmd = showCmd;
  return ok;
}

bool WriteShortcut(HWND owner, std::string& path, const char* target, const char* newName,
                   const char* workingDir, const char* arguments, const char* description,
                   const char* iconLocation, int iconIndex, WORD hotKey, int showCmd) {
  bool ok = true;
  bool loaded = false;
  {
    CLinkObject object;
    if (!object.Create()) return false;
    IShellLinkA* link = object.link.Get();
    CleanFileName(path);
    loaded = object.LoadForUpdate(path);

    bool anything = false;
    if (target) {
      anything = true;
      ok &= Check(link->SetPath(target), owner, "SetPath failed.");
    }
    if (description) {
      anything = true;
      ok &= Check(link->SetDescription(description), owner, "SetDescription failed.");
    }
    if (workingDir) {
      anything = true;
      ok &= Check(link->SetWorkingDirectory(workingDir), owner, "SetWorkingDirectory failed.");
    }
    if (arguments) {
      anything = true;
      ok &= Check(link->SetArguments(arguments), owner, "SetArguments failed.");
    }
    if (iconLocation) {
      anything = true;
      ok &= Check(link->SetIconLocation(iconLocation, iconIndex), owner, "SetIconLocation failed.");
    }
    if (hotKey != kKeepHotKey) {
      anything = true;
      ok &= Check(link->SetHotkey(hotKey), owner, "SetHotkey failed.");
    }
    if (showCmd != kKeepShowCmd) {
      anything = true;
      ok &= Check(link->SetShowCmd(showCmd), owner, "SetShowCmd failed.");
    }
    if (anything) ok &= object.Save(owner, path);
  }  // the link object lets go of the file before it is renamed

  if (newName && loaded) {
    size_t separator = FindLastPathSeparator(path);
    std::string folder =
        separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
    // The name stays in the shortcut's folder: a separator in it is no way into another one.
    std::string renamed = folder + WithoutSeparators(newName) + ".lnk";
    CleanFileName(renamed);
    if (lstrcmpiA(renamed.c_str(), path.c_str()) != 0) {
      renamed = FreePathFor(renamed, path);
      if (RenameWithShell(owner, path, renamed)) {
        path = renamed;
      } else {
        ok = false;
      }
    }
  }
  return ok;
}

bool ReadShortcutItemList(HWND owner, const char* path, CItemList& list) {
  list.Reset();
  CLinkObject object;
  if (!object.Create() || !object.LoadAndResolve(owner, path)) return false;
  LPITEMIDLIST read = nullptr;
  HRESULT hr = object.link->GetIDList(&read);
  list.Reset(read);
  if (FAILED(hr) || !list) {
    list.Reset();
    ShowShellMessage(owner, "Could not retrieve the pidl.");
    return false;
  }
  return true;
}

bool WriteShortcutItemList(HWND owner, std::string& path, LPCITEMIDLIST list,
                           const char* iconLocation, int iconIndex) {
  CLinkObject object;
  if (!object.Create()) return false;
  CleanFileName(path);
  object.LoadForUpdate(path);
  bool ok = Check(object.link->SetIDList(list), owner, "SetIDList failed.");
  if (iconLocation) {
    ok &= Check(object.link->SetIconLocation(iconLocation, iconIndex), owner,
                "SetIconLocation failed.");
  }
  ok &= object.Save(owner, path);
  return ok;
}
