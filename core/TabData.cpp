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

namespace {

// The character at i of text folded to lower case: ASCII letters and the full-width Latin
// capitals (0x8260-0x8279 in code page 932, small letters 0x8281-0x829A). Sets length to the
// character's byte count; a lead byte without its trail byte stands alone.
unsigned FoldedCharAt(const std::string& text, size_t i, size_t* length) {
  BYTE lead = static_cast<BYTE>(text[i]);
  if (::IsDBCSLeadByte(lead) && i + 1 < text.size()) {
    *length = 2;
    BYTE trail = static_cast<BYTE>(text[i + 1]);
    if (lead == 0x82 && trail >= 0x60 && trail <= 0x79) trail = static_cast<BYTE>(trail + 0x21);
    return (static_cast<unsigned>(lead) << 8) | trail;
  }
  *length = 1;
  return lead >= 'A' && lead <= 'Z' ? lead - 'A' + 'a' : lead;
}

}  // namespace

bool TabNamesEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  size_t i = 0;
  while (i < a.size()) {
    size_t lengthA = 0, lengthB = 0;
    if (FoldedCharAt(a, i, &lengthA) != FoldedCharAt(b, i, &lengthB)) return false;
    if (lengthA != lengthB) return false;
    i += lengthA;
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
