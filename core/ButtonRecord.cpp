#include "core/ButtonRecord.h"

#include <cstdint>

namespace {

const size_t npos = std::string_view::npos;

// Byte length of the character at i; a lead byte at the very end stands alone.
size_t CharLength(std::string_view text, size_t i, UINT codePage) {
  if (i + 1 < text.size() && ::IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[i])) &&
      text[i + 1] != '\0')
    return 2;
  return 1;
}

size_t FindFirst(std::string_view text, char c, UINT codePage) {
  for (size_t i = 0; i < text.size(); i += CharLength(text, i, codePage)) {
    if (text[i] == c) return i;
  }
  return npos;
}

size_t FindLast(std::string_view text, char c, UINT codePage) {
  size_t found = npos;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i, codePage)) {
    if (text[i] == c) found = i;
  }
  return found;
}

// Reads one decimal number as "%d" / "%lu" would: blanks, an optional sign,
// digits. Saturates instead of overflowing; the callers keep only the low
// bits. False when there are no digits.
bool ScanNumber(std::string_view text, size_t& pos, int64_t& value) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return false;
  int64_t magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (magnitude < 0x100000000ll) magnitude = magnitude * 10 + (text[pos] - '0');
  }
  if (magnitude > 0xFFFFFFFFll) magnitude = 0xFFFFFFFFll;
  value = negative ? -magnitude : magnitude;
  return true;
}

// Reads text with the pattern "/%d/%lu/%d/%lu"; returns how many numbers were read.
int ScanColours(std::string_view text, int64_t numbers[4]) {
  size_t pos = 0;
  int count = 0;
  while (count < 4) {
    if (pos >= text.size() || text[pos] != '/') break;
    ++pos;
    if (!ScanNumber(text, pos, numbers[count])) break;
    ++count;
  }
  return count;
}

uint32_t MakeColour(int64_t kind, int64_t value) {
  return (static_cast<uint32_t>(kind) & 0xFF) << 24 | (static_cast<uint32_t>(value) & 0xFFFFFF);
}

}  // namespace

void ParseButtonRecord(std::string_view text, CBtnData& button, UINT codePage) {
  button.m_command.clear();
  button.m_flags = 0;
  button.m_textColor = kDefaultColor;
  button.m_bkColor = kDefaultColor;

  size_t bar = FindLast(text, '|', codePage);
  if (bar == npos) {
    button.m_command.assign(text.data(), text.size());
    return;
  }
  button.m_command.assign(text.data(), bar);

  std::string_view rest = text.substr(bar + 1);
  size_t slash = FindFirst(rest, '/', codePage);
  std::string_view flagsText = slash == npos ? rest : rest.substr(0, slash);
  size_t pos = 0;
  int64_t flags = 0;
  if (ScanNumber(flagsText, pos, flags)) button.m_flags = static_cast<uint32_t>(flags);

  if (slash == npos || slash + 1 >= rest.size()) return;
  int64_t numbers[4] = {};
  int count = ScanColours(rest.substr(slash), numbers);
  if (count >= 2) button.m_textColor = MakeColour(numbers[0], numbers[1]);
  if (count >= 4) button.m_bkColor = MakeColour(numbers[2], numbers[3]);
}

CBtnData ParseButtonRecord(std::string_view text, UINT codePage) {
  CBtnData button;
  ParseButtonRecord(text, button, codePage);
  return button;
}

std::string FormatButtonRecord(const CBtnData& button) {
  std::string record = button.m_command;
  bool colours = button.m_textColor != kDefaultColor || button.m_bkColor != kDefaultColor;
  // A command that holds a "|" itself needs the bar after it, or its tail
  // would read back as flags. (A trail byte that looks like "|" only adds a
  // harmless bar.)
  if (button.m_flags == 0 && !colours && record.find('|') == std::string::npos) return record;
  record += '|';
  char text[64];
  if (button.m_flags != 0) {
    wsprintfA(text, "%lu", static_cast<unsigned long>(button.m_flags));
    record += text;
  }
  if (colours) {
    wsprintfA(text, "/%d/%lu/%d/%lu", static_cast<int>(button.m_textColor >> 24),
              static_cast<unsigned long>(button.m_textColor & 0xFFFFFF),
              static_cast<int>(button.m_bkColor >> 24),
              static_cast<unsigned long>(button.m_bkColor & 0xFFFFFF));
    record += text;
  }
  return record;
}
