#include "settings/KeyName.h"

#include "core/KeyNameTable.h"
#include "framework/Module.h"

namespace {
// The names come from the KEYDATA resource this library carries, the same one file Kestrel
// carries, so the sheet and the bar name keys alike.
const CKeyNameTable& Names() {
  static CKeyNameTable table;
  static const bool loaded = table.Load(AfxGetInstanceHandle());
  (void)loaded;
  return table;
}
}  // namespace

std::string KeyName(UINT code) { return Names().KeyName(code); }

std::string HotKeyText(DWORD value) {
  std::string text;
  if (value & 0x200) text += "Ctrl + ";
  if (value & 0x400) text += "Shift + ";
  if (value & 0x100) text += "Alt + ";
  return text + KeyName(value & 0xFF);
}
