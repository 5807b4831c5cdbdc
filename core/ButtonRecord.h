#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/BtnData.h"

// The stored form of a cell: the command, then optionally "|", the decimal
// flags and "/%d/%lu/%d/%lu" with the text and background colours (kind and
// 24-bit value each). Everything before the LAST "|" is the command, so
// commands may contain "|" themselves. Separators are searched character by
// character in codePage, so a "|" that is the second byte of a double-byte
// character is never taken for one.
CBtnData ParseButtonRecord(std::string_view text, UINT codePage = CP_ACP);
// Re-reads button in place from text.
void ParseButtonRecord(std::string_view text, CBtnData& button, UINT codePage = CP_ACP);

// The inverse: the command alone when flags are 0, both colours default and
// the command holds no "|" (which would otherwise read back as a separator).
std::string FormatButtonRecord(const CBtnData& button);
