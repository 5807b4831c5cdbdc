#include "core/TabData.h"

#include <windows.h>

#include "framework/WinApp.h"
#include "res/core_res.h"

std::unique_ptr<CTabData> CTabData::Clone() const {
  auto copy = std::make_unique<CTabData>(m_name, m_number);
  copy->CopyContentFrom(*this);
  copy->m_savedLines = m_savedLines;  // same number, same section
  return copy;
}

void CTabData::CopyContentFrom(const CTabData& source) {
  if (&source == this) return;
  m_color = source.m_color;
  m_textColor = source.m_textColor;
  m_buttons.clear();
  m_buttons.reserve(source.m_buttons.size());
  for (const auto& button : source.m_buttons)
    m_buttons.push_back(std::make_unique<CBtnData>(*button));
}

CBtnData* CTabData::GetButton(int index) const {
  if (index < 0 || index >= GetButtonCount()) return nullptr;
  return m_buttons[static_cast<size_t>(index)].get();
}

bool TabNamesEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    BYTE x = static_cast<BYTE>(a[i]);
    BYTE y = static_cast<BYTE>(b[i]);
    if (::IsDBCSLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (x >= 'A' && x <= 'Z') x = static_cast<BYTE>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<BYTE>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string DefaultTabName(uint32_t number) {
  std::string format = LoadResString(IDS_TAB_NAME);
  // The resource always exists in the program; the literal keeps a tab from
  // ever being nameless in a module that lacks it.
  if (format.empty()) format = "タブ%d";
  char digits[16];
  wsprintfA(digits, "%lu", static_cast<unsigned long>(number));
  size_t at = format.find("%d");
  if (at == std::string::npos) return format + digits;
  return format.replace(at, 2, digits);
}
