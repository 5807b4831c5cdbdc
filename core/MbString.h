#pragma once

#include <cstddef>
#include <string>

// Code-page-aware scanning of ANSI text: a byte that is the second half of a
// double-byte character (0x5C '\' or 0x7C '|' in Shift-JIS) is never taken for
// the single-byte character it resembles.

// Length of the character that starts at i: 2 for a lead byte followed by a
// trail byte, else 1.
size_t MbCharLength(const std::string& text, size_t i);
// Index of the first / last single-byte occurrence of c in text, or npos.
size_t MbFind(const std::string& text, char c, size_t from = 0);
size_t MbFindLast(const std::string& text, char c);
// Whether text ends with the single-byte character c.
bool MbEndsWith(const std::string& text, char c);
